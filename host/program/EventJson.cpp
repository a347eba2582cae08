#include "EventJson.h"

#include <nlohmann/json.hpp>

namespace pendrake {
namespace {

nlohmann::ordered_json Text(const std::optional<std::string>& text)
{
    return text ? nlohmann::ordered_json(*text) : nlohmann::ordered_json(nullptr);
}

}  // namespace

std::string EventJsonLine(const wirelet::EventRecord& event)
{
    nlohmann::ordered_json line;
    line["type"] = event.fType;
    line["scope"] = event.fScope;
    line["sender"] = Text(event.fSender);
    line["extension"] = Text(event.fExtension);
    line["data"] = Text(event.fData);
    return line.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
}

}  // namespace pendrake
