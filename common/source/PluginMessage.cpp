// Plugin::Message: routes a host message to its virtual operation by exact, case-sensitive caller and selector.
#include <cstring>

#include "AppContext.h"
#include "Plugin.h"
#include "pendrake/PDNotifier.h"

namespace {

bool Is(const char* text, const char* expected) noexcept { return text && std::strcmp(text, expected) == 0; }

}  // namespace

bool Plugin::IsReloadMsg(const char* caller, const char* selector) noexcept
{
    return Is(caller, kZBAccessCaller) && Is(selector, kZBReloadSelector);
}

ZBErr Plugin::Message(const char* caller, const char* selector, void* message)
{
    AcquireOptionalSuites();

    if (Is(caller, kZBAccessCaller)) {
        auto* access = static_cast<ZBInterfaceMessage*>(message);
        if (Is(selector, kZBUnloadSelector)) return UnloadPlugin(access);
        if (Is(selector, kZBReloadSelector)) return ReloadPlugin(access);
    } else if (Is(caller, kZBInterfaceCaller)) {
        if (Is(selector, kZBAboutSelector) || Is(selector, kZBStartupSelector)) return kNoErr;
    } else if (Is(caller, kZBCacheCaller)) {
        if (Is(selector, kZBPurgeCacheSelector)) return Purge() != kNoErr ? kPurgeFailedErr : kNoErr;
    } else if (Is(caller, kZBPropertiesCaller)) {
        auto* properties = static_cast<ZBPropertiesMessage*>(message);
        if (Is(selector, kZBAcquirePropertySelector)) return AcquireProperty(properties);
        if (Is(selector, kZBReleasePropertySelector)) return ReleaseProperty(properties);
    } else if (Is(caller, kPDNotifierCaller)) {
        // Any selector: the notification is handled inside this plug-in's application context.
        auto* notifier = static_cast<PDNotifierMessage*>(message);
        AppContext context(fPluginRef);
        ZBErr result = kNoErr;
        if (notifier && Is(notifier->type, kPDApplicationStartedNotifier)) result = PostStartupPlugin();
        if ((result == kNoErr || result == kUnhandledMsgErr) && Is(selector, kPDNotifySelector))
            result = Notify(notifier);
        return result;
    } else if (Is(caller, kPDActionCaller)) {
        if (Is(selector, kPDDoActionSelector)) return GoAction(static_cast<PDActionMessage*>(message));
    } else if (Is(caller, kPDMenuCaller)) {
        auto* menu = static_cast<PDMenuMessage*>(message);
        if (Is(selector, "PD Go")) return GoMenuItem(menu);
        if (Is(selector, "PD Update")) return UpdateMenuItem(menu);
    } else if (Is(caller, kPDFilterCaller)) {
        auto* filter = static_cast<PDFilterMessage*>(message);
        if (Is(selector, "PD Get Parameters")) return GetFilterParameters(filter);
        if (Is(selector, "PD Go")) return GoFilter(filter);
    } else if (Is(caller, kPDPluginGroupCaller)) {
        auto* group = static_cast<PDPluginGroupMessage*>(message);
        if (Is(selector, "PD Notify Edits")) return PluginGroupNotify(group);
        if (Is(selector, "PD Update")) return PluginGroupUpdate(group);
    } else if (Is(caller, kPDFileFormatCaller)) {
        auto* format = static_cast<PDFileFormatMessage*>(message);
        if (Is(selector, "PD Get Parameters")) return GetFileFormatParameters(format);
        if (Is(selector, "PD Go")) return GoFileFormat(format);
        if (Is(selector, "PD Check")) return CheckFileFormat(format);
        if (Is(selector, "PD Update PD140")) return FileFormatUpdate(format);
        if (Is(selector, kPDDoActionSelector)) return SetFileFormatParameters(format);
    } else if (Is(caller, kPDToolCaller)) {
        auto* tool = static_cast<PDToolMessage*>(message);
        if (Is(selector, "PD Edit Options")) return EditTool(tool);
        if (Is(selector, "PD Track Cursor")) return TrackToolCursor(tool);
        if (Is(selector, "PD Mouse Down")) return ToolMouseDown(tool);
        if (Is(selector, "PD Mouse Drag")) return ToolMouseDrag(tool);
        if (Is(selector, "PD Mouse Up")) return ToolMouseUp(tool);
        if (Is(selector, "PD Select")) return SelectTool(tool);
        if (Is(selector, "PD Deselect")) return DeselectTool(tool);
        if (Is(selector, "PD Reselect")) return ReselectTool(tool);
        if (Is(selector, "PD Decrease Diameter")) return DecreaseDiameter(tool);
        if (Is(selector, "PD Increase Diameter")) return IncreaseDiameter(tool);
    } else if (Is(caller, kPDLiveEffectCaller)) {
        auto* effect = static_cast<PDLiveEffectMessage*>(message);
        if (Is(selector, "PD Live Effect Edit Parameters")) return EditLiveEffectParameters(effect);
        if (Is(selector, "PD Live Effect Go Live")) return GoLiveEffect(effect);
        if (Is(selector, "PD Live Effect Interpolate Parameters")) return LiveEffectInterpolate(effect);
        if (Is(selector, "PD Live Effect Input Type")) return LiveEffectGetInputType(effect);
        if (Is(selector, "PD Live Effect Scale Parameters")) return LiveEffectScaleParameters(effect);
        if (Is(selector, "PD Live Effect Convert Color Space")) return LiveEffectConvertColorSpace(effect);
        if (Is(selector, "PD Live Effect Adjust Colors")) return LiveEffectAdjustColors(effect);
        if (Is(selector, "PD Live Effect Handle Merge")) return LiveEffectHandleMerge(effect);
    } else if (Is(caller, kPDTimerCaller)) {
        if (Is(selector, "PD Go")) return GoTimer(static_cast<PDTimerMessage*>(message));
    } else if (Is(caller, kPDClipboardCaller)) {
        auto* clipboard = static_cast<PDClipboardMessage*>(message);
        if (Is(selector, "PD Go")) return GoClipboard(clipboard);
        if (Is(selector, "PD Can Copy")) return CanCopyClipboard(clipboard);
        if (Is(selector, "PD Clone")) return CloneClipboard(clipboard);
        if (Is(selector, "PD Dispose")) return DisposeClipboard(clipboard);
    } else if (Is(caller, kPDWorkspaceCaller)) {
        auto* workspace = static_cast<PDWorkspaceMessage*>(message);
        if (Is(selector, "Write Workspace")) return WorkspaceWrite(workspace);
        if (Is(selector, "Restore Workspace")) return WorkspaceRestore(workspace);
        if (Is(selector, "Default Workspace")) return WorkspaceDefault(workspace);
    }
    return kUnhandledMsgErr;
}
