// libFuzzer target: markplug's panel payloads, through the built module of one edition (MARKPLUG_FUZZ_EDITION)
// loaded into the host substitute, on the fixed document.
//
// An input is one or more events separated by NUL bytes (the panel service refuses a NUL inside a text, so no
// payload holds one). In each event the first byte chooses the operation: '0' to '9' and 'A' to 'G' are the
// operations 0 to 16 and the payload is "<payload><operation>N</operation>", the rest, "</payload>"; any other
// byte sends the rest as the whole payload. The second byte is a selection change made before the event: bit i
// selects the i-th top-level object of the fixed document. Once the document holds more than kMaxAnchors
// anchors, the host's actions (operations 0 to 4) and payloads sent as they are no longer go out: the host
// outlines, offsets and unites by uniting every piece of every stroke, and on what its earlier actions made that
// takes minutes.
//
// Every input starts from a fresh copy of the document; the host with the plug-in is started afresh every
// kInputsPerHost inputs (loading reads the whole module file, which takes far longer than an input), so the crop
// settings and cut conditions that earlier inputs set may still be in force. After each input the host's checks
// must have recorded nothing, and the plug-in must hold no more host objects than after its start.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <exception>
#include <memory>
#include <string>
#include <string_view>

#include "DriveCheck.h"
#include "DriveSandbox.h"
#include "DrivenHost.h"
#include "FixedDocument.h"
#include "ModulePins.h"
#include "SelectionChange.h"

namespace {

// More events than this in one input are not sent: the time an input takes stays bounded.
constexpr std::size_t kMaxEvents = 8;
constexpr int kInputsPerHost = 500;
constexpr std::size_t kMaxAnchors = 300;

drive::DriveSandbox* gSandbox = nullptr;
drive::DrivenHost* gHost = nullptr;
std::string gHeldAtStart;
int gInputs = 0;

drive::DrivenHost& CurrentHost()
{
    if (gHost && ++gInputs < kInputsPerHost) return *gHost;
    delete gHost;
    gHost = nullptr;
    gSandbox->RemoveCutFiles();
    gHost = new drive::DrivenHost({MARKPLUG_FUZZ_EDITION, false});
    gHeldAtStart = gHost->HeldObjects();
    gInputs = 0;
    return *gHost;
}

// The operation that a first byte chooses, or -1 for a payload sent as it is.
int Operation(char choice)
{
    if (choice >= '0' && choice <= '9') return choice - '0';
    if (choice >= 'A' && choice <= 'G') return 10 + (choice - 'A');
    return -1;
}

std::size_t Anchors(const host::Document& document)
{
    std::size_t anchors = 0;
    document.Walk([&anchors](host::Art& art) { anchors += art.segments.size(); });
    return anchors;
}

void SendEvent(drive::DrivenHost& host, std::string_view event)
{
    if (event.empty()) return;
    const int operation = Operation(event[0]);
    const bool mayPlayHostAction = operation <= 4;  // a payload sent as it is (-1) may name any operation
    if (mayPlayHostAction && Anchors(*host.Host().CurrentDocument()) > kMaxAnchors) return;
    if (event.size() >= 2) drive::SelectByMask(host.Host(), static_cast<unsigned char>(event[1]));
    const std::string_view rest = event.size() >= 2 ? event.substr(2) : std::string_view();
    if (operation < 0)
        host.Click(std::string(rest));
    else
        host.Click("<payload><operation>" + std::to_string(operation) + "</operation>" + std::string(rest) +
                   "</payload>");
}

void Run(std::string_view input)
{
    drive::DrivenHost& host = CurrentHost();
    host.Host().OpenDocument(drive::FixedDocument());
    std::size_t events = 0;
    while (events++ < kMaxEvents) {
        const std::size_t end = input.find('\0');
        SendEvent(host, input.substr(0, end));
        if (end == std::string_view::npos) break;
        input.remove_prefix(end + 1);
    }
    const std::string violations = host.TakeViolations();
    if (!violations.empty()) drive::Fail("host checks: " + violations);
    const std::string held = host.HeldObjects();
    if (held != gHeldAtStart) drive::Fail("the plug-in holds " + held + " (after its start: " + gHeldAtStart + ")");
    host.ForgetTraffic();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    try {
        drive::PinBuiltModules(MARKPLUG_FUZZ_EDITION);
        // The panel bus is made before the exit handler is registered, so that it is still there when the
        // handler shuts the host down.
        wirelet::PanelBus::Shared();
        gSandbox = new drive::DriveSandbox();
        std::atexit([] {
            delete gHost;
            delete gSandbox;
        });
    } catch (const std::exception& error) {
        drive::Fail(error.what());
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    try {
        Run(std::string_view(reinterpret_cast<const char*>(data), size));
    } catch (const std::exception& error) {
        drive::Fail(std::string("exception: ") + error.what());
    }
    return 0;
}
