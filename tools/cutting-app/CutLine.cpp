#include "CutLine.h"

#include "NumberForms.h"
#include "QuotedText.h"

namespace talvex {
namespace {

constexpr std::string_view kCropMarkLead = "%%VarrowCropMark:";
constexpr std::string_view kPerforationLine = "/TalvexPerforationMark (002) XT";
constexpr std::size_t kCropMarkReals = 6;

// Splits at single blanks; false when a blank leads, trails or doubles.
bool SplitFields(std::string_view text, std::vector<std::string_view>& fields)
{
    fields.clear();
    std::size_t start = 0;
    for (;;) {
        const std::size_t blank = text.find(' ', start);
        const std::string_view field = text.substr(start, blank == std::string_view::npos ? blank : blank - start);
        if (field.empty()) {
            return false;
        }
        fields.push_back(field);
        if (blank == std::string_view::npos) {
            return true;
        }
        start = blank + 1;
    }
}

void ReadReal(std::string_view field, CutLine& line, bool& allGood)
{
    double value = 0;
    switch (ParseFixedReal(field, value)) {
    case NumberForm::kGood: line.fReals.push_back(value); return;
    case NumberForm::kBadForm:
        line.fProblems.push_back(QuotedText(field) + " is not a real number with six decimals");
        break;
    case NumberForm::kOutOfRange: line.fProblems.push_back(QuotedText(field) + " is out of range"); break;
    }
    allGood = false;
}

// "X Y m" and "x1 y1 x2 y2 x3 y3 c": the fields before the operator are the coordinates.
CutLine ReadCoordinateLine(CutLineKind kind, std::string_view text, std::size_t needed)
{
    CutLine line;
    line.fKind = kind;
    const char* name = kind == CutLineKind::kMove ? "\"m\"" : "\"c\"";
    std::vector<std::string_view> fields;
    if (!SplitFields(text, fields)) {
        line.fProblems.push_back("numbers must be separated by single blanks");
        return line;
    }
    fields.pop_back();
    if (fields.size() != needed) {
        line.fProblems.push_back(std::string(name) + " line needs " + std::to_string(needed) + " numbers, found " +
                                 std::to_string(fields.size()));
        return line;
    }
    bool allGood = true;
    for (const std::string_view field : fields) {
        ReadReal(field, line, allGood);
    }
    if (!allGood) {
        line.fReals.clear();
    }
    return line;
}

CutLine ReadCropMarkLine(std::string_view text)
{
    CutLine line;
    line.fKind = CutLineKind::kCropMarks;
    const std::string_view values = text.substr(kCropMarkLead.size());
    std::vector<std::string_view> fields;
    if (!values.empty() && (values[0] != ' ' || !SplitFields(values.substr(1), fields))) {
        line.fProblems.push_back("numbers must be separated by single blanks");
        return line;
    }
    if (fields.size() != kCropMarkReals + 1) {
        line.fProblems.push_back("crop-mark comment needs 6 real numbers and 1 integer, found " +
                                 std::to_string(fields.size()) + " values");
        return line;
    }
    bool allGood = true;
    for (std::size_t i = 0; i < kCropMarkReals; ++i) {
        ReadReal(fields[i], line, allGood);
    }
    switch (ParseDecimalInteger(fields[kCropMarkReals], line.fCount)) {
    case NumberForm::kGood: break;
    case NumberForm::kBadForm:
        line.fProblems.push_back(QuotedText(fields[kCropMarkReals]) + " is not an integer");
        allGood = false;
        break;
    case NumberForm::kOutOfRange:
        line.fProblems.push_back(QuotedText(fields[kCropMarkReals]) + " is out of range");
        allGood = false;
        break;
    }
    if (allGood && line.fReals[0] <= 0) {
        line.fProblems.push_back("crop-mark radius must be greater than 0");
        allGood = false;
    }
    // A cutter registers on three marks or four; 0, written when no count was chosen, stands for three marks
    // hung from the top. Any other count names marks that no layout has (the values are still read).
    if (allGood && line.fCount != 0 && line.fCount != 3 && line.fCount != 4) {
        line.fProblems.push_back("crop-mark count " + std::to_string(line.fCount) +
                                 " is not one the marks can have: 3, 4, or 0 for three marks hung from the top");
    }
    if (!allGood) {
        line.fReals.clear();
    }
    return line;
}

bool EndsWith(std::string_view text, std::string_view end)
{
    return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

}  // namespace

CutLine ClassifyCutLine(std::string_view text)
{
    CutLine line;
    for (int i = 0; i < 6; ++i) {
        if (text == kFixedLines[i]) {
            line.fKind = CutLineKind::kFixed;
            line.fIndex = i;
            return line;
        }
    }
    for (int i = 0; i < 4; ++i) {
        if (text == kTrailerLines[i]) {
            line.fKind = CutLineKind::kTrailer;
            line.fIndex = i;
            return line;
        }
    }
    if (text == "u" || text == "s" || text == "S" || text == "U") {
        line.fKind = text == "u"   ? CutLineKind::kPathBegin
                     : text == "s" ? CutLineKind::kClose
                     : text == "S" ? CutLineKind::kStroke
                                   : CutLineKind::kPathEnd;
        return line;
    }
    if (text == kPerforationLine) {
        line.fKind = CutLineKind::kPerforation;
        return line;
    }
    if (text.substr(0, 2) == "%!") {
        line.fKind = CutLineKind::kConformance;
        if (text != kConformanceLine) {
            line.fProblems.push_back(QuotedText(text) + " is not the DSC 3.0 line " + QuotedText(kConformanceLine));
        }
        return line;
    }
    if (text.substr(0, kCropMarkLead.size()) == kCropMarkLead) {
        return ReadCropMarkLine(text);
    }
    if (text == "m" || EndsWith(text, " m")) {
        return ReadCoordinateLine(CutLineKind::kMove, text, 2);
    }
    if (text == "c" || EndsWith(text, " c")) {
        return ReadCoordinateLine(CutLineKind::kCurve, text, 6);
    }
    return line;
}

std::string DescribeCutLine(const CutLine& line)
{
    switch (line.fKind) {
    case CutLineKind::kConformance: return QuotedText(kConformanceLine);
    case CutLineKind::kCropMarks: return "crop-mark comment";
    case CutLineKind::kFixed: return QuotedText(kFixedLines[line.fIndex]);
    case CutLineKind::kTrailer: return QuotedText(kTrailerLines[line.fIndex]);
    case CutLineKind::kPathBegin: return "\"u\"";
    case CutLineKind::kMove: return "\"m\" line";
    case CutLineKind::kCurve: return "\"c\" line";
    case CutLineKind::kClose: return "\"s\"";
    case CutLineKind::kStroke: return "\"S\"";
    case CutLineKind::kPerforation: return "perforation tag line";
    case CutLineKind::kPathEnd: return "\"U\"";
    case CutLineKind::kUnknown: break;
    }
    return "line";
}

}  // namespace talvex
