#include "Leftovers.h"

namespace testing_support {

std::string Leftovers(host::Host& host, const ZBPlugin* plugin)
{
    std::string text;
    for (const auto& suite : host.Suites().HeldBy(plugin)) text += "suite " + suite + "; ";
    if (host.Strings().Live()) text += std::to_string(host.Strings().Live()) + " strings; ";
    if (host.Paths().Live()) text += std::to_string(host.Paths().Live()) + " paths; ";
    if (!host.Blocks().empty()) text += std::to_string(host.Blocks().size()) + " blocks; ";
    if (!host.MatchLists().empty()) text += std::to_string(host.MatchLists().size()) + " matching art lists; ";
    if (host.LiveActionParams()) text += std::to_string(host.LiveActionParams()) + " action parameter blocks; ";
    if (host.ContextDepth()) text += std::to_string(host.ContextDepth()) + " contexts; ";
    return text;
}

}  // namespace testing_support
