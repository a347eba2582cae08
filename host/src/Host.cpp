#include "host/Host.h"

#include <algorithm>
#include <cstdlib>
#include <stdexcept>

#include "pendrake/PDNotifier.h"
#include "pendrake/ZBBasic.h"
#include "pendrake/ZBErrors.h"
#include "suites/CoreSuites.h"

namespace host {
namespace {

// As many as a plug-in holds at once while it walks the document block by block.
constexpr std::size_t kSpareBlockEntries = 16;

}  // namespace

Host::Host(HostOptions options) : fOptions(std::move(options))
{
    if (sCurrent) throw std::logic_error("only one host may run at a time");
    fSpareBlockEntries.reserve(kSpareBlockEntries);
    sCurrent = this;
    OfferCoreSuites(fSuites);
}

Host::~Host()
{
    ShutdownAll();
    for (auto& plugin : fPlugins) FreeCode(*plugin);
    // Blocks are the host's memory: what plug-ins left behind (a disposal that failed, for one) goes with it.
    for (const auto& block : fBlocks) std::free(const_cast<void*>(block.first));
    fBlocks.clear();
    sCurrent = nullptr;
}

ZBPlugin* Host::FindPlugin(const std::string& propertyName) const
{
    for (const auto& plugin : fPlugins)
        if (plugin->properties.name == propertyName) return plugin.get();
    return nullptr;
}

bool Host::IsKnown(const ZBPlugin* plugin) const
{
    return plugin && std::any_of(fPlugins.begin(), fPlugins.end(), [&](const auto& p) { return p.get() == plugin; });
}

PDNotifierOpaque* Host::FindNotifier(const void* handle) const
{
    for (const auto& notifier : fNotifiers)
        if (notifier.get() == handle) return notifier.get();
    return nullptr;
}

PDNotifierOpaque* Host::AddNotifier(ZBPlugin* plugin, std::string name, std::string type)
{
    fNotifiers.push_back(
        std::make_unique<PDNotifierOpaque>(PDNotifierOpaque{plugin, std::move(name), std::move(type)}));
    return fNotifiers.back().get();
}

std::vector<const PDNotifierOpaque*> Host::Notifiers() const
{
    std::vector<const PDNotifierOpaque*> notifiers;
    notifiers.reserve(fNotifiers.size());
    for (const auto& notifier : fNotifiers) notifiers.push_back(notifier.get());
    return notifiers;
}

PDArtHandle* Host::RegisterMatchList(std::unique_ptr<PDArtHandle[]> list)
{
    PDArtHandle* address = list.get();
    fMatchLists.emplace(address, std::move(list));
    return address;
}

PDAppContextHandle Host::PushContext(ZBPlugin* plugin)
{
    fContexts.push_back(std::make_unique<PDAppContextOpaque>(PDAppContextOpaque{plugin}));
    fActive.push_back(plugin);
    return fContexts.back().get();
}

bool Host::PopContext(PDAppContextHandle saved)
{
    if (fContexts.empty() || fContexts.back().get() != saved || fActive.empty() || fActive.back() != saved->plugin)
        return false;
    fContexts.pop_back();
    fActive.pop_back();
    return true;
}

void Host::FillHeader(ZBPlugin* plugin, ZBMessageData& header)
{
    header.self = plugin;
    header.globals = plugin->globals;
    header.basic = BasicSuite();
}

ZBErr Host::SendRaw(ZBPlugin* plugin, const char* caller, const char* selector, void* message)
{
    if (!IsKnown(plugin) || !plugin->entry) return kBadParameterErr;
    const std::size_t depth = fActive.size();
    fActive.push_back(plugin);
    const ZBErr result = plugin->entry(caller, selector, message);
    if (fActive.size() != depth + 1) {
        fChecks.Violation(std::string("application context left pushed after ") + (caller ? caller : "(null)") + " " +
                          (selector ? selector : "(null)"));
        while (fActive.size() > depth + 1 && !fContexts.empty()) {
            fContexts.pop_back();
            fActive.pop_back();
        }
    }
    fActive.resize(depth);
    return result;
}

ZBErr Host::Send(ZBPlugin* plugin, const char* caller, const char* selector, void* message)
{
    if (!IsKnown(plugin)) return kBadParameterErr;
    if (!plugin->entry) {
        fChecks.Violation(std::string("message ") + caller + " " + selector + " sent to unloaded code of " +
                          plugin->path);
        return kCantHappenErr;
    }
    // Without a record of the caller's own, a zeroed one as large as any message record, so that a plug-in
    // reading the record of the caller it was told never reads past it.
    union {
        ZBInterfaceMessage interfaceMessage;
        PDNotifierMessage notifierMessage;
        ZBPropertiesMessage propertiesMessage;
        PDGenericMessage genericMessage;
    } bare{};
    auto* header = message ? static_cast<ZBMessageData*>(message) : &bare.interfaceMessage.d;
    FillHeader(plugin, *header);
    const ZBErr result = SendRaw(plugin, caller, selector, header);
    plugin->globals = header->globals;
    return result;
}

ZBErr Host::Startup(ZBPlugin* plugin)
{
    if (!IsKnown(plugin) || plugin->state != PluginState::Loaded) return kBadParameterErr;
    ZBInterfaceMessage message{};
    const ZBErr result = Send(plugin, kZBInterfaceCaller, kZBStartupSelector, &message);
    plugin->startupResult = result;
    plugin->state = result == kNoErr ? PluginState::Started : PluginState::StartupFailed;
    if (result != kNoErr) fSuites.Forget(plugin);
    return result;
}

ZBErr Host::Shutdown(ZBPlugin* plugin)
{
    if (!IsKnown(plugin) || plugin->state != PluginState::Started) return kBadParameterErr;
    ZBErr result = kNoErr;
    if (plugin->entry) {
        ZBInterfaceMessage message{};
        result = Send(plugin, kZBInterfaceCaller, kZBShutdownSelector, &message);
    }
    plugin->state = PluginState::ShutDown;
    if (fShutdownObserver) fShutdownObserver(*plugin);
    for (const auto& name : fSuites.HeldBy(plugin))
        fChecks.Violation(plugin->properties.name + " still holds " + name + " after shut-down");
    fSuites.Forget(plugin);
    return result;
}

void Host::StartAll()
{
    for (auto& plugin : fPlugins)
        if (plugin->state == PluginState::Loaded) Startup(plugin.get());
    Notify(kPDApplicationStartedNotifier);
}

void Host::ShutdownAll()
{
    for (auto it = fPlugins.rbegin(); it != fPlugins.rend(); ++it)
        if ((*it)->state == PluginState::Started) Shutdown(it->get());
}

void Host::FreeCode(ZBPlugin& plugin)
{
    if (!plugin.module) return;
    platform::FreeModule(plugin.module);
    plugin.module = nullptr;
    plugin.entry = nullptr;
}

ZBErr Host::Unload(ZBPlugin* plugin)
{
    if (!IsKnown(plugin) || plugin->state != PluginState::Started || !plugin->entry) return kBadParameterErr;
    ZBInterfaceMessage message{};
    const ZBErr result = Send(plugin, kZBAccessCaller, kZBUnloadSelector, &message);
    if (plugin->lockCount == 0) FreeCode(*plugin);
    return result;
}

ZBErr Host::Reload(ZBPlugin* plugin)
{
    if (!IsKnown(plugin) || plugin->state != PluginState::Started) return kBadParameterErr;
    if (!plugin->module) {
        plugin->module = platform::LoadModule(plugin->path);
        if (!plugin->module) return kCantHappenErr;
        plugin->entry = reinterpret_cast<ZBPluginMainProc>(
            platform::FindSymbol(plugin->module, plugin->properties.entryPoint.c_str()));
        if (!plugin->entry) {
            FreeCode(*plugin);
            return kCantHappenErr;
        }
    }
    ZBInterfaceMessage message{};
    return Send(plugin, kZBAccessCaller, kZBReloadSelector, &message);
}

int32_t Host::Notify(const std::string& type, void* notifyData)
{
    int32_t delivered = 0;
    // By index: a plug-in may add notifiers while it is notified.
    for (std::size_t i = 0; i < fNotifiers.size(); ++i) {
        PDNotifierOpaque* notifier = fNotifiers[i].get();
        if (!notifier->active || notifier->type != type || notifier->plugin->state != PluginState::Started ||
            !notifier->plugin->entry)
            continue;
        PDNotifierMessage message{};
        message.notifier = notifier;
        message.type = notifier->type.c_str();
        message.notifyData = notifyData;
        const ZBErr result = Send(notifier->plugin, kPDNotifierCaller, kPDNotifySelector, &message);
        if (result != kNoErr && result != kUnhandledMsgErr) {
            ZBPlugin& plugin = *notifier->plugin;
            fNotifyFailures.push_back({plugin.name.empty() ? plugin.properties.name : plugin.name, type, result});
        }
        ++delivered;
    }
    return delivered;
}

ZBErr Host::AllocateBlock(std::size_t size, const char* name, void** block)
{
    if (!block) return kBadParameterErr;
    *block = std::malloc(size ? size : 1);
    if (!*block) return kOutOfMemoryErr;
    if (fSpareBlockEntries.empty()) {
        fBlocks[*block] = {size, name ? name : ""};
        return kNoErr;
    }
    BlockTable::node_type entry = std::move(fSpareBlockEntries.back());
    fSpareBlockEntries.pop_back();
    entry.key() = *block;
    entry.mapped().size = size;
    entry.mapped().name = name ? name : "";  // within the storage the entry's name had, as a rule
    fBlocks.insert(std::move(entry));
    return kNoErr;
}

ZBErr Host::DisposeBlock(void* block, const char* operation)
{
    const auto found = fBlocks.find(block);
    if (found == fBlocks.end()) {
        fChecks.Violation(std::string(operation) + " of a block the host did not hand out");
        return kBadParameterErr;
    }
    // Never past the capacity reserved: keeping an entry allocates nothing.
    if (fSpareBlockEntries.size() < fSpareBlockEntries.capacity())
        fSpareBlockEntries.push_back(fBlocks.extract(found));
    else
        fBlocks.erase(found);
    std::free(block);
    return kNoErr;
}

const BlockInfo* Host::FindBlock(const void* block) const
{
    const auto found = fBlocks.find(block);
    return found == fBlocks.end() ? nullptr : &found->second;
}

ZBErr Host::ReallocateBlock(void* block, std::size_t newSize, const char* name, void** newBlock)
{
    const auto found = fBlocks.find(block);
    if (found == fBlocks.end() || !newBlock) return kBadParameterErr;
    void* moved = std::realloc(block, newSize ? newSize : 1);
    if (!moved) return kOutOfMemoryErr;
    const std::string keptName = name ? name : found->second.name;
    fBlocks.erase(found);
    fBlocks[moved] = {newSize, keptName};
    *newBlock = moved;
    return kNoErr;
}

int32_t Host::PanelServiceReady() { return Notify(kPDWireletSetupCompleteNotifier); }

}  // namespace host
