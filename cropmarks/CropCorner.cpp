// The crop corner event: the crop frame in page coordinates (documentOrigin is not applied) and the crop offset.
#include "CropFrame.h"
#include "PayloadWriter.h"
#include "TalvexGlimtUIController.h"

void TalvexGlimtUIController::SendCropCorner()
{
    CropFrame frame{};
    if (!GetCropmarkCorner(&frame)) return;  // a frame hung from the page top needs an open document
    PDRealPoint offset{};
    GetCropOffset(&offset);
    PayloadWriter payload;
    payload.Open("payload")
        .Open("CropCorner")
        .Element("LEFT", frame.left)
        .Element("TOP", frame.top)
        .Element("RIGHT", frame.right)
        .Element("BOTTOM", frame.bottom)
        .Element("X", offset.h)
        .Element("Y", offset.v)
        .Close("CropCorner")
        .Close("payload");
    SendPanelEvent(kCropCornerEvent, payload.Text());
}
