#include "CutFileReader.h"

#include <string>

#include "CutLine.h"
#include "QuotedText.h"

namespace talvex {
namespace {

// The file's outer lines in order: a position is the place of the line that is expected next. The crop-mark
// comment is optional, and the path blocks stand at kBody, before the first trailer line.
constexpr int kConformancePosition = 0;
constexpr int kCropMarksPosition = 1;
constexpr int kFirstFixedPosition = 2;
constexpr int kBody = 8;
constexpr int kFirstTrailerPosition = 9;
constexpr int kDone = 13;

// Where a path block stands: which of its lines came last.
enum class PathPlace { kNone, kAfterBegin, kAfterSegment, kAfterEnd, kAfterPerforation };

int PositionOf(const CutLine& line)
{
    switch (line.fKind) {
    case CutLineKind::kConformance: return kConformancePosition;
    case CutLineKind::kCropMarks: return kCropMarksPosition;
    case CutLineKind::kFixed: return kFirstFixedPosition + line.fIndex;
    case CutLineKind::kTrailer: return kFirstTrailerPosition + line.fIndex;
    default: return kBody;
    }
}

bool IsPathLine(CutLineKind kind)
{
    return kind == CutLineKind::kPathBegin || kind == CutLineKind::kMove || kind == CutLineKind::kCurve ||
           kind == CutLineKind::kClose || kind == CutLineKind::kStroke || kind == CutLineKind::kPerforation ||
           kind == CutLineKind::kPathEnd;
}

// The place a path line leads to, and whether it may follow the given place.
PathPlace PlaceAfter(CutLineKind kind)
{
    switch (kind) {
    case CutLineKind::kPathBegin: return PathPlace::kAfterBegin;
    case CutLineKind::kMove:
    case CutLineKind::kCurve: return PathPlace::kAfterSegment;
    case CutLineKind::kClose:
    case CutLineKind::kStroke: return PathPlace::kAfterEnd;
    case CutLineKind::kPerforation: return PathPlace::kAfterPerforation;
    default: return PathPlace::kNone;
    }
}

bool MayFollow(CutLineKind kind, PathPlace place)
{
    switch (kind) {
    case CutLineKind::kPathBegin: return place == PathPlace::kNone;
    case CutLineKind::kMove: return place == PathPlace::kAfterBegin;
    case CutLineKind::kCurve: return place == PathPlace::kAfterSegment;
    case CutLineKind::kClose:
    case CutLineKind::kStroke: return place == PathPlace::kAfterBegin || place == PathPlace::kAfterSegment;
    case CutLineKind::kPerforation: return place == PathPlace::kAfterEnd;
    case CutLineKind::kPathEnd: return place == PathPlace::kAfterEnd || place == PathPlace::kAfterPerforation;
    default: return false;
    }
}

class CutFileParser {
public:
    CutData Parse(std::string_view bytes);

private:
    void Report(int line, std::string message) { fData.fProblems.push_back({line, std::move(message)}); }
    void ReadLine(int number, std::string_view text);
    void OuterLine(int number, const CutLine& line);
    void PathLine(int number, const CutLine& line);
    void Apply(const CutLine& line);
    // What may come next, for messages.
    std::string Expected() const;

    CutData fData;
    int fPosition = kConformancePosition;
    PathPlace fPlace = PathPlace::kNone;
};

CutData CutFileParser::Parse(std::string_view bytes)
{
    int number = 0;
    std::size_t start = 0;
    while (start < bytes.size()) {
        ++number;
        const std::size_t feed = bytes.find('\n', start);
        if (feed == std::string_view::npos) {
            Report(number, "last line does not end with CR LF");
            std::string_view text = bytes.substr(start);
            if (text.back() == '\r') {
                text.remove_suffix(1);
            }
            ReadLine(number, text);
            start = bytes.size();
            break;
        }
        std::string_view text = bytes.substr(start, feed - start);
        if (!text.empty() && text.back() == '\r') {
            text.remove_suffix(1);
        } else {
            Report(number, "line ends with LF only; CR LF expected");
        }
        ReadLine(number, text);
        start = feed + 1;
    }
    if (fPosition != kDone) {
        Report(number + 1, "file ends early; expected " + Expected());
    }
    return std::move(fData);
}

void CutFileParser::ReadLine(int number, std::string_view text)
{
    const CutLine line = ClassifyCutLine(text);
    for (const std::string& problem : line.fProblems) {
        Report(number, problem);
    }
    if (line.fKind == CutLineKind::kUnknown) {
        Report(number, "cannot read line " + QuotedText(text));
    } else if (fPosition == kDone) {
        Report(number, "text after \"%%EOF\"");
    } else if (IsPathLine(line.fKind)) {
        PathLine(number, line);
    } else {
        OuterLine(number, line);
    }
}

// A line of the header or trailer. When lines are missing before it, it is reported and reading goes on after
// it; a line that belongs before the current place is reported and ignored.
void CutFileParser::OuterLine(int number, const CutLine& line)
{
    const int position = PositionOf(line);
    const bool inPlace = position == fPosition ||
                         (fPosition == kCropMarksPosition && position == kFirstFixedPosition) ||
                         (fPosition == kBody && position == kFirstTrailerPosition);
    if (!inPlace || fPlace != PathPlace::kNone) {
        Report(number, "unexpected " + DescribeCutLine(line) + "; expected " + Expected());
    }
    if (position < fPosition) {
        return;
    }
    fPlace = PathPlace::kNone;
    fPosition = position + 1;
    Apply(line);
}

// A line of a path block. Inside a block a line out of order is reported and taken; outside one (before the
// header ends, between blocks, in the trailer) it is reported and ignored, except "u", which ends a header
// that lacks lines.
void CutFileParser::PathLine(int number, const CutLine& line)
{
    const bool starts = line.fKind == CutLineKind::kPathBegin;
    if (fPosition != kBody || (fPlace == PathPlace::kNone && !starts) || !MayFollow(line.fKind, fPlace)) {
        Report(number, "unexpected " + DescribeCutLine(line) + "; expected " + Expected());
    }
    if (fPosition > kBody || (fPosition < kBody && !starts) || (fPlace == PathPlace::kNone && !starts)) {
        return;
    }
    fPosition = kBody;
    fPlace = PlaceAfter(line.fKind);
    Apply(line);
}

void CutFileParser::Apply(const CutLine& line)
{
    const bool hasValues = !line.fReals.empty();
    switch (line.fKind) {
    case CutLineKind::kCropMarks:
        if (hasValues) {
            fData.fCropMarks = CropMarkValues{line.fReals[0], line.fReals[1], line.fReals[2], line.fReals[3],
                                              line.fReals[4], line.fReals[5], line.fCount};
        }
        break;
    case CutLineKind::kPathBegin: fData.fPaths.emplace_back(); break;
    case CutLineKind::kMove:
        if (hasValues && !fData.fPaths.back().fStart) {
            fData.fPaths.back().fStart = CutPoint{line.fReals[0], line.fReals[1]};
        }
        break;
    case CutLineKind::kCurve:
        if (hasValues) {
            fData.fPaths.back().fCurves.push_back({CutPoint{line.fReals[0], line.fReals[1]},
                                                   CutPoint{line.fReals[2], line.fReals[3]},
                                                   CutPoint{line.fReals[4], line.fReals[5]}});
        }
        break;
    case CutLineKind::kClose: fData.fPaths.back().fClosed = true; break;
    case CutLineKind::kPerforation: fData.fPaths.back().fPerforation = true; break;
    default: break;
    }
}

std::string CutFileParser::Expected() const
{
    switch (fPlace) {
    case PathPlace::kAfterBegin: return "\"m\" line, \"s\" or \"S\"";
    case PathPlace::kAfterSegment: return "\"c\" line, \"s\" or \"S\"";
    case PathPlace::kAfterEnd: return "perforation tag line or \"U\"";
    case PathPlace::kAfterPerforation: return "\"U\"";
    case PathPlace::kNone: break;
    }
    if (fPosition == kConformancePosition) {
        return QuotedText(kConformanceLine);
    }
    if (fPosition == kCropMarksPosition) {
        return "crop-mark comment or " + QuotedText(kFixedLines[0]);
    }
    if (fPosition < kBody) {
        return QuotedText(kFixedLines[fPosition - kFirstFixedPosition]);
    }
    if (fPosition == kBody) {
        return "\"u\" or " + QuotedText(kTrailerLines[0]);
    }
    return QuotedText(kTrailerLines[fPosition - kFirstTrailerPosition]);
}

}  // namespace

CutData ReadCutFile(std::string_view bytes) { return CutFileParser().Parse(bytes); }

}  // namespace talvex
