// Making the plug-in object, and rebuilding its dispatch after the host reloaded the code. The object outlives
// an unload in host memory, but its dispatch pointer still points into the code that was unloaded. The reload
// constructor sets that pointer again and initialises no field. This file is compiled with -fno-lifetime-dse so
// that the compiler keeps the object's bytes across that construction instead of treating them as dead.
#include <new>

#include "TalvexPluginDialogPlugin.h"

Plugin* AllocatePlugin(ZBPlugin* pluginRef) { return new (std::nothrow) TalvexPluginDialogPlugin(pluginRef); }

void FixupReload(Plugin* plugin)
{
    if (!plugin) return;
    auto* object = static_cast<TalvexPluginDialogPlugin*>(plugin);
    ::new (static_cast<void*>(object)) TalvexPluginDialogPlugin(TalvexPluginDialogPlugin::ReloadTag{});
}
