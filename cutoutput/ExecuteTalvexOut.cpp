// The output run of the Windows feature set: every path the target admits goes into the cut data file, placed
// relative to the crop marks, and the cutting application is started with the file. The panel hears of a run
// that started nothing: message 1 when the application is not installed or the system could not start it,
// message 2 when the file could not be
// written in full (then it is not handed to the application), which includes a document whose paths, or any of
// them, the host could not give whole.
#include "ArtMatchList.h"
#include "CropMarkObjects.h"
#include "CutFileWriter.h"
#include "CutObjectFilter.h"
#include "CutOriginOffset.h"
#include "CutOutputPaths.h"
#include "Edition.h"
#include "PayloadParser.h"
#include "TalvexGlimtUIController.h"
#include "TalvexPanelProtocol.h"

void TalvexGlimtUIController::ExecuteTalvexOut(const pd::UnicodeString& payload)
{
    // The macOS feature set drives the plotter itself.
    if (kMacEdition) {
        ExecutePlotterOutput(payload);
        return;
    }

    const int32_t target = GetElementInt32(payload, "Target");
    const ArtMatchList paths(ArtMatchList::Query::kPaths);
    if (!paths.Answered()) {
        // Without a document there is nothing to cut; a document whose paths the host cannot list would be
        // handed over without them.
        if (paths.Refusal() != kNoDocumentErr) DispMessage(kCutFileIncompleteMessage);
        return;
    }
    // Neither the document's origin and page nor the crop settings change during the run.
    const OutputPlacement placement = PlaceOutput();
    const PDRealPoint offset = placement.offset;

    CutFileWriter writer(gCutFileName);
    writer.WriteCutFileHeader(placement.cropMarks);
    if (!placement.placed) writer.Fail();  // without the marks or the origin every path would be cut in the wrong place
    const bool decided = ForEachAdmittedPath(paths, target, [&writer, offset](const CutCandidate& candidate) {
        writer.WriteArtPath(candidate.art, offset);
    });
    if (!decided) writer.Fail();
    switch (writer.WriteCutFileTrailer()) {
    case CutLaunch::kStarted: break;
    case CutLaunch::kNotInstalled:
    case CutLaunch::kNotStarted: DispMessage(kCuttingAppNotInstalledMessage); break;
    case CutLaunch::kFileIncomplete: DispMessage(kCutFileIncompleteMessage); break;
    }
}
