// The host's actions as the Action Manager suite plays them: parameter blocks of typed entries keyed by
// four-character codes, and the record of every play.
#ifndef HOST_ACTIONS_H
#define HOST_ACTIONS_H

#include <cstdint>
#include <deque>
#include <string>
#include <utility>
#include <vector>

#include "pendrake/PDTypes.h"

namespace host {

// One entry of a parameter block. type is a kPDActionType... code; integer holds integers, booleans (0 or 1)
// and the value of an enumerated entry; real holds reals and unit reals (with their unit).
struct ActionEntry {
    int32_t key;
    int32_t type;
    int32_t integer = 0;
    double real = 0;
    int32_t unit = 0;
    std::string text;  // text: enumerated name or string value
};

// One PlayActionEvent, as the plug-in asked for it. dialogStatus is kept as passed: this host never shows an
// action's dialog, so a status of 1 (dialog on) plays with the block's values as if the user had confirmed them
// unchanged. params is a copy of the block at the time of the play (empty without one, or with a block the host
// did not know); result is what the call returned, an injected fault included.
struct ActionPlay {
    std::string name;
    int32_t dialogStatus;
    bool hadParams;
    std::vector<ActionEntry> params;
    ZBErr result;
};

}  // namespace host

// A parameter block behind PDActionParamValueRef. The entries are in the order their keys were first set; a
// deque keeps every entry (and the text a getter handed out) at its address while others are added.
struct PDActionParamValueOpaque {
    std::deque<host::ActionEntry> entries;

    const host::ActionEntry* Find(int32_t key) const
    {
        for (const host::ActionEntry& entry : entries)
            if (entry.key == key) return &entry;
        return nullptr;
    }
    // Replaces the entry of the same key in place, or adds one at the end.
    void Set(host::ActionEntry entry)
    {
        for (host::ActionEntry& existing : entries)
            if (existing.key == entry.key) {
                existing = std::move(entry);
                return;
            }
        entries.push_back(std::move(entry));
    }
};

#endif
