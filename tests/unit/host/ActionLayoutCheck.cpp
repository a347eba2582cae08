// The host's Action Manager layout against the interface's struct, member by member with the exact function
// types, in the precision of this compilation (built once with PD_REAL_IS_FLOAT, once without).
#include <cstddef>
#include <type_traits>

#include "host/RealLayouts.h"
#include "pendrake/PDActionManager.h"

namespace {

using Host = host::ActionManagerSuiteLayout<PDReal>;
using Api = PDActionManagerSuite5;

#define SAME_MEMBER(field)                                                                         \
    static_assert(std::is_same_v<decltype(Host::field), decltype(Api::field)>, #field " differs"); \
    static_assert(offsetof(Host, field) == offsetof(Api, field), #field " is elsewhere")

static_assert(sizeof(Host) == sizeof(Api), "the Action Manager layouts differ in size");
SAME_MEMBER(PlayActionEvent);
SAME_MEMBER(NewActionParamValue);
SAME_MEMBER(DeleteActionParamValue);
SAME_MEMBER(CountActionParamValues);
SAME_MEMBER(GetNthActionParamKey);
SAME_MEMBER(GetActionParamType);
SAME_MEMBER(SetInteger);
SAME_MEMBER(GetInteger);
SAME_MEMBER(SetReal);
SAME_MEMBER(GetReal);
SAME_MEMBER(SetUnitReal);
SAME_MEMBER(GetUnitReal);
SAME_MEMBER(SetEnumerated);
SAME_MEMBER(GetEnumerated);
SAME_MEMBER(SetBoolean);
SAME_MEMBER(GetBoolean);
SAME_MEMBER(SetString);
SAME_MEMBER(GetString);

}  // namespace
