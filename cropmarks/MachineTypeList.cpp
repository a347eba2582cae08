// The model list event: the fixed model table, the same on every call.
#include "CropSettings.h"
#include "PayloadWriter.h"
#include "TalvexGlimtUIController.h"

namespace {

// Which mark counts the panel offers for a model.
const char* CropCountText(int32_t cropCountKind) noexcept
{
    if (cropCountKind == kThreeMarks) return "3";
    if (kHasCropCount && cropCountKind == kThreeOrFourMarks) return "3,4";
    return "4";
}

}  // namespace

void TalvexGlimtUIController::SendMachineTypeList()
{
    PayloadWriter payload;
    payload.Open("payload").Open("MachineTypeList");
    for (const MachineTypeInfo& model : machineTypeInfoTable) {
        payload.Open("MachineType")
            .Element("id", model.id)
            .Element("Name", model.name)
            .Element("Origin", model.origin == kOriginTop ? "TOP" : "BOTTOM")
            .Element("CropCount", CropCountText(model.cropCountKind))
            .Element("CropRadius", ToPoints(model.radius))
            .Close("MachineType");
    }
    payload.Close("MachineTypeList").Close("payload");
    SendPanelEvent(kMachineTypeListEvent, payload.Text());
}
