// The Preference suite over the host's preference store, in both precisions. Values are kept as text; a
// value that is not of the asked kind answers as if there were none.
#include <charconv>
#include <string>

#include "CoreSuites.h"
#include "HostCall.h"
#include "RealValues.h"
#include "host/NumberText.h"
#include "host/RealLayouts.h"
#include "pendrake/PDPreference.h"

namespace host {
namespace {

// Runs parse(text) on the stored text; kNoSuchKeyErr when there is none or parse refuses it.
template <typename Parse>
ZBErr GetValue(const char* operation, const char* prefix, const char* key, const void* value, Parse&& parse) noexcept
{
    return HostCall(operation, [&](Host& host) {
        if (!prefix || !key || !value) return kBadParameterErr;
        std::string text;
        if (!host.GetPreferences().Get(prefix, key, text) || !parse(text)) return kNoSuchKeyErr;
        return kNoErr;
    });
}

// Stores the text that write(text) makes; kBadParameterErr when it makes none or the store cannot keep it.
template <typename Write>
ZBErr PutValue(const char* operation, const char* prefix, const char* key, Write&& write) noexcept
{
    return HostCall(operation, [&](Host& host) {
        std::string text;
        if (!prefix || !key || !write(text) || !Preferences::Storable(prefix, key, text) ||
            !host.GetPreferences().Fits(prefix, key, text))
            return kBadParameterErr;
        host.GetPreferences().Set(prefix, key, text);
        return kNoErr;
    });
}

ZBErr GetIntegerPreference(const char* prefix, const char* key, int32_t* value)
{
    return GetValue("GetIntegerPreference", prefix, key, value,
                    [&](const std::string& text) { return ParseDecimalInteger(text, *value); });
}

template <typename Real>
ZBErr GetRealPreference(const char* prefix, const char* key, Real* value)
{
    return GetValue("GetRealPreference", prefix, key, value, [&](const std::string& text) {
        double number = 0;
        if (!ParseDecimalReal(text, number) || !FitsReal<Real>(number)) return false;
        *value = ToReal<Real>(number);
        return true;
    });
}

ZBErr GetBooleanPreference(const char* prefix, const char* key, ZBBoolean* value)
{
    return GetValue("GetBooleanPreference", prefix, key, value, [&](const std::string& text) {
        if (text != "true" && text != "false" && text != "1" && text != "0") return false;
        *value = text == "true" || text == "1" ? 1 : 0;
        return true;
    });
}

ZBErr PutIntegerPreference(const char* prefix, const char* key, int32_t value)
{
    return PutValue("PutIntegerPreference", prefix, key, [&](std::string& text) {
        text = std::to_string(value);
        return true;
    });
}

// The shortest text that reads back as the same value in the edition's precision.
template <typename Real>
ZBErr PutRealPreference(const char* prefix, const char* key, Real value)
{
    return PutValue("PutRealPreference", prefix, key, [&](std::string& text) {
        if (!AllFinite(value)) return false;
        char buffer[64];
        const auto written = std::to_chars(buffer, buffer + sizeof buffer, value);
        text.assign(buffer, written.ptr);
        return true;
    });
}

ZBErr PutBooleanPreference(const char* prefix, const char* key, ZBBoolean value)
{
    return PutValue("PutBooleanPreference", prefix, key, [&](std::string& text) {
        text = value ? "true" : "false";
        return true;
    });
}

ZBErr RemovePreference(const char* prefix, const char* key)
{
    return HostCall("RemovePreference", [&](Host& host) {
        if (!prefix || !key) return kBadParameterErr;
        return host.GetPreferences().Remove(prefix, key) ? kNoErr : kNoSuchKeyErr;
    });
}

template <typename Real>
const PreferenceSuiteLayout<Real> kPreferenceSuite = {
    GetIntegerPreference,    GetRealPreference<Real>, GetBooleanPreference, PutIntegerPreference,
    PutRealPreference<Real>, PutBooleanPreference,    RemovePreference};

}  // namespace

void OfferPreferenceSuite(SuiteRegistry& registry)
{
    registry.Offer(kPDPreferenceSuite, kPDPreferenceSuiteVersion6, &kPreferenceSuite<double>);
    registry.Offer(kPDPreferenceSuite, kPDPreferenceSuiteVersion1005, &kPreferenceSuite<float>);
}

}  // namespace host
