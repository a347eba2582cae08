// The host substitute: loads plug-in modules, offers them the suites, sends them their messages and
// notifications, and keeps the state the suites work on. One Host exists at a time in a process (the suites are
// plain C functions and reach it through Host::Current()).
#ifndef HOST_HOST_H
#define HOST_HOST_H

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "host/Actions.h"
#include "host/Checks.h"
#include "host/Document.h"
#include "host/Faults.h"
#include "host/HostObjects.h"
#include "host/ObjectTable.h"
#include "host/PluginRecord.h"
#include "host/Preferences.h"
#include "host/SuiteRegistry.h"

namespace host {

struct HostOptions {
    std::map<int32_t, std::string> folders;  // Folders suite: type number to folder path
    std::string appName = "Pendrake";
    int32_t appMajorVersion = 27;
    int32_t appMinorVersion = 1;
};

struct LoadProblem {
    std::string path;
    std::string message;
};

struct BlockInfo {
    std::size_t size;
    std::string name;
};

class Host {
public:
    explicit Host(HostOptions options = {});
    ~Host();  // shuts down the started plug-ins and unloads every module
    Host(const Host&) = delete;
    Host& operator=(const Host&) = delete;

    // The host in charge, or null.
    static Host* Current() { return sCurrent; }

    // Loading. LoadPlugin reads the module's property list, loads it and finds its entry point; on failure it
    // returns null and says why in *problem. LoadPluginsFrom loads every "*.pdp" of a folder in name order.
    ZBPlugin* LoadPlugin(const std::string& path, std::string* problem = nullptr);
    std::vector<LoadProblem> LoadPluginsFrom(const std::string& folder);
    const std::vector<std::unique_ptr<ZBPlugin>>& Plugins() const { return fPlugins; }
    ZBPlugin* FindPlugin(const std::string& propertyName) const;

    // The life cycle. Startup and Shutdown send "ZB Interface" messages; StartAll also sends the application
    // started notification, and ShutdownAll shuts the started plug-ins down in reverse order.
    ZBErr Startup(ZBPlugin* plugin);
    ZBErr Shutdown(ZBPlugin* plugin);
    void StartAll();
    void ShutdownAll();
    // "ZB Access" "Unload": the code is freed as well unless the plug-in holds a lock. "Reload" loads freed code
    // again first.
    ZBErr Unload(ZBPlugin* plugin);
    ZBErr Reload(ZBPlugin* plugin);

    // Sends any message: fills the header of message (a record that starts with ZBMessageData; null sends a
    // bare header) and keeps the globals slot the plug-in writes.
    ZBErr Send(ZBPlugin* plugin, const char* caller, const char* selector, void* message = nullptr);
    // Calls the entry point with exactly these arguments, for tests of bad input.
    ZBErr SendRaw(ZBPlugin* plugin, const char* caller, const char* selector, void* message);

    // Delivers "PD Notifier" "PD Notify" once for every active notifier of the type whose plug-in is started,
    // in the order they were added; returns how many were delivered.
    int32_t Notify(const std::string& type, void* notifyData = nullptr);
    // The host's panel service is ready: "PD TRML Wirelet Setup Complete".
    int32_t PanelServiceReady();

    SuiteRegistry& Suites() { return fSuites; }
    Faults& GetFaults() { return fFaults; }
    Checks& GetChecks() { return fChecks; }
    const HostOptions& Options() const { return fOptions; }
    // The major version the Runtime suite reports from now on.
    void SetAppMajorVersion(int32_t major) { fOptions.appMajorVersion = major; }

    // The plug-in on whose behalf host calls run now: the innermost message or pushed application context.
    ZBPlugin* ActivePlugin() const { return fActive.empty() ? nullptr : fActive.back(); }
    bool IsKnown(const ZBPlugin* plugin) const;

    // The strings of the Unicode String suite. FindString answers null for a handle the host does not hold,
    // ReleaseString false.
    PDUnicodeStringOpaque* MakeString(std::u16string text = {})
    {
        return fStrings.Create(PDUnicodeStringOpaque{std::move(text)});
    }
    PDUnicodeStringOpaque* FindString(const void* handle) const { return fStrings.Find(handle); }
    bool ReleaseString(const void* handle) { return fStrings.Dispose(handle); }
    std::size_t LiveStrings() const { return fStrings.Live(); }

    // The file paths of the File Path and Folders suites, the same way.
    PDFilePathOpaque* MakePath() { return fPaths.Create(); }
    PDFilePathOpaque* FindPath(const void* handle) const { return fPaths.Find(handle); }
    bool ReleasePath(const void* handle) { return fPaths.Dispose(handle); }
    std::size_t LivePaths() const { return fPaths.Live(); }

    // The notifiers plug-ins added, in the order added (they are never removed). Notifiers is a snapshot.
    PDNotifierOpaque* AddNotifier(ZBPlugin* plugin, std::string name, std::string type);
    PDNotifierOpaque* FindNotifier(const void* handle) const;
    std::size_t NotifierCount() const { return fNotifiers.size(); }
    PDNotifierOpaque* NthNotifier(std::size_t n) const { return n < fNotifiers.size() ? fNotifiers[n].get() : nullptr; }
    std::vector<const PDNotifierOpaque*> Notifiers() const;

    // The block store behind the Basic and the Blocks suites. Dispose and Reallocate refuse (and record) a
    // pointer the host did not hand out; operation names the suite call for that record. FindBlock answers null
    // for such a pointer.
    ZBErr AllocateBlock(std::size_t size, const char* name, void** block);
    ZBErr DisposeBlock(void* block, const char* operation);
    ZBErr ReallocateBlock(void* block, std::size_t newSize, const char* name, void** newBlock);
    const BlockInfo* FindBlock(const void* block) const;
    std::size_t LiveBlocks() const { return fBlocks.size(); }

    // The error alerts plug-ins raised, in order.
    void AddAlert(std::string text) { fAlerts.push_back(std::move(text)); }
    const std::vector<std::string>& Alerts() const { return fAlerts; }
    void ClearAlerts() { fAlerts.clear(); }

    // The open document, null when none is open. Opening one replaces (and closes) the previous one.
    Document* CurrentDocument() const { return fDocument.get(); }
    void OpenDocument(std::unique_ptr<Document> document)
    {
        fDocument = std::move(document);
        ++fDocumentNumber;
    }
    // Counts the documents opened, so that each open document has a handle of its own.
    uint64_t DocumentNumber() const { return fDocumentNumber; }
    std::unique_ptr<Document> CloseDocument() { return std::move(fDocument); }

    // Application contexts: pushed by the Context suite, innermost last.
    PDAppContextHandle PushContext(ZBPlugin* plugin);
    bool PopContext(PDAppContextHandle saved);
    std::size_t ContextDepth() const { return fContexts.size(); }
    // Notifications a plug-in answered with an error, in order: a plug-in that could not take in the application's
    // start or the panel service's setup may not work at all.
    struct NotifyFailure {
        std::string plugin;
        std::string type;
        ZBErr code;
    };
    const std::vector<NotifyFailure>& NotifyFailures() const { return fNotifyFailures; }

    // Pushes the host refused: a plug-in then cannot act outside a message, and the host knows that what it was
    // asked to do did not happen.
    void NoteRefusedContext() { ++fRefusedContexts; }
    uint64_t RefusedContexts() const { return fRefusedContexts; }

    // The preference store of the Preference suite.
    Preferences& GetPreferences() { return fPreferences; }
    // Lists of the Matching Art suite, kept until plug-ins dispose of them. RegisterMatchList keeps list and
    // answers its address; DisposeMatchList answers false for an address the host did not hand out (or already took
    // back).
    PDArtHandle* RegisterMatchList(std::unique_ptr<PDArtHandle[]> list);
    bool DisposeMatchList(const void* list) { return fMatchLists.erase(list) != 0; }
    std::size_t LiveMatchLists() const { return fMatchLists.size(); }

    // The Action Manager's parameter blocks that plug-ins have not deleted yet, and every action played, in order.
    PDActionParamValueOpaque* NewActionParams() { return fActionParams.Create(); }
    PDActionParamValueOpaque* FindActionParams(const void* handle) const { return fActionParams.Find(handle); }
    bool DeleteActionParams(const void* handle) { return fActionParams.Dispose(handle); }
    std::size_t LiveActionParams() const { return fActionParams.Live(); }
    const std::vector<ActionPlay>& ActionPlays() const { return fActionPlays; }
    void RecordActionPlay(ActionPlay play) { fActionPlays.push_back(std::move(play)); }
    void ClearActionPlays() { fActionPlays.clear(); }

    // Called when a plug-in is shut down, before its module may go: the panel service drops its listeners.
    void SetShutdownObserver(std::function<void(ZBPlugin&)> observer) { fShutdownObserver = std::move(observer); }

private:
    static inline Host* sCurrent = nullptr;

    void FillHeader(ZBPlugin* plugin, ZBMessageData& header);
    void FreeCode(ZBPlugin& plugin);

    HostOptions fOptions;
    SuiteRegistry fSuites;
    Faults fFaults;
    Checks fChecks;
    uint64_t fRefusedContexts = 0;
    std::vector<NotifyFailure> fNotifyFailures;
    std::vector<std::unique_ptr<ZBPlugin>> fPlugins;
    std::vector<ZBPlugin*> fActive;  // plug-ins of running messages and pushed contexts, innermost last
    std::vector<std::unique_ptr<PDAppContextOpaque>> fContexts;
    ObjectTable<PDUnicodeStringOpaque> fStrings;
    ObjectTable<PDFilePathOpaque> fPaths;
    std::vector<std::unique_ptr<PDNotifierOpaque>> fNotifiers;
    using BlockTable = std::map<const void*, BlockInfo>;
    BlockTable fBlocks;
    // Entries of disposed blocks, the storage of their names included, kept (up to the capacity reserved) for the
    // next blocks: a plug-in that takes and gives back a block for every object costs the host no allocation of
    // its own for it.
    std::vector<BlockTable::node_type> fSpareBlockEntries;
    std::vector<std::string> fAlerts;
    std::unique_ptr<Document> fDocument;
    uint64_t fDocumentNumber = 0;
    Preferences fPreferences;
    std::map<const void*, std::unique_ptr<PDArtHandle[]>> fMatchLists;
    std::function<void(ZBPlugin&)> fShutdownObserver;
    ObjectTable<PDActionParamValueOpaque> fActionParams;
    std::vector<ActionPlay> fActionPlays;
};

}  // namespace host

#endif
