// Building the crop marks for the current settings, or deleting them. Building does not delete an earlier set;
// the caller does. A set the host could not build whole is taken away again: the cutter registers on every mark
// of the layout, and a set that lacks one would misplace the cut or stop the cutter.
#include "CropFrame.h"
#include "CropSettings.h"
#include "TalvexGlimtUIController.h"
#include "TalvexPluginDialogSuites.h"
#include "pendrake/IPDError.h"
#include "pendrake/ZBErrors.h"

void TalvexGlimtUIController::DoCropMark(bool build)
{
    if (!build) {
        DeleteCropMarks();
        return;
    }
    const PDReal r = ToEditionPoints(cropRadius);
    CropFrame frame{};
    if (!GetCropmarkCorner(&frame)) return;  // a frame hung from the page top needs an open document
    bool built = false;
    switch (SelectCropLayout()) {
    case CropLayout::TopThree:
        built = BuildCropMark({frame.left, frame.top}, r, 1) && BuildCropMark({frame.right, frame.top}, r, 2) &&
                BuildCropMark({frame.left, frame.bottom}, r, 3);
        break;
    case CropLayout::BottomThree:
        built = BuildCropMark({frame.left, frame.bottom}, r, 1) && BuildCropMark({frame.right, frame.bottom}, r, 2) &&
                BuildCropMark({frame.left, frame.top}, r, 3);
        break;
    case CropLayout::BottomFour:
        // The brackets follow the frame grown by the radius on every side.
        built = BuildCropMark({frame.left, frame.bottom}, r, 1) && BuildCropMark({frame.right, frame.bottom}, r, 2) &&
                BuildCropMark({frame.left, frame.top}, r, 3) && BuildCropMark({frame.right, frame.top}, r, 4) &&
                BuildToolMark({frame.left - r, frame.top + r, frame.right + r, frame.bottom - r}, 5);
        break;
    }
    if (built) return;
    DeleteCropMarks();
    // The user must hear of marks that are not there; without a document there was nothing to mark.
    PDDocumentHandle document = nullptr;
    if (sPDDocument && sPDDocument->GetDocument(&document) == kNoErr) throw pd::Error(kCantHappenErr);
}
