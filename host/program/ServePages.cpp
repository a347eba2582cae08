#include "ServePages.h"

#include <exception>

#include "RequestChecks.h"

namespace pendrake {

void ServePages::Route(httplib::Server& server)
{
    server.Get("/", [this](const httplib::Request&, httplib::Response& response) { Send("index.html", response); });
    server.Get("/eventbridge.html",
               [this](const httplib::Request&, httplib::Response& response) { Send("eventbridge.html", response); });
    server.Get("/panel/(.*)", [this](const httplib::Request& request, httplib::Response& response) {
        Send(request.matches[1].str(), response);
    });
}

void ServePages::Send(const std::string& name, httplib::Response& response) const
{
    try {
        const std::optional<std::string> checked = PanelFileName(name);
        if (!checked) {
            response.status = 400;
            return;
        }
        std::optional<PanelFile> file = fFiles.Read(*checked);
        if (!file) {
            response.status = 404;
            return;
        }
        response.set_header("Cache-Control", "no-cache");
        response.set_content(file->bytes, file->contentType);
    } catch (...) {
        response.status = 500;
    }
}

}  // namespace pendrake
