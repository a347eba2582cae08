// The default crop settings of every model, in millimetres under the names the crop settings operation reads.
#include "CropSettings.h"
#include "PayloadWriter.h"
#include "TalvexGlimtUIController.h"

void TalvexGlimtUIController::SendCropmarkParamList()
{
    PayloadWriter payload;
    payload.Open("payload").Open("CropmarkParamList");
    for (const CropParameterRow& row : cropParameterTbl) {
        payload.Open("CropmarkParam")
            .Element("id", row.machineType)
            .Element("X", row.leftMargin / 100.0)
            .Element("Y", row.bottomMargin / 100.0)
            .Element("W", row.horzDistance / 100.0)
            .Element("L", row.vertDistance / 100.0)
            .Close("CropmarkParam");
    }
    payload.Close("CropmarkParamList").Close("payload");
    SendPanelEvent(kCropmarkParamListEvent, payload.Text());
}
