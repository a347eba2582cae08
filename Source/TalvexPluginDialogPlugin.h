// TalvexPluginDialogPlugin: markplug's plug-in object. It owns the panel controller and the three host
// notifiers that drive the panel link.
#ifndef MARKPLUG_TALVEXPLUGINDIALOGPLUGIN_H
#define MARKPLUG_TALVEXPLUGINDIALOGPLUGIN_H

#include "Plugin.h"

class TalvexGlimtUIController;

class TalvexPluginDialogPlugin : public Plugin {
public:
    explicit TalvexPluginDialogPlugin(ZBPlugin* pluginRef) noexcept;
    ~TalvexPluginDialogPlugin() override;

    ZBErr StartupPlugin(ZBInterfaceMessage* message) override;
    ZBErr ShutdownPlugin(ZBInterfaceMessage* message) override;
    ZBErr Message(const char* caller, const char* selector, void* message) override;
    ZBErr SetGlobal(Plugin* plugin) override;
    ZBErr Notify(PDNotifierMessage* message) override;

    TalvexGlimtUIController* Controller() const noexcept { return fController; }

private:
    friend void FixupReload(Plugin* plugin);
    explicit TalvexPluginDialogPlugin(ReloadTag tag) noexcept : Plugin(tag) {}

    // No default member initialisers: the reload constructor must leave the fields untouched.
    TalvexGlimtUIController* fController;
    PDNotifierHandle fShutdownNotifier;
    PDNotifierHandle fSelectionNotifier;
    PDNotifierHandle fSetupNotifier;
};

// The one plug-in object, or null outside start-up ... shut-down and while the code is unloaded.
extern TalvexPluginDialogPlugin* gPlugin;

#endif
