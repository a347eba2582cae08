// Reading the entries of a played parameter block.
#ifndef HOST_ACTIONS_ACTIONPARAMS_H
#define HOST_ACTIONS_ACTIONPARAMS_H

#include <cstdint>
#include <vector>

#include "host/Actions.h"
#include "pendrake/ZBErrors.h"

namespace host {

const ActionEntry* FindEntry(const std::vector<ActionEntry>& params, int32_t key);

// A length in points: a unit real in pixels (one pixel is one point in this host) or a plain real. fallback
// when the entry is absent; kBadParameterErr for another type or unit, or a length beyond kMaxCoordinate.
ZBErr ReadLength(const std::vector<ActionEntry>& params, int32_t key, double fallback, double& length);
// A number from a real, unit real (whatever its unit) or integer entry; fallback when absent.
ZBErr ReadNumber(const std::vector<ActionEntry>& params, int32_t key, double fallback, double& number);
// The value of an enumerated or integer entry; fallback when absent.
ZBErr ReadChoice(const std::vector<ActionEntry>& params, int32_t key, int32_t fallback, int32_t& choice);

}  // namespace host

#endif
