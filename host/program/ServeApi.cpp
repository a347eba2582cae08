#include "ServeApi.h"

#include <charconv>
#include <memory>
#include <optional>
#include <set>
#include <vector>

#include <nlohmann/json.hpp>

#include "RequestChecks.h"
#include "Selection.h"
#include "TalvexPanelProtocol.h"
#include "host/Svg.h"
#include "pendrake/PDNotifier.h"
#include "wirelet/PanelBus.h"

namespace pendrake {
namespace {

using Json = nlohmann::ordered_json;

// The extension id of the panels that talk to eventbridge.
const char kEventbridgePanelId[] = "com.pendrake.eventbridge";
// How long an event stream waits for a message before it sends a comment: a page that has gone is noticed then,
// and its thread is free again.
constexpr std::chrono::seconds kStreamHeartbeat{10};

std::string JsonText(const Json& value) { return value.dump(-1, ' ', false, Json::error_handler_t::replace); }

void Reply(httplib::Response& response, int status, const Json& body)
{
    response.status = status;
    response.set_content(JsonText(body), "application/json");
}

void ReplyError(httplib::Response& response, int status, const std::string& reason)
{
    Reply(response, status, Json{{"error", reason}});
}

// The last reply when something went wrong; it throws nothing, whatever happens.
void ReplyFailure(httplib::Response& response, const char* what) noexcept
{
    try {
        ReplyError(response, 500, what);
    } catch (...) {
        response.status = 500;
    }
}

void ReplyStopping(httplib::Response& response) { ReplyError(response, 503, "the session is ending"); }

std::optional<std::string> Header(const httplib::Request& request, const char* name)
{
    if (!request.has_header(name)) return std::nullopt;
    return request.get_header_value(name);
}

RequestFacts FactsOf(const httplib::Request& request)
{
    RequestFacts facts;
    facts.tokenHeader = Header(request, "X-Pendrake-Token");
    facts.origin = Header(request, "Origin");
    facts.host = Header(request, "Host");
    if (request.has_param("token")) facts.tokenQuery = request.get_param_value("token");
    return facts;
}

// The request's body as a JSON object; nothing, after a 400 reply, when it is not one.
std::optional<Json> JsonBody(const httplib::Request& request, httplib::Response& response)
{
    const std::string type = request.get_header_value("Content-Type");
    if (type != "application/json" && type.rfind("application/json;", 0) != 0) {
        ReplyError(response, 400, "the body must be JSON (Content-Type: application/json)");
        return std::nullopt;
    }
    Json body = Json::parse(request.body, nullptr, false);
    if (body.is_discarded() || !body.is_object()) {
        ReplyError(response, 400, "the body is not a JSON object");
        return std::nullopt;
    }
    return body;
}

// The text of a field; nothing, after a 400 reply, when it is missing (and required) or not a string.
std::optional<std::string> TextField(const Json& body, const char* name, bool required, httplib::Response& response)
{
    const auto field = body.find(name);
    if (field == body.end() && !required) return std::string();
    if (field == body.end() || !field->is_string()) {
        ReplyError(response, 400,
                   std::string("\"") + name + "\" must be " + (required ? "given as " : "") + "a string");
        return std::nullopt;
    }
    return field->get<std::string>();
}

// The ids of /api/select; nothing, after a 400 reply, when they are not an array of strings.
std::optional<std::vector<std::string>> IdsField(const Json& body, httplib::Response& response)
{
    const auto field = body.find("ids");
    bool good = field != body.end() && field->is_array();
    std::vector<std::string> ids;
    if (good) {
        for (const Json& id : *field) {
            if (!id.is_string()) good = false;
            if (good) ids.push_back(id.get<std::string>());
        }
    }
    if (!good) {
        ReplyError(response, 400, "\"ids\" must be an array of strings");
        return std::nullopt;
    }
    return ids;
}

// A panel event number; false when the text is not one.
bool ParseEventNumber(const std::string& text, std::uint64_t* number)
{
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), *number);
    return !text.empty() && error == std::errc() && end == text.data() + text.size();
}

// The panel event after which a stream replays: ?from=K, or the Last-Event-ID that a browser sends when it opens
// a stream again by itself (with the address it had, from= and all), whichever is later. False, after a 400
// reply, when one of them is not a number.
bool ReplayAfter(const httplib::Request& request, httplib::Response& response, std::optional<std::uint64_t>* after)
{
    std::uint64_t number = 0;
    if (request.has_param("from")) {
        if (!ParseEventNumber(request.get_param_value("from"), &number)) {
            ReplyError(response, 400, "\"from\" must be the number of a panel event");
            return false;
        }
        *after = number;
    }
    if (request.has_header("Last-Event-ID")) {
        if (!ParseEventNumber(request.get_header_value("Last-Event-ID"), &number)) {
            ReplyError(response, 400, "Last-Event-ID must be the number of a panel event");
            return false;
        }
        if (!*after || **after < number) *after = number;
    }
    return true;
}

std::string StatusReason(int status)
{
    switch (status) {
    case 400: return "the request is malformed";
    case 404: return "there is nothing at this path";
    case 405: return "this path does not take that method";
    case 413: return "the body is larger than 64 KiB";
    case 414: return "the path is too long";
    default: return "the request failed (status " + std::to_string(status) + ")";
    }
}

}  // namespace

ServeApi::ServeApi(host::Host& host, const ServeOptions& options, std::string token, EventStream& events,
                   MainThreadQueue& queue)
    : fHost(host), fOptions(options), fToken(std::move(token)), fEvents(events), fQueue(queue)
{
}

void ServeApi::Route(httplib::Server& server, int port)
{
    fPort = port;
    using namespace std::placeholders;
    server.Get("/api/info", Checked(std::bind(&ServeApi::Info, this, _1, _2)));
    server.Post("/api/event", Checked(std::bind(&ServeApi::Event, this, _1, _2)));
    server.Post("/api/select", Checked(std::bind(&ServeApi::Select, this, _1, _2)));
    server.Get("/api/selection", Checked(std::bind(&ServeApi::Selection, this, _1, _2)));
    server.Get("/api/document", Checked(std::bind(&ServeApi::Document, this, _1, _2)));
    server.Get("/api/events", Checked(std::bind(&ServeApi::Events, this, _1, _2)));
    server.Post("/api/quit", Checked(std::bind(&ServeApi::Quit, this, _1, _2)));

    // Errors the server answers itself (no route, a body too large) get a JSON reason as well.
    server.set_error_handler(
        httplib::Server::HandlerWithResponse([](const httplib::Request&, httplib::Response& response) {
            if (!response.body.empty()) return httplib::Server::HandlerResponse::Unhandled;
            try {
                ReplyError(response, response.status, StatusReason(response.status));
            } catch (...) {
                return httplib::Server::HandlerResponse::Unhandled;
            }
            return httplib::Server::HandlerResponse::Handled;
        }));
    server.set_exception_handler([](const httplib::Request&, httplib::Response& response, std::exception_ptr) {
        ReplyFailure(response, "unexpected failure");
    });
}

httplib::Server::Handler ServeApi::Checked(Handler handler)
{
    return [this, handler = std::move(handler)](const httplib::Request& request, httplib::Response& response) {
        try {
            response.set_header("Cache-Control", "no-store");
            if (const std::optional<Refusal> refusal = RefuseApiRequest(FactsOf(request), fToken, fPort)) {
                ReplyError(response, refusal->status, refusal->reason);
                return;
            }
            handler(request, response);
        } catch (const std::exception& error) {
            ReplyFailure(response, error.what());
        } catch (...) {
            ReplyFailure(response, "unexpected failure");
        }
    };
}

std::uint64_t ServeApi::Changed()
{
    const std::uint64_t revision = ++fRevision;
    fEvents.AddDocumentChange(revision);
    return revision;
}

void ServeApi::Info(const httplib::Request&, httplib::Response& response)
{
    Json info;
    info["artwork"] = fOptions.session.artwork;
    info["edition"] = fOptions.session.edition;
    info["save"] = fOptions.saveAs.empty() ? Json(nullptr) : Json(fOptions.saveAs);
    info["revision"] = fRevision.load();
    info["extensions"] = Json::array({kPanelExtensionId, kEventbridgePanelId});
    Reply(response, 200, info);
}

void ServeApi::Event(const httplib::Request& request, httplib::Response& response)
{
    const std::optional<Json> body = JsonBody(request, response);
    if (!body) return;
    std::optional<std::string> extension, type, data;
    if (!(extension = TextField(*body, "extension", true, response))) return;
    if (!(type = TextField(*body, "type", true, response))) return;
    if (!(data = TextField(*body, "data", false, response))) return;
    if (extension->empty() || type->empty())
        return ReplyError(response, 400, "\"extension\" and \"type\" may not be empty");

    std::string problem;
    std::uint64_t revision = 0;
    const bool ran = fQueue.Call([&] {
        wirelet::PanelBus& bus = wirelet::PanelBus::Shared();
        if (bus.ListenerCount(*type) == 0) {
            problem = "no plug-in listens to \"" + *type + "\"";
            return;
        }
        const std::int32_t status = bus.InjectEvent(*type, *data, *extension);
        if (status != 0) {
            problem = "the panel service refused the event (status " + std::to_string(status) + ")";
            return;
        }
        revision = Changed();
    });
    if (!ran) return ReplyStopping(response);
    if (!problem.empty()) return ReplyError(response, 409, problem);
    Reply(response, 200, Json{{"ok", true}, {"revision", revision}});
}

void ServeApi::Select(const httplib::Request& request, httplib::Response& response)
{
    const std::optional<Json> body = JsonBody(request, response);
    if (!body) return;
    const std::optional<std::vector<std::string>> ids = IdsField(*body, response);
    if (!ids) return;

    std::string problem;
    std::uint64_t revision = 0;
    const bool ran = fQueue.Call([&] {
        host::Document* document = fHost.CurrentDocument();
        std::set<host::Art*> chosen;
        if (!document) {
            problem = "no document is open";
            return;
        }
        if (!FindObjectsByIds(*document, *ids, &chosen, &problem)) return;
        SelectExactly(*document, chosen);
        fHost.Notify(kPDArtSelectionChangedNotifier);
        revision = Changed();
    });
    if (!ran) return ReplyStopping(response);
    if (!problem.empty()) return ReplyError(response, 400, problem);
    Reply(response, 200, Json{{"ok", true}, {"revision", revision}});
}

void ServeApi::Selection(const httplib::Request&, httplib::Response& response)
{
    std::vector<std::string> ids;
    const bool ran = fQueue.Call([&] {
        if (const host::Document* document = fHost.CurrentDocument()) ids = SelectedIds(*document);
    });
    if (!ran) return ReplyStopping(response);
    Reply(response, 200, Json{{"ids", ids}});
}

void ServeApi::Document(const httplib::Request&, httplib::Response& response)
{
    std::optional<std::string> text;
    std::uint64_t revision = 0;
    const bool ran = fQueue.Call([&] {
        if (const host::Document* document = fHost.CurrentDocument()) text = host::WriteSvgText(*document);
        revision = fRevision;
    });
    if (!ran) return ReplyStopping(response);
    if (!text) return ReplyError(response, 404, "no document is open");
    response.set_header("X-Pendrake-Revision", std::to_string(revision));
    response.set_content(*text, "image/svg+xml");
}

void ServeApi::Events(const httplib::Request& request, httplib::Response& response)
{
    std::optional<std::uint64_t> after;
    if (!ReplayAfter(request, response, &after)) return;
    // The reader goes with the reply, when the stream has ended or the page has gone.
    auto reader = std::make_shared<EventStream::Reader>(fEvents, after);
    response.set_chunked_content_provider("text/event-stream", [reader](std::size_t, httplib::DataSink& sink) {
        try {
            std::string text = reader->Next(kStreamHeartbeat);
            if (text.empty()) text = ": waiting\n\n";
            if (!sink.write(text.data(), text.size())) return false;
            if (reader->Ended()) sink.done();
            return true;
        } catch (...) {
            return false;
        }
    });
}

void ServeApi::Quit(const httplib::Request& request, httplib::Response& response)
{
    const std::optional<Json> body = JsonBody(request, response);
    if (!body) return;
    const auto save = body->find("save");
    if (save == body->end() || !save->is_boolean())
        return ReplyError(response, 400, "\"save\" must be given as true or false");

    int status = 200;
    std::string problem;
    const bool ran = fQueue.Call([&] {
        if (save->get<bool>()) {
            const host::Document* document = fHost.CurrentDocument();
            if (fOptions.saveAs.empty() || !document) {
                status = 400;
                problem = "no --save file was given: the document cannot be saved";
                return;
            }
            try {
                host::WriteSvgFile(*document, fOptions.saveAs);
            } catch (const std::exception& error) {
                status = 500;
                problem = error.what();
                return;
            }
        }
        fQueue.RequestStop();
    });
    if (!ran) return ReplyStopping(response);
    if (status != 200) return ReplyError(response, status, problem);
    Reply(response, 200, Json{{"ok", true}, {"saved", save->get<bool>() ? Json(fOptions.saveAs) : Json(nullptr)}});
}

}  // namespace pendrake
