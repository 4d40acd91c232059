// kvt80-web's server: the set-up pages and the live analyser for browsers on the network.
//
// One network thread runs every socket, the sessions and the clients' state; the engine's events
// reach it as posted copies. Every engine call runs in order on one engine thread that posts its
// result back: the flows that wait for the unit (connect, store, verify, disconnect), and also the
// puts and state reads, which can wait for an exchange the engine's worker has in flight. The
// network thread never waits for the engine, so the analyser stream to the other browsers goes
// on while one browser's put waits.
//
// HTTP: the page's files; /pair (token link or code) sets the session cookie; /api/session,
// /api/health; /api/config.kvt (GET the configuration file, PUT one to the unit); /ws upgrades
// to the WebSocket that carries the engine's events one way and the client's messages
// (Protocol.h) the other. Every request that changes something and every WebSocket must come
// with an Origin naming this server; everything but the page's files, the pairing and the health
// check needs a live session.
#pragma once

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <thread>

#include "IKVT80.h"

namespace kvt::web {

struct ServerOptions {
    std::string address = "127.0.0.1";
    uint16_t port = 8080;                // 0: any free port
    std::filesystem::path appDirectory;  // the built page; empty: no page is served
    std::chrono::seconds idleTime{30 * 60};
    std::chrono::milliseconds expiryCheck{1000};
    // The pairing secrets, each time they change (for the operator's terminal, never a log).
    std::function<void(const std::string& token, const std::string& code)> secretsChanged;
    // One line of the server's log; carries no secret.
    std::function<void(const std::string& line)> log;
};

class WebServer {
  public:
    WebServer(IKVT80& engine, ServerOptions options);
    ~WebServer();
    WebServer(const WebServer&) = delete;
    WebServer& operator=(const WebServer&) = delete;

    // Listens and starts the threads; the port listened on. Throws std::runtime_error when the
    // address cannot be used.
    uint16_t Start();
    // Closes every connection, waits for a running flow and ends the threads.
    void Stop();

    // The current pairing secrets (for tests and the start-up message).
    std::string PairingToken() const;
    std::string PairingCode() const;
    // The network thread, for measuring its CPU time.
    std::thread::native_handle_type NetworkThread();

    // The server's state, shared by its connections.
    struct Impl;

  private:
    std::shared_ptr<Impl> impl_;
};

}  // namespace kvt::web
