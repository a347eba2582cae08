#include "ListenerTable.h"

#include <utility>

namespace wirelet {

bool ListenerTable::Add(std::string type, TrmlEventListenerFn function, void* context)
{
    if (Contains(type, function, context)) return false;
    fEntries.emplace(fNextSerial, Entry{std::move(type), function, context});
    ++fNextSerial;
    return true;
}

bool ListenerTable::RemoveOne(std::string_view type, TrmlEventListenerFn function, void* context) noexcept
{
    for (auto it = fEntries.begin(); it != fEntries.end(); ++it) {
        const Entry& entry = it->second;
        if (entry.fFunction == function && entry.fContext == context && entry.fType == type) {
            fEntries.erase(it);
            return true;
        }
    }
    return false;
}

std::size_t ListenerTable::RemoveIf(const std::function<bool(TrmlEventListenerFn)>& predicate)
{
    std::size_t removed = 0;
    for (auto it = fEntries.begin(); it != fEntries.end();) {
        if (predicate(it->second.fFunction)) {
            it = fEntries.erase(it);
            ++removed;
        } else {
            ++it;
        }
    }
    return removed;
}

std::vector<ListenerTable::Target> ListenerTable::Snapshot(std::string_view type) const
{
    std::vector<Target> targets;
    for (const auto& [serial, entry] : fEntries) {
        if (entry.fType == type) {
            targets.push_back(Target{serial, entry.fFunction, entry.fContext});
        }
    }
    return targets;
}

bool ListenerTable::Contains(std::uint64_t serial) const noexcept { return fEntries.find(serial) != fEntries.end(); }

bool ListenerTable::Contains(std::string_view type, TrmlEventListenerFn function, void* context) const noexcept
{
    for (const auto& item : fEntries) {
        const Entry& entry = item.second;
        if (entry.fFunction == function && entry.fContext == context && entry.fType == type) {
            return true;
        }
    }
    return false;
}

std::size_t ListenerTable::Count(std::string_view type) const noexcept
{
    std::size_t count = 0;
    for (const auto& item : fEntries) {
        if (item.second.fType == type) {
            ++count;
        }
    }
    return count;
}

std::size_t ListenerTable::Count() const noexcept { return fEntries.size(); }

void ListenerTable::Clear() noexcept { fEntries.clear(); }

}  // namespace wirelet
