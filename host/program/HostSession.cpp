#include "HostSession.h"

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <vector>

#include "TerminalProgress.h"
#include "host/PanelLink.h"
#include "host/Svg.h"
#include "host/Utf.h"
#include "pendrake/IPDError.h"
#include "pendrake/PDFolders.h"
#include "pendrake/ZBErrors.h"
#include "platform/Platform.h"

namespace pendrake {
namespace {

// Artwork this large takes long enough to read that a terminal shows how far it got.
constexpr std::uintmax_t kLargeArtworkBytes = std::uintmax_t{1} << 20;
// A document takes about ten times the bytes of its SVG file (12 MiB for a file of 1 MiB with 10,000 paths).
constexpr std::uintmax_t kDocumentBytesPerFileByte = 12;

// A session ends with the program, and the document's memory goes back to the system with the process: freeing
// it object by object first would only make the program end later. The documents stay reachable from here, so
// that a leak check does not count them.
void KeepUntilExit(std::unique_ptr<host::Document> document)
{
    static auto* kept = new std::vector<std::unique_ptr<host::Document>>;
    if (document) kept->push_back(std::move(document));
}

}  // namespace

std::string ProgramFolder()
{
    // The module that holds this function is the program itself.
    const std::string self = platform::ModulePathOfAddress(reinterpret_cast<const void*>(&ProgramFolder));
    if (self.empty()) return std::filesystem::current_path().string();
    return host::PathOfUtf8(self).parent_path().string();
}

std::string DefaultPreferencesFile()
{
#if defined(_WIN32)
    // The roaming application data folder, where Windows programs keep their settings.
    const char* appData = std::getenv("APPDATA");
    return appData && *appData ? std::string(appData) + "\\Pendrake\\Preferences.ini" : std::string();
#else
    const char* config = std::getenv("XDG_CONFIG_HOME");
    const char* home = std::getenv("HOME");
    std::string folder;
    if (config && *config)
        folder = config;
    else if (home && *home)
        folder = std::string(home) + "/.config";
    else
        return {};
    return folder + "/Pendrake/Preferences.ini";
#endif
}

bool CheckFailCalls(const std::vector<std::string>& failCalls, std::string* problem)
{
    host::Faults probe;
    for (const std::string& text : failCalls) {
        if (probe.FailCallByText(text, kCantHappenErr)) continue;
        if (problem) *problem = "--fail " + text + ": expected CALL or CALL:N (N counts the calls from 1)";
        return false;
    }
    return true;
}

HostSession::HostSession(const SessionOptions& options, std::ostream& log) : fLog(log), fCallTrace(options.callTrace)
{
    const std::string app = options.appFolder.empty() ? ProgramFolder() : options.appFolder;
    host::HostOptions hostOptions;
    hostOptions.folders[kPDApplicationFolderType] = app;
    hostOptions.folders[kPDApplicationSupportFolderType] = app;
    hostOptions.folders[kPDPluginsFolderType] = app + "/Plug-ins";
    fHost = std::make_unique<host::Host>(hostOptions);
    // Checked by the command line already; a failed call returns the host's "cannot happen" code.
    for (const std::string& text : options.failCalls) fHost->GetFaults().FailCallByText(text, kCantHappenErr);
    if (!fCallTrace.empty()) fHost->GetChecks().RecordCalls(true);
    host::LinkPanelService(*fHost);

    fPreferencesFile = options.preferences;
    if (fPreferencesFile.empty()) {
        const std::string standard = DefaultPreferencesFile();
        std::error_code error;
        if (!standard.empty() && std::filesystem::exists(standard, error)) fPreferencesFile = standard;
    }
    if (!fPreferencesFile.empty()) fHost->GetPreferences().Load(fPreferencesFile);
    if (!options.artwork.empty()) {
        std::vector<std::string> warnings;
        host::SvgReadOptions reading;
        reading.strict = options.strictImport;
        reading.warnings = &warnings;
        std::error_code sizeError;
        const std::uintmax_t bytes = std::filesystem::file_size(options.artwork, sizeError);
        const bool large = !sizeError && bytes >= kLargeArtworkBytes;
        if (!sizeError && bytes <= host::kMaxSvgFileBytes)
            platform::PrepareLargeHeap(static_cast<std::size_t>(bytes * kDocumentBytesPerFileByte));
        // The room is filled in only while the document is read, whether that succeeds or not.
        struct StopFilling {
            ~StopFilling() { platform::StopFillingLargeHeap(); }
        } stopFilling;
        TerminalProgress progress(log, options.progress && large);
        reading.progress = [&progress](std::size_t done, std::size_t total) { progress.Update(done, total); };
        progress.Begin("reading " + options.artwork);
        const auto start = std::chrono::steady_clock::now();
        fHost->OpenDocument(host::ReadSvgFile(options.artwork, reading));
        fReadSeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        progress.End();
        for (const std::string& warning : warnings) log << warning << '\n';
    }

    fPluginsFolder = options.pluginsFolder.empty() ? app + "/Plug-ins/" + options.edition : options.pluginsFolder;
    for (const auto& problem : fHost->LoadPluginsFrom(fPluginsFolder)) {
        log << "pendrake: " << problem.path << ": " << problem.message << '\n';
        ++fLoadProblems;
    }
    fHost->StartAll();
    fHost->PanelServiceReady();
    // A plug-in that did not start, or could not take in the start, would leave the user with a panel that
    // answers nothing.
    for (const auto& plugin : fHost->Plugins()) {
        if (plugin->state != PluginState::StartupFailed) continue;
        log << "pendrake: " << plugin->path << ": the plug-in did not start (error "
            << pd::CodeText(plugin->startupResult) << ")\n";
        ++fLoadProblems;
    }
    for (const auto& failure : fHost->NotifyFailures()) {
        log << "pendrake: " << failure.plugin << " could not take in \"" << failure.type << "\" (error "
            << pd::CodeText(failure.code) << ")\n";
        ++fLoadProblems;
    }
}

HostSession::~HostSession()
{
    fHost->ShutdownAll();
    KeepUntilExit(fHost->CloseDocument());
    if (fCallTrace.empty()) return;
    std::ofstream trace(fCallTrace, std::ios::binary | std::ios::trunc);
    for (const host::CallRecord& call : fHost->GetChecks().Calls())
        trace << call.operation << '\t' << call.plugin << '\n';
    trace.flush();
    if (!trace) fLog << "pendrake: " << fCallTrace << ": the call trace could not be written\n";
}

void HostSession::SavePreferences()
{
    if (!fPreferencesFile.empty() && fHost->GetPreferences().Changed()) fHost->GetPreferences().Save(fPreferencesFile);
}

}  // namespace pendrake
