// Plugin: the plug-in object's base class. The host's messages reach it through PluginMain, which routes every
// caller/selector pair to one virtual operation. A derived class overrides what it handles; the defaults answer
// 0 or kUnhandledMsgErr.
#ifndef MARKPLUG_PLUGIN_H
#define MARKPLUG_PLUGIN_H

#include <cstddef>
#include <ctime>

#include "pendrake/ZBErrors.h"
#include "pendrake/ZBPlugin.h"

class Suites;

class Plugin {
public:
    static constexpr std::size_t kMaxPluginNameLength = 256;

    // Takes the current time in seconds; ReportError asks it.
    using ClockProc = std::time_t (*)();
    // Told of every error report that passes the filters.
    using ErrorShownProc = void (*)(ZBPlugin* pluginRef, ZBErr code);

    explicit Plugin(ZBPlugin* pluginRef) noexcept;
    Plugin(const Plugin&) = delete;
    Plugin& operator=(const Plugin&) = delete;

    // The virtual operations, in the order of the dispatch slots.
    virtual ~Plugin();
    virtual void ReportError(ZBErr code, const char* caller, const char* selector, void* message);
    virtual ZBErr LockPlugin(bool lock);
    virtual ZBErr StartupPlugin(ZBInterfaceMessage* message);
    virtual ZBErr PostStartupPlugin();
    virtual ZBErr ShutdownPlugin(ZBInterfaceMessage* message);
    virtual ZBErr UnloadPlugin(ZBInterfaceMessage* message);
    virtual ZBErr ReloadPlugin(ZBInterfaceMessage* message);
    virtual ZBErr AcquireProperty(ZBPropertiesMessage* message);
    virtual ZBErr ReleaseProperty(ZBPropertiesMessage* message);
    virtual void GetPluginName(char* name, std::size_t length);
    virtual ZBErr Purge();
    virtual ZBErr Message(const char* caller, const char* selector, void* message);
    virtual ZBErr SetGlobal(Plugin* plugin);
    virtual ZBErr AllocateSuiteTables();
    virtual ZBErr FillSuiteTables();
    virtual ZBErr EmptySuiteTables();
    virtual ZBErr AcquireOptionalSuites();
    virtual ZBErr Notify(PDNotifierMessage* message);
    virtual ZBErr GoAction(PDActionMessage* message);
    virtual ZBErr GoMenuItem(PDMenuMessage* message);
    virtual ZBErr UpdateMenuItem(PDMenuMessage* message);
    virtual ZBErr GetFilterParameters(PDFilterMessage* message);
    virtual ZBErr GoFilter(PDFilterMessage* message);
    virtual ZBErr PluginGroupNotify(PDPluginGroupMessage* message);
    virtual ZBErr PluginGroupUpdate(PDPluginGroupMessage* message);
    virtual ZBErr GetFileFormatParameters(PDFileFormatMessage* message);
    virtual ZBErr GoFileFormat(PDFileFormatMessage* message);
    virtual ZBErr CheckFileFormat(PDFileFormatMessage* message);
    virtual ZBErr FileFormatUpdate(PDFileFormatMessage* message);
    virtual ZBErr SetFileFormatParameters(PDFileFormatMessage* message);
    virtual ZBErr EditTool(PDToolMessage* message);
    virtual ZBErr TrackToolCursor(PDToolMessage* message);
    virtual ZBErr ToolMouseDown(PDToolMessage* message);
    virtual ZBErr ToolMouseDrag(PDToolMessage* message);
    virtual ZBErr ToolMouseUp(PDToolMessage* message);
    virtual ZBErr SelectTool(PDToolMessage* message);
    virtual ZBErr DeselectTool(PDToolMessage* message);
    virtual ZBErr ReselectTool(PDToolMessage* message);
    virtual ZBErr DecreaseDiameter(PDToolMessage* message);
    virtual ZBErr IncreaseDiameter(PDToolMessage* message);
    virtual ZBErr EditLiveEffectParameters(PDLiveEffectMessage* message);
    virtual ZBErr GoLiveEffect(PDLiveEffectMessage* message);
    virtual ZBErr LiveEffectInterpolate(PDLiveEffectMessage* message);
    virtual ZBErr LiveEffectGetInputType(PDLiveEffectMessage* message);
    virtual ZBErr LiveEffectConvertColorSpace(PDLiveEffectMessage* message);
    virtual ZBErr LiveEffectScaleParameters(PDLiveEffectMessage* message);
    virtual ZBErr LiveEffectAdjustColors(PDLiveEffectMessage* message);
    virtual ZBErr LiveEffectHandleMerge(PDLiveEffectMessage* message);
    virtual ZBErr GoTimer(PDTimerMessage* message);
    virtual ZBErr GoClipboard(PDClipboardMessage* message);
    virtual ZBErr CanCopyClipboard(PDClipboardMessage* message);
    virtual ZBErr CloneClipboard(PDClipboardMessage* message);
    virtual ZBErr DisposeClipboard(PDClipboardMessage* message);
    virtual ZBErr WorkspaceWrite(PDWorkspaceMessage* message);
    virtual ZBErr WorkspaceRestore(PDWorkspaceMessage* message);
    virtual ZBErr WorkspaceDefault(PDWorkspaceMessage* message);

    // Reports a code when no plug-in object exists. Quiet codes end here; this plug-in defines no message
    // texts, so nothing is shown and the code reaches the host only as the result.
    static void DefaultError(ZBPlugin* pluginRef, ZBErr code);
    // True for the codes that are never reported.
    static bool FilterError(ZBErr code) noexcept;
    // True exactly for "ZB Access" / "Reload".
    static bool IsReloadMsg(const char* caller, const char* selector) noexcept;

    // The clock ReportError reads; null restores std::time.
    static void SetClock(ClockProc clock) noexcept;
    // Called by DefaultError for each code that passes the filters; null (the default) shows nothing.
    static void SetErrorShownHook(ErrorShownProc hook) noexcept;

    ZBPlugin* GetPluginRef() const noexcept { return fPluginRef; }
    bool HoldsSuites() const noexcept { return fSuites != nullptr; }

protected:
    // The plug-in name is copied with a limit of kMaxPluginNameLength characters and always terminated.
    Plugin(ZBPlugin* pluginRef, const char* name) noexcept;
    // For FixupReload only: leaves every field as the surviving object holds it.
    struct ReloadTag {};
    explicit Plugin(ReloadTag) noexcept {}

    const char* PluginName() const noexcept { return fPluginName; }

private:
    static std::time_t Now() noexcept;

    // No default member initialisers: the reload constructor must leave the fields untouched.
    ZBPlugin* fPluginRef;
    char fPluginName[kMaxPluginNameLength];
    Suites* fSuites;
    int32_t fLockCount;
    ZBAccessRef fPluginAccess;
    ZBErr fLastError;
    int32_t fErrorTimeout;
    bool fSuppressDuplicateErrors;
    std::time_t fLastErrorTime;

    static ClockProc fClock;
    static ErrorShownProc fErrorShown;
};

// Supplied by the plug-in: a new object of its own class, or null when it cannot be allocated.
Plugin* AllocatePlugin(ZBPlugin* pluginRef);
// Supplied by the plug-in: rebuilds the dispatch of an object that outlived an unload of the code, as an object
// of the plug-in's class, leaving every field as it is.
void FixupReload(Plugin* plugin);

#endif
