#include "CropSettings.h"

MachineTypeInfo machineTypeInfoTable[kMachineTypeCount] = {};

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

}  // namespace

void FillMachineTypeTable() noexcept
{
    for (int32_t id = 0; id < kMachineTypeCount; ++id) {
        const Model& model = kModels[id];
        machineTypeInfoTable[id] = {id, model.name, model.origin, model.cropCountKind, cropRadius};
    }
}
