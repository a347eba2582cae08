// The listener registrations of the bus: distinct (type, function, context) triples in the order they were
// added, each with a serial number, so that a dispatch can walk a snapshot and skip the ones removed meanwhile.
#ifndef WIRELET_LISTENERTABLE_H
#define WIRELET_LISTENERTABLE_H

#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "pendrake/PanelEvent.h"

namespace wirelet {

class ListenerTable {
public:
    // One registration as a dispatch sees it.
    struct Target {
        std::uint64_t fSerial;
        TrmlEventListenerFn fFunction;
        void* fContext;
    };

    // Adds the triple unless the table holds it already (a plug-in that registers again on a repeated setup
    // notification must not hear each event twice); false when it was there.
    bool Add(std::string type, TrmlEventListenerFn function, void* context);
    // Removes the registration of the triple; false when there is none.
    bool RemoveOne(std::string_view type, TrmlEventListenerFn function, void* context) noexcept;
    std::size_t RemoveIf(const std::function<bool(TrmlEventListenerFn)>& predicate);
    // The registrations of exactly this type, oldest first.
    std::vector<Target> Snapshot(std::string_view type) const;
    bool Contains(std::uint64_t serial) const noexcept;
    bool Contains(std::string_view type, TrmlEventListenerFn function, void* context) const noexcept;
    std::size_t Count(std::string_view type) const noexcept;
    std::size_t Count() const noexcept;
    void Clear() noexcept;

private:
    struct Entry {
        std::string fType;
        TrmlEventListenerFn fFunction;
        void* fContext;
    };

    // Keyed by serial; serials only grow, so map order is registration order.
    std::map<std::uint64_t, Entry> fEntries;
    std::uint64_t fNextSerial = 1;
};

}  // namespace wirelet

#endif
