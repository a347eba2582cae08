// libFuzzer target: panels' requests to eventbridge, through the built module loaded into the host substitute,
// checked against a model of the subscriptions.
//
// An input is lines of requests; each line is KIND EXTENSION [SEPARATOR DATA]:
//   KIND       'A' AddEventListener, 'R' RemoveEventListener, 'L' ListEventsRequestEvent, 'P' PingRequestEvent,
//              'X' an event of the adapter's namespace named by DATA's first word (the rest is its data),
//              'N' the host fires the notification DATA (EXTENSION is not read)
//   EXTENSION  '-' for a request without extension, any other byte c for the extension "com.example." c
//   DATA       everything after the third byte; a line of two bytes sends no data
// The model counts subscriptions per type and extension: a list answers the extension's types in byte order, a
// notification of a type with any subscription is forwarded once, and nothing else is answered. At the end of
// an input every subscription is removed again, request by request, and the lists must be empty; the host is
// started afresh every kInputsPerHost inputs (eventbridge's host notifiers stay, one for each type ever asked
// for).
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <exception>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "DriveCheck.h"
#include "DriveSandbox.h"
#include "DrivenHost.h"
#include "ModulePins.h"
#include "pendrake/PDNotifier.h"

namespace {

// Lines after this many are not read: the time an input takes stays bounded.
constexpr std::size_t kMaxRequests = 64;
constexpr int kInputsPerHost = 1000;

drive::DriveSandbox* gSandbox = nullptr;
drive::DrivenHost* gHost = nullptr;
int gInputs = 0;

drive::DrivenHost& CurrentHost()
{
    if (gHost && ++gInputs < kInputsPerHost) return *gHost;
    delete gHost;
    gHost = nullptr;
    gHost = new drive::DrivenHost({"", true});
    gInputs = 0;
    return *gHost;
}

struct Answer {
    std::string type;
    std::string data;
};

// type -> extension -> number of subscriptions.
using Subscriptions = std::map<std::string, std::map<std::string, int>>;

bool HasNul(const std::optional<std::string>& text) { return text && text->find('\0') != std::string::npos; }

std::string AdapterType(const std::string& suffix) { return "com.pendrake.eventbridge." + suffix; }

// The host's own life-cycle notifications come at their time only, once; a user can change the selection
// whenever.
bool HostLifeCycle(const std::string& type)
{
    return type == kPDApplicationStartedNotifier || type == kPDApplicationShutdownNotifier ||
           type == kPDWireletSetupCompleteNotifier;
}

std::vector<Answer> TakeAnswers(drive::DrivenHost& host)
{
    std::vector<Answer> answers;
    for (const auto& event : host.Bus().TakeEvents()) {
        if (event.fFromHost) continue;
        answers.push_back({event.fType, event.fData.value_or("(null)")});
        drive::Require(event.fScope == 0 && event.fSender == std::optional<std::string>("PNDK") && !event.fExtension,
                       "an answer's scope, sender or extension: " + event.fType);
    }
    return answers;
}

void Expect(const std::vector<Answer>& answers, const std::vector<Answer>& expected, const std::string& request)
{
    bool same = answers.size() == expected.size();
    for (std::size_t i = 0; same && i < answers.size(); ++i)
        same = answers[i].type == expected[i].type && answers[i].data == expected[i].data;
    if (same) return;
    std::string text = request + ": expected";
    for (const Answer& answer : expected) text += " [" + answer.type + " " + answer.data + "]";
    text += ", got";
    for (const Answer& answer : answers) text += " [" + answer.type + " " + answer.data + "]";
    drive::Fail(text);
}

std::string ListPayload(const Subscriptions& model, const std::string& extension)
{
    std::string text = "<![CDATA[<events>";
    for (const auto& [type, counts] : model)
        if (counts.count(extension)) text += "<event id=\"" + type + "\" />";
    return text + "</events>]]>";
}

bool Subscribed(const Subscriptions& model, const std::string& type) { return model.count(type) != 0; }

void Subscribe(Subscriptions& model, const std::string& type, const std::string& extension)
{
    ++model[type][extension];
}

void Unsubscribe(Subscriptions& model, const std::string& type, const std::string& extension)
{
    const auto known = model.find(type);
    if (known == model.end()) return;
    const auto count = known->second.find(extension);
    if (count == known->second.end()) return;
    if (--count->second == 0) known->second.erase(count);
    if (known->second.empty()) model.erase(known);
}

void Handle(drive::DrivenHost& host, Subscriptions& model, std::string_view line)
{
    if (line.size() < 2) return;
    const char kind = line[0];
    const std::optional<std::string> extension =
        line[1] == '-' ? std::nullopt : std::optional<std::string>("com.example." + std::string(1, line[1]));
    std::optional<std::string> data;
    if (line.size() > 2) data = std::string(line.substr(3));
    const bool refused = HasNul(extension) || HasNul(data);  // the panel service does not deliver such an event
    const std::string request = std::string(line.substr(0, 2)) + " " + data.value_or("(no data)");

    std::vector<Answer> expected;
    switch (kind) {
    case 'A':
        host.Request(extension, "AddEventListener", data);
        if (!refused && extension && data) Subscribe(model, *data, *extension);
        break;
    case 'R':
        host.Request(extension, "RemoveEventListener", data);
        if (!refused && extension && data) Unsubscribe(model, *data, *extension);
        break;
    case 'L':
        host.Request(extension, "ListEventsRequestEvent", data);
        if (!refused && extension)
            expected.push_back({AdapterType("ListEventsResponseEvent"), ListPayload(model, *extension)});
        break;
    case 'P':
        host.Request(extension, "PingRequestEvent", data);
        if (!refused) expected.push_back({AdapterType("PingResponseEvent"), ""});
        break;
    case 'X': {
        const std::string rest = data.value_or("");
        const std::size_t blank = rest.find(' ');
        const std::string suffix = rest.substr(0, blank);
        // The four requests are the kinds above; any other name of the namespace is not the adapter's.
        for (const char* known :
             {"AddEventListener", "RemoveEventListener", "ListEventsRequestEvent", "PingRequestEvent"})
            if (suffix == known) return;
        host.Request(extension, suffix,
                     blank == std::string::npos ? std::nullopt : std::optional(rest.substr(blank + 1)));
        break;
    }
    case 'N': {
        const std::string type = data.value_or("");
        if (HostLifeCycle(type)) return;
        host.Host().Notify(type);
        if (Subscribed(model, type))
            expected.push_back({AdapterType("CppEvent"), "<![CDATA[<event id=\"" + type + "\" />]]>"});
        break;
    }
    default: return;
    }
    Expect(TakeAnswers(host), expected, request);
}

// Removes every subscription of the model, each with as many requests as it was made, and checks that the
// extensions' lists are empty afterwards.
void RemoveEverySubscription(drive::DrivenHost& host, Subscriptions& model)
{
    std::set<std::string> extensions;
    for (const auto& [type, counts] : model)
        for (const auto& [extension, count] : counts) {
            extensions.insert(extension);
            for (int i = 0; i < count; ++i) host.Request(extension, "RemoveEventListener", type);
        }
    model.clear();
    Expect(TakeAnswers(host), {}, "removing every subscription");
    for (const std::string& extension : extensions) {
        host.Request(extension, "ListEventsRequestEvent", std::nullopt);
        Expect(TakeAnswers(host), {{AdapterType("ListEventsResponseEvent"), ListPayload(model, extension)}},
               "the list of " + extension + " after removing every subscription");
    }
}

void Run(std::string_view input)
{
    drive::DrivenHost& host = CurrentHost();
    Subscriptions model;
    for (std::size_t requests = 0; requests < kMaxRequests && !input.empty(); ++requests) {
        const std::size_t end = input.find('\n');
        Handle(host, model, input.substr(0, end));
        if (end == std::string_view::npos) break;
        input.remove_prefix(end + 1);
    }
    RemoveEverySubscription(host, model);
    const std::string violations = host.TakeViolations();
    if (!violations.empty()) drive::Fail("host checks: " + violations);
    host.ForgetTraffic();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    try {
        drive::PinBuiltModules("");
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
