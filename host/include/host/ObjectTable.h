// Host objects handed to plug-ins as opaque handles. A handle is looked up before use, so an unknown or
// disposed handle is refused, never dereferenced.
#ifndef HOST_OBJECTTABLE_H
#define HOST_OBJECTTABLE_H

#include <memory>
#include <unordered_map>
#include <utility>

namespace host {

template <typename T>
class ObjectTable {
public:
    template <typename... Args>
    T* Create(Args&&... args)
    {
        auto object = std::make_unique<T>(std::forward<Args>(args)...);
        T* handle = object.get();
        fObjects.emplace(handle, std::move(object));
        return handle;
    }
    // Null for a handle the table does not hold.
    T* Find(const void* handle) const
    {
        const auto found = fObjects.find(handle);
        return found == fObjects.end() ? nullptr : found->second.get();
    }
    bool Dispose(const void* handle) { return fObjects.erase(handle) != 0; }
    std::size_t Live() const { return fObjects.size(); }
    void Clear() { fObjects.clear(); }

private:
    std::unordered_map<const void*, std::unique_ptr<T>> fObjects;
};

}  // namespace host

#endif
