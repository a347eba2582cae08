#include "ActionParams.h"

#include "Geometry.h"
#include "pendrake/PDActionManager.h"

namespace host {

const ActionEntry* FindEntry(const std::vector<ActionEntry>& params, int32_t key)
{
    for (const ActionEntry& entry : params)
        if (entry.key == key) return &entry;
    return nullptr;
}

ZBErr ReadLength(const std::vector<ActionEntry>& params, int32_t key, double fallback, double& length)
{
    length = fallback;
    const ActionEntry* entry = FindEntry(params, key);
    if (!entry) return kNoErr;
    const bool points =
        entry->type == kPDActionTypeReal || (entry->type == kPDActionTypeUnitReal && entry->unit == kPDUnitPixels);
    if (!points || !InRange(entry->real)) return kBadParameterErr;
    length = entry->real;
    return kNoErr;
}

ZBErr ReadNumber(const std::vector<ActionEntry>& params, int32_t key, double fallback, double& number)
{
    number = fallback;
    const ActionEntry* entry = FindEntry(params, key);
    if (!entry) return kNoErr;
    if (entry->type == kPDActionTypeInteger) {
        number = entry->integer;
        return kNoErr;
    }
    if (entry->type != kPDActionTypeReal && entry->type != kPDActionTypeUnitReal) return kBadParameterErr;
    number = entry->real;
    return kNoErr;
}

ZBErr ReadChoice(const std::vector<ActionEntry>& params, int32_t key, int32_t fallback, int32_t& choice)
{
    choice = fallback;
    const ActionEntry* entry = FindEntry(params, key);
    if (!entry) return kNoErr;
    if (entry->type != kPDActionTypeEnumerated && entry->type != kPDActionTypeInteger) return kBadParameterErr;
    choice = entry->integer;
    return kNoErr;
}

}  // namespace host
