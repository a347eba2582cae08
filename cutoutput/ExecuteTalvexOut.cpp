// The output run of the Windows feature set: every path the target admits goes into the cut data file, placed
// relative to the crop marks, and the cutting application is started with the file. The panel hears of a run
// that started nothing: message 1 when the application is not installed, message 2 when the file could not be
// written in full (then it is not handed to the application).
#include "ArtMatchList.h"
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
    if (!paths.Answered()) return;  // no document: no file, nothing started, nothing sent
    const bool cropMarks = HasCropMarks();
    // Neither the document's origin and page nor the crop settings change during the run.
    const PDRealPoint offset = CutOriginOffset(cropMarks);

    CutFileWriter writer(gCutFileName);
    writer.WriteCutFileHeader(cropMarks);
    ForEachAdmittedPath(paths, target, [&writer, offset](const CutCandidate& candidate) {
        writer.WriteArtPath(candidate.art, offset);
    });
    switch (writer.WriteCutFileTrailer()) {
    case CutLaunch::kStarted: break;
    case CutLaunch::kNotInstalled: DispMessage(kCuttingAppNotInstalledMessage); break;
    case CutLaunch::kFileIncomplete: DispMessage(kCutFileIncompleteMessage); break;
    }
}
