// Plugin: construction and the life cycle (start-up, shut-down, unload, reload, locking).
#include "Plugin.h"

#include <cstring>
#include <new>
#include <string>

#include "Suites.h"

namespace {

// Copies at most capacity - 1 characters of source and always terminates; null copies the empty text.
void CopyTerminated(char* target, std::size_t capacity, const char* source) noexcept
{
    if (!target || capacity == 0) return;
    std::size_t length = 0;
    if (source) {
        while (length + 1 < capacity && source[length] != '\0') ++length;
        std::memcpy(target, source, length);
    }
    target[length] = '\0';
}

}  // namespace

Plugin::Plugin(ZBPlugin* pluginRef) noexcept : Plugin(pluginRef, "Plugin") {}

Plugin::Plugin(ZBPlugin* pluginRef, const char* name) noexcept
    : fPluginRef(pluginRef),
      fPluginName{},
      fSuites(nullptr),
      fLockCount(0),
      fPluginAccess(nullptr),
      fLastError(kNoErr),
      fErrorTimeout(5),
      fSuppressDuplicateErrors(true),
      fLastErrorTime(0)
{
    CopyTerminated(fPluginName, sizeof fPluginName, name);
}

// An object destroyed before its shut-down (a start-up that failed half way) still gives its suites back.
Plugin::~Plugin() { delete fSuites; }

ZBErr Plugin::StartupPlugin(ZBInterfaceMessage*)
{
    SetGlobal(this);
    fSuites = new (std::nothrow) Suites;
    if (!fSuites) return kOutOfMemoryErr;
    ZBErr error = fSuites->Error();
    // With this set as the only holder, destroying it releases whatever part of the tables was acquired.
    Suites::fAcquiredCount = 1;
    if (error != kNoErr) {
        delete fSuites;
        fSuites = nullptr;
        return error;
    }
    error = sZBPlugins ? sZBPlugins->SetPluginName(fPluginRef, fPluginName) : kCantHappenErr;
    if (error == kNoErr) {
        const std::string notifierName = std::string(fPluginName) + " App Started Notifier";
        error = sPDNotifier
                    ? sPDNotifier->AddNotifier(fPluginRef, notifierName.c_str(), kPDApplicationStartedNotifier, nullptr)
                    : kCantHappenErr;
    }
    if (error == kNoErr && AllocateSuiteTables() == kNoErr) FillSuiteTables();
    if (error == kNoErr) error = LockPlugin(true);
    return error;
}

ZBErr Plugin::ShutdownPlugin(ZBInterfaceMessage*)
{
    delete fSuites;
    fSuites = nullptr;
    SetGlobal(nullptr);
    return kNoErr;
}

ZBErr Plugin::UnloadPlugin(ZBInterfaceMessage*)
{
    EmptySuiteTables();
    SetGlobal(nullptr);
    delete fSuites;
    fSuites = nullptr;
    return kNoErr;
}

ZBErr Plugin::ReloadPlugin(ZBInterfaceMessage*)
{
    SetGlobal(this);
    if (!fSuites) {
        fSuites = new (std::nothrow) Suites;
        if (!fSuites) return kOutOfMemoryErr;
    }
    const ZBErr error = fSuites->Error();
    Suites::fAcquiredCount = 1;
    if (error != kNoErr) {
        delete fSuites;
        fSuites = nullptr;
        return error;
    }
    FillSuiteTables();
    return kNoErr;
}

// The first lock asks the host to keep the code loaded; the last unlock gives that lock back.
ZBErr Plugin::LockPlugin(bool lock)
{
    if (lock) {
        if (fLockCount++ == 0 && sZBAccess) sZBAccess->AcquirePlugin(fPluginRef, &fPluginAccess);
    } else if (--fLockCount == 0) {
        if (sZBAccess && fPluginAccess) sZBAccess->ReleasePlugin(fPluginAccess);
        fPluginAccess = nullptr;
    } else if (fLockCount < 0) {
        fLockCount = 0;
    }
    return kNoErr;
}

void Plugin::GetPluginName(char* name, std::size_t length) { CopyTerminated(name, length, fPluginName); }

ZBErr Plugin::AcquireOptionalSuites()
{
    if (fSuites) fSuites->AcquireOptionalSuites();
    return kNoErr;
}
