// The suites the host offers, by name and version, and the acquisitions plug-ins hold.
#ifndef HOST_SUITEREGISTRY_H
#define HOST_SUITEREGISTRY_H

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "pendrake/PDTypes.h"

namespace host {

class SuiteRegistry {
public:
    // Offers suite under name and version; a later offer of the same pair replaces it.
    void Offer(const std::string& name, int32_t version, const void* suite);
    // Makes a suite unavailable (all versions when version is negative) until Restore.
    void Withhold(const std::string& name, int32_t version = -1);
    void Restore();
    // Withdraws every version of a name except one, so that a test can offer only another version.
    void OfferOnly(const std::string& name, int32_t version);

    // The Basic suite's operations. plugin is the one on whose behalf the call is made (may be null).
    ZBErr Acquire(const char* name, int32_t version, const void** suite, ZBPlugin* plugin);
    ZBErr Release(const char* name, int32_t version, ZBPlugin* plugin);

    // Acquisitions still held in all, and by one plug-in.
    int32_t HeldCount() const;
    int32_t HeldCount(const ZBPlugin* plugin) const;
    int32_t HeldCount(const std::string& name, int32_t version) const;
    // "name version" of every suite a plug-in still holds, for messages.
    std::vector<std::string> HeldBy(const ZBPlugin* plugin) const;
    // Drops the record of a plug-in's acquisitions (its module is gone).
    void Forget(const ZBPlugin* plugin);

private:
    using Key = std::pair<std::string, int32_t>;
    bool IsWithheld(const Key& key) const;

    std::map<Key, const void*> fSuites;
    std::set<Key> fWithheld;  // version -1 withholds every version
    std::map<std::pair<const ZBPlugin*, Key>, int32_t> fHeld;
};

}  // namespace host

#endif
