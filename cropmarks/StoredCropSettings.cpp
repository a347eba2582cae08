// The crop settings kept in the host's preference store. They are only read, never written.
#include "CropSettings.h"
#include "TalvexPluginDialogSuites.h"

namespace {

constexpr char kPreferencePrefix[] = "TalvexPluginDialog";

// A key the store lacks leaves the field as it is; the status is not needed beyond that.
void ReadInteger(const char* key, int32_t* field) noexcept
{
    sPDPreference->GetIntegerPreference(kPreferencePrefix, key, field);
}

}  // namespace

void ReadStoredCropParameters() noexcept
{
    if (!sPDPreference) return;
    ReadInteger("kQRW_cropLeftMargin", &cropParameter.leftMargin);
    ReadInteger("kQRW_cropBottomMargin", &cropParameter.bottomMargin);
    ReadInteger("kQRW_cropHorzDistance", &cropParameter.horzDistance);
    ReadInteger("kQRW_cropVertDistance", &cropParameter.vertDistance);
    // The machine type indexes the model table: a stored value outside it is ignored.
    int32_t machineType = cropParameter.machineType;
    ReadInteger("kQRW_cropMachineType", &machineType);
    if (IsMachineType(machineType)) cropParameter.machineType = machineType;
    if (kHasCropCount) ReadInteger("kQRW_cropCount", &cropParameter.cropCount);
}
