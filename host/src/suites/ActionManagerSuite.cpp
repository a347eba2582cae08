// The Action Manager suite, in both precisions (block entries carry reals): parameter blocks of typed entries,
// and the host's actions played by name, each play recorded with a copy of its block.
#include <cmath>
#include <limits>
#include <new>
#include <type_traits>
#include <utility>

#include "ArtHandles.h"
#include "CoreSuites.h"
#include "RealValues.h"
#include "actions/HostActions.h"
#include "host/RealLayouts.h"
#include "pendrake/PDActionManager.h"

namespace host {
namespace {

using Block = PDActionParamValueOpaque;

ActionEntry NewEntry(int32_t key, int32_t type) { return ActionEntry{key, type, 0, 0, 0, {}}; }

Block* FindBlock(Host& host, PDActionParamValueRef handle) { return host.FindActionParams(handle); }

ZBErr RefuseUnknown(Host& host, const char* operation)
{
    host.GetChecks().Violation(std::string(operation) + " with an unknown or deleted parameter block");
    return kBadObjectErr;
}

// Runs body(host, block) for an operation on a block: a null handle is a bad parameter, an unknown or deleted one
// is refused and recorded.
template <typename Body>
ZBErr WithBlock(const char* operation, PDActionParamValueRef handle, Body&& body) noexcept
{
    return HostCall(operation, [&](Host& host) {
        if (!handle) return kBadParameterErr;
        Block* block = FindBlock(host, handle);
        if (!block) return RefuseUnknown(host, operation);
        return body(host, *block);
    });
}

// Runs body(entry) for a getter: the result slots are checked first, then the entry's presence and type.
template <typename Body>
ZBErr WithEntry(const char* operation, PDActionParamValueRef handle, int32_t key, int32_t type, bool slots,
                Body&& body) noexcept
{
    return WithBlock(operation, handle, [&](Host&, Block& block) {
        if (!slots) return kBadParameterErr;
        const ActionEntry* entry = block.Find(key);
        if (!entry) return kNoSuchKeyErr;
        if (entry->type != type) return kWrongTypeErr;
        return body(*entry);
    });
}

ZBErr SetEntry(const char* operation, PDActionParamValueRef handle, ActionEntry entry) noexcept
{
    return WithBlock(operation, handle, [&](Host&, Block& block) {
        block.Set(std::move(entry));
        return kNoErr;
    });
}

ZBErr NewActionParamValue(PDActionParamValueRef* params)
{
    return HostCall("NewActionParamValue", [&](Host& host) {
        if (!params) return kBadParameterErr;
        *params = host.NewActionParams();
        return kNoErr;
    });
}

ZBErr DeleteActionParamValue(PDActionParamValueRef params)
{
    return WithBlock("DeleteActionParamValue", params, [&](Host& host, Block& block) {
        host.DeleteActionParams(&block);
        return kNoErr;
    });
}

ZBErr CountActionParamValues(PDActionParamValueRef params, int32_t* count)
{
    return WithBlock("CountActionParamValues", params, [&](Host&, Block& block) {
        if (!count) return kBadParameterErr;
        if (block.entries.size() > static_cast<std::size_t>(std::numeric_limits<int32_t>::max()))
            return kOutOfMemoryErr;
        *count = static_cast<int32_t>(block.entries.size());
        return kNoErr;
    });
}

ZBErr GetNthActionParamKey(PDActionParamValueRef params, int32_t n, int32_t* key)
{
    return WithBlock("GetNthActionParamKey", params, [&](Host&, Block& block) {
        if (!key || n < 0 || static_cast<std::size_t>(n) >= block.entries.size()) return kBadParameterErr;
        *key = block.entries[static_cast<std::size_t>(n)].key;
        return kNoErr;
    });
}

ZBErr GetActionParamType(PDActionParamValueRef params, int32_t key, int32_t* type)
{
    return WithBlock("GetActionParamType", params, [&](Host&, Block& block) {
        if (!type) return kBadParameterErr;
        const ActionEntry* entry = block.Find(key);
        if (!entry) return kNoSuchKeyErr;
        *type = entry->type;
        return kNoErr;
    });
}

ZBErr SetInteger(PDActionParamValueRef params, int32_t key, int32_t value)
{
    ActionEntry entry = NewEntry(key, kPDActionTypeInteger);
    entry.integer = value;
    return SetEntry("SetInteger", params, std::move(entry));
}

ZBErr GetInteger(PDActionParamValueRef params, int32_t key, int32_t* value)
{
    return WithEntry("GetInteger", params, key, kPDActionTypeInteger, value, [&](const ActionEntry& entry) {
        *value = entry.integer;
        return kNoErr;
    });
}

// Reals must be finite: the actions compute with them.
template <typename Real>
ZBErr SetReal(PDActionParamValueRef params, int32_t key, Real value)
{
    return WithBlock("SetReal", params, [&](Host&, Block& block) {
        if (!AllFinite(value)) return kBadParameterErr;
        ActionEntry entry = NewEntry(key, kPDActionTypeReal);
        entry.real = static_cast<double>(value);
        block.Set(std::move(entry));
        return kNoErr;
    });
}

template <typename Real>
ZBErr GetReal(PDActionParamValueRef params, int32_t key, Real* value)
{
    return WithEntry("GetReal", params, key, kPDActionTypeReal, value, [&](const ActionEntry& entry) {
        *value = ToReal<Real>(entry.real);
        return kNoErr;
    });
}

template <typename Real>
ZBErr SetUnitReal(PDActionParamValueRef params, int32_t key, int32_t unit, Real value)
{
    return WithBlock("SetUnitReal", params, [&](Host&, Block& block) {
        if (!AllFinite(value)) return kBadParameterErr;
        ActionEntry entry = NewEntry(key, kPDActionTypeUnitReal);
        entry.unit = unit;
        entry.real = static_cast<double>(value);
        block.Set(std::move(entry));
        return kNoErr;
    });
}

template <typename Real>
ZBErr GetUnitReal(PDActionParamValueRef params, int32_t key, int32_t* unit, Real* value)
{
    return WithEntry("GetUnitReal", params, key, kPDActionTypeUnitReal, unit && value, [&](const ActionEntry& entry) {
        *unit = entry.unit;
        *value = ToReal<Real>(entry.real);
        return kNoErr;
    });
}

ZBErr SetEnumerated(PDActionParamValueRef params, int32_t key, const char* name, int32_t value)
{
    return WithBlock("SetEnumerated", params, [&](Host&, Block& block) {
        if (!name) return kBadParameterErr;
        ActionEntry entry = NewEntry(key, kPDActionTypeEnumerated);
        entry.integer = value;
        entry.text = name;
        block.Set(std::move(entry));
        return kNoErr;
    });
}

ZBErr GetEnumerated(PDActionParamValueRef params, int32_t key, const char** name, int32_t* value)
{
    return WithEntry("GetEnumerated", params, key, kPDActionTypeEnumerated, name && value,
                     [&](const ActionEntry& entry) {
                         *name = entry.text.c_str();
                         *value = entry.integer;
                         return kNoErr;
                     });
}

ZBErr SetBoolean(PDActionParamValueRef params, int32_t key, ZBBoolean value)
{
    ActionEntry entry = NewEntry(key, kPDActionTypeBoolean);
    entry.integer = value ? 1 : 0;
    return SetEntry("SetBoolean", params, std::move(entry));
}

ZBErr GetBoolean(PDActionParamValueRef params, int32_t key, ZBBoolean* value)
{
    return WithEntry("GetBoolean", params, key, kPDActionTypeBoolean, value, [&](const ActionEntry& entry) {
        *value = entry.integer ? 1 : 0;
        return kNoErr;
    });
}

ZBErr SetString(PDActionParamValueRef params, int32_t key, const char* value)
{
    return WithBlock("SetString", params, [&](Host&, Block& block) {
        if (!value) return kBadParameterErr;
        ActionEntry entry = NewEntry(key, kPDActionTypeString);
        entry.text = value;
        block.Set(std::move(entry));
        return kNoErr;
    });
}

ZBErr GetString(PDActionParamValueRef params, int32_t key, const char** value)
{
    return WithEntry("GetString", params, key, kPDActionTypeString, value, [&](const ActionEntry& entry) {
        *value = entry.text.c_str();
        return kNoErr;
    });
}

// What the plug-in asked for, with a copy of its block when the host knows it.
ActionPlay Record(Host& host, const char* eventName, int32_t dialogStatus, PDActionParamValueRef params)
{
    ActionPlay play{eventName ? eventName : "", dialogStatus, params != nullptr, {}, kNoErr};
    if (const Block* block = params ? FindBlock(host, params) : nullptr)
        play.params.assign(block->entries.begin(), block->entries.end());
    return play;
}

// No dialog is ever shown: with kPDDialogOn the action takes the block's values as the user's confirmed choice.
ZBErr Play(Host& host, const ActionPlay& play, PDActionParamValueRef params)
{
    if (play.dialogStatus != kPDDialogOff && play.dialogStatus != kPDDialogOn) return kBadParameterErr;
    if (params && !FindBlock(host, params)) return RefuseUnknown(host, "PlayActionEvent");
    const HostAction action = FindHostAction(play.name);
    if (!action) return kNotFoundErr;
    Document* document = host.CurrentDocument();
    if (!document) return kNoDocumentErr;
    return action(*document, play.params);
}

ZBErr PlayActionEvent(const char* eventName, int32_t dialogStatus, PDActionParamValueRef params)
{
    bool ran = false;
    const ZBErr result = HostCall("PlayActionEvent", [&](Host& host) {
        ran = true;
        ActionPlay play = Record(host, eventName, dialogStatus, params);
        if (!eventName) {
            play.result = kBadParameterErr;
        } else {
            try {
                play.result = Play(host, play, params);
            } catch (const std::bad_alloc&) {
                play.result = kOutOfMemoryErr;
            } catch (...) {
                play.result = kCantHappenErr;
            }
        }
        const ZBErr played = play.result;
        host.RecordActionPlay(std::move(play));
        return played;
    });
    // An injected fault answers before the play: it is recorded as a play with that result.
    Host* host = Host::Current();
    if (!ran && host) {
        try {
            ActionPlay play = Record(*host, eventName, dialogStatus, params);
            play.result = result;
            host->RecordActionPlay(std::move(play));
        } catch (...) {
        }
    }
    return result;
}

template <typename Real>
const ActionManagerSuiteLayout<Real> kActionManagerSuite = {PlayActionEvent,
                                                            NewActionParamValue,
                                                            DeleteActionParamValue,
                                                            CountActionParamValues,
                                                            GetNthActionParamKey,
                                                            GetActionParamType,
                                                            SetInteger,
                                                            GetInteger,
                                                            SetReal<Real>,
                                                            GetReal<Real>,
                                                            SetUnitReal<Real>,
                                                            GetUnitReal<Real>,
                                                            SetEnumerated,
                                                            GetEnumerated,
                                                            SetBoolean,
                                                            GetBoolean,
                                                            SetString,
                                                            GetString};

static_assert(std::is_same_v<decltype(PDActionManagerSuite5::GetUnitReal),
                             decltype(ActionManagerSuiteLayout<PDReal>::GetUnitReal)>,
              "the host's layout of the Action Manager suite differs from the interface's");

}  // namespace

void OfferActionManagerSuite(SuiteRegistry& registry)
{
    registry.Offer(kPDActionManagerSuite, kPDActionManagerSuiteVersion5, &kActionManagerSuite<double>);
    registry.Offer(kPDActionManagerSuite, kPDActionManagerSuiteVersion1004, &kActionManagerSuite<float>);
}

}  // namespace host
