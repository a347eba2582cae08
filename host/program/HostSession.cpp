#include "HostSession.h"

#include <filesystem>
#include <ostream>

#include "host/PanelLink.h"
#include "pendrake/PDFolders.h"

namespace pendrake {

std::string ProgramFolder()
{
    std::error_code error;
    const auto self = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::current_path().string() : self.parent_path().string();
}

HostSession::HostSession(const SessionOptions& options, std::ostream& log)
{
    const std::string app = ProgramFolder();
    host::HostOptions hostOptions;
    hostOptions.folders[kPDApplicationFolderType] = app;
    hostOptions.folders[kPDApplicationSupportFolderType] = app;
    hostOptions.folders[kPDPluginsFolderType] = app + "/Plug-ins";
    fHost = std::make_unique<host::Host>(hostOptions);
    host::LinkPanelService(*fHost);

    fPluginsFolder = options.pluginsFolder.empty() ? app + "/Plug-ins/" + options.edition : options.pluginsFolder;
    for (const auto& problem : fHost->LoadPluginsFrom(fPluginsFolder)) {
        log << "pendrake: " << problem.path << ": " << problem.message << '\n';
        ++fLoadProblems;
    }
    fHost->StartAll();
    fHost->PanelServiceReady();
}

HostSession::~HostSession() { fHost->ShutdownAll(); }

}  // namespace pendrake
