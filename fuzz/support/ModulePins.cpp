#include "ModulePins.h"

#include <dlfcn.h>

#include <stdexcept>

#include "DrivenHost.h"

namespace drive {
namespace {

void Pin(const std::string& path)
{
    if (!dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL | RTLD_NODELETE)) {
        const char* error = dlerror();
        throw std::runtime_error("cannot pin " + path + ": " + (error ? error : "unknown error"));
    }
}

}  // namespace

void PinBuiltModules(const std::string& edition)
{
    const std::string app = MARKPLUG_APP_DIR;
    for (const std::string& library :
         {app + "/WireletFenn.dll", app + "/Wirelet.dll", app + "/Frameworks/Wirelet.framework/Wirelet"})
        Pin(library);
    if (!edition.empty()) Pin(MarkplugModule(edition));
    Pin(EventbridgeModule());
}

}  // namespace drive
