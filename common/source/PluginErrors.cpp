// Plugin: error reports. Quiet codes are never reported, and one code reported again within the repeat window
// is reported once.
#include <ctime>
#include <iterator>

#include "Plugin.h"

namespace {

// Scanned up to the code or the 0 terminator.
constexpr ZBErr kQuietErrors[] = {
    kBadFormatErr,       kRefusePasteErr, kAfterErr,   kValidateErr,    kMootErr,          kTrashErr,
    kCheckErr,           kCheckItErr,     kToolkitErr, kPurgeFailedErr, kSuiteNotFoundErr, kAcquireErr,
    kDisplayReportedErr, kSkipErr,        kDoneErr,    kStopErr,        kUserCanceledErr,  kNoErr,
};
static_assert(std::size(kQuietErrors) == 17 + 1);

// now < last + window, without overflowing near the ends of time_t.
bool WithinWindow(std::time_t now, std::time_t last, std::time_t window) noexcept
{
    std::time_t end = 0;
    if (__builtin_add_overflow(last, window, &end)) return true;
    return now < end;
}

}  // namespace

Plugin::ClockProc Plugin::fClock = nullptr;
Plugin::ErrorShownProc Plugin::fErrorShown = nullptr;

void Plugin::SetClock(ClockProc clock) noexcept { fClock = clock; }

void Plugin::SetErrorShownHook(ErrorShownProc hook) noexcept { fErrorShown = hook; }

std::time_t Plugin::Now() noexcept { return fClock ? fClock() : std::time(nullptr); }

bool Plugin::FilterError(ZBErr code) noexcept
{
    const ZBErr* quiet = kQuietErrors;
    while (*quiet != kNoErr && *quiet != code) ++quiet;
    return *quiet != kNoErr;
}

void Plugin::ReportError(ZBErr code, const char*, const char*, void*)
{
    if (FilterError(code)) return;
    const std::time_t now = Now();
    if (code == fLastError && fSuppressDuplicateErrors && WithinWindow(now, fLastErrorTime, fErrorTimeout)) return;
    fLastError = code;
    fLastErrorTime = now;
    DefaultError(fPluginRef, code);
}

void Plugin::DefaultError(ZBPlugin* pluginRef, ZBErr code)
{
    if (FilterError(code)) return;
    // No message texts are defined, so nothing is shown; the code reaches the host as the result.
    if (fErrorShown) fErrorShown(pluginRef, code);
}
