// kvt80-web's server against the real engine and the simulated unit over a pseudo-terminal:
// pairing and its refusals, puts reaching the unit's memory, events in order, bad messages, and
// two browsers of which one controls.
#include <gtest/gtest.h>
#include <sys/socket.h>

// Boost 1.74's Asio uses std::exchange without including it.
#include <utility>

#include <boost/asio.hpp>
#include <boost/beast/core.hpp>
#include <boost/beast/http.hpp>
#include <boost/beast/websocket.hpp>
#include <chrono>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <nlohmann/json.hpp>
#include <string>
#include <thread>
#include <vector>

#include "KVT80.h"
#include "Sessions.h"
#include "SimulatedUnit.h"
#include "TestSupport.h"
#include "WebServer.h"
#include "image/AddressMap.h"
#include "text/Codepage.h"

namespace kvt::web {
namespace {

namespace net = boost::asio;
namespace beast = boost::beast;
namespace http = beast::http;
namespace websocket = beast::websocket;
using tcp = net::ip::tcp;
using Json = nlohmann::json;
using namespace std::chrono_literals;

constexpr int kBlockCentreEq = 4;
constexpr uint32_t kCentreBand14 = 144;  // centre channel region 128, band 14 at +30 - 14
constexpr int kBlockMatrix = 3;
constexpr uint32_t kGeneratorControl = 16;
constexpr uint32_t kGeneratorLeft = 0x200000;

struct HttpResult {
    int status = 0;
    std::string cookie;  // the session cookie the server set, "name=value"
    std::string location;
    std::string body;
};

HttpResult Request(uint16_t port, http::verb method, const std::string& target,
                   const std::map<std::string, std::string>& headers = {},
                   const std::string& body = {}) {
    net::io_context io;
    beast::tcp_stream stream(io);
    stream.connect(tcp::endpoint(net::ip::make_address("127.0.0.1"), port));
    http::request<http::string_body> request(method, target, 11);
    request.set(http::field::host, "127.0.0.1:" + std::to_string(port));
    for (const auto& [name, value] : headers) {
        request.set(name, value);
    }
    request.body() = body;
    request.prepare_payload();
    http::write(stream, request);
    beast::flat_buffer buffer;
    http::response<http::string_body> response;
    http::read(stream, buffer, response);
    HttpResult result;
    result.status = response.result_int();
    if (const auto cookie = response.find(http::field::set_cookie); cookie != response.end()) {
        const std::string text(cookie->value());
        result.cookie = text.substr(0, text.find(';'));
    }
    if (const auto location = response.find(http::field::location); location != response.end()) {
        result.location = std::string(location->value());
    }
    result.body = response.body();
    return result;
}

// A browser's WebSocket, read synchronously with a receive timeout so a missing message fails
// the test instead of hanging it.
class Browser {
  public:
    Browser(uint16_t port, const std::string& cookie, const std::string& origin) : ws_(io_) {
        ws_.next_layer().connect(tcp::endpoint(net::ip::make_address("127.0.0.1"), port));
        timeval timeout{10, 0};
        setsockopt(ws_.next_layer().native_handle(), SOL_SOCKET, SO_RCVTIMEO, &timeout,
                   sizeof timeout);
        ws_.set_option(websocket::stream_base::decorator([&](websocket::request_type& request) {
            if (!cookie.empty()) {
                request.set(http::field::cookie, cookie);
            }
            if (!origin.empty()) {
                request.set(http::field::origin, origin);
            }
        }));
        ws_.read_message_max(1 << 20);
        beast::error_code error;
        ws_.handshake("127.0.0.1:" + std::to_string(port), "/ws", error);
        open_ = !error;
    }

    bool Open() const { return open_; }

    void Send(const std::string& text) {
        beast::error_code error;
        ws_.write(net::buffer(text), error);
        open_ = open_ && !error;
    }
    void Send(const Json& message) { Send(message.dump()); }

    // The next message for which wanted is true (others are kept in Seen); null when none came
    // within 15 s (the stream's frames keep coming, so the socket's own timeout alone would not
    // end the wait).
    Json Next(const std::function<bool(const Json&)>& wanted) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(15);
        while (open_ && std::chrono::steady_clock::now() < deadline) {
            beast::flat_buffer buffer;
            beast::error_code error;
            ws_.read(buffer, error);
            if (error) {
                open_ = false;
                break;
            }
            Json message = Json::parse(beast::buffers_to_string(buffer.data()));
            seen_.push_back(message);
            if (wanted(message)) {
                return message;
            }
        }
        return nullptr;
    }
    Json NextOfType(const std::string& type) {
        return Next([&](const Json& m) { return m.value("type", "") == type; });
    }
    Json Answer(int64_t id) {
        return Next([&](const Json& m) {
            return (m["type"] == "result" || m["type"] == "error") && m.value("id", -1) == id;
        });
    }
    const std::vector<Json>& Seen() const { return seen_; }

  private:
    net::io_context io_;
    websocket::stream<tcp::socket> ws_;
    std::vector<Json> seen_;
    bool open_ = false;
};

// The status a WebSocket upgrade request gets, as a browser would send it.
int UpgradeStatus(uint16_t port, const std::string& cookie, const std::string& origin) {
    std::map<std::string, std::string> headers{{"Upgrade", "websocket"},
                                               {"Connection", "Upgrade"},
                                               {"Sec-WebSocket-Key", "dGhlIHNhbXBsZSBub25jZQ=="},
                                               {"Sec-WebSocket-Version", "13"}};
    if (!cookie.empty()) {
        headers["Cookie"] = cookie;
    }
    if (!origin.empty()) {
        headers["Origin"] = origin;
    }
    return Request(port, http::verb::get, "/ws", headers).status;
}

class WebServerTest : public ::testing::Test {
  protected:
    void SetUp() override { StartServer(30min); }

    void StartServer(std::chrono::seconds idleTime) {
        const std::string port = unit_.StartPty();
        engine_ = std::make_unique<KVT80>();
        ASSERT_EQ(engine_->Initialize(), 0);
        engine_->SetTimings(testing::FastTimings());
        ASSERT_EQ(engine_->put_ComPort(Variant::String(FromUtf8(port))), 0);
        ServerOptions options;
        options.port = 0;
        options.idleTime = idleTime;
        options.expiryCheck = 50ms;
        options.log = [this](const std::string& line) {
            std::lock_guard lock(logMutex_);
            log_.push_back(line);
        };
        server_ = std::make_unique<WebServer>(*engine_, options);
        port_ = server_->Start();
        origin_ = "http://127.0.0.1:" + std::to_string(port_);
    }

    void TearDown() override {
        server_->Stop();
        server_.reset();
        engine_->Disconnect();
        engine_->Cleanup();
        engine_.reset();
        unit_.Stop();
    }

    std::string Pair() {
        const HttpResult paired =
            Request(port_, http::verb::get, "/pair?token=" + server_->PairingToken());
        EXPECT_EQ(paired.status, 303);
        EXPECT_EQ(paired.location, "/");
        return paired.cookie;
    }

    std::unique_ptr<Browser> Open() {
        auto browser = std::make_unique<Browser>(port_, Pair(), origin_);
        EXPECT_TRUE(browser->Open());
        return browser;
    }

    void ConnectUnit(Browser& browser) {
        browser.Send(Json{{"op", "connect"}, {"id", 900}});
        const Json answer = browser.Answer(900);
        ASSERT_EQ(answer["type"], "result") << answer.dump();
        browser.Next([](const Json& m) { return m["type"] == "state" && m["connected"] == true; });
    }

    bool WaitForMemory(int block, uint32_t address, uint32_t value) {
        const auto deadline = std::chrono::steady_clock::now() + 5s;
        while (std::chrono::steady_clock::now() < deadline) {
            if (unit_.Memory(block, address) == value) {
                return true;
            }
            std::this_thread::sleep_for(2ms);
        }
        return false;
    }

    testing::ScopedConfigHome home_;
    sim::SimulatedUnit unit_;
    std::unique_ptr<KVT80> engine_;
    std::unique_ptr<WebServer> server_;
    uint16_t port_ = 0;
    std::string origin_;
    std::mutex logMutex_;
    std::vector<std::string> log_;
};

TEST_F(WebServerTest, RefusesBrowsersThatHaveNotPaired) {
    EXPECT_EQ(Request(port_, http::verb::get, "/api/session").status, 401);
    EXPECT_EQ(
        Request(port_, http::verb::get, "/api/session", {{"Cookie", "kvt80_session=abc"}}).status,
        401);
    const Browser noCookie(port_, "", origin_);
    EXPECT_FALSE(noCookie.Open());
    EXPECT_EQ(UpgradeStatus(port_, "", origin_), 401);
    EXPECT_EQ(Request(port_, http::verb::get, "/pair?token=0123").status, 403);
    EXPECT_EQ(Request(port_, http::verb::get, "/api/health").status, 200);
}

TEST_F(WebServerTest, RefusesForeignOrigins) {
    const std::string cookie = Pair();
    EXPECT_EQ(Request(port_, http::verb::get, "/api/session", {{"Cookie", cookie}}).status, 200);
    const std::vector<std::string> foreign{"http://evil.example", "", "http://127.0.0.1:1",
                                           "https://127.0.0.1:" + std::to_string(port_)};
    for (const std::string& origin : foreign) {
        const Browser browser(port_, cookie, origin);
        EXPECT_FALSE(browser.Open()) << origin;
        EXPECT_EQ(UpgradeStatus(port_, cookie, origin), 403) << origin;
    }
    const std::string code = server_->PairingCode();
    const std::string body = Json{{"code", code}}.dump();
    EXPECT_EQ(
        Request(port_, http::verb::post, "/pair", {{"Origin", "http://evil.example"}}, body).status,
        403);
    EXPECT_EQ(Request(port_, http::verb::post, "/pair", {}, body).status, 403);
    // The refused requests did not use the code up.
    const HttpResult paired =
        Request(port_, http::verb::post, "/pair", {{"Origin", origin_}}, body);
    EXPECT_EQ(paired.status, 200);
    EXPECT_EQ(paired.cookie.rfind("kvt80_session=", 0), 0u);
}

TEST_F(WebServerTest, SetsTheSessionCookieHttpOnlyAndStrict) {
    net::io_context io;
    beast::tcp_stream stream(io);
    stream.connect(tcp::endpoint(net::ip::make_address("127.0.0.1"), port_));
    http::request<http::empty_body> request(http::verb::get,
                                            "/pair?token=" + server_->PairingToken(), 11);
    request.set(http::field::host, "127.0.0.1");
    http::write(stream, request);
    beast::flat_buffer buffer;
    http::response<http::string_body> response;
    http::read(stream, buffer, response);
    const std::string cookie(response[http::field::set_cookie]);
    EXPECT_NE(cookie.find("HttpOnly"), std::string::npos);
    EXPECT_NE(cookie.find("SameSite=Strict"), std::string::npos);
    EXPECT_EQ(std::string(response["Referrer-Policy"]), "no-referrer");
}

TEST_F(WebServerTest, KeepsSecretsOutOfTheLog) {
    const std::string token = server_->PairingToken();
    const std::string cookie = Pair();
    Request(port_, http::verb::get, "/pair?token=" + token);
    Browser browser(port_, cookie, origin_);
    browser.NextOfType("state");
    std::lock_guard lock(logMutex_);
    ASSERT_FALSE(log_.empty());
    for (const std::string& line : log_) {
        EXPECT_EQ(line.find(token), std::string::npos) << line;
        EXPECT_EQ(line.find(cookie.substr(cookie.find('=') + 1)), std::string::npos) << line;
    }
}

TEST_F(WebServerTest, APutReachesTheUnitsMemory) {
    auto browser = Open();
    ConnectUnit(*browser);
    browser->Send(Json{{"op", "put"},
                       {"id", 1},
                       {"name", "EQBand"},
                       {"channel", 1},
                       {"band", 14},
                       {"value", -3.0}});
    EXPECT_EQ(browser->Answer(1)["type"], "result");
    EXPECT_TRUE(WaitForMemory(kBlockCentreEq, kCentreBand14, 0xFFFFE2))
        << std::hex << unit_.Memory(kBlockCentreEq, kCentreBand14);
    double value = 0.0;
    engine_->get_EQBand(Variant::Int(1), Variant::Int(14), &value);
    EXPECT_DOUBLE_EQ(value, -3.0);
}

TEST_F(WebServerTest, DeliversEventsInOrder) {
    auto browser = Open();
    ConnectUnit(*browser);
    // A run of puts: their echoes come in the order sent, and the last one is what the unit keeps.
    for (int i = 0; i < 20; ++i) {
        browser->Send(Json{{"op", "put"},
                           {"id", 10 + i},
                           {"name", "Treble"},
                           {"channel", 0},
                           {"value", -2.0 + 0.1 * i}});
    }
    browser->Answer(29);
    browser->Send(Json{{"op", "analyser"}, {"on", true}, {"id", 50}});
    EXPECT_EQ(browser->Answer(50)["type"], "result");
    int frames = 0;
    browser->Next([&](const Json& m) {
        frames += m.value("name", "") == "SLAUpdate" ? 1 : 0;
        return frames == 5;
    });
    ASSERT_EQ(frames, 5);
    std::vector<double> trebles;
    int64_t last = 0;
    for (const Json& m : browser->Seen()) {
        if (!m.contains("seq")) {
            continue;
        }
        // The numbers only rise. A browser that falls behind (under a sanitizer, this one may)
        // loses analyser and level frames first, so a gap is allowed; the puts are all checked
        // below.
        EXPECT_GT(m["seq"].get<int64_t>(), last) << m.dump();
        last = m["seq"].get<int64_t>();
        if (m["type"] == "put" && m["name"] == "Treble") {
            trebles.push_back(m["value"]);
        }
        if (m.value("name", "") == "SLAUpdate") {
            EXPECT_EQ(m["values"].size(), 60u);
        }
    }
    ASSERT_EQ(trebles.size(), 20u);
    for (size_t i = 1; i < trebles.size(); ++i) {
        EXPECT_LT(trebles[i - 1], trebles[i]);
    }
    // The last treble, -0.1 dB, as the unit's 24-bit tenths.
    const ChannelPlace& left = ChannelMap(0);
    EXPECT_TRUE(WaitForMemory(left.block, left.region + kRegionTreble, 0xFFFFFF));
}

TEST_F(WebServerTest, AnswersBadMessagesWithAnErrorAndChangesNothing) {
    auto browser = Open();
    ConnectUnit(*browser);
    const uint32_t before = unit_.Memory(kBlockCentreEq, kCentreBand14);
    const std::string bad[] = {
        "{",
        "[1,2]",
        R"({"op":"put","id":3,"name":"EQBand","channel":1,"band":14,"value":60})",
        R"({"op":"put","id":4,"name":"EQBand","channel":1,"band":14,"value":-3,"x":1})",
        R"({"op":"delete","id":5})",
        R"({"op":"ping","id":6,"pad":")" + std::string(5000, 'x') + "\"}",
    };
    for (const std::string& text : bad) {
        browser->Send(text);
        const Json answer = browser->NextOfType("error");
        ASSERT_FALSE(answer.is_null()) << text.substr(0, 60);
        EXPECT_FALSE(answer["message"].get<std::string>().empty());
    }
    browser->Send(Json{{"op", "ping"}, {"id", 7}});
    EXPECT_EQ(browser->Answer(7)["type"], "result");
    EXPECT_EQ(unit_.Memory(kBlockCentreEq, kCentreBand14), before);

    // Far beyond any message: the connection ends, the server carries on.
    browser->Send(R"({"op":"ping","pad":")" + std::string(100000, 'x') + "\"}");
    EXPECT_TRUE(browser->NextOfType("never").is_null());
    EXPECT_FALSE(browser->Open());
    EXPECT_EQ(Request(port_, http::verb::get, "/api/health").status, 200);
    auto again = Open();
    again->Send(Json{{"op", "ping"}, {"id", 8}});
    EXPECT_EQ(again->Answer(8)["type"], "result");
}

TEST_F(WebServerTest, OneBrowserControlsTheOthersWatch) {
    auto first = Open();
    EXPECT_EQ(first->NextOfType("role")["control"], true);
    ConnectUnit(*first);
    auto second = Open();
    EXPECT_EQ(second->NextOfType("role")["control"], false);

    const Json put{{"op", "put"}, {"id", 20}, {"name", "Bass"}, {"channel", 2}, {"value", 4.0}};
    second->Send(put);
    const Json refused = second->Answer(20);
    EXPECT_EQ(refused["type"], "error");
    EXPECT_NE(refused["message"].get<std::string>().find("take control"), std::string::npos);
    double bass = 0.0;
    engine_->get_Bass(Variant::Int(2), &bass);
    EXPECT_NE(bass, 4.0);

    second->Send(Json{{"op", "control"}, {"id", 21}});
    EXPECT_EQ(second->Answer(21)["type"], "result");
    EXPECT_EQ(first->NextOfType("role")["control"], false);
    first->Send(put);
    EXPECT_EQ(first->Answer(20)["type"], "error");
    second->Send(put);
    EXPECT_EQ(second->Answer(20)["type"], "result");
    // The watcher sees the change the controller made.
    const Json seen = first->Next([](const Json& m) { return m["type"] == "put"; });
    EXPECT_EQ(seen["name"], "Bass");
    EXPECT_EQ(seen["value"], 4.0);
}

TEST_F(WebServerTest, EveryPageIsToldWhoControls) {
    auto first = Open();
    EXPECT_EQ(first->NextOfType("role")["control"], true);
    auto second = Open();
    auto third = Open();
    for (Browser* watcher : {second.get(), third.get()}) {
        const Json role = watcher->NextOfType("role");
        EXPECT_EQ(role["control"], false);
        EXPECT_EQ(role["others"], true);
    }
    // The controlling page goes: nobody is watched any more.
    first.reset();
    for (Browser* watcher : {second.get(), third.get()}) {
        const Json role = watcher->NextOfType("role");
        EXPECT_EQ(role["control"], false);
        EXPECT_EQ(role["others"], false);
    }
    // One takes control: the other watcher is told, not only the one that had it.
    third->Send(Json{{"op", "control"}, {"id", 40}});
    EXPECT_EQ(third->NextOfType("role")["control"], true);  // sent before the answer
    EXPECT_EQ(third->Answer(40)["type"], "result");
    const Json watching = second->NextOfType("role");
    EXPECT_EQ(watching["control"], false);
    EXPECT_EQ(watching["others"], true);
}

// Logging out ends the session's open pages too; the one that controlled gives control up and
// the watchers are told.
TEST_F(WebServerTest, LoggingOutClosesTheSessionsPagesAndFreesControl) {
    const std::string cookie = Pair();
    Browser first(port_, cookie, origin_);
    ASSERT_TRUE(first.Open());
    EXPECT_EQ(first.NextOfType("role")["control"], true);
    auto second = Open();
    EXPECT_EQ(second->NextOfType("role")["others"], true);

    const HttpResult out =
        Request(port_, http::verb::post, "/api/logout", {{"Cookie", cookie}, {"Origin", origin_}});
    EXPECT_EQ(out.status, 204);
    EXPECT_FALSE(first.NextOfType("expired").is_null());
    // The page answers the server's close, as a browser does; then it has left.
    first.Next([](const Json&) { return false; });
    EXPECT_FALSE(first.Open());
    const Json role = second->NextOfType("role");
    EXPECT_EQ(role["control"], false);
    EXPECT_EQ(role["others"], false);
    EXPECT_EQ(UpgradeStatus(port_, cookie, origin_), 401);
}

// Wrong codes lock code pairing for a while; the printed link keeps working meanwhile.
TEST_F(WebServerTest, WrongCodesLockCodePairingButNotTheLink) {
    const std::string code = server_->PairingCode();
    const std::string wrong = code == "000000" ? "000001" : "000000";
    const std::map<std::string, std::string> headers{{"Origin", origin_},
                                                     {"Content-Type", "application/json"}};
    const std::string token = server_->PairingToken();
    for (int i = 0; i < SessionStore::kCodeAttempts; ++i) {
        EXPECT_EQ(
            Request(port_, http::verb::post, "/pair", headers, Json{{"code", wrong}}.dump()).status,
            403);
    }
    const HttpResult locked = Request(port_, http::verb::post, "/pair", headers,
                                      Json{{"code", server_->PairingCode()}}.dump());
    EXPECT_EQ(locked.status, 429);
    EXPECT_EQ(server_->PairingToken(), token);
    EXPECT_EQ(Request(port_, http::verb::get, "/pair?token=" + token).status, 303);
}

TEST_F(WebServerTest, StartingTheGeneratorNeedsConfirmation) {
    auto browser = Open();
    ConnectUnit(*browser);
    browser->Send(Json{{"op", "put"}, {"id", 30}, {"name", "GeneratorChannels"}, {"value", 1}});
    EXPECT_EQ(browser->Answer(30)["type"], "error");
    Variant channels;
    engine_->get_GeneratorChannels(&channels);
    EXPECT_EQ(channels.Int32(), 0);
    browser->Send(Json{{"op", "put"},
                       {"id", 31},
                       {"name", "GeneratorChannels"},
                       {"value", 1},
                       {"confirmed", true}});
    EXPECT_EQ(browser->Answer(31)["type"], "result");
    const auto deadline = std::chrono::steady_clock::now() + 5s;
    while ((unit_.Memory(kBlockMatrix, kGeneratorControl) & kGeneratorLeft) == 0 &&
           std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(2ms);
    }
    EXPECT_NE(unit_.Memory(kBlockMatrix, kGeneratorControl) & kGeneratorLeft, 0u);
    // Moving a running generator needs no second confirmation; off needs none either.
    browser->Send(Json{{"op", "put"}, {"id", 32}, {"name", "GeneratorChannels"}, {"value", 3}});
    EXPECT_EQ(browser->Answer(32)["type"], "result");
    browser->Send(Json{{"op", "put"}, {"id", 33}, {"name", "GeneratorChannels"}, {"value", 0}});
    EXPECT_EQ(browser->Answer(33)["type"], "result");
}

TEST_F(WebServerTest, DownloadsAndUploadsTheConfiguration) {
    EXPECT_EQ(Request(port_, http::verb::get, "/api/config.kvt").status, 401);
    const std::string cookie = Pair();
    Browser controller(port_, cookie, origin_);
    ASSERT_TRUE(controller.Open());
    ConnectUnit(controller);
    const HttpResult file =
        Request(port_, http::verb::get, "/api/config.kvt", {{"Cookie", cookie}});
    ASSERT_EQ(file.status, 200);
    EXPECT_EQ(file.body.size(), 3332u);
    EXPECT_EQ(file.body.substr(0, 6), std::string("R\0D\0M\0", 6));  // the magic, UTF-16

    const std::map<std::string, std::string> headers{{"Cookie", cookie}, {"Origin", origin_}};
    EXPECT_EQ(Request(port_, http::verb::put, "/api/config.kvt", headers, "not a file").status,
              400);
    EXPECT_EQ(
        Request(port_, http::verb::put, "/api/config.kvt", {{"Cookie", cookie}}, file.body).status,
        403);
    const std::string watcherCookie = Pair();
    Browser watcher(port_, watcherCookie, origin_);
    ASSERT_TRUE(watcher.Open());
    EXPECT_EQ(Request(port_, http::verb::put, "/api/config.kvt",
                      {{"Cookie", watcherCookie}, {"Origin", origin_}}, file.body)
                  .status,
              403);
    EXPECT_EQ(Request(port_, http::verb::put, "/api/config.kvt", headers, file.body).status, 200);
}

TEST_F(WebServerTest, RefusesAFileWhileNoUnitIsConnected) {
    // Loaded without a unit, the file would change only the engine's image, which connecting
    // then reads over: the browser is told, not answered "sent".
    const std::string cookie = Pair();
    Browser controller(port_, cookie, origin_);
    ASSERT_TRUE(controller.Open());
    const HttpResult file =
        Request(port_, http::verb::get, "/api/config.kvt", {{"Cookie", cookie}});
    ASSERT_EQ(file.status, 200);
    const std::map<std::string, std::string> headers{{"Cookie", cookie}, {"Origin", origin_}};
    const HttpResult refused =
        Request(port_, http::verb::put, "/api/config.kvt", headers, file.body);
    EXPECT_EQ(refused.status, 409);
    EXPECT_NE(refused.body.find("connect first"), std::string::npos) << refused.body;
    ConnectUnit(controller);
    EXPECT_EQ(Request(port_, http::verb::put, "/api/config.kvt", headers, file.body).status, 200);
}

class ShortSessions : public WebServerTest {
  protected:
    void SetUp() override { StartServer(1s); }
};

TEST_F(ShortSessions, AnIdleSessionEndsAndIsRefusedAfterwards) {
    const std::string cookie = Pair();
    Browser browser(port_, cookie, origin_);
    ASSERT_TRUE(browser.Open());
    // Nothing is sent: the session goes idle and the server says so before closing.
    EXPECT_FALSE(browser.NextOfType("expired").is_null());
    EXPECT_EQ(Request(port_, http::verb::get, "/api/session", {{"Cookie", cookie}}).status, 401);
    const Browser late(port_, cookie, origin_);
    EXPECT_FALSE(late.Open());
    EXPECT_EQ(UpgradeStatus(port_, cookie, origin_), 401);
}

}  // namespace
}  // namespace kvt::web
