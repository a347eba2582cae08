// One crop mark circle: four cubic segments traced clockwise from the rightmost point.
#include "CropMarkObjects.h"
#include "TalvexGlimtUIController.h"
#include "TalvexPluginDialogSuites.h"

bool TalvexGlimtUIController::BuildCropMark(PDRealPoint point, PDReal radius, int16_t index)
{
    // The control point distance that makes four cubic segments approximate a circle, in single precision.
    const float k = static_cast<float>(radius * 0.276142374 * 2.0);
    PDRealPoint origin{};
    if (!CurrentDocumentOrigin(origin)) return false;  // no document, or no origin to place it by
    const PDReal h = point.h - origin.h;
    const PDReal v = point.v - origin.v;
    const PDReal r = radius;

    const PDArtHandle art = NewCropMarkPath();
    if (!art) return false;
    // Anchor, incoming and outgoing control points; the corner flag on the last segment only.
    const PDPathSegment segments[4] = {
        {{h + r, v}, {h + r, v + k}, {h + r, v - k}, 0},
        {{h, v - r}, {h + k, v - r}, {h - k, v - r}, 0},
        {{h - r, v}, {h - r, v - k}, {h - r, v + k}, 0},
        {{h, v + r}, {h - k, v + r}, {h + k, v + r}, 1},
    };
    return FinishCropMark(art, segments, 4, true, CropMarkPart::Circle, index);
}
