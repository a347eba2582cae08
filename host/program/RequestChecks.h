// What a request to `pendrake serve` must show before it is served, and which panel file a path may name. Only
// loopback pages holding the session's token reach the plug-ins: another site's page is stopped by the Origin
// check, a page of a name that was made to point at 127.0.0.1 by the Host check, and everything else by the
// token.
#ifndef PENDRAKE_REQUESTCHECKS_H
#define PENDRAKE_REQUESTCHECKS_H

#include <optional>
#include <string>
#include <string_view>

namespace pendrake {

// 32 lowercase hexadecimal digits from the system's random source, different for every call.
std::string NewSessionToken();

// What the checks read from a request; nothing where the request has no such header or query parameter.
struct RequestFacts {
    std::optional<std::string> tokenHeader;  // X-Pendrake-Token
    std::optional<std::string> tokenQuery;   // ?token=
    std::optional<std::string> origin;       // Origin
    std::optional<std::string> host;         // Host
};

struct Refusal {
    int status;          // 401 or 403
    std::string reason;  // one sentence for the reply
};

// Why a request to the API is refused, or nothing when it may be served: a Host other than 127.0.0.1:PORT or
// localhost:PORT (or none) and an Origin other than http://127.0.0.1:PORT give 403; a token that is missing or
// is not the session's gives 401. The header's token counts when there is one, else the query's.
std::optional<Refusal> RefuseApiRequest(const RequestFacts& request, std::string_view token, int port);

// True when given is the token; how long it takes does not depend on where the two differ.
bool TokenMatches(std::string_view token, std::string_view given);

// The name of the panel folder's file that a path below "/panel/" gives ("pages/panel.js"), or nothing when it
// could reach outside the folder or names no file: empty, starting with "/", with an empty, "." or ".." part, or
// holding a backslash, a colon or a control character.
std::optional<std::string> PanelFileName(std::string_view path);

}  // namespace pendrake

#endif
