// Help: the page opens in the desktop's viewer; nothing is sent back. The Windows feature set opens the page the
// panel names, from the plug-in module's folder; the macOS one opens one fixed page inside the cutting
// application's folder, whatever the payload says.
#include <string>

#include "Edition.h"
#include "HelpPagePath.h"
#include "MacSystemVersion.h"
#include "PayloadParser.h"
#include "Suites.h"
#include "TalvexGlimtUIController.h"
#include "TalvexPluginDialogPlugin.h"
#include "pendrake/ZBAccess.h"
#include "platform/Platform.h"

namespace {

// Relative to the host process's current folder.
constexpr char kMacHelpPage[] = "../Applications/Talvex/Help/frame.html";

// The file of the plug-in's module, as the host knows its module handle; empty when the host cannot say.
std::string PluginModulePath()
{
    if (!gPlugin || !sZBAccess) return {};
    ZBAccessRef access = nullptr;
    if (sZBAccess->GetPluginAccess(gPlugin->GetPluginRef(), &access) != kNoErr) return {};
    ZBPlatformAccessInfo info{};
    if (sZBAccess->GetPlatformAccessInfo(access, &info) != kNoErr) return {};
    return platform::ModuleFileName(info.module);
}

}  // namespace

void TalvexGlimtUIController::ExecuteHelp(const pd::UnicodeString& payload)
{
    if (kMacEdition) {
        // A missing page is not noticed; neither is the result of opening it.
        platform::FileSystemRef page;
        if (SystemHasFileReferences() && platform::MakeFileSystemRef(kMacHelpPage, page, nullptr))
            platform::OpenFileSystemItem(page);
        return;
    }
    const std::string fileName = GetElement(payload, "FileName").as_Platform();
    const std::string modulePath = PluginModulePath();
    std::string page;
    if (!HelpPagePath(modulePath, fileName, page)) return;
    platform::OpenWithDesktop(page);  // a missing page or viewer is not noticed
}
