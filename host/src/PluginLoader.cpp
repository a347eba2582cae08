#include <algorithm>
#include <filesystem>

#include "host/Host.h"
#include "host/ModulePropertyList.h"
#include "pendrake/ZBErrors.h"

namespace host {

ZBPlugin* Host::LoadPlugin(const std::string& path, std::string* problem)
{
    auto fail = [&](const std::string& why) -> ZBPlugin* {
        if (problem) *problem = why;
        return nullptr;
    };
    std::vector<unsigned char> bytes;
    if (std::string why = ReadModulePropertyList(path, bytes); !why.empty())
        return fail("no plug-in property list: " + why);
    auto plugin = std::make_unique<ZBPlugin>();
    if (std::string why = ParsePluginProperties(bytes, plugin->properties); !why.empty())
        return fail("bad plug-in property list: " + why);
    plugin->path = path;
    plugin->module = platform::LoadModule(path);
    if (!plugin->module) return fail("cannot load the module: " + platform::LastModuleError());
    plugin->entry =
        reinterpret_cast<ZBPluginMainProc>(platform::FindSymbol(plugin->module, plugin->properties.entryPoint.c_str()));
    if (!plugin->entry) {
        platform::FreeModule(plugin->module);
        return fail("the module does not export " + plugin->properties.entryPoint);
    }
    fPlugins.push_back(std::move(plugin));
    return fPlugins.back().get();
}

std::vector<LoadProblem> Host::LoadPluginsFrom(const std::string& folder)
{
    std::vector<LoadProblem> problems;
    std::error_code error;
    std::vector<std::filesystem::path> modules;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error))
        if (entry.path().extension() == ".pdp" && entry.is_regular_file(error)) modules.push_back(entry.path());
    if (error) return {{folder, "cannot read the plug-in folder: " + error.message()}};
    std::sort(modules.begin(), modules.end());
    for (const auto& module : modules) {
        std::string problem;
        if (!LoadPlugin(module.string(), &problem)) problems.push_back({module.string(), problem});
    }
    return problems;
}

}  // namespace host
