#include <filesystem>

#include "CoreSuites.h"
#include "HostCall.h"
#include "pendrake/PDFolders.h"

namespace host {
namespace {

ZBErr FindFolder(int32_t type, ZBBoolean createFolder, PDFilePathRef folder)
{
    return HostCall("FindFolder", [&](Host& host) {
        PDFilePathOpaque* path = host.FindPath(folder);
        if (!path) return kBadParameterErr;
        const auto found = host.Options().folders.find(type);
        if (found == host.Options().folders.end()) return kNoSuchFolderErr;
        if (createFolder) {
            std::error_code error;
            std::filesystem::create_directories(found->second, error);
            if (error) return kCantHappenErr;
        }
        path->path = found->second;
        return kNoErr;
    });
}

const PDFoldersSuite5 kFoldersSuite = {FindFolder};

}  // namespace

void OfferFoldersSuite(SuiteRegistry& registry)
{
    for (int32_t version : {kPDFoldersSuiteVersion4, kPDFoldersSuiteVersion5, kPDFoldersSuiteVersion1004})
        registry.Offer(kPDFoldersSuite, version, &kFoldersSuite);
}

}  // namespace host
