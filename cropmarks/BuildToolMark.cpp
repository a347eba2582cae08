// The five corner-bracket strokes of the four-mark layout: a bracket at each corner of the rectangle with arms
// pointing outward, and a diagonal into the bottom-left corner, the one asymmetric element.
#include "CropFrame.h"
#include "CropMarkObjects.h"
#include "CropSettings.h"
#include "TalvexGlimtUIController.h"
#include "TalvexPluginDialogSuites.h"

namespace {

struct Stroke {
    PDRealPoint anchors[3];
    int16_t count;
};

}  // namespace

bool TalvexGlimtUIController::BuildToolMark(const PDRealRect& rect, int16_t firstIndex)
{
    PDRealPoint origin{};
    if (!CurrentDocumentOrigin(origin)) return false;  // no document, or no origin to place them by
    const PDReal a = ToEditionPoints(kCropBracketArm);
    const PDReal left = rect.left - origin.h;
    const PDReal right = rect.right - origin.h;
    const PDReal top = rect.top - origin.v;
    const PDReal bottom = rect.bottom - origin.v;

    const Stroke strokes[5] = {
        {{{left - a, bottom}, {left, bottom}, {left, bottom - a}}, 3},     // bottom-left, arms left and down
        {{{left - a, bottom - a}, {left, bottom}, {}}, 2},                 // diagonal into the bottom-left corner
        {{{right + a, bottom}, {right, bottom}, {right, bottom - a}}, 3},  // bottom-right, arms right and down
        {{{left - a, top}, {left, top}, {left, top + a}}, 3},              // top-left, arms left and up
        {{{right + a, top}, {right, top}, {right, top + a}}, 3},           // top-right, arms right and up
    };
    for (int16_t i = 0; i < 5; ++i) {
        const PDArtHandle art = NewCropMarkPath();
        if (!art) return false;
        const Stroke& stroke = strokes[i];
        // Straight lines: both control points on the anchor, every anchor a corner.
        PDPathSegment segments[3] = {};
        for (int16_t j = 0; j < stroke.count; ++j) {
            const PDRealPoint& anchor = stroke.anchors[j];
            segments[j] = {anchor, anchor, anchor, 1};
        }
        if (!FinishCropMark(art, segments, stroke.count, false, CropMarkPart::Bracket,
                            static_cast<int16_t>(firstIndex + i)))
            return false;
    }
    return true;
}
