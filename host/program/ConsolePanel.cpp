#include "ConsolePanel.h"

#include <set>
#include <sstream>
#include <vector>

#include "Selection.h"
#include "TalvexPanelProtocol.h"
#include "pendrake/PDNotifier.h"
#include "wirelet/PanelBus.h"

namespace pendrake {
namespace {

// The event type of a payload line, as markplug's panel sends it.
const std::string kOperationClickedType = std::string(kPanelEventNamespace) + "." + kOperationClickedEvent;

bool Fail(std::string* problem, std::string text)
{
    if (problem) *problem = std::move(text);
    return false;
}

std::vector<std::string> SplitIds(const std::string& list)
{
    std::vector<std::string> ids;
    std::stringstream stream(list);
    std::string id;
    while (std::getline(stream, id, ',')) ids.push_back(id);
    if (!list.empty() && list.back() == ',') ids.emplace_back();
    return ids;
}

// The word after a command and everything after it, e.g. "!layer Cut lines" gives "Cut lines".
bool Argument(const std::string& line, const std::string& command, std::string& argument)
{
    if (line.compare(0, command.size(), command) != 0) return false;
    if (line.size() == command.size()) {
        argument.clear();
        return true;
    }
    if (line[command.size()] != ' ') return false;
    argument = line.substr(command.size() + 1);
    return true;
}

// A payload line nobody listens to is lost: the cutting plug-in did not link its panel.
bool Heard(const std::string& type, std::string* problem)
{
    if (wirelet::PanelBus::Shared().ListenerCount(type) > 0) return true;
    return Fail(problem, "no plug-in listens to \"" + type + "\": its panel link did not start");
}

bool Injected(int32_t status, std::string* problem)
{
    return status == 0 || Fail(problem, "the panel service refused the event (status " + std::to_string(status) + ")");
}

// Cuts the first blank-separated word off text.
std::string TakeWord(std::string& text)
{
    const std::size_t end = text.find(' ');
    std::string word = text.substr(0, end);
    text = end == std::string::npos ? std::string() : text.substr(end + 1);
    return word;
}

}  // namespace

bool ConsolePanel::Handle(std::string line, std::string* problem)
{
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line[0] == '#') return true;
    if (line[0] == '<')
        return Heard(kOperationClickedType, problem) &&
               Injected(wirelet::PanelBus::Shared().InjectEvent(kOperationClickedType, line, kPanelExtensionId),
                        problem);
    std::string argument;
    if (Argument(line, "!select", argument)) return Select(argument, problem);
    if (Argument(line, "!layer", argument)) return MakeLayerCurrent(argument, problem);
    if (Argument(line, "!as", argument)) return SendAs(argument, problem);
    if (Argument(line, "!notify", argument)) return FireNotification(argument, problem);
    return Fail(problem, "not a payload or a command: " + line);
}

bool ConsolePanel::SendAs(const std::string& arguments, std::string* problem)
{
    std::string rest = arguments;
    const std::string extension = TakeWord(rest);
    const std::string type = TakeWord(rest);
    if (extension.empty() || type.empty()) return Fail(problem, "!as needs an extension id and an event type");
    // Any panel may send events nobody listens to.
    return Injected(wirelet::PanelBus::Shared().InjectEvent(type, rest, extension), problem);
}

bool ConsolePanel::FireNotification(const std::string& type, std::string* problem)
{
    if (type.empty()) return Fail(problem, "!notify needs a notification type");
    fHost.Notify(type);
    return true;
}

bool ConsolePanel::Select(const std::string& what, std::string* problem)
{
    host::Document* document = fHost.CurrentDocument();
    if (!document) return Fail(problem, "no document is open");
    if (what.empty()) return Fail(problem, "!select needs ids, \"all\" or \"none\"");

    std::set<host::Art*> chosen;
    if (what == "all") {
        for (const auto& layer : document->Layers())
            for (const auto& art : layer->art) chosen.insert(art.get());
    } else if (what != "none" && !FindObjectsByIds(*document, SplitIds(what), &chosen, problem)) {
        return false;
    }
    SelectExactly(*document, chosen);
    fHost.Notify(kPDArtSelectionChangedNotifier);
    return true;
}

bool ConsolePanel::MakeLayerCurrent(const std::string& name, std::string* problem)
{
    host::Document* document = fHost.CurrentDocument();
    if (!document) return Fail(problem, "no document is open");
    host::Layer* layer = document->FindLayerByName(name);
    if (!layer) return Fail(problem, "no layer named \"" + name + "\"");
    document->SetCurrentLayer(layer);
    return true;
}

}  // namespace pendrake
