// The cutter models, their default crop settings and the current crop settings, loaded once at start-up; the
// crop settings kept in the host's preference store are only read, never written.
#include "CropSettings.h"

#include "TalvexPluginDialogSuites.h"

CropRadiusInt cropRadius = 0;
MachineTypeInfo machineTypeInfoTable[kMachineTypeCount] = {};
CropParameterRow cropParameterTbl[kMachineTypeCount] = {};
CropParameterRow cropParameter = {};

double ToPoints(int64_t length) noexcept { return static_cast<double>(length) * 72.0 / 25.4 / 100.0; }

CropReal ToEditionPoints(int64_t length) noexcept { return static_cast<CropReal>(ToPoints(length)); }

namespace {

struct Model {
    const char* name;
    int32_t origin;
    int32_t cropCountKind;
};

// Every model, in id order; an edition with fewer rows takes the leading ones.
constexpr Model kModels[] = {
    {"KM-1", kOriginTop, kThreeMarks},          {"KM-2", kOriginTop, kThreeMarks},
    {"KM-3", kOriginTop, kThreeMarks},          {"TR-1", kOriginBottom, kThreeMarks},
    {"TR-2", kOriginBottom, kFourMarks},        {"TR-3", kOriginBottom, kFourMarks},
    {"TR-4", kOriginBottom, kFourMarks},        {"TR-5", kOriginBottom, kFourMarks},
    {"TS-1", kOriginBottom, kThreeOrFourMarks},
};
static_assert(sizeof kModels / sizeof kModels[0] >= kMachineTypeCount);

constexpr int32_t kFourMark = kFourMarkModelBottomMargin;

// The defaults of every model, in id order; the crop count is never a default.
constexpr CropParameterRow kDefaults[] = {
    {2500, 600, 15000, 25000, 0, 0},        // KM-1
    {2300, 600, 24000, 16300, 1, 0},        // KM-2
    {2300, 600, 24000, 16300, 2, 0},        // KM-3
    {1500, 2000, 17000, 21000, 3, 0},       // TR-1
    {1000, kFourMark, 17000, 21500, 4, 0},  // TR-2
    {1000, kFourMark, 17000, 21500, 5, 0},  // TR-3
    {1000, kFourMark, 17000, 21500, 6, 0},  // TR-4
    {1000, kFourMark, 17000, 21500, 7, 0},  // TR-5
    {1000, 2000, 17000, 20000, 8, 0},       // TS-1
};
static_assert(sizeof kDefaults / sizeof kDefaults[0] >= kMachineTypeCount);

// The current settings start as the defaults of TR-1.
constexpr int32_t kStartingModel = 3;

constexpr char kPreferencePrefix[] = "TalvexPluginDialog";

void FillMachineTypeTable() noexcept
{
    for (int32_t id = 0; id < kMachineTypeCount; ++id) {
        const Model& model = kModels[id];
        machineTypeInfoTable[id] = {id, model.name, model.origin, model.cropCountKind, cropRadius};
    }
}

void FillCropParameterTable() noexcept
{
    for (int32_t row = 0; row < kMachineTypeCount; ++row) cropParameterTbl[row] = kDefaults[row];
}

// A key the store lacks leaves the field as it is; the status is not needed beyond that.
void ReadInteger(const char* key, int32_t* field) noexcept
{
    sPDPreference->GetIntegerPreference(kPreferencePrefix, key, field);
}

// Overlays cropParameter with the stored crop settings; a missing key leaves its field as it is, and a stored
// machine type outside the model table is ignored.
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

}  // namespace

void LoadCropSettings() noexcept
{
    cropRadius = kCropMarkRadius;
    FillMachineTypeTable();
    FillCropParameterTable();
    cropParameter = cropParameterTbl[kStartingModel];
    ReadStoredCropParameters();
}
