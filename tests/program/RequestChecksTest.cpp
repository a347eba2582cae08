// What a request to `pendrake serve` must show, and the panel file names a path may give.
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "RequestChecks.h"

namespace {

using pendrake::PanelFileName;
using pendrake::RefuseApiRequest;
using pendrake::RequestFacts;

const std::string kToken = "0123456789abcdef0123456789abcdef";

RequestFacts Facts(std::optional<std::string> header, std::optional<std::string> query = std::nullopt,
                   std::optional<std::string> origin = std::nullopt,
                   std::optional<std::string> host = std::string("127.0.0.1:8080"))
{
    return RequestFacts{std::move(header), std::move(query), std::move(origin), std::move(host)};
}

// "STATUS reason", or "served".
std::string Outcome(const RequestFacts& facts)
{
    const auto refusal = RefuseApiRequest(facts, kToken, 8080);
    return refusal ? std::to_string(refusal->status) + " " + refusal->reason : "served";
}

TEST(RequestChecks, TheTokenComesInTheHeaderOrElseTheQuery)
{
    EXPECT_EQ(Outcome(Facts(kToken)), "served");
    EXPECT_EQ(Outcome(Facts(std::nullopt, kToken)), "served");
    EXPECT_EQ(Outcome(Facts(std::nullopt)),
              "401 the session token is missing (header X-Pendrake-Token or query token)");
    EXPECT_EQ(Outcome(Facts("")), "401 the session token is wrong");
    EXPECT_EQ(Outcome(Facts(kToken.substr(1))), "401 the session token is wrong");
    EXPECT_EQ(Outcome(Facts(kToken + "0")), "401 the session token is wrong");
    EXPECT_EQ(Outcome(Facts("0123456789ABCDEF0123456789ABCDEF")), "401 the session token is wrong");
    EXPECT_EQ(Outcome(Facts("wrong", kToken)), "401 the session token is wrong");
}

TEST(RequestChecks, OnlyTheLoopbackOriginAndHostNamesAreServed)
{
    EXPECT_EQ(Outcome(Facts(kToken, std::nullopt, "http://127.0.0.1:8080")), "served");
    for (const char* origin : {"http://localhost:8080", "http://127.0.0.1:8081", "https://127.0.0.1:8080",
                               "http://127.0.0.1:8080/", "null", ""})
        EXPECT_EQ(Outcome(Facts(kToken, std::nullopt, origin)), "403 requests from another origin are refused")
            << origin;
    EXPECT_EQ(Outcome(Facts(kToken, std::nullopt, std::nullopt, "localhost:8080")), "served");
    for (const std::optional<std::string>& host : std::vector<std::optional<std::string>>{
             "evil.example:8080", "127.0.0.1", "127.0.0.1:80", "LOCALHOST:8080", "[::1]:8080", "", std::nullopt})
        EXPECT_EQ(Outcome(Facts(kToken, std::nullopt, std::nullopt, host)),
                  "403 the Host header must be 127.0.0.1:8080 or localhost:8080")
            << host.value_or("(none)");
    // A foreign page learns nothing of the token.
    EXPECT_EQ(Outcome(Facts("wrong", std::nullopt, "http://evil.example")),
              "403 requests from another origin are refused");
}

TEST(RequestChecks, TokensAreFreshLowercaseHexadecimal)
{
    std::set<std::string> tokens;
    for (int i = 0; i < 20; ++i) {
        const std::string token = pendrake::NewSessionToken();
        ASSERT_EQ(token.size(), 32u);
        EXPECT_EQ(token.find_first_not_of("0123456789abcdef"), std::string::npos) << token;
        tokens.insert(token);
    }
    EXPECT_EQ(tokens.size(), 20u);
}

TEST(RequestChecks, PanelFileNamesStayInsideTheFolder)
{
    for (const char* name : {"index.html", "pages/panel.js", "a.b/c..d", "..x", "x.."})
        EXPECT_EQ(PanelFileName(name), std::optional<std::string>(name)) << name;
    for (const std::string& name :
         std::vector<std::string>{"", "/etc/passwd", "..", "../x", "a/../../x", "a/..", "./x", "a/./b", "a//b", "a/",
                                  "a\\..\\b", "c:x", std::string("a\0b", 3), "a\nb", "a\x7f"})
        EXPECT_EQ(PanelFileName(name), std::nullopt) << name;
}

}  // namespace
