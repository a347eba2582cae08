#include "CommandFileReader.h"

#include <algorithm>
#include <string>
#include <vector>

#include "CommandLine.h"
#include "QuotedText.h"

namespace talvex {
namespace {

using Kind = CommandLineKind;

// tmp_pro.txt starts with this many semicolons, on the line of the first command.
constexpr std::size_t kProPadding = 64;

// The lines of a file in order; kPoint stands for any number of point lines. The first three (the crop header)
// and the last two (the crop trailer) of the longer layout come together or not at all.
const std::vector<Kind> kLongLayout = {Kind::kStartReset,
                                       Kind::kCropMarks,
                                       Kind::kEnterCommandLanguage,
                                       Kind::kInit,
                                       Kind::kAbsolute,
                                       Kind::kPoint,
                                       Kind::kPenUp,
                                       Kind::kPage,
                                       Kind::kExitReset,
                                       Kind::kEnterResetLanguage};
const std::vector<Kind> kTurnedLayout = {Kind::kAbsolute, Kind::kPoint, Kind::kPenUp};
constexpr std::size_t kHeaderEnd = 3;
constexpr std::size_t kTrailerStart = 8;

class CommandFileParser {
public:
    explicit CommandFileParser(CommandFileKind kind)
        : fLayout(kind == CommandFileKind::kTurned ? kTurnedLayout : kLongLayout)
    {
        fFile.fKind = kind;
        fFile.fRead = true;
    }
    CommandFile Parse(std::string_view bytes);

private:
    void Report(int line, std::string message) { fFile.fProblems.push_back({line, std::move(message)}); }
    void ReadLine(int number, std::string_view text, bool lineEnd);
    void PlaceLine(int number, const CommandLine& line);
    void Apply(int number, const CommandLine& line);
    bool HasCropParts() const { return fLayout.size() == kLongLayout.size(); }
    bool IsTrailer(std::size_t position) const { return HasCropParts() && position >= kTrailerStart; }
    bool InPlace(std::size_t position) const;
    // What may come next, for messages.
    std::string Expected() const;

    const std::vector<Kind>& fLayout;
    CommandFile fFile;
    std::size_t fPosition = 0;  // the place in fLayout of the line expected next
};

CommandFile CommandFileParser::Parse(std::string_view bytes)
{
    int number = 0;
    for (std::size_t start = 0; start < bytes.size();) {
        ++number;
        const std::size_t feed = bytes.find('\n', start);
        const bool lineEnd = feed != std::string_view::npos;
        std::string_view text = bytes.substr(start, lineEnd ? feed - start : std::string_view::npos);
        start = lineEnd ? feed + 1 : bytes.size();
        if (number == 1 && fFile.fKind == CommandFileKind::kPro) {
            const std::size_t padding = std::min(text.find_first_not_of(';'), text.size());
            if (padding != kProPadding) {
                Report(number, "expected 64 semicolons before the first command, found " + std::to_string(padding));
            }
            text.remove_prefix(padding);
            if (text.empty() && !lineEnd) {
                break;
            }
        }
        if (!lineEnd) {
            Report(number, "last line has no line end");
        }
        ReadLine(number, text, lineEnd);
    }
    const bool complete = fPosition == fLayout.size() || (IsTrailer(fPosition) && !fFile.fCropHeader);
    if (!complete) {
        Report(number + 1, "file ends early; expected " + Expected());
    }
    return std::move(fFile);
}

void CommandFileParser::ReadLine(int number, std::string_view text, bool lineEnd)
{
    const bool carriageReturn = !text.empty() && text.back() == '\r';
    if (carriageReturn) {
        text.remove_suffix(1);
    }
    const CommandLine line = ClassifyCommandLine(text);
    if (line.fKind == Kind::kUnknown) {
        Report(number, "cannot read line " + QuotedText(text));
        return;
    }
    if (IsPjlLine(line.fKind) && carriageReturn) {
        Report(number, "PJL line ends with CR LF; LF expected");
    } else if (!IsPjlLine(line.fKind) && !carriageReturn && lineEnd) {
        Report(number, "line ends with LF only; CR LF expected");
    }
    for (const std::string& problem : line.fProblems) {
        Report(number, problem);
    }
    PlaceLine(number, line);
}

bool CommandFileParser::InPlace(std::size_t position) const
{
    if (position == fPosition) {
        return true;
    }
    // The crop header is left out as a whole, and a path may have no points after it.
    const bool headerLeftOut = HasCropParts() && fPosition == 0 && position == kHeaderEnd;
    const bool afterPoints =
        fPosition < fLayout.size() && fLayout[fPosition] == Kind::kPoint && position == fPosition + 1;
    return headerLeftOut || afterPoints;
}

// A line out of place is reported; when lines are missing before it, reading goes on after it, and a line that
// belongs before the current place is ignored.
void CommandFileParser::PlaceLine(int number, const CommandLine& line)
{
    const auto found = std::find(fLayout.begin(), fLayout.end(), line.fKind);
    const auto position = static_cast<std::size_t>(found - fLayout.begin());
    if (found == fLayout.end()) {
        Report(number, DescribeCommandLine(line.fKind) + " does not belong in " + CommandFileName(fFile.fKind));
        return;
    }
    if (IsTrailer(position) && !fFile.fCropHeader) {
        Report(number, "crop trailer line " + DescribeCommandLine(line.fKind) + " without a crop header");
        return;
    }
    if (!InPlace(position)) {
        Report(number, "unexpected " + DescribeCommandLine(line.fKind) + "; expected " + Expected());
        if (position < fPosition) {
            return;
        }
    }
    fPosition = line.fKind == Kind::kPoint ? position : position + 1;
    if (line.fProblems.empty()) {
        Apply(number, line);
    }
}

void CommandFileParser::Apply(int number, const CommandLine& line)
{
    switch (line.fKind) {
    case Kind::kStartReset: fFile.fCropHeader = true; break;
    case Kind::kCropMarks: {
        CropMarkValues values = line.fCropMarks;
        values.fLine = number;
        const bool pro = fFile.fKind == CommandFileKind::kPro;
        if (values.fFourForm && !pro) {
            Report(number, "crop-mark line ends in \",4;\", the form of tmp_pro.txt");
        } else if (!values.fFourForm && pro) {
            Report(number, "crop-mark line must end in \",4;\" in tmp_pro.txt");
        }
        fFile.fCropMarks = values;
        break;
    }
    case Kind::kPoint: {
        PlotPoint point = line.fPoint;
        point.fLine = number;
        if (point.fPenDown && fFile.fPaths.empty()) {
            Report(number, "\"PD\" line before the first \"PU\" line");
        }
        if (!point.fPenDown || fFile.fPaths.empty()) {
            fFile.fPaths.emplace_back();
        }
        fFile.fPaths.back().fPoints.push_back(point);
        break;
    }
    default: break;
    }
}

std::string CommandFileParser::Expected() const
{
    if (fPosition >= fLayout.size() || (IsTrailer(fPosition) && !fFile.fCropHeader)) {
        return "the end of the file";
    }
    const std::string next = DescribeCommandLine(fLayout[fPosition]);
    if (HasCropParts() && fPosition == 0) {
        return next + " or " + DescribeCommandLine(fLayout[kHeaderEnd]);
    }
    if (fLayout[fPosition] == Kind::kPoint) {
        return next + " or " + DescribeCommandLine(fLayout[fPosition + 1]);
    }
    return next;
}

}  // namespace

CommandFile ReadCommandFile(CommandFileKind kind, std::string_view bytes)
{
    return CommandFileParser(kind).Parse(bytes);
}

}  // namespace talvex
