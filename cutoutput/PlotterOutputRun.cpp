// The output run of the macOS feature set: the cutter's command stream written directly, in three variants, into
// the output application's folder, and the output application opened to send one of them to the cutter. Every
// path the target admits is flattened into points by the host and written relative to the crop marks.
#include <cstdlib>
#include <new>
#include <vector>

#include "ArtMatchList.h"
#include "CropMarkObjects.h"
#include "CutObjectFilter.h"
#include "CutOriginOffset.h"
#include "PathSegments.h"
#include "PayloadParser.h"
#include "PlotterCommandFiles.h"
#include "PlotterCommands.h"
#include "TalvexGlimtUIController.h"
#include "TalvexPanelProtocol.h"
#include "TalvexPluginDialogSuites.h"
#include "pendrake/IPDError.h"

namespace {

// What the host's flattening is given: the most points one curve may become, and how far (in points) the
// chords may stray from it: 0.025 mm, one plotter unit.
constexpr PDReal kMostPointsPerCurve = 2000.0;
constexpr PDReal kFlatness = 0.07086614f;

void* AllocatePoints(size_t size) { return std::malloc(size); }
void FreePoints(void* block) { std::free(block); }

// The points of one path, flattened by the host; empty when the path has none.
class FlattenedPath {
public:
    FlattenedPath() = default;
    ~FlattenedPath() { FreePoints(fPoints); }
    FlattenedPath(const FlattenedPath&) = delete;
    FlattenedPath& operator=(const FlattenedPath&) = delete;

    bool Flatten(int32_t count, const PDPathSegment* segments) noexcept
    {
        if (!sPDPathConstruction) return false;
        return sPDPathConstruction->SegmentsToPoints(count, segments, kMostPointsPerCurve, kFlatness, &fCount, &fPoints,
                                                     AllocatePoints, FreePoints) == kNoErr &&
               fCount >= 0 && (fCount == 0 || fPoints);
    }
    int32_t Count() const noexcept { return fCount; }
    const PDPathPoint& operator[](int32_t j) const noexcept { return fPoints[j]; }

private:
    int32_t fCount = 0;
    PDPathPoint* fPoints = nullptr;
};

struct PlotterPoint {
    int32_t x;       // (x + dx) in plotter units
    int32_t y;       // (y + dy)
    int32_t turned;  // page height − (y + dy): the first coordinate of the quarter-turned stream
};

// Writes one admitted path to the three streams. A path that cannot be read or flattened, or that has a point
// the cutter cannot reach, is left out whole and makes the output incomplete.
void WritePlotterPath(PlotterCommandFiles& files, PlotterNumbers& numbers, PDArtHandle art, PDRealPoint offset,
                      PDReal pageHeight)
{
    PathSegments segments("test");
    if (segments.Read(art) != PathSegments::Result::kRead) {
        files.Fail();
        return;
    }
    FlattenedPath points;
    if (!points.Flatten(segments.Count(), segments.Get())) {
        files.Fail();
        return;
    }
    std::vector<PlotterPoint> plotted(static_cast<std::size_t>(points.Count()));
    for (int32_t j = 0; j < points.Count(); ++j) {
        const double x = static_cast<double>(points[j].point.h) + static_cast<double>(offset.h);
        const double y = static_cast<double>(points[j].point.v) + static_cast<double>(offset.v);
        PlotterPoint& p = plotted[static_cast<std::size_t>(j)];
        if (!ToPlotterUnits(x, p.x) || !ToPlotterUnits(y, p.y) ||
            !ToPlotterUnits(static_cast<double>(pageHeight) - y, p.turned)) {
            files.Fail();
            return;
        }
    }
    for (std::size_t j = 0; j < plotted.size(); ++j) {
        const std::string line = PointLine(numbers, j == 0, plotted[j].x, plotted[j].y);
        files.Write(PlotterFile::kPlain, line);
        files.Write(PlotterFile::kPro, line);
        files.Write(PlotterFile::kTurned, PointLine(numbers, j == 0, plotted[j].turned, plotted[j].x));
    }
}

// The page height of the document setup, which the quarter turn measures from.
bool PageHeight(PDReal& height) noexcept
{
    PDDocumentSetup setup{};
    if (!sPDDocument || sPDDocument->GetDocumentSetup(&setup) != kNoErr) return false;
    height = setup.height;
    return true;
}

// Writes the beginnings of the three streams and every admitted path.
void WriteCommandStreams(PlotterCommandFiles& files, const ArtMatchList& paths, int32_t target, bool cropMarks,
                         PDRealPoint offset)
{
    PDReal pageHeight = 0;
    if (!PageHeight(pageHeight)) files.Fail();
    PlotterNumbers numbers;
    if (cropMarks) files.Write(PlotterFile::kPlain, CropHeader(numbers, false));
    files.Write(PlotterFile::kPlain, kPlotterInitialize);
    files.Write(PlotterFile::kPro, kProStreamLead);
    if (cropMarks) files.Write(PlotterFile::kPro, CropHeader(numbers, true));
    files.Write(PlotterFile::kPro, kPlotterInitialize);
    files.Write(PlotterFile::kTurned, kPlotterAbsolute);

    const bool decided = ForEachAdmittedPath(paths, target, [&](const CutCandidate& candidate) {
        WritePlotterPath(files, numbers, candidate.art, offset, pageHeight);
    });
    if (!decided) files.Fail();
}

}  // namespace

void TalvexGlimtUIController::ExecutePlotterOutput(const pd::UnicodeString& payload)
{
    const int32_t target = GetElementInt32(payload, "Target");
    const ArtMatchList paths(ArtMatchList::Query::kPaths);
    if (!paths.Answered()) {
        // No document: nothing written, nothing opened. A document whose paths the host cannot list would be
        // cut without them.
        if (paths.Refusal() != kNoDocumentErr) DispMessage(kCutFileIncompleteMessage);
        return;
    }
    const OutputPlacement placement = PlaceOutput();
    const bool cropMarks = placement.cropMarks;
    const PDRealPoint offset = placement.offset;

    PlotterCommandFiles files;
    if (!placement.placed) files.Fail();  // without the marks or the origin every path would be cut in the wrong place
    try {
        WriteCommandStreams(files, paths, target, cropMarks, offset);
    } catch (const pd::Error&) {
        files.Fail();  // a number the host could not write: the streams lack it
    } catch (const std::bad_alloc&) {
        files.Fail();
    }
    for (const PlotterFile file : {PlotterFile::kPlain, PlotterFile::kPro}) {
        files.Write(file, kPlotterPenUp);
        files.Write(file, kPlotterPage);
    }
    // The marks are looked for again: the trailer follows what the document holds now.
    bool marksNow = false;
    if (!FindCropMarks(marksNow)) files.Fail();
    if (marksNow) {
        files.Write(PlotterFile::kPlain, kCropTrailer);
        files.Write(PlotterFile::kPro, kCropTrailer);
    }
    files.Write(PlotterFile::kTurned, kPlotterPenUp);
    files.Close();

    // Incomplete command files would cut less than the artwork holds: they are not sent to the cutter. An
    // output application that could not be opened is reported like a cutting application that is not there.
    if (!files.Complete()) {
        DispMessage(kCutFileIncompleteMessage);
    } else if (!OpenOutputApplication()) {
        DispMessage(kCuttingAppNotInstalledMessage);
    }
}
