#include "RandomPanel.h"

#include <set>
#include <vector>

#include "SelectionChange.h"
#include "pendrake/PDNotifier.h"

namespace soak {
namespace {

// The notification types panels subscribe to and the host fires, and the extensions that ask.
const std::vector<std::string> kTypes = {kPDArtSelectionChangedNotifier,
                                         "Sample Notification",
                                         "PD Document Opened Notifier",
                                         "say \"<hi>\" & bye",
                                         "",
                                         "]]>",
                                         "x",
                                         "com.pendrake.eventbridge.CppEvent"};
const std::vector<std::string> kExtensions = {"com.example.watcher", "com.example.a", "com.varrowkt.talvex.panel"};
const std::vector<std::string> kRequests = {"AddEventListener", "RemoveEventListener", "ListEventsRequestEvent",
                                            "PingRequestEvent"};
const std::vector<std::string> kHelpFiles = {"index.html",       "frame.html", "",
                                             "../../etc/passwd", "a b.html",   "\xc3\xa9t\xc3\xa9.html"};
const std::vector<std::string> kFragments = {
    "<payload>", "</payload>", "<operation>", "</operation>", "<Target>",  "</Target>", "<X>",
    "</X>",      "<",          ">",           "</",           "1",         "-1",        "1e308",
    "nan",       "\xff",       "\xc3",        "&amp;",        "<![CDATA[", "]]>"};

}  // namespace

RandomPanel::RandomPanel(drive::DrivenHost& host, uint64_t seed) : fHost(host), fRandom(seed) {}

std::size_t RandomPanel::TypeCount() { return kTypes.size(); }

std::string RandomPanel::Number()
{
    switch (Below(6)) {
    case 0: return std::to_string(Below(10));
    case 1: return std::to_string(Below(100000) - 50000);
    case 2: return "2147483648";
    case 3: return "abc";
    case 4: return "";
    default: return std::to_string(Below(2000) / 10.0);
    }
}

// A length in millimetres, mostly one a cutter could work with.
std::string RandomPanel::Length() { return Chance(0.9) ? std::to_string(Below(3000) / 10.0) : Number(); }

// Mostly the targets that admit some paths (selected, cut lines, perforation lines, the current layer); now and
// then every path, or a number that is none of them.
std::string RandomPanel::Target()
{
    static const char* const kSome[] = {"1", "3", "4", "2"};
    const int way = Below(100);
    if (way < 3) return "0";
    if (way < 6) return Number();
    return kSome[Below(4)];
}

// Every operation as often as the others, but for the host's outlining and offsetting: they cost a hundred
// times more than the rest (the host unites every piece of every stroke), so they come a tenth as often.
int RandomPanel::Operation()
{
    for (;;) {
        const int operation = Below(17);
        if ((operation != 2 && operation != 3) || Chance(0.1)) return operation;
    }
}

std::string RandomPanel::OperationPayload(int operation)
{
    std::string body;
    auto element = [&body](const char* name, const std::string& value) {
        body += std::string("<") + name + ">" + value + "</" + name + ">";
    };
    switch (operation) {
    case 1:
    case 13: element("Target", Target()); break;
    case 10:
        element("X", Length());
        element("Y", Length());
        element("W", Length());
        element("L", Length());
        element("MachineType", Chance(0.8) ? std::to_string(Below(12)) : Number());
        element("CropCount", Chance(0.8) ? std::to_string(3 + Below(2)) : Number());
        break;
    case 12: element("FileName", kHelpFiles[Below(static_cast<int>(kHelpFiles.size()))]); break;
    case 16:
        for (const char* name : {"CutSpeed", "CutForce", "CutQuality", "CutOverlapCount", "HalfCutForce",
                                 "UseMachineCutCondition", "UseMachinePerforationCondition"})
            if (Chance(0.8)) element(name, Number());
        for (const char* name : {"CutLength", "HalfCutLength", "CutterOffset"})
            if (Chance(0.8)) element(name, Length());
        break;
    default: break;
    }
    return "<payload><operation>" + std::to_string(operation) + "</operation>" + body + "</payload>";
}

// A plausible payload cut or spliced at random, or fragments and bytes of any value.
std::string RandomPanel::AnyPayload()
{
    std::string text;
    if (Chance(0.5)) {
        text = OperationPayload(Below(17));
        const std::size_t at = static_cast<std::size_t>(Below(static_cast<int>(text.size()) + 1));
        if (Chance(0.5))
            text.resize(at);
        else
            text.insert(at, kFragments[Below(static_cast<int>(kFragments.size()))]);
        return text;
    }
    const int pieces = Below(12);
    for (int i = 0; i < pieces; ++i) {
        if (Chance(0.6))
            text += kFragments[Below(static_cast<int>(kFragments.size()))];
        else
            text += static_cast<char>(1 + Below(255));
    }
    return text;
}

// A few of the document's own objects (those with an id) anywhere in it, now and then none. Groups are not
// chosen whole, nor what the host's actions made: the host outlines, offsets and unites by uniting every piece of
// every stroke, and a group's strokes, or an outline's, take minutes there, where a soak step takes milliseconds.
void RandomPanel::ChangeSelection()
{
    host::Document* document = fHost.Host().CurrentDocument();
    if (!document) return;
    std::vector<const host::Art*> candidates;
    document->Walk([&candidates](host::Art& art) {
        if (art.kind != host::ArtKind::Group && !art.id.empty()) candidates.push_back(&art);
    });
    std::set<const host::Art*> chosen;
    const int count = candidates.empty() || Chance(0.05) ? 0 : 1 + Below(4);
    for (int i = 0; i < count; ++i)
        chosen.insert(candidates[static_cast<std::size_t>(Below(static_cast<int>(candidates.size())))]);
    drive::ChangeSelection(fHost.Host(), chosen);
}

void RandomPanel::ChangeCurrentLayer()
{
    host::Document* document = fHost.Host().CurrentDocument();
    if (!document || document->Layers().empty()) return;
    document->SetCurrentLayer(document->Layers()[Below(static_cast<int>(document->Layers().size()))].get());
}

void RandomPanel::AdapterRequest()
{
    const std::string& request = kRequests[Below(static_cast<int>(kRequests.size()))];
    const std::optional<std::string> extension =
        Chance(0.95) ? std::optional(kExtensions[Below(static_cast<int>(kExtensions.size()))]) : std::nullopt;
    const std::optional<std::string> data =
        Chance(0.95) ? std::optional(kTypes[Below(static_cast<int>(kTypes.size()))]) : std::nullopt;
    fHost.Request(extension, request, data);
}

void RandomPanel::Notification() { fHost.Host().Notify(kTypes[Below(static_cast<int>(kTypes.size()))]); }

void RandomPanel::Step()
{
    const int draw = Below(100);
    StepKind kind = StepKind::Operation;
    if (draw >= 60) kind = StepKind::AnyPayload;
    if (draw >= 70) kind = StepKind::Selection;
    if (draw >= 85) kind = StepKind::CurrentLayer;
    if (draw >= 88) kind = StepKind::AdapterRequest;
    if (draw >= 98) kind = StepKind::Notification;
    ++fSteps[static_cast<int>(kind)];
    switch (kind) {
    case StepKind::Operation: {
        const int operation = Operation();
        ++fOperations[operation];
        fHost.Click(OperationPayload(operation));
        // The host's actions select what they made; the user moves on to objects of the document's own.
        if (operation == 0 || (operation >= 2 && operation <= 4)) ChangeSelection();
        break;
    }
    case StepKind::AnyPayload: fHost.Click(AnyPayload()); break;
    case StepKind::Selection: ChangeSelection(); break;
    case StepKind::CurrentLayer: ChangeCurrentLayer(); break;
    case StepKind::AdapterRequest: AdapterRequest(); break;
    case StepKind::Notification: Notification(); break;
    case StepKind::kCount: break;
    }
}

}  // namespace soak
