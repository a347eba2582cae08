#include "RequestChecks.h"

#include <cstdint>
#include <random>

namespace pendrake {

std::string NewSessionToken()
{
    static constexpr char kDigits[] = "0123456789abcdef";
    std::random_device source;
    std::string token;
    for (int word = 0; word < 4; ++word) {
        const std::uint32_t bits = source();
        for (int shift = 28; shift >= 0; shift -= 4) token += kDigits[(bits >> shift) & 0xf];
    }
    return token;
}

bool TokenMatches(std::string_view token, std::string_view given)
{
    // Every byte is compared, whatever came before, so that the time taken does not tell how much was right.
    unsigned difference = token.size() == given.size() ? 0u : 1u;
    for (std::size_t i = 0; i < given.size(); ++i)
        difference |=
            static_cast<unsigned char>(given[i]) ^ static_cast<unsigned char>(i < token.size() ? token[i] : 0);
    return difference == 0 && !token.empty();
}

std::optional<Refusal> RefuseApiRequest(const RequestFacts& request, std::string_view token, int port)
{
    const std::string suffix = ":" + std::to_string(port);
    if (!request.host || (*request.host != "127.0.0.1" + suffix && *request.host != "localhost" + suffix))
        return Refusal{403, "the Host header must be 127.0.0.1" + suffix + " or localhost" + suffix};
    if (request.origin && *request.origin != "http://127.0.0.1" + suffix)
        return Refusal{403, "requests from another origin are refused"};
    const std::optional<std::string>& given = request.tokenHeader ? request.tokenHeader : request.tokenQuery;
    if (!given) return Refusal{401, "the session token is missing (header X-Pendrake-Token or query token)"};
    if (!TokenMatches(token, *given)) return Refusal{401, "the session token is wrong"};
    return std::nullopt;
}

std::optional<std::string> PanelFileName(std::string_view path)
{
    if (path.empty() || path.front() == '/') return std::nullopt;
    for (const char c : path) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7f || c == '\\' || c == ':') return std::nullopt;
    }
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = path.find('/', start);
        const std::string_view part = path.substr(start, end == std::string_view::npos ? path.npos : end - start);
        if (part.empty() || part == "." || part == "..") return std::nullopt;
        if (end == std::string_view::npos) break;
        start = end + 1;
    }
    return std::string(path);
}

}  // namespace pendrake
