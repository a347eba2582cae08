// A plug-in for the frame's own tests: every operation that the dispatcher reaches records its name in the fake
// host's log and answers fResult. The life-cycle operations record and then run the frame's own.
#ifndef MARKPLUG_TESTS_RECORDINGPLUGIN_H
#define MARKPLUG_TESTS_RECORDINGPLUGIN_H

#include <string>

#include "FakeHost.h"
#include "Plugin.h"

// The import table of the frame tests: two required suites, the optional marker and one optional suite.
extern const void* sTestFirst;
extern const void* sTestSecond;
extern const void* sTestOptional;

class RecordingPlugin : public Plugin {
public:
    explicit RecordingPlugin(ZBPlugin* pluginRef, const char* name = "Plugin") noexcept : Plugin(pluginRef, name) {}

    ZBErr fResult = kNoErr;
    ZBErr fPostStartupResult = kNoErr;

    ZBErr Record(const char* operation)
    {
        fake::State().log.push_back(std::string("op ") + operation);
        return fResult;
    }

    ZBErr UnloadPlugin(ZBInterfaceMessage* message) override
    {
        Record("UnloadPlugin");
        return Plugin::UnloadPlugin(message);
    }
    ZBErr ReloadPlugin(ZBInterfaceMessage* message) override
    {
        Record("ReloadPlugin");
        return Plugin::ReloadPlugin(message);
    }
    ZBErr PostStartupPlugin() override
    {
        Record("PostStartupPlugin");
        return fPostStartupResult;
    }
    ZBErr Purge() override { return Record("Purge"); }

#define RECORD(Operation, MessageType) \
    ZBErr Operation(MessageType*) override { return Record(#Operation); }
    RECORD(AcquireProperty, ZBPropertiesMessage)
    RECORD(ReleaseProperty, ZBPropertiesMessage)
    RECORD(Notify, PDNotifierMessage)
    RECORD(GoAction, PDActionMessage)
    RECORD(GoMenuItem, PDMenuMessage)
    RECORD(UpdateMenuItem, PDMenuMessage)
    RECORD(GetFilterParameters, PDFilterMessage)
    RECORD(GoFilter, PDFilterMessage)
    RECORD(PluginGroupNotify, PDPluginGroupMessage)
    RECORD(PluginGroupUpdate, PDPluginGroupMessage)
    RECORD(GetFileFormatParameters, PDFileFormatMessage)
    RECORD(GoFileFormat, PDFileFormatMessage)
    RECORD(CheckFileFormat, PDFileFormatMessage)
    RECORD(FileFormatUpdate, PDFileFormatMessage)
    RECORD(SetFileFormatParameters, PDFileFormatMessage)
    RECORD(EditTool, PDToolMessage)
    RECORD(TrackToolCursor, PDToolMessage)
    RECORD(ToolMouseDown, PDToolMessage)
    RECORD(ToolMouseDrag, PDToolMessage)
    RECORD(ToolMouseUp, PDToolMessage)
    RECORD(SelectTool, PDToolMessage)
    RECORD(DeselectTool, PDToolMessage)
    RECORD(ReselectTool, PDToolMessage)
    RECORD(DecreaseDiameter, PDToolMessage)
    RECORD(IncreaseDiameter, PDToolMessage)
    RECORD(EditLiveEffectParameters, PDLiveEffectMessage)
    RECORD(GoLiveEffect, PDLiveEffectMessage)
    RECORD(LiveEffectInterpolate, PDLiveEffectMessage)
    RECORD(LiveEffectGetInputType, PDLiveEffectMessage)
    RECORD(LiveEffectConvertColorSpace, PDLiveEffectMessage)
    RECORD(LiveEffectScaleParameters, PDLiveEffectMessage)
    RECORD(LiveEffectAdjustColors, PDLiveEffectMessage)
    RECORD(LiveEffectHandleMerge, PDLiveEffectMessage)
    RECORD(GoTimer, PDTimerMessage)
    RECORD(GoClipboard, PDClipboardMessage)
    RECORD(CanCopyClipboard, PDClipboardMessage)
    RECORD(CloneClipboard, PDClipboardMessage)
    RECORD(DisposeClipboard, PDClipboardMessage)
    RECORD(WorkspaceWrite, PDWorkspaceMessage)
    RECORD(WorkspaceRestore, PDWorkspaceMessage)
    RECORD(WorkspaceDefault, PDWorkspaceMessage)
#undef RECORD
};

#endif
