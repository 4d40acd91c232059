#include "WebServer.h"

// Boost 1.74's Asio uses std::exchange without including it.
#include <utility>

#include <unistd.h>
#include <boost/asio.hpp>
#include <boost/beast/core.hpp>
#include <boost/beast/http.hpp>
#include <boost/beast/websocket.hpp>

#include <cmath>
#include <condition_variable>
#include <deque>
#include <fstream>
#include <future>
#include <map>
#include <mutex>
#include <nlohmann/json.hpp>
#include <set>
#include <stdexcept>

#include "EngineState.h"
#include "Protocol.h"
#include "Sessions.h"
#include "text/Codepage.h"

namespace kvt::web {

namespace net = boost::asio;
namespace beast = boost::beast;
namespace http = beast::http;
namespace websocket = beast::websocket;
using tcp = net::ip::tcp;
using Json = nlohmann::json;

namespace {

constexpr const char* kCookieName = "kvt80_session";
constexpr size_t kBodyLimit = 16 * 1024;
constexpr size_t kHeaderLimit = 8 * 1024;
// Messages up to this size are read and answered (with an error when over kMaxMessageBytes);
// a larger one ends the connection.
constexpr size_t kFrameLimit = 64 * 1024;
// A client this far behind loses analyser frames and levels; this far, the connection.
constexpr size_t kStreamBacklog = 8;
constexpr size_t kMaxBacklog = 512;

struct StaticFile {
    std::string body;
    std::string type;
};

std::string ContentType(const std::filesystem::path& path) {
    const std::string extension = path.extension().string();
    if (extension == ".html") {
        return "text/html; charset=utf-8";
    }
    if (extension == ".js") {
        return "text/javascript; charset=utf-8";
    }
    if (extension == ".css") {
        return "text/css; charset=utf-8";
    }
    if (extension == ".svg") {
        return "image/svg+xml";
    }
    if (extension == ".png") {
        return "image/png";
    }
    if (extension == ".json" || extension == ".webmanifest") {
        return "application/json";
    }
    return "application/octet-stream";
}

// The page's files, read once at start: requests are looked up by name and never reach the file
// system, so no path can lead out of the folder.
std::map<std::string, StaticFile> LoadApp(const std::filesystem::path& folder) {
    std::map<std::string, StaticFile> files;
    std::error_code error;
    if (folder.empty() || !std::filesystem::is_directory(folder, error)) {
        return files;
    }
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder, error)) {
        if (!entry.is_regular_file()) {
            continue;
        }
        std::ifstream in(entry.path(), std::ios::binary);
        std::string body((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        const std::string name =
            "/" + std::filesystem::relative(entry.path(), folder, error).generic_string();
        files[name] = {std::move(body), ContentType(entry.path())};
    }
    if (const auto index = files.find("/index.html"); index != files.end()) {
        files["/"] = index->second;
    }
    return files;
}

std::string CookieSession(std::string_view header) {
    const std::string_view key = "kvt80_session=";
    size_t at = 0;
    while ((at = header.find(key, at)) != std::string_view::npos) {
        if (at == 0 || header[at - 1] == ' ' || header[at - 1] == ';') {
            const size_t start = at + key.size();
            const size_t end = header.find(';', start);
            return std::string(header.substr(
                start, end == std::string_view::npos ? std::string_view::npos : end - start));
        }
        at += key.size();
    }
    return {};
}

std::string QueryValue(std::string_view target, std::string_view key) {
    const size_t question = target.find('?');
    if (question == std::string_view::npos) {
        return {};
    }
    std::string_view query = target.substr(question + 1);
    while (!query.empty()) {
        const size_t amp = query.find('&');
        const std::string_view pair = query.substr(0, amp);
        if (pair.size() > key.size() && pair.substr(0, key.size()) == key &&
            pair[key.size()] == '=') {
            return std::string(pair.substr(key.size() + 1));
        }
        if (amp == std::string_view::npos) {
            break;
        }
        query.remove_prefix(amp + 1);
    }
    return {};
}

Json PutEcho(const ClientMessage& message) {
    // Every client shows the unit as it now stands, including the one that moved it.
    Json change{
        {"type", "put"}, {"name", PropertyName(message.property)}, {"value", message.value}};
    if (message.property == Property::EQBand || message.property == Property::Bass ||
        message.property == Property::Treble || message.property == Property::OutputGain) {
        change["channel"] = message.channel;
    }
    if (message.property == Property::EQBand) {
        change["band"] = message.band;
    }
    return change;
}

std::string_view PathOf(std::string_view target) {
    return target.substr(0, target.find('?'));
}

}  // namespace

// ---- The state shared by the network thread's objects ------------------------------------------

class WsClient;
class HttpConnection;

struct WebServer::Impl : std::enable_shared_from_this<WebServer::Impl> {
    Impl(IKVT80& engine, ServerOptions options)
        : engine(engine),
          options(std::move(options)),
          sessions(this->options.idleTime, this->options.secretsChanged),
          io(std::make_unique<net::io_context>()),
          acceptor(*io),
          expiryTimer(*io) {}

    void Log(const std::string& line) const {
        if (options.log) {
            options.log(line);
        }
    }

    // Network thread only.
    void Accept();
    void CheckExpiry();
    void Broadcast(const Json& event, bool stream);
    void Join(const std::shared_ptr<WsClient>& client);
    void Leave(WsClient* client);
    void Handle(const std::shared_ptr<WsClient>& client, std::string_view text);
    void Answer(WsClient& client, int64_t id, bool ok, const std::string& error = {});
    void SendState(const std::shared_ptr<WsClient>& client);
    void SendRole(WsClient& client);
    void SendRoles();
    // Tells the pages of these sessions that they ended, and closes them.
    void CloseSessions(const std::set<std::string>& ended);
    void Put(const std::shared_ptr<WsClient>& client, const ClientMessage& message);
    void RunFlow(const std::shared_ptr<WsClient>& client, const ClientMessage& message);
    bool Controls(const WsClient& client) const;
    bool SessionControls(const std::string& session) const;
    void SaveConfiguration(const std::shared_ptr<HttpConnection>& connection);
    void LoadConfiguration(const std::shared_ptr<HttpConnection>& connection, std::string body);

    // Any thread.
    void Post(std::function<void()> work) {
        std::lock_guard lock(postMutex);
        if (!stopped) {
            net::post(*io, std::move(work));
        }
    }
    // Engine calls run in order on the engine thread: a put can wait for an exchange the
    // worker has in flight, and the network thread must not.
    void OnEngineThread(std::function<void()> job);
    void EngineThreadMain(std::stop_token stop);
    int32_t CallPut(const ClientMessage& message, std::string& refusal);

    IKVT80& engine;
    ServerOptions options;
    SessionStore sessions;
    std::map<std::string, StaticFile> files;
    // Destroyed by Stop once the network thread has ended, with every handler still queued (they
    // hold the connections).
    std::unique_ptr<net::io_context> io;
    std::optional<tcp::acceptor> acceptor;
    std::optional<net::steady_timer> expiryTimer;
    std::mutex postMutex;
    bool stopped = false;
    int clientNumbers = 0;
    std::thread network;

    std::vector<std::weak_ptr<WsClient>> clients;
    WsClient* controller = nullptr;
    uint64_t sequence = 0;
    std::shared_ptr<IKVTEvents> sink;
    uint32_t cookie = 0;

    // The engine thread's queue.
    std::mutex engineMutex;
    std::condition_variable_any engineWake;
    std::deque<std::function<void()>> engineJobs;
    bool flowBusy = false;  // network thread's view: a connect or disconnect is queued or running
    std::jthread engineThread;
};

// ---- WebSocket client
// ----------------------------------------------------------------------------

class WsClient : public std::enable_shared_from_this<WsClient> {
  public:
    WsClient(std::shared_ptr<WebServer::Impl> server, beast::tcp_stream stream, std::string session)
        : server_(std::move(server)), ws_(std::move(stream)), session_(std::move(session)) {}

    void Start(http::request<http::string_body> request) {
        // The HTTP request's 30-second limit would end the WebSocket too: it keeps its own.
        beast::get_lowest_layer(ws_).expires_never();
        ws_.set_option(websocket::stream_base::timeout::suggested(beast::role_type::server));
        ws_.read_message_max(kFrameLimit);
        ws_.text(true);
        ws_.async_accept(request, [self = shared_from_this()](beast::error_code error) {
            if (error) {
                return;
            }
            self->server_->Join(self);
            self->Read();
        });
    }

    // Queues a message; stream messages (analyser, levels) are dropped for a client that is
    // behind, and a client far behind is closed.
    void Send(std::shared_ptr<const std::string> message, bool stream) {
        if (closed_ || (stream && queue_.size() >= kStreamBacklog)) {
            return;
        }
        if (queue_.size() >= kMaxBacklog) {
            Close(websocket::close_code::policy_error);
            return;
        }
        queue_.push_back(std::move(message));
        if (queue_.size() == 1) {
            Write();
        }
    }

    void Close(websocket::close_code code) {
        if (closed_) {
            return;
        }
        closed_ = true;
        queue_.clear();
        ws_.async_close(code, [self = shared_from_this()](beast::error_code) {});
    }

    const std::string& Session() const { return session_; }
    int Number() const { return number_; }
    void SetNumber(int number) { number_ = number; }

  private:
    void Read() {
        ws_.async_read(buffer_, [self = shared_from_this()](beast::error_code error, size_t) {
            if (error) {
                self->closed_ = true;
                self->server_->Leave(self.get());
                return;
            }
            const std::string text = beast::buffers_to_string(self->buffer_.data());
            self->buffer_.consume(self->buffer_.size());
            self->server_->Handle(self, text);
            // A client closed while its message was handled (its session had ended) has no read
            // left to notice: it leaves here, so it cannot stay the controller.
            if (self->closed_) {
                self->server_->Leave(self.get());
                return;
            }
            self->Read();
        });
    }

    // The handler holds the message: Close empties the queue while a write may be under way.
    void Write() {
        ws_.async_write(
            net::buffer(*queue_.front()),
            [self = shared_from_this(), message = queue_.front()](beast::error_code error, size_t) {
                if (error) {
                    self->closed_ = true;
                    self->queue_.clear();
                    return;
                }
                if (!self->queue_.empty()) {
                    self->queue_.pop_front();
                }
                if (!self->queue_.empty()) {
                    self->Write();
                }
            });
    }

    std::shared_ptr<WebServer::Impl> server_;
    websocket::stream<beast::tcp_stream> ws_;
    beast::flat_buffer buffer_;
    std::deque<std::shared_ptr<const std::string>> queue_;
    std::string session_;
    int number_ = 0;
    bool closed_ = false;
};

// ---- HTTP connection
// -----------------------------------------------------------------------------

class HttpConnection : public std::enable_shared_from_this<HttpConnection> {
  public:
    HttpConnection(std::shared_ptr<WebServer::Impl> server, tcp::socket socket)
        : server_(std::move(server)), stream_(std::move(socket)) {}

    void Read() {
        parser_.emplace();
        parser_->body_limit(kBodyLimit);
        parser_->header_limit(kHeaderLimit);
        stream_.expires_after(std::chrono::seconds(30));
        http::async_read(stream_, buffer_, *parser_,
                         [self = shared_from_this()](beast::error_code error, size_t) {
                             if (error) {
                                 if (error != http::error::end_of_stream) {
                                     self->Refuse(http::status::bad_request, "bad request");
                                 }
                                 return;
                             }
                             self->Route(self->parser_->release());
                         });
    }

  private:
    using Request = http::request<http::string_body>;
    using Response = http::response<http::string_body>;

    bool OriginAllowed(const Request& request) const {
        const auto origin = request.find(http::field::origin);
        const auto host = request.find(http::field::host);
        if (origin == request.end() || host == request.end() || host->value().empty()) {
            return false;
        }
        const std::string expected = "http://" + std::string(host->value());
        return beast::iequals(origin->value(), expected);
    }

    std::string SessionOf(const Request& request) const {
        const auto cookie = request.find(http::field::cookie);
        return cookie == request.end() ? std::string()
                                       : CookieSession(std::string_view(cookie->value().data(),
                                                                        cookie->value().size()));
    }

    void Route(Request request) {
        WebServer::Impl& server = *server_;
        const std::string_view target(request.target().data(), request.target().size());
        const std::string_view path = PathOf(target);
        const auto now = Clock::now();
        const bool changes =
            request.method() != http::verb::get && request.method() != http::verb::head;
        if (changes && !OriginAllowed(request)) {
            return Refuse(http::status::forbidden, "origin not allowed", request.keep_alive());
        }
        if (websocket::is_upgrade(request)) {
            if (path != "/ws") {
                return Refuse(http::status::not_found, "not found", false);
            }
            if (!OriginAllowed(request)) {
                server.Log("WebSocket refused: origin not allowed");
                return Refuse(http::status::forbidden, "origin not allowed", false);
            }
            const std::string session = SessionOf(request);
            if (!server.sessions.Touch(session, now)) {
                return Refuse(http::status::unauthorized, "not paired", false);
            }
            std::make_shared<WsClient>(server_, std::move(stream_), session)
                ->Start(std::move(request));
            return;
        }
        if (path == "/pair" && request.method() == http::verb::get) {
            return PairWithToken(request, QueryValue(target, "token"));
        }
        if (path == "/pair" && request.method() == http::verb::post) {
            return PairWithCode(request);
        }
        if (path == "/api/health" && request.method() == http::verb::get) {
            return Reply(request, http::status::ok, R"({"status":"ok"})", "application/json");
        }
        if (path == "/api/session") {
            if (!server.sessions.Touch(SessionOf(request), now)) {
                return Refuse(http::status::unauthorized, "not paired", request.keep_alive());
            }
            return Reply(request, http::status::ok, R"({"paired":true})", "application/json");
        }
        if (path == "/api/logout" && request.method() == http::verb::post) {
            const std::string session(SessionOf(request));
            server.sessions.End(session);
            // The session's open pages end with it.
            if (!session.empty()) {
                server.CloseSessions({session});
            }
            auto response = MakeResponse(request, http::status::no_content, "", "text/plain");
            response.set(http::field::set_cookie, std::string(kCookieName) +
                                                      "=; Path=/; Max-Age=0; HttpOnly; "
                                                      "SameSite=Strict");
            return Send(std::move(response));
        }
        if (path == "/api/config.kvt") {
            return Configuration(std::move(request), now);
        }
        if (request.method() == http::verb::get || request.method() == http::verb::head) {
            const auto file = server.files.find(std::string(path));
            if (file != server.files.end()) {
                return Reply(request, http::status::ok, file->second.body, file->second.type);
            }
        }
        Refuse(http::status::not_found, "not found", request.keep_alive());
    }

    // GET: the engine's configuration as a .kvt file; PUT or POST: a .kvt file sent to the unit,
    // by the browser in control only.
    void Configuration(Request request, Clock::time_point now) {
        WebServer::Impl& server = *server_;
        const std::string session = SessionOf(request);
        if (!server.sessions.Touch(session, now)) {
            return Refuse(http::status::unauthorized, "not paired", request.keep_alive());
        }
        version_ = request.version();
        keepAlive_ = request.keep_alive();
        if (request.method() == http::verb::get) {
            return server.SaveConfiguration(shared_from_this());
        }
        if (request.method() != http::verb::put && request.method() != http::verb::post) {
            return Refuse(http::status::method_not_allowed, "GET or PUT", request.keep_alive());
        }
        if (!server.SessionControls(session)) {
            return Refuse(http::status::forbidden, "watching: take control to change the unit",
                          request.keep_alive());
        }
        if (server.flowBusy) {
            return Refuse(http::status::conflict, "busy: wait for the connection to finish",
                          request.keep_alive());
        }
        server.LoadConfiguration(shared_from_this(), std::move(request.body()));
    }

  public:
    // The answer to a request an engine call finished (on the network thread).
    void Deliver(http::status status, std::string body, const std::string& type,
                 const std::string& disposition = {}) {
        Request request;
        request.version(version_);
        request.keep_alive(keepAlive_);
        auto response = MakeResponse(request, status, std::move(body), type);
        if (!disposition.empty()) {
            response.set(http::field::content_disposition, disposition);
        }
        Send(std::move(response));
    }

  private:
    void PairWithToken(const Request& request, const std::string& token) {
        const auto session = server_->sessions.PairWithToken(token, Clock::now());
        if (!session) {
            server_->Log("pairing refused: the link's token is wrong or used");
            return Reply(request, http::status::forbidden,
                         "<!doctype html><meta name=viewport content='width=device-width'>"
                         "<p>This pairing link is wrong or has been used. Ask for a new one at "
                         "the server, or <a href='/'>enter the code</a>.</p>",
                         "text/html; charset=utf-8");
        }
        server_->Log("a browser paired with the link");
        auto response = MakeResponse(request, http::status::see_other, "", "text/plain");
        response.set(http::field::location, "/");
        SetSessionCookie(response, *session);
        Send(std::move(response));
    }

    void PairWithCode(const Request& request) {
        const Json body = Json::parse(request.body(), nullptr, false);
        const auto code = body.is_object() ? body.find("code") : body.end();
        if (!body.is_object() || code == body.end() || !code->is_string()) {
            return Reply(request, http::status::bad_request, R"({"error":"code missing"})",
                         "application/json");
        }
        const auto now = Clock::now();
        if (server_->sessions.CodeLocked(now)) {
            server_->Log("pairing refused: codes locked after wrong ones");
            return Reply(request, http::status::too_many_requests,
                         R"({"error":"too many wrong codes: wait, or use the printed link"})",
                         "application/json");
        }
        const auto session = server_->sessions.PairWithCode(code->get<std::string>(), now);
        if (!session) {
            server_->Log("pairing refused: wrong code");
            return Reply(request, http::status::forbidden, R"({"error":"wrong code"})",
                         "application/json");
        }
        server_->Log("a browser paired with the code");
        auto response =
            MakeResponse(request, http::status::ok, R"({"paired":true})", "application/json");
        SetSessionCookie(response, *session);
        Send(std::move(response));
    }

    static void SetSessionCookie(Response& response, const std::string& session) {
        response.set(http::field::set_cookie, std::string(kCookieName) + "=" + session +
                                                  "; Path=/; HttpOnly; SameSite=Strict");
    }

    static Response MakeResponse(const Request& request, http::status status, std::string body,
                                 const std::string& type) {
        Response response(status, request.version());
        response.set(http::field::server, "kvt80-web");
        response.set(http::field::content_type, type);
        response.set(http::field::cache_control, "no-store");
        response.set("X-Content-Type-Options", "nosniff");
        response.set("X-Frame-Options", "DENY");
        // The pairing link carries its token in the address: never pass it on.
        response.set("Referrer-Policy", "no-referrer");
        response.set("Content-Security-Policy",
                     "default-src 'self'; connect-src 'self'; img-src 'self' data:; "
                     "style-src 'self'; frame-ancestors 'none'");
        response.keep_alive(request.keep_alive());
        if (request.method() != http::verb::head) {
            response.body() = std::move(body);
        }
        response.prepare_payload();
        return response;
    }

    void Reply(const Request& request, http::status status, std::string body,
               const std::string& type) {
        Send(MakeResponse(request, status, std::move(body), type));
    }

    void Refuse(http::status status, const std::string& text, bool keepAlive = false) {
        Request request;
        request.version(11);
        request.keep_alive(keepAlive);
        Send(MakeResponse(request, status, Json{{"error", text}}.dump(), "application/json"));
    }

    void Send(Response response) {
        // An answer may come long after the request (a configuration waits for the engine).
        stream_.expires_after(std::chrono::seconds(30));
        auto shared = std::make_shared<Response>(std::move(response));
        http::async_write(
            stream_, *shared, [self = shared_from_this(), shared](beast::error_code error, size_t) {
                if (error || !shared->keep_alive()) {
                    beast::error_code ignored;
                    self->stream_.socket().shutdown(tcp::socket::shutdown_send, ignored);
                    return;
                }
                self->Read();
            });
    }

    std::shared_ptr<WebServer::Impl> server_;
    beast::tcp_stream stream_;
    beast::flat_buffer buffer_;
    std::optional<http::request_parser<http::string_body>> parser_;
    unsigned version_ = 11;
    bool keepAlive_ = false;
};

// ---- The hub: clients, control, engine calls
// -----------------------------------------------------

void WebServer::Impl::Accept() {
    acceptor->async_accept(
        [self = shared_from_this()](beast::error_code error, tcp::socket socket) {
            if (error) {
                if (error != net::error::operation_aborted) {
                    self->Accept();
                }
                return;
            }
            // Answers and events are small writes that follow each other: without this, the
            // second waits for the browser's delayed acknowledgement of the first (40 ms).
            beast::error_code ignored;
            socket.set_option(tcp::no_delay(true), ignored);
            std::make_shared<HttpConnection>(self, std::move(socket))->Read();
            self->Accept();
        });
}

void WebServer::Impl::CheckExpiry() {
    expiryTimer->expires_after(options.expiryCheck);
    expiryTimer->async_wait([self = shared_from_this()](beast::error_code error) {
        if (error) {
            return;
        }
        const auto expired = self->sessions.ExpireIdle(Clock::now());
        if (!expired.empty()) {
            self->CloseSessions({expired.begin(), expired.end()});
            self->Log(std::to_string(expired.size()) + " idle session(s) ended");
        }
        self->CheckExpiry();
    });
}

void WebServer::Impl::CloseSessions(const std::set<std::string>& ended) {
    for (const auto& weak : clients) {
        if (const auto client = weak.lock(); client && ended.count(client->Session())) {
            client->Send(std::make_shared<const std::string>(R"({"type":"expired"})"), false);
            client->Close(websocket::close_code::policy_error);
        }
    }
}

bool WebServer::Impl::Controls(const WsClient& client) const {
    return controller == &client;
}

void WebServer::Impl::Join(const std::shared_ptr<WsClient>& client) {
    client->SetNumber(++clientNumbers);
    clients.push_back(client);
    // The first browser controls; later ones watch until they take control.
    if (controller == nullptr && clients.size() == 1) {
        controller = client.get();
    }
    Log("client " + std::to_string(client->Number()) + " joined" +
        (Controls(*client) ? " in control" : ", watching"));
    SendRole(*client);
    SendState(client);
}

void WebServer::Impl::Leave(WsClient* client) {
    const bool controlled = controller == client;
    if (controlled) {
        controller = nullptr;
    }
    std::erase_if(clients, [client](const std::weak_ptr<WsClient>& weak) {
        const auto locked = weak.lock();
        return !locked || locked.get() == client;
    });
    Log("client " + std::to_string(client->Number()) + " left");
    // The watchers no longer watch anyone: their pages offer control without "Watching".
    if (controlled) {
        SendRoles();
    }
}

void WebServer::Impl::Broadcast(const Json& event, bool stream) {
    Json message = event;
    message["seq"] = ++sequence;
    const auto text = std::make_shared<const std::string>(message.dump());
    for (const auto& weak : clients) {
        if (const auto client = weak.lock()) {
            client->Send(text, stream);
        }
    }
}

void WebServer::Impl::SendRoles() {
    for (const auto& weak : clients) {
        if (const auto client = weak.lock()) {
            SendRole(*client);
        }
    }
}

void WebServer::Impl::SendRole(WsClient& client) {
    client.Send(std::make_shared<const std::string>(Json{
                    {"type", "role"},
                    {"control", Controls(client)},
                    {"others", controller != nullptr &&
                                   !Controls(client)}}.dump()),
                false);
}

void WebServer::Impl::SendState(const std::shared_ptr<WsClient>& client) {
    OnEngineThread([this, weak = std::weak_ptr<WsClient>(client)] {
        Json state = ReadState(engine);
        state["type"] = "state";
        Post([this, weak, state = std::move(state)]() mutable {
            if (const auto client = weak.lock()) {
                state["busy"] = flowBusy;
                client->Send(std::make_shared<const std::string>(state.dump()), false);
            }
        });
    });
}

void WebServer::Impl::Answer(WsClient& client, int64_t id, bool ok, const std::string& error) {
    Json answer{{"type", ok ? "result" : "error"}, {"id", id}};
    if (!ok) {
        answer["message"] = error;
    }
    client.Send(std::make_shared<const std::string>(answer.dump()), false);
}

void WebServer::Impl::Handle(const std::shared_ptr<WsClient>& client, std::string_view text) {
    if (!sessions.Touch(client->Session(), Clock::now())) {
        client->Send(std::make_shared<const std::string>(R"({"type":"expired"})"), false);
        client->Close(websocket::close_code::policy_error);
        return;
    }
    const ParseResult parsed = ParseClientMessage(text);
    if (!parsed.message) {
        Answer(*client, parsed.id, false, parsed.error);
        return;
    }
    const ClientMessage& message = *parsed.message;
    switch (message.operation) {
        case Operation::Ping:
            return Answer(*client, message.id, true);
        case Operation::Snapshot:
            SendState(client);
            return Answer(*client, message.id, true);
        case Operation::TakeControl: {
            controller = client.get();
            Log("client " + std::to_string(client->Number()) + " took control");
            // Every page shows who controls: the one that had it and the other watchers too.
            SendRoles();
            return Answer(*client, message.id, true);
        }
        default:
            break;
    }
    if (!Controls(*client)) {
        return Answer(*client, message.id, false, "watching: take control to change the unit");
    }
    if (flowBusy) {
        return Answer(*client, message.id, false, "busy: wait for the connection to finish");
    }
    if (message.operation == Operation::Put) {
        return Put(client, message);
    }
    RunFlow(client, message);
}

int32_t WebServer::Impl::CallPut(const ClientMessage& message, std::string& refusal) {
    const Variant channel = Variant::Int(message.channel);
    switch (message.property) {
        case Property::EQBand:
            return engine.put_EQBand(channel, Variant::Int(message.band), message.value);
        case Property::Bass:
            return engine.put_Bass(channel, message.value);
        case Property::Treble:
            return engine.put_Treble(channel, message.value);
        case Property::OutputGain:
            return engine.put_OutputGain(channel, message.value);
        case Property::GeneratorMode:
            return engine.put_GeneratorMode(Variant::Int(static_cast<int32_t>(message.value)));
        case Property::SLASumAndDiff:
            return engine.put_SLASumAndDiff(message.value != 0.0 ? VARIANT_TRUE : VARIANT_FALSE);
        case Property::GeneratorChannels: {
            // Sound in the auditorium only when the person at the page said so.
            Variant current;
            engine.get_GeneratorChannels(&current);
            if (current.Int32() == 0 && message.value != 0.0 && !message.confirmed) {
                refusal = "confirm to start the generator";
                return status::InvalidArgument;
            }
            return engine.put_GeneratorChannels(Variant::Int(static_cast<int32_t>(message.value)));
        }
    }
    return status::InvalidArgument;
}

void WebServer::Impl::Put(const std::shared_ptr<WsClient>& client, const ClientMessage& message) {
    OnEngineThread([this, weak = std::weak_ptr<WsClient>(client), message] {
        std::string refusal;
        const int32_t result = CallPut(message, refusal);
        Post([this, weak, message, result, refusal] {
            const auto client = weak.lock();
            if (result != status::Ok) {
                if (client) {
                    Answer(*client, message.id, false,
                           !refusal.empty() ? refusal
                                            : "the engine refused " +
                                                  std::string(PropertyName(message.property)) +
                                                  ": " + std::string(status::Meaning(result)));
                }
                return;
            }
            if (client) {
                Answer(*client, message.id, true);
            }
            Broadcast(PutEcho(message), false);
        });
    });
}

bool WebServer::Impl::SessionControls(const std::string& session) const {
    return controller != nullptr && SameSecret(controller->Session(), session);
}

namespace {

// A private file for the engine's Save and Load, removed when it goes.
class TemporaryFile {
  public:
    TemporaryFile() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "kvt80-web-XXXXXX.kvt").string();
        const int fd = mkstemps(pattern.data(), 4);
        if (fd >= 0) {
            ::close(fd);
            path_ = pattern;
        }
    }
    ~TemporaryFile() {
        if (!path_.empty()) {
            std::error_code ignored;
            std::filesystem::remove(path_, ignored);
        }
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    const std::string& Path() const { return path_; }

  private:
    std::string path_;
};

}  // namespace

void WebServer::Impl::SaveConfiguration(const std::shared_ptr<HttpConnection>& connection) {
    OnEngineThread([this, connection] {
        TemporaryFile file;
        std::string bytes;
        int32_t result = status::InvalidArgument;
        if (!file.Path().empty()) {
            result = engine.Save(Variant::String(FromUtf8(file.Path())), Variant::Bool(false));
            std::ifstream in(file.Path(), std::ios::binary);
            bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        }
        Post([connection, result, bytes = std::move(bytes)]() mutable {
            if (result != status::Ok || bytes.empty()) {
                return connection->Deliver(http::status::internal_server_error,
                                           R"({"error":"the configuration could not be written"})",
                                           "application/json");
            }
            connection->Deliver(http::status::ok, std::move(bytes), "application/octet-stream",
                                "attachment; filename=\"KVT-80.kvt\"");
        });
    });
}

void WebServer::Impl::LoadConfiguration(const std::shared_ptr<HttpConnection>& connection,
                                        std::string body) {
    Log("a configuration file was sent to the unit");
    OnEngineThread([this, connection, body = std::move(body)] {
        // Without a unit the file would only change the engine's image, and connecting reads
        // the unit over it: refused rather than reported as sent.
        Variant connected;
        if (engine.get_Connected(&connected) != status::Ok || !connected.IsTrue()) {
            return Post([connection] {
                connection->Deliver(http::status::conflict,
                                    R"({"error":"no unit connected: connect first"})",
                                    "application/json");
            });
        }
        TemporaryFile file;
        int32_t result = status::InvalidArgument;
        if (!file.Path().empty()) {
            std::ofstream(file.Path(), std::ios::binary | std::ios::trunc)
                .write(body.data(), static_cast<std::streamsize>(body.size()));
            // The engine checks the file whole before it changes anything.
            result = engine.Load(Variant::String(FromUtf8(file.Path())));
        }
        Post([this, connection, result] {
            if (result != status::Ok) {
                return connection->Deliver(http::status::bad_request,
                                           R"({"error":"not a KVT-80 configuration file"})",
                                           "application/json");
            }
            connection->Deliver(http::status::ok, R"({"loaded":true})", "application/json");
            for (const auto& each : clients) {
                if (const auto other = each.lock()) {
                    SendState(other);
                }
            }
        });
    });
}

void WebServer::Impl::RunFlow(const std::shared_ptr<WsClient>& client,
                              const ClientMessage& message) {
    const std::weak_ptr<WsClient> weak = client;
    const int64_t id = message.id;
    if (message.operation == Operation::Analyser) {
        OnEngineThread([this, weak, id, on = message.on] {
            // Both only set words in the image and queue them.
            const int32_t result = on ? engine.StartSLA() : engine.StopSLA();
            VariantBool sumAndDiff = VARIANT_FALSE;
            engine.get_SLASumAndDiff(&sumAndDiff);
            // StopSLA leaves the flag set when the unit is not ready: report what holds.
            VariantBool running = VARIANT_FALSE;
            engine.get_SLARunning(&running);
            Post([this, weak, id, result, sumAndDiff, running] {
                if (const auto client = weak.lock()) {
                    Answer(*client, id, result == status::Ok, std::string(status::Meaning(result)));
                }
                // Neither member raises SLARunning: every page is told here.
                if (result == status::Ok) {
                    Broadcast(Json{{"type", "event"},
                                   {"name", "SLARunning"},
                                   {"running", running == VARIANT_TRUE},
                                   {"sumAndDiff", sumAndDiff == VARIANT_TRUE}},
                              false);
                }
            });
        });
        return;
    }
    const bool connect = message.operation == Operation::Connect;
    const std::string name = connect ? "connect" : "disconnect";
    flowBusy = true;
    Broadcast(Json{{"type", "flow"}, {"flow", name}, {"running", true}}, false);
    OnEngineThread([this, connect, store = message.store, verify = message.verify, name, weak, id] {
        const std::string failure =
            connect ? ConnectFlow(engine) : DisconnectFlow(engine, store, verify);
        Post([this, failure, name, weak, id] {
            flowBusy = false;
            if (const auto client = weak.lock()) {
                Answer(*client, id, failure.empty(), failure);
            }
            Broadcast(Json{{"type", "flow"},
                           {"flow", name},
                           {"running", false},
                           {"ok", failure.empty()},
                           {"message", failure}},
                      false);
            for (const auto& each : clients) {
                if (const auto other = each.lock()) {
                    SendState(other);
                }
            }
        });
    });
}

void WebServer::Impl::OnEngineThread(std::function<void()> job) {
    {
        std::lock_guard lock(engineMutex);
        engineJobs.push_back(std::move(job));
    }
    engineWake.notify_one();
}

void WebServer::Impl::EngineThreadMain(std::stop_token stop) {
    while (true) {
        std::function<void()> job;
        {
            std::unique_lock lock(engineMutex);
            if (!engineWake.wait(lock, stop, [this] { return !engineJobs.empty(); }) ||
                stop.stop_requested()) {
                return;
            }
            job = std::move(engineJobs.front());
            engineJobs.pop_front();
        }
        job();
    }
}

// ---- Engine events
// -------------------------------------------------------------------------------

namespace {

// Copies each event's data on the raising thread and hands it to the network thread.
class EventForwarder : public IKVTEvents {
  public:
    explicit EventForwarder(std::weak_ptr<WebServer::Impl> server) : server_(std::move(server)) {}

    void ConnectionProgress(int32_t state, int32_t position, int32_t end) override {
        Forward(
            {{"name", "ConnectionProgress"}, {"state", state}, {"pos", position}, {"end", end}});
    }
    void MainFaderUpdated(int32_t level) override {
        Forward({{"name", "MainFaderUpdated"}, {"level", level}});
    }
    void InputFormatChanged(int32_t format) override {
        Forward({{"name", "InputFormatChanged"}, {"format", format}});
    }
    void UnitDisappeared() override { Forward({{"name", "UnitDisappeared"}}); }
    void DSPSaveProgress(int32_t state, int32_t position, int32_t end) override {
        Forward({{"name", "DSPSaveProgress"}, {"state", state}, {"pos", position}, {"end", end}});
    }
    void UploadProgress(int32_t state, int32_t position, int32_t end) override {
        Forward({{"name", "UploadProgress"}, {"state", state}, {"pos", position}, {"end", end}});
    }
    void InputLevelsUpdated(double left, double right) override {
        Forward({{"name", "InputLevelsUpdated"}, {"left", Tenths(left)}, {"right", Tenths(right)}},
                true);
    }
    void SelectedPreampChanged(int32_t preamp) override {
        Forward({{"name", "SelectedPreampChanged"}, {"preamp", preamp}});
    }
    void SLAUpdate(const Variant& data) override {
        const SafeArray* array = data.ArrayValue();
        if (array == nullptr) {
            return;
        }
        Json values = Json::array();
        for (const Variant& value : array->elements) {
            values.push_back(Tenths(value.DoubleValue()));
        }
        Forward({{"name", "SLAUpdate"}, {"values", std::move(values)}}, true);
    }
    void SystemMuteChanged(VariantBool mute) override {
        Forward({{"name", "SystemMuteChanged"}, {"mute", mute == VARIANT_TRUE}});
    }
    void SLARunning(VariantBool running, VariantBool sumAndDiff) override {
        Forward({{"name", "SLARunning"},
                 {"running", running == VARIANT_TRUE},
                 {"sumAndDiff", sumAndDiff == VARIANT_TRUE}});
    }
    void SignalGenState(int32_t mode, int32_t channels) override {
        Forward({{"name", "SignalGenState"}, {"mode", mode}, {"channels", channels}});
    }
    void ChannelMuteUpdated() override { Forward({{"name", "ChannelMuteUpdated"}}); }
    void AESEBUErrorTrigger(VariantBool error) override {
        Forward({{"name", "AESEBUErrorTrigger"}, {"error", error == VARIANT_TRUE}});
    }

  private:
    static double Tenths(double value) {
        return std::isfinite(value) ? std::round(value * 10.0) / 10.0 : -100.0;
    }

    void Forward(Json event, bool stream = false) {
        const auto server = server_.lock();
        if (!server) {
            return;
        }
        event["type"] = "event";
        server->Post([weak = server_, event = std::move(event), stream] {
            if (const auto server = weak.lock()) {
                server->Broadcast(event, stream);
            }
        });
    }

    std::weak_ptr<WebServer::Impl> server_;
};

}  // namespace

// ---- WebServer
// -----------------------------------------------------------------------------------

WebServer::WebServer(IKVT80& engine, ServerOptions options)
    : impl_(std::make_shared<Impl>(engine, std::move(options))) {}

WebServer::~WebServer() {
    Stop();
}

uint16_t WebServer::Start() {
    Impl& server = *impl_;
    server.files = LoadApp(server.options.appDirectory);
    beast::error_code error;
    const auto address = net::ip::make_address(server.options.address, error);
    if (error) {
        throw std::runtime_error("not an address: " + server.options.address);
    }
    const tcp::endpoint endpoint(address, server.options.port);
    server.acceptor->open(endpoint.protocol(), error);
    if (!error) {
        server.acceptor->set_option(net::socket_base::reuse_address(true), error);
        server.acceptor->bind(endpoint, error);
    }
    if (!error) {
        server.acceptor->listen(net::socket_base::max_listen_connections, error);
    }
    if (error) {
        throw std::runtime_error("cannot listen on " + server.options.address + ":" +
                                 std::to_string(server.options.port) + ": " + error.message());
    }
    server.sink = std::make_shared<EventForwarder>(impl_);
    server.engine.Advise(server.sink, &server.cookie);
    server.Accept();
    server.CheckExpiry();
    server.engineThread =
        std::jthread([&server](std::stop_token stop) { server.EngineThreadMain(stop); });
    server.network = std::thread([&server] { server.io->run(); });
    return server.acceptor->local_endpoint().port();
}

void WebServer::Stop() {
    Impl& server = *impl_;
    if (!server.network.joinable()) {
        return;
    }
    if (server.cookie != 0) {
        server.engine.Unadvise(server.cookie);
        server.cookie = 0;
    }
    // A running flow finishes first: it is in the middle of talking to the unit. Jobs still
    // queued are dropped.
    server.engineThread.request_stop();
    server.engineThread = {};
    net::post(*server.io, [&server] {
        beast::error_code ignored;
        server.acceptor->close(ignored);
        server.expiryTimer->cancel();
        for (const auto& weak : server.clients) {
            if (const auto client = weak.lock()) {
                client->Close(websocket::close_code::going_away);
            }
        }
    });
    // Give the closes a moment to go out, then end whatever is left.
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    {
        std::lock_guard lock(server.postMutex);
        server.stopped = true;
    }
    server.io->stop();
    server.network.join();
    server.acceptor.reset();
    server.expiryTimer.reset();
    server.clients.clear();
    server.controller = nullptr;
    server.io.reset();
}

std::string WebServer::PairingToken() const {
    std::promise<std::string> result;
    net::post(*impl_->io, [&] { result.set_value(impl_->sessions.Token()); });
    return result.get_future().get();
}

std::string WebServer::PairingCode() const {
    std::promise<std::string> result;
    net::post(*impl_->io, [&] { result.set_value(impl_->sessions.Code()); });
    return result.get_future().get();
}

std::thread::native_handle_type WebServer::NetworkThread() {
    return impl_->network.native_handle();
}

}  // namespace kvt::web
