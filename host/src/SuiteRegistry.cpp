#include "host/SuiteRegistry.h"

#include "pendrake/ZBErrors.h"

namespace host {

void SuiteRegistry::Offer(const std::string& name, int32_t version, const void* suite)
{
    fSuites[{name, version}] = suite;
}

void SuiteRegistry::Withhold(const std::string& name, int32_t version)
{
    fWithheld.insert({name, version < 0 ? -1 : version});
}

void SuiteRegistry::Restore() { fWithheld.clear(); }

void SuiteRegistry::OfferOnly(const std::string& name, int32_t version)
{
    for (const auto& [key, suite] : fSuites)
        if (key.first == name && key.second != version) fWithheld.insert(key);
}

bool SuiteRegistry::IsWithheld(const Key& key) const
{
    return fWithheld.count(key) != 0 || fWithheld.count({key.first, -1}) != 0;
}

ZBErr SuiteRegistry::Acquire(const char* name, int32_t version, const void** suite, ZBPlugin* plugin)
{
    if (!name || !suite) return kBadParameterErr;
    *suite = nullptr;
    const Key key{name, version};
    const auto found = fSuites.find(key);
    if (found == fSuites.end() || IsWithheld(key)) return kSuiteNotFoundErr;
    *suite = found->second;
    ++fHeld[{plugin, key}];
    return kNoErr;
}

ZBErr SuiteRegistry::Release(const char* name, int32_t version, ZBPlugin* plugin)
{
    if (!name) return kBadParameterErr;
    const auto held = fHeld.find({plugin, Key{name, version}});
    if (held == fHeld.end()) return kSuiteNotFoundErr;
    if (--held->second == 0) fHeld.erase(held);
    return kNoErr;
}

int32_t SuiteRegistry::HeldCount() const
{
    int32_t count = 0;
    for (const auto& entry : fHeld) count += entry.second;
    return count;
}

int32_t SuiteRegistry::HeldCount(const ZBPlugin* plugin) const
{
    int32_t count = 0;
    for (const auto& [key, n] : fHeld)
        if (key.first == plugin) count += n;
    return count;
}

int32_t SuiteRegistry::HeldCount(const std::string& name, int32_t version) const
{
    int32_t count = 0;
    for (const auto& [key, n] : fHeld)
        if (key.second == Key{name, version}) count += n;
    return count;
}

std::vector<std::string> SuiteRegistry::HeldBy(const ZBPlugin* plugin) const
{
    std::vector<std::string> names;
    for (const auto& [key, n] : fHeld)
        if (key.first == plugin) names.push_back(key.second.first + " " + std::to_string(key.second.second));
    return names;
}

void SuiteRegistry::Forget(const ZBPlugin* plugin)
{
    for (auto it = fHeld.begin(); it != fHeld.end();) it = it->first.first == plugin ? fHeld.erase(it) : std::next(it);
}

}  // namespace host
