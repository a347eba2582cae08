#include "FakeHost.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <filesystem>

namespace fake {
namespace {

HostState gState;
int gPluginTag;
int gAccessTag;
int gNotifierTags[8];
int gNotifierCount;
int gContextTags[8];

void Log(std::string line) { gState.log.push_back(std::move(line)); }

// Strings and paths are std::string objects behind the host's opaque handles.
std::string* Text(PDUnicodeStringRef ref) { return reinterpret_cast<std::string*>(ref); }
PDUnicodeStringRef Ref(std::string* text) { return reinterpret_cast<PDUnicodeStringRef>(text); }
std::string* PathText(PDFilePathRef ref) { return reinterpret_cast<std::string*>(ref); }

// The code injected for the string operation, or 0; an injected code is returned once.
ZBErr InjectedStringError(const char* operation)
{
    const auto found = gState.stringErrors.find(operation);
    if (found == gState.stringErrors.end()) return kNoErr;
    const ZBErr code = found->second;
    gState.stringErrors.erase(found);
    return code;
}

ZBErr NewString(const char* bytes, int32_t length, int32_t encoding, PDUnicodeStringRef* string)
{
    if (!string) return kBadParameterErr;
    if (const ZBErr code = InjectedStringError("NewString")) return code;
    std::string text = bytes ? (length < 0 ? std::string(bytes) : std::string(bytes, static_cast<size_t>(length))) : "";
    Log("NewString " + std::to_string(encoding) + " " + text);
    *string = Ref(new std::string(std::move(text)));
    ++gState.liveStrings;
    return kNoErr;
}
ZBErr DisposeString(PDUnicodeStringRef string)
{
    if (string) --gState.liveStrings;
    delete Text(string);
    return kNoErr;
}
ZBErr CopyString(PDUnicodeStringRef string, PDUnicodeStringRef* copy)
{
    *copy = Ref(new std::string(*Text(string)));
    ++gState.liveStrings;
    return kNoErr;
}
ZBErr StringLength(PDUnicodeStringRef string, int32_t* length)
{
    *length = static_cast<int32_t>(Text(string)->size());
    return kNoErr;
}
ZBErr FindString(PDUnicodeStringRef string, PDUnicodeStringRef text, int32_t from, int32_t* position)
{
    const std::size_t found = Text(string)->find(*Text(text), from < 0 ? 0 : static_cast<std::size_t>(from));
    *position = found == std::string::npos ? kPDStringNotFound : static_cast<int32_t>(found);
    return kNoErr;
}
ZBErr Substring(PDUnicodeStringRef string, int32_t position, int32_t count, PDUnicodeStringRef* part)
{
    if (const ZBErr code = InjectedStringError("Substring")) return code;
    const std::string& text = *Text(string);
    const std::size_t from = std::min(static_cast<std::size_t>(position < 0 ? 0 : position), text.size());
    *part = Ref(new std::string(text.substr(from, count < 0 ? std::string::npos : static_cast<std::size_t>(count))));
    ++gState.liveStrings;
    return kNoErr;
}
ZBErr ExportString(PDUnicodeStringRef string, int32_t, char* buffer, int32_t bufferSize, int32_t* length)
{
    const std::string& text = *Text(string);
    *length = static_cast<int32_t>(text.size());
    if (bufferSize <= 0) return kNoErr;
    const size_t count = std::min(text.size(), static_cast<size_t>(bufferSize) - 1);
    std::memcpy(buffer, text.data(), count);
    buffer[count] = '\0';
    return count == text.size() ? kNoErr : kBadParameterErr;
}

// Whole texts of digits with an optional sign; nothing else is a number here.
ZBErr StringToInteger(PDNumberFormatRef, PDUnicodeStringRef text, int32_t* value)
{
    const std::string& digits = *Text(text);
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), *value);
    return error == std::errc() && end == digits.data() + digits.size() && !digits.empty() ? kNoErr : kBadFormatErr;
}
ZBErr StringToReal(PDNumberFormatRef, PDUnicodeStringRef, double*) { return kBadFormatErr; }

// An empty preference store.
ZBErr GetIntegerPreference(const char*, const char*, int32_t*) { return kNoSuchKeyErr; }

ZBErr NewFilePath(PDFilePathRef* path)
{
    *path = reinterpret_cast<PDFilePathRef>(new std::string);
    ++gState.livePaths;
    return kNoErr;
}
ZBErr DisposeFilePath(PDFilePathRef path)
{
    if (path) --gState.livePaths;
    delete PathText(path);
    return kNoErr;
}
ZBErr AddComponent(PDFilePathRef path, PDUnicodeStringRef component)
{
    std::string& text = *PathText(path);
    const std::string& part = *Text(component);
    if (text.empty() || part.starts_with('/')) {
        text += part;
    } else {
        text += "/" + part;
    }
    return kNoErr;
}
ZBErr PathExists(PDFilePathRef path, ZBBoolean, ZBBoolean* exists)
{
    std::error_code error;
    *exists = !PathText(path)->empty() && std::filesystem::exists(*PathText(path), error);
    return kNoErr;
}
ZBErr GetFullPath(PDFilePathRef path, PDUnicodeStringRef text)
{
    *Text(text) = *PathText(path);
    return kNoErr;
}

ZBErr FindFolder(int32_t type, ZBBoolean, PDFilePathRef folder)
{
    Log("FindFolder " + std::to_string(type));
    if (gState.folder.empty()) return kNoSuchFolderErr;
    *PathText(folder) = gState.folder;
    return kNoErr;
}

ZBErr AcquirePlugin(ZBPlugin* plugin, ZBAccessRef* access)
{
    Log(plugin == PluginRef() ? "AcquirePlugin" : "AcquirePlugin (another plug-in)");
    *access = reinterpret_cast<ZBAccessRef>(&gAccessTag);
    return kNoErr;
}
ZBErr ReleasePlugin(ZBAccessRef)
{
    Log("ReleasePlugin");
    return kNoErr;
}

ZBErr SetPluginName(ZBPlugin*, const char* name)
{
    Log(std::string("SetPluginName ") + name);
    return kNoErr;
}

ZBErr AddNotifier(ZBPlugin*, const char* name, const char* type, PDNotifierHandle* notifier)
{
    Log(std::string("AddNotifier ") + name + " | " + type);
    if (auto found = gState.notifierErrors.find(type); found != gState.notifierErrors.end()) return found->second;
    if (notifier) {
        *notifier = reinterpret_cast<PDNotifierHandle>(&gNotifierTags[gNotifierCount++ % 8]);
        gState.notifiers[type] = *notifier;
    }
    return kNoErr;
}

ZBErr PushAppContext(ZBPlugin* plugin, PDAppContextHandle* saved)
{
    Log(plugin == PluginRef() ? "PushAppContext" : "PushAppContext (no plug-in)");
    *saved = reinterpret_cast<PDAppContextHandle>(&gContextTags[gState.pushedContexts++ % 8]);
    return kNoErr;
}
ZBErr PopAppContext(PDAppContextHandle)
{
    Log("PopAppContext");
    --gState.pushedContexts;
    return kNoErr;
}

ZBErr SetPluginOptions(ZBPlugin*, int32_t options)
{
    Log("SetPluginOptions " + std::to_string(options));
    return kNoErr;
}

const ZBAccessSuite3 kAccess = {AcquirePlugin, ReleasePlugin, nullptr, nullptr, nullptr, nullptr, nullptr};
const ZBPluginsSuite4 kPlugins = {SetPluginName, nullptr, nullptr, nullptr};
const PDNotifierSuite4 kNotifier = {AddNotifier, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr};
const PDContextSuite7 kContext = {PushAppContext, PopAppContext};
const PDFoldersSuite5 kFolders = {FindFolder};
const PDFilePathSuite4 kFilePath = {NewFilePath, DisposeFilePath, nullptr, AddComponent,
                                    PathExists,  GetFullPath,     nullptr};
const PDUnicodeStringSuite8 kUnicodeString = {NewString,  DisposeString, CopyString, StringLength,
                                              FindString, Substring,     nullptr,    ExportString};
const PDStringFormatUtilsSuite3 kStringFormatUtils = {StringToInteger, StringToReal, nullptr, nullptr};
const PDPreferenceSuite6 kPreference = {GetIntegerPreference, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr};
const PDPluginSuite5 kPlugin = {nullptr, SetPluginOptions};
// Served for every other name: a table of nulls that no test calls.
const void* const kDummySuite[16] = {};

const void* SuiteFor(const std::string& name)
{
    if (name == kZBAccessSuite) return &kAccess;
    if (name == kZBPluginsSuite) return &kPlugins;
    if (name == kPDNotifierSuite) return &kNotifier;
    if (name == kPDContextSuite) return &kContext;
    if (name == kPDFoldersSuite) return &kFolders;
    if (name == kPDFilePathSuite) return &kFilePath;
    if (name == kPDUnicodeStringSuite) return &kUnicodeString;
    if (name == kPDPluginSuite) return &kPlugin;
    if (name == kPDStringFormatUtilsSuite) return &kStringFormatUtils;
    if (name == kPDPreferenceSuite) return &kPreference;
    return kDummySuite;
}

ZBErr AcquireSuite(const char* name, int32_t version, const void** suite)
{
    Log(std::string("acquire ") + name + " " + std::to_string(version));
    if (auto found = gState.acquireErrors.find(name); found != gState.acquireErrors.end()) {
        *suite = nullptr;
        return found->second;
    }
    *suite = SuiteFor(name);
    return kNoErr;
}

ZBErr ReleaseSuite(const char* name, int32_t version)
{
    Log(std::string("release ") + name + " " + std::to_string(version));
    if (auto found = gState.releaseErrors.find(name); found != gState.releaseErrors.end()) return found->second;
    return kNoErr;
}

const ZBBasicSuite4 kBasic = {AcquireSuite, ReleaseSuite, nullptr, nullptr, nullptr, nullptr, nullptr};

}  // namespace

HostState& Reset()
{
    gState = HostState{};
    gNotifierCount = 0;
    return gState;
}

HostState& State() { return gState; }

const ZBBasicSuite4* Basic() { return &kBasic; }

ZBPlugin* PluginRef() { return reinterpret_cast<ZBPlugin*>(&gPluginTag); }

std::vector<std::string> LogLines(const std::string& prefix)
{
    std::vector<std::string> lines;
    for (const std::string& line : gState.log) {
        if (line.starts_with(prefix)) lines.push_back(line);
    }
    return lines;
}

}  // namespace fake
