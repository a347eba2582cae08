#include "CommandLine.h"

#include <array>
#include <utility>

#include "NumberForms.h"
#include "QuotedText.h"

namespace talvex {
namespace {

constexpr std::string_view kCropMarkLead = "@PJL DO CROPMARK ";
constexpr std::string_view kFourFormEnd = "4";
constexpr std::size_t kCropMarkNumbers = 4;

// The lines that carry no numbers.
constexpr std::array<std::pair<CommandLineKind, std::string_view>, 8> kFixedLines = {{
    {CommandLineKind::kStartReset,
     "\x1b"
     "E\x1b%-12345X@PJL RESET"},
    {CommandLineKind::kEnterCommandLanguage, "@PJL ENTER LANGUAGE = VXCMD"},
    {CommandLineKind::kInit, "IN;"},
    {CommandLineKind::kAbsolute, "PA;"},
    {CommandLineKind::kPenUp, "PU;"},
    {CommandLineKind::kPage, "!PG;"},
    {CommandLineKind::kExitReset, "\x1b%-12345X@PJL RESET"},
    {CommandLineKind::kEnterResetLanguage, "@PJL ENTER LANGUAGE = RESET"},
}};

std::vector<std::string_view> SplitAtCommas(std::string_view text)
{
    std::vector<std::string_view> fields;
    for (std::size_t start = 0;;) {
        const std::size_t comma = text.find(',', start);
        if (comma == std::string_view::npos) {
            fields.push_back(text.substr(start));
            return fields;
        }
        fields.push_back(text.substr(start, comma - start));
        start = comma + 1;
    }
}

void ReadInteger(std::string_view field, int& value, std::vector<std::string>& problems)
{
    switch (ParseDecimalInteger(field, value)) {
    case NumberForm::kGood: return;
    case NumberForm::kBadForm: problems.push_back(QuotedText(field) + " is not an integer"); return;
    case NumberForm::kOutOfRange: problems.push_back(QuotedText(field) + " is out of range"); return;
    }
}

// "PUx,y;" or "PDx,y;", the lead and the ";" already recognised.
CommandLine ReadPoint(bool penDown, std::string_view numbers)
{
    CommandLine line;
    line.fKind = CommandLineKind::kPoint;
    line.fPoint.fPenDown = penDown;
    const std::vector<std::string_view> fields = SplitAtCommas(numbers);
    if (fields.size() != 2) {
        line.fProblems.push_back("point line needs 2 numbers separated by \",\", found " +
                                 std::to_string(fields.size()));
        return line;
    }
    ReadInteger(fields[0], line.fPoint.fX, line.fProblems);
    ReadInteger(fields[1], line.fPoint.fY, line.fProblems);
    return line;
}

// "a,b,W,L" or "a,b,W,L,4", between the lead and the ";".
CommandLine ReadCropMarks(std::string_view numbers)
{
    CommandLine line;
    line.fKind = CommandLineKind::kCropMarks;
    std::vector<std::string_view> fields = SplitAtCommas(numbers);
    if (fields.size() == kCropMarkNumbers + 1 && fields.back() == kFourFormEnd) {
        line.fCropMarks.fFourForm = true;
        fields.pop_back();
    }
    if (fields.size() != kCropMarkNumbers) {
        line.fProblems.push_back("crop-mark line needs 4 numbers, or 4 and a final \"4\", found " +
                                 std::to_string(fields.size()));
        return line;
    }
    CropMarkValues& values = line.fCropMarks;
    ReadInteger(fields[0], values.fOriginX, line.fProblems);
    ReadInteger(fields[1], values.fOriginY, line.fProblems);
    ReadInteger(fields[2], values.fWidth, line.fProblems);
    ReadInteger(fields[3], values.fLength, line.fProblems);
    if (line.fProblems.empty() && (values.fWidth <= 0 || values.fLength <= 0)) {
        line.fProblems.push_back("crop-mark width and length must be greater than 0");
    }
    return line;
}

bool StartsWith(std::string_view text, std::string_view lead) { return text.substr(0, lead.size()) == lead; }

}  // namespace

CommandLine ClassifyCommandLine(std::string_view text)
{
    for (const auto& [kind, fixed] : kFixedLines) {
        if (text == fixed) {
            CommandLine line;
            line.fKind = kind;
            return line;
        }
    }
    if (text.size() > 3 && text.back() == ';' && (StartsWith(text, "PU") || StartsWith(text, "PD"))) {
        return ReadPoint(text[1] == 'D', text.substr(2, text.size() - 3));
    }
    if (StartsWith(text, kCropMarkLead) && text.back() == ';') {
        return ReadCropMarks(text.substr(kCropMarkLead.size(), text.size() - kCropMarkLead.size() - 1));
    }
    return CommandLine();
}

bool IsPjlLine(CommandLineKind kind)
{
    switch (kind) {
    case CommandLineKind::kStartReset:
    case CommandLineKind::kCropMarks:
    case CommandLineKind::kEnterCommandLanguage:
    case CommandLineKind::kExitReset:
    case CommandLineKind::kEnterResetLanguage: return true;
    default: return false;
    }
}

std::string DescribeCommandLine(CommandLineKind kind)
{
    for (const auto& [fixedKind, fixed] : kFixedLines) {
        if (kind == fixedKind) {
            return QuotedText(fixed);
        }
    }
    switch (kind) {
    case CommandLineKind::kCropMarks: return "crop-mark line";
    case CommandLineKind::kPoint: return "point line";
    default: return "line";
    }
}

}  // namespace talvex
