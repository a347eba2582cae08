#include "HostActions.h"

namespace host {
namespace {

struct NamedAction {
    std::string_view name;
    HostAction action;
};

constexpr NamedAction kActions[] = {
    {"velisto_createOutline", CreateOutlineAction},
    {"pd_plugin_outline", OutlineStrokeAction},
    {"pd_plugin_offset", OffsetPathAction},
    {"pd_plugin_pathfinder", UniteAction},
};

}  // namespace

HostAction FindHostAction(std::string_view name)
{
    for (const NamedAction& named : kActions)
        if (named.name == name) return named.action;
    return nullptr;
}

}  // namespace host
