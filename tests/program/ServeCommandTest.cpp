// The built `pendrake serve` as a browser meets it: started as a program on a small artwork, reached over real
// HTTP on the port and with the token of its one line of output, and stopped by the page's quit or a signal.
// Every reply is compared exactly.
#include <signal.h>

#include <chrono>
#include <condition_variable>
#include <filesystem>
#include <fstream>
#include <memory>
#include <mutex>
#include <optional>
#include <regex>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>
#include <httplib.h>

#include "CutOutputSandbox.h"
#include "ProgramRun.h"
#include "RunningProgram.h"

namespace {

namespace fs = std::filesystem;

const std::string kPendrake = std::string(MARKPLUG_APP_DIR) + "/pendrake";
// Bounds for what a read waits for; a safety net only, never reached by a working program.
constexpr std::chrono::seconds kLimit{60};
constexpr time_t kLimitSeconds = 60;

const char kArtwork[] =
    "<svg xmlns='http://www.w3.org/2000/svg' xmlns:inkscape='http://www.inkscape.org/namespaces/inkscape'"
    " width='595.2756pt' height='841.8898pt' viewBox='0 0 595.2756 841.8898'>"
    "<g inkscape:groupmode='layer' inkscape:label='Artwork'>"
    "<rect id='box' x='100' y='200' width='300' height='200' fill='#ff0000'/>"
    "<g id='pair'><circle id='star' cx='250' cy='300' r='40'/><circle id='moon' cx='150' cy='300' r='20'/></g>"
    "</g>"
    "</svg>";

// What the plug-ins dispatch, as `pendrake panel` prints it.
const std::string kCornerDefaults =
    "{\"type\":\"com.varrowkt.talvex.TalvexSendCropCorner\",\"scope\":1,\"sender\":\"CropCorner\","
    "\"extension\":null,\"data\":\"<payload><CropCorner><LEFT>56.6929</LEFT><TOP>666.142</TOP>"
    "<RIGHT>538.583</RIGHT><BOTTOM>70.8661</BOTTOM><X>-42.5197</X><Y>-56.6929</Y></CropCorner></payload>\"}";
const std::string kRedraw =
    "{\"type\":\"com.varrowkt.talvex.TalvexRedrawPreview\",\"scope\":1,\"sender\":\"MarkedObjectsUpdatePanel\","
    "\"extension\":null,\"data\":\"<payload></payload>\"}";
const std::string kPong =
    "{\"type\":\"com.pendrake.eventbridge.PingResponseEvent\",\"scope\":0,\"sender\":\"PNDK\",\"extension\":null,"
    "\"data\":\"\"}";

const std::string kOpening = "retry: 1000\n\n";
const std::string kGoodbye = "event: bye\ndata: {}\n\n";

// The body of /api/event for a payload to markplug.
std::string PayloadEvent(const std::string& payload)
{
    return "{\"extension\":\"com.varrowkt.talvex.panel\",\"type\":\"com.varrowkt.talvex.OperationClicked\","
           "\"data\":\"" +
           payload + "\"}";
}
const std::string kCropCornerEvent = PayloadEvent("<payload><operation>11</operation></payload>");
const std::string kPingEvent =
    "{\"extension\":\"com.example.watcher\",\"type\":\"com.pendrake.eventbridge.PingRequestEvent\"}";

std::string PanelMessage(int id, const std::string& json)
{
    return "event: panel\nid: " + std::to_string(id) + "\ndata: " + json + "\n\n";
}
std::string DocumentMessage(int revision)
{
    return "event: document\ndata: {\"revision\":" + std::to_string(revision) + "}\n\n";
}

// Reads an event stream on a thread of its own, from the moment it is made until the stream ends.
class StreamReader {
public:
    StreamReader(int port, const std::string& path) : fClient("127.0.0.1", port)
    {
        fClient.set_read_timeout(kLimitSeconds, 0);
        fThread = std::thread([this, path] {
            fClient.Get(path, [this](const char* data, std::size_t length) {
                const std::lock_guard lock(fMutex);
                fText.append(data, length);
                fChanged.notify_all();
                return true;
            });
            const std::lock_guard lock(fMutex);
            fEnded = true;
            fChanged.notify_all();
        });
    }
    ~StreamReader()
    {
        fClient.stop();
        fThread.join();
    }

    // Everything read once the text holds what (or the stream has ended).
    std::string WaitFor(const std::string& what)
    {
        std::unique_lock lock(fMutex);
        fChanged.wait_for(lock, kLimit, [&] { return fEnded || fText.find(what) != std::string::npos; });
        return fText;
    }
    // Everything read once the stream has ended.
    std::string WaitForEnd()
    {
        std::unique_lock lock(fMutex);
        fChanged.wait_for(lock, kLimit, [&] { return fEnded; });
        return fText;
    }

private:
    httplib::Client fClient;
    std::mutex fMutex;
    std::condition_variable fChanged;
    std::string fText;
    bool fEnded = false;
    std::thread fThread;
};

class Serve : public testing::Test {
protected:
    void SetUp() override
    {
        Write("art.svg", kArtwork);
        Write("prefs.ini", "");
    }

    std::string Path(const std::string& name) const { return fSandbox.Folder() + "/" + name; }
    void Write(const std::string& name, const std::string& text) const { std::ofstream(Path(name)) << text; }
    std::string Err() const { return FileText(Path("serve.err")); }

    // Starts `pendrake serve` on art.svg with these options and reads its line.
    void Start(const std::vector<std::string>& options = {})
    {
        std::vector<std::string> arguments{kPendrake, "serve", Path("art.svg"), "--prefs", Path("prefs.ini")};
        arguments.insert(arguments.end(), options.begin(), options.end());
        fProgram = std::make_unique<RunningProgram>(arguments, Path("serve.err"));
        const std::optional<std::string> line = fProgram->ReadLine(kLimit);
        ASSERT_TRUE(line) << Err();
        std::smatch match;
        ASSERT_TRUE(std::regex_match(*line, match,
                                     std::regex("Serving http://127\\.0\\.0\\.1:([0-9]+)/\\?token=([0-9a-f]{32})")))
            << *line;
        fPort = std::stoi(match[1].str());
        fToken = match[2].str();
    }

    // A client of the server, with the token in every request unless told otherwise.
    std::unique_ptr<httplib::Client> Client(bool withToken = true) const
    {
        auto client = std::make_unique<httplib::Client>("127.0.0.1", fPort);
        client->set_read_timeout(kLimitSeconds, 0);
        client->set_url_encode(false);
        if (withToken) client->set_default_headers({{"X-Pendrake-Token", fToken}});
        return client;
    }
    httplib::Result Get(const std::string& path, const httplib::Headers& headers = {}) const
    {
        return Client()->Get(path, headers);
    }
    httplib::Result Post(const std::string& path, const std::string& body) const
    {
        return Client()->Post(path, body, "application/json");
    }
    // status, then the body.
    static std::string Reply(const httplib::Result& result)
    {
        if (!result) return "no reply: " + httplib::to_string(result.error());
        return std::to_string(result->status) + " " + result->body;
    }
    // The event stream from its start, read until it holds what.
    std::string ReadStream(const std::string& query, const std::string& what,
                           const httplib::Headers& headers = {}) const
    {
        std::string text;
        Client()->Get("/api/events" + query, headers, [&](const char* data, std::size_t length) {
            text.append(data, length);
            return text.find(what) == std::string::npos;
        });
        return text;
    }
    // What /api/info says of the session on art.svg.
    std::string InfoReply(int revision, const std::string& save = "null") const
    {
        return "200 {\"artwork\":\"" + Path("art.svg") + "\",\"edition\":\"windows\",\"save\":" + save +
               ",\"revision\":" + std::to_string(revision) +
               ",\"extensions\":[\"com.varrowkt.talvex.panel\",\"com.pendrake.eventbridge\"]}";
    }
    // Waits for the program to end: its exit code; the rest of its output goes to fRest.
    int Finish() { return fProgram->Wait(kLimit, &fRest); }

    testing_support::CutOutputSandbox fSandbox;
    std::unique_ptr<RunningProgram> fProgram;
    int fPort = 0;
    std::string fToken;
    std::string fRest;
};

TEST_F(Serve, PrintsWhereItServesAndDescribesTheSession)
{
    ASSERT_NO_FATAL_FAILURE(Start());
    EXPECT_EQ(Reply(Get("/api/info")), InfoReply(0));
    const httplib::Result info = Get("/api/info");
    ASSERT_TRUE(info);
    EXPECT_EQ(info->get_header_value("Content-Type"), "application/json");
    EXPECT_EQ(info->get_header_value("Cache-Control"), "no-store");

    EXPECT_EQ(Reply(Post("/api/quit", "{\"save\":false}")), "200 {\"ok\":true,\"saved\":null}");
    EXPECT_EQ(Finish(), 0);
    EXPECT_EQ(fRest, "");
    EXPECT_EQ(Err(), "");
}

TEST_F(Serve, RefusesRequestsWithoutTheTokenFromElsewhereOrTooLarge)
{
    ASSERT_NO_FATAL_FAILURE(Start());
    const std::string port = std::to_string(fPort);
    EXPECT_EQ(Reply(Client(false)->Get("/api/info")),
              "401 {\"error\":\"the session token is missing (header X-Pendrake-Token or query token)\"}");
    EXPECT_EQ(Reply(Client(false)->Get("/api/info", {{"X-Pendrake-Token", std::string(32, '0')}})),
              "401 {\"error\":\"the session token is wrong\"}");
    EXPECT_EQ(Reply(Client(false)->Get("/api/info?token=" + fToken.substr(1))),
              "401 {\"error\":\"the session token is wrong\"}");
    EXPECT_EQ(Reply(Client(false)->Get("/api/info?token=" + fToken)).substr(0, 4), "200 ");
    // The header counts when there is one.
    EXPECT_EQ(Reply(Client(false)->Get("/api/info?token=" + fToken, {{"X-Pendrake-Token", "x"}})),
              "401 {\"error\":\"the session token is wrong\"}");

    EXPECT_EQ(Reply(Get("/api/info", {{"Origin", "http://evil.example"}})),
              "403 {\"error\":\"requests from another origin are refused\"}");
    EXPECT_EQ(Reply(Get("/api/info", {{"Origin", "http://localhost:" + port}})),
              "403 {\"error\":\"requests from another origin are refused\"}");
    EXPECT_EQ(Reply(Get("/api/info", {{"Origin", "http://127.0.0.1:" + port}})).substr(0, 4), "200 ");
    const std::string hostRefused =
        "403 {\"error\":\"the Host header must be 127.0.0.1:" + port + " or localhost:" + port + "\"}";
    EXPECT_EQ(Reply(Get("/api/info", {{"Host", "evil.example:" + port}})), hostRefused);
    EXPECT_EQ(Reply(Get("/api/info", {{"Host", "127.0.0.1"}})), hostRefused);
    EXPECT_EQ(Reply(Get("/api/info", {{"Host", "localhost:" + port}})).substr(0, 4), "200 ");

    // Bodies: at most 64 KiB, JSON objects with the fields each request needs.
    const std::string head = "{\"extension\":\"com.example.a\",\"type\":\"com.example.Nobody\",\"data\":\"";
    const std::string largest = head + std::string(64 * 1024 - head.size() - 2, 'x') + "\"}";
    ASSERT_EQ(largest.size(), 64u * 1024u);
    EXPECT_EQ(Reply(Post("/api/event", largest)),
              "409 {\"error\":\"no plug-in listens to \\\"com.example.Nobody\\\"\"}");
    EXPECT_EQ(Reply(Post("/api/event", largest + " ")), "413 {\"error\":\"the body is larger than 64 KiB\"}");
    EXPECT_EQ(Reply(Post("/api/event", "{\"extension\":")), "400 {\"error\":\"the body is not a JSON object\"}");
    EXPECT_EQ(Reply(Post("/api/select", "[\"box\"]")), "400 {\"error\":\"the body is not a JSON object\"}");
    EXPECT_EQ(Reply(Client()->Post("/api/select", "{\"ids\":[]}", "text/plain")),
              "400 {\"error\":\"the body must be JSON (Content-Type: application/json)\"}");
    EXPECT_EQ(Reply(Post("/api/event", "{\"extension\":\"com.example.a\"}")),
              "400 {\"error\":\"\\\"type\\\" must be given as a string\"}");
    EXPECT_EQ(Reply(Post("/api/select", "{\"ids\":[\"box\",1]}")),
              "400 {\"error\":\"\\\"ids\\\" must be an array of strings\"}");
    EXPECT_EQ(Reply(Post("/api/quit", "{\"save\":\"no\"}")),
              "400 {\"error\":\"\\\"save\\\" must be given as true or false\"}");
    EXPECT_EQ(Reply(Get("/api/events?from=x")), "400 {\"error\":\"\\\"from\\\" must be the number of a panel event\"}");
    EXPECT_EQ(Reply(Get("/api/nothing")), "404 {\"error\":\"there is nothing at this path\"}");

    // None of it reached the plug-ins or ended the session.
    EXPECT_EQ(Reply(Get("/api/info")), InfoReply(0));
    EXPECT_EQ(Reply(Post("/api/quit", "{\"save\":false}")), "200 {\"ok\":true,\"saved\":null}");
    EXPECT_EQ(Finish(), 0);
}

TEST_F(Serve, ServesThePanelFolderAndNothingOutsideIt)
{
    ASSERT_NO_FATAL_FAILURE(Start());
    const std::string panel = std::string(MARKPLUG_APP_DIR) + "/panel/";
    const auto client = Client(false);
    const httplib::Result index = client->Get("/");
    ASSERT_TRUE(index);
    EXPECT_EQ(index->status, 200);
    EXPECT_EQ(index->body, FileText(panel + "index.html"));
    EXPECT_EQ(index->get_header_value("Content-Type"), "text/html; charset=utf-8");
    EXPECT_EQ(Reply(client->Get("/eventbridge.html")), "200 " + FileText(panel + "eventbridge.html"));
    EXPECT_EQ(Reply(client->Get("/panel/index.html")), "200 " + FileText(panel + "index.html"));
    const httplib::Result head = client->Head("/panel/eventbridge.html");
    ASSERT_TRUE(head);
    EXPECT_EQ(head->status, 200);
    EXPECT_EQ(head->body, "");

    for (const char* path :
         {"/panel/../pendrake", "/panel/%2e%2e/pendrake", "/panel/..%2fpendrake", "/panel/%2fetc%2fpasswd",
          "/panel/a%5c..%5cb", "/panel/index.html%00.png", "/panel/", "/panel/./index.html", "/panel//index.html"})
        EXPECT_EQ(Reply(client->Get(path)), "400 {\"error\":\"the request is malformed\"}") << path;
    for (const char* path : {"/panel/missing.html", "/pendrake", "/../pendrake", "/index.html"})
        EXPECT_EQ(Reply(client->Get(path)), "404 {\"error\":\"there is nothing at this path\"}") << path;
    // GET and HEAD only.
    EXPECT_EQ(Reply(client->Post("/", "x", "text/plain")), "404 {\"error\":\"there is nothing at this path\"}");

    EXPECT_EQ(Reply(Post("/api/quit", "{\"save\":false}")), "200 {\"ok\":true,\"saved\":null}");
    EXPECT_EQ(Finish(), 0);
}

// The listening sockets of /proc/net/tcp or tcp6 on a port, each as the address in the kernel's hexadecimal.
std::vector<std::string> ListeningAddresses(const std::string& table, int port)
{
    std::ifstream in(table);
    std::string line;
    std::getline(in, line);
    std::vector<std::string> addresses;
    char portText[8];
    std::snprintf(portText, sizeof portText, "%04X", port);
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        std::string slot, local, remote, state;
        fields >> slot >> local >> remote >> state;
        const std::size_t colon = local.rfind(':');
        if (state == "0A" && colon != std::string::npos && local.substr(colon + 1) == portText)
            addresses.push_back(local.substr(0, colon));
    }
    return addresses;
}

TEST_F(Serve, ListensOnTheLoopbackAddressOnly)
{
    ASSERT_NO_FATAL_FAILURE(Start());
    EXPECT_EQ(ListeningAddresses("/proc/net/tcp", fPort), std::vector<std::string>{"0100007F"});
    EXPECT_EQ(ListeningAddresses("/proc/net/tcp6", fPort), std::vector<std::string>{});
    // Another address of the loopback network is not served.
    httplib::Client elsewhere("127.0.0.2", fPort);
    EXPECT_FALSE(elsewhere.Get("/"));

    EXPECT_EQ(Reply(Post("/api/quit", "{\"save\":false}")), "200 {\"ok\":true,\"saved\":null}");
    EXPECT_EQ(Finish(), 0);
}

TEST_F(Serve, AnInjectedEventGivesTheDispatchedEventsInOrder)
{
    ASSERT_NO_FATAL_FAILURE(Start());
    EXPECT_EQ(Reply(Post("/api/event", kCropCornerEvent)), "200 {\"ok\":true,\"revision\":1}");
    EXPECT_EQ(Reply(Post("/api/event", kPingEvent)), "200 {\"ok\":true,\"revision\":2}");
    EXPECT_EQ(Reply(Post("/api/event", "{\"extension\":\"com.example.a\",\"type\":\"com.example.Nobody\"}")),
              "409 {\"error\":\"no plug-in listens to \\\"com.example.Nobody\\\"\"}");

    // A page that comes back asks for what it missed.
    EXPECT_EQ(ReadStream("?from=0", PanelMessage(2, kPong)),
              kOpening + PanelMessage(1, kCornerDefaults) + PanelMessage(2, kPong));
    EXPECT_EQ(ReadStream("?from=1", PanelMessage(2, kPong)), kOpening + PanelMessage(2, kPong));
    // A browser that opens the stream again by itself says what it had last.
    EXPECT_EQ(ReadStream("?from=0", PanelMessage(2, kPong), {{"Last-Event-ID", "1"}}),
              kOpening + PanelMessage(2, kPong));
    EXPECT_EQ(ReadStream("", PanelMessage(2, kPong), {{"Last-Event-ID", "1"}}), kOpening + PanelMessage(2, kPong));
    EXPECT_EQ(Reply(Get("/api/events", {{"Last-Event-ID", "one"}})),
              "400 {\"error\":\"Last-Event-ID must be the number of a panel event\"}");
    EXPECT_EQ(Reply(Get("/api/info")), InfoReply(2));

    EXPECT_EQ(Reply(Post("/api/quit", "{\"save\":false}")), "200 {\"ok\":true,\"saved\":null}");
    EXPECT_EQ(Finish(), 0);
    EXPECT_EQ(Err(), "");
}

TEST_F(Serve, TheStreamTellsOfEveryEventAndChangeAsItHappens)
{
    ASSERT_NO_FATAL_FAILURE(Start());
    StreamReader stream(fPort, "/api/events?token=" + fToken);
    ASSERT_EQ(stream.WaitFor(kOpening), kOpening);

    EXPECT_EQ(Reply(Post("/api/select", "{\"ids\":[\"star\"]}")), "200 {\"ok\":true,\"revision\":1}");
    EXPECT_EQ(Reply(Get("/api/selection")), "200 {\"ids\":[\"star\"]}");
    EXPECT_EQ(Reply(Post("/api/select", "{\"ids\":[\"pair\",\"box\"]}")), "200 {\"ok\":true,\"revision\":2}");
    EXPECT_EQ(Reply(Get("/api/selection")), "200 {\"ids\":[\"box\",\"pair\"]}");
    EXPECT_EQ(Reply(Post("/api/select", "{\"ids\":[\"moon\",\"nothing\"]}")),
              "400 {\"error\":\"no object with the id \\\"nothing\\\"\"}");
    EXPECT_EQ(Reply(Get("/api/selection")), "200 {\"ids\":[\"box\",\"pair\"]}");
    EXPECT_EQ(Reply(Post("/api/select", "{\"ids\":[]}")), "200 {\"ok\":true,\"revision\":3}");
    EXPECT_EQ(Reply(Get("/api/selection")), "200 {\"ids\":[]}");
    EXPECT_EQ(Reply(Post("/api/event", kCropCornerEvent)), "200 {\"ok\":true,\"revision\":4}");

    const std::string expected = kOpening + PanelMessage(1, kRedraw) + DocumentMessage(1) + PanelMessage(2, kRedraw) +
                                 DocumentMessage(2) + PanelMessage(3, kRedraw) + DocumentMessage(3) +
                                 PanelMessage(4, kCornerDefaults) + DocumentMessage(4);
    EXPECT_EQ(stream.WaitFor(DocumentMessage(4)), expected);

    EXPECT_EQ(Reply(Post("/api/quit", "{\"save\":false}")), "200 {\"ok\":true,\"saved\":null}");
    EXPECT_EQ(stream.WaitForEnd(), expected + kGoodbye);
    EXPECT_EQ(Finish(), 0);
}

TEST_F(Serve, TheDocumentIsWhatQuittingWithASaveWrites)
{
    ASSERT_NO_FATAL_FAILURE(Start({"--save", Path("out.svg")}));
    EXPECT_EQ(Reply(Get("/api/info")), InfoReply(0, "\"" + Path("out.svg") + "\""));
    EXPECT_EQ(
        Reply(Post("/api/event", PayloadEvent("<payload><operation>10</operation><X>10</X><Y>20</Y><W>170</W><L>200</L>"
                                              "<MachineType>8</MachineType><CropCount>4</CropCount></payload>"))),
        "200 {\"ok\":true,\"revision\":1}");
    EXPECT_EQ(Reply(Post("/api/event", PayloadEvent("<payload><operation>6</operation></payload>"))),
              "200 {\"ok\":true,\"revision\":2}");
    const httplib::Result document = Get("/api/document");
    ASSERT_TRUE(document);
    EXPECT_EQ(document->status, 200);
    EXPECT_EQ(document->get_header_value("Content-Type"), "image/svg+xml");
    EXPECT_EQ(document->get_header_value("X-Pendrake-Revision"), "2");
    EXPECT_NE(document->body.find("id=\"box\""), std::string::npos);
    EXPECT_NE(document->body.find("TalvexCropMark"), std::string::npos);
    EXPECT_FALSE(fs::exists(Path("out.svg")));

    EXPECT_EQ(Reply(Post("/api/quit", "{\"save\":true}")), "200 {\"ok\":true,\"saved\":\"" + Path("out.svg") + "\"}");
    EXPECT_EQ(Finish(), 0);
    EXPECT_EQ(FileText(Path("out.svg")), document->body);
    EXPECT_EQ(fRest, "");
    EXPECT_EQ(Err(), "");
}

TEST_F(Serve, AQuitThatCannotSaveKeepsTheSession)
{
    ASSERT_NO_FATAL_FAILURE(Start({"--save", Path("missing/out.svg")}));
    EXPECT_EQ(Reply(Post("/api/quit", "{\"save\":true}")),
              "500 {\"error\":\"cannot write " + Path("missing/out.svg") + ": No such file or directory\"}");
    EXPECT_EQ(Reply(Post("/api/select", "{\"ids\":[\"box\"]}")), "200 {\"ok\":true,\"revision\":1}");
    EXPECT_EQ(Reply(Post("/api/quit", "{\"save\":false}")), "200 {\"ok\":true,\"saved\":null}");
    EXPECT_EQ(Finish(), 0);
    EXPECT_FALSE(fs::exists(Path("missing")));
}

TEST_F(Serve, AQuitWithASaveNeedsASaveFile)
{
    ASSERT_NO_FATAL_FAILURE(Start());
    EXPECT_EQ(Reply(Post("/api/quit", "{\"save\":true}")),
              "400 {\"error\":\"no --save file was given: the document cannot be saved\"}");
    EXPECT_EQ(Reply(Get("/api/selection")), "200 {\"ids\":[]}");
    EXPECT_EQ(Reply(Post("/api/quit", "{\"save\":false}")), "200 {\"ok\":true,\"saved\":null}");
    EXPECT_EQ(Finish(), 0);
}

TEST_F(Serve, CtrlCEndsTheStreamsAndStopsWithoutSaving)
{
    ASSERT_NO_FATAL_FAILURE(Start({"--save", Path("out.svg")}));
    StreamReader stream(fPort, "/api/events?from=0&token=" + fToken);
    // Connected before the change: document messages go only to the streams open when they are sent.
    ASSERT_EQ(stream.WaitFor(kOpening), kOpening);
    EXPECT_EQ(Reply(Post("/api/select", "{\"ids\":[\"box\"]}")), "200 {\"ok\":true,\"revision\":1}");
    const std::string before = kOpening + PanelMessage(1, kRedraw) + DocumentMessage(1);
    ASSERT_EQ(stream.WaitFor(before), before);

    fProgram->Signal(SIGINT);
    EXPECT_EQ(stream.WaitForEnd(), before + kGoodbye);
    EXPECT_EQ(Finish(), 0);
    EXPECT_EQ(fRest, "");
    EXPECT_EQ(Err(), "");
    EXPECT_FALSE(fs::exists(Path("out.svg")));
}

TEST_F(Serve, SigtermStopsWithoutSaving)
{
    ASSERT_NO_FATAL_FAILURE(Start({"--save", Path("out.svg")}));
    EXPECT_EQ(Reply(Post("/api/select", "{\"ids\":[\"box\"]}")), "200 {\"ok\":true,\"revision\":1}");
    fProgram->Signal(SIGTERM);
    EXPECT_EQ(Finish(), 0);
    EXPECT_EQ(Err(), "");
    EXPECT_FALSE(fs::exists(Path("out.svg")));
}

TEST_F(Serve, WrongUsageAndFailuresToStart)
{
    const auto run = [&](std::vector<std::string> arguments) {
        arguments.insert(arguments.begin(), kPendrake);
        return RunProgram(arguments, fSandbox.Folder());
    };
    const ProgramResult help = run({"serve", "--help"});
    EXPECT_EQ(help.fExitCode, 0);
    ASSERT_EQ(help.fOut.rfind("open ARTWORK.svg, start the plug-ins and serve their panels to a web browser", 0), 0u)
        << help.fOut;
    EXPECT_NE(help.fOut.find("--port N"), std::string::npos);
    EXPECT_NE(help.fOut.find("--save OUT.svg"), std::string::npos);

    for (const auto& [arguments, message] : std::vector<std::pair<std::vector<std::string>, std::string>>{
             {{"serve"}, "artwork is required"},
             {{"serve", Path("art.svg"), "--port", "65536"}, "--port: Value 65536 not in range 0 to 65535"},
             {{"serve", Path("art.svg"), "--port", "any"}, "--port: Value any not in range 0 to 65535"},
             {{"serve", Path("art.svg"), "--edition", "linux"}, "--edition: linux not in {windows,macos}"},
         }) {
        const ProgramResult result = run(arguments);
        EXPECT_EQ(result.fExitCode, 2) << message;
        EXPECT_EQ(result.fOut, "");
        EXPECT_EQ(result.fErr, "pendrake: " + message + "\n\n" + help.fOut);
    }

    const ProgramResult absent = run({"serve", Path("absent.svg")});
    EXPECT_EQ(absent.fExitCode, 1);
    EXPECT_EQ(absent.fOut, "");
    EXPECT_EQ(absent.fErr, "pendrake: " + Path("absent.svg") + ": cannot open the file: No such file or directory\n");

    // A port that is taken.
    ASSERT_NO_FATAL_FAILURE(Start());
    const ProgramResult taken =
        run({"serve", Path("art.svg"), "--prefs", Path("prefs.ini"), "--port", std::to_string(fPort)});
    EXPECT_EQ(taken.fExitCode, 1);
    EXPECT_EQ(taken.fOut, "");
    EXPECT_EQ(taken.fErr, "pendrake: cannot listen on 127.0.0.1:" + std::to_string(fPort) + "\n");
    EXPECT_EQ(Reply(Post("/api/quit", "{\"save\":false}")), "200 {\"ok\":true,\"saved\":null}");
    EXPECT_EQ(Finish(), 0);
}

}  // namespace
