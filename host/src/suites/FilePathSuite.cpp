#include <filesystem>

#include "CoreSuites.h"
#include "HostCall.h"
#include "host/Utf.h"
#include "pendrake/PDFilePath.h"

namespace host {
namespace {

template <typename Body>
ZBErr WithPath(const char* operation, PDFilePathRef handle, Body&& body)
{
    return HostCall(operation, [&](Host& host) {
        PDFilePathOpaque* path = host.FindPath(handle);
        if (!path) {
            host.GetChecks().Violation(std::string(operation) + " with an unknown file path");
            return kBadObjectErr;
        }
        return body(host, *path);
    });
}

ZBErr NewFilePath(PDFilePathRef* path)
{
    return HostCall("NewFilePath", [&](Host& host) {
        if (!path) return kBadParameterErr;
        *path = host.MakePath();
        return kNoErr;
    });
}

ZBErr DisposeFilePath(PDFilePathRef path)
{
    return HostCall("DisposeFilePath", [&](Host& host) {
        if (!path) return kNoErr;
        if (!host.ReleasePath(path)) {
            host.GetChecks().Violation("DisposeFilePath with an unknown file path");
            return kBadObjectErr;
        }
        return kNoErr;
    });
}

ZBErr SetFullPath(PDFilePathRef handle, PDUnicodeStringRef text)
{
    return WithPath("SetFullPath", handle, [&](Host& host, PDFilePathOpaque& path) {
        PDUnicodeStringOpaque* string = host.FindString(text);
        if (!string) return kBadParameterErr;
        path.path = EncodeUtf8(string->text);
        return kNoErr;
    });
}

ZBErr AddComponent(PDFilePathRef handle, PDUnicodeStringRef component)
{
    return WithPath("AddComponent", handle, [&](Host& host, PDFilePathOpaque& path) {
        PDUnicodeStringOpaque* string = host.FindString(component);
        if (!string) return kBadParameterErr;
        const std::string part = EncodeUtf8(string->text);
        if (!path.path.empty() && path.path.back() != '/' && (part.empty() || part.front() != '/')) path.path += '/';
        path.path += part;
        return kNoErr;
    });
}

ZBErr Exists(PDFilePathRef handle, ZBBoolean resolveLinks, ZBBoolean* exists)
{
    return WithPath("Exists", handle, [&](Host&, PDFilePathOpaque& path) {
        if (!exists) return kBadParameterErr;
        std::error_code error;
        const auto status = resolveLinks ? std::filesystem::status(path.path, error)
                                         : std::filesystem::symlink_status(path.path, error);
        *exists = !path.path.empty() && std::filesystem::exists(status) ? 1 : 0;
        return kNoErr;
    });
}

ZBErr GetFullPath(PDFilePathRef handle, PDUnicodeStringRef text)
{
    return WithPath("GetFullPath", handle, [&](Host& host, PDFilePathOpaque& path) {
        PDUnicodeStringOpaque* string = host.FindString(text);
        if (!string) return kBadParameterErr;
        string->text = DecodeUtf8(path.path);
        return kNoErr;
    });
}

ZBErr IsEmpty(PDFilePathRef handle, ZBBoolean* empty)
{
    return WithPath("IsEmpty", handle, [&](Host&, PDFilePathOpaque& path) {
        if (!empty) return kBadParameterErr;
        *empty = path.path.empty() ? 1 : 0;
        return kNoErr;
    });
}

const PDFilePathSuite4 kFilePathSuite = {NewFilePath, DisposeFilePath, SetFullPath, AddComponent,
                                         Exists,      GetFullPath,     IsEmpty};

}  // namespace

void OfferFilePathSuite(SuiteRegistry& registry)
{
    for (int32_t version : {kPDFilePathSuiteVersion3, kPDFilePathSuiteVersion4, kPDFilePathSuiteVersion1003})
        registry.Offer(kPDFilePathSuite, version, &kFilePathSuite);
}

}  // namespace host
