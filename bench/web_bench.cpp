// web_bench: kvt80-web's server on loopback, with the real engine (production waits) and the
// simulated unit on a pseudo-terminal paced at 38400 bit/s.
//
// 1. Put latency: an EQBand put sent over the WebSocket as the page sends it on a slider move,
//    timed to its answer and to the unit having taken the write line (its working memory holds
//    the new word), with the input-level and analyser reads off and on.
// 2. The analyser stream to five browsers at 10 frames a second: the server's network thread's
//    CPU time, the frames each browser received, and the whole process's CPU (which also holds
//    the engine, the simulated unit and the five clients).
//
//   web_bench [--writes N] [--seconds N]
//
// Prints markdown tables on standard output.
#include <pthread.h>
#include <sys/resource.h>
#include <time.h>

// Boost 1.74's Asio uses std::exchange without including it.
#include <utility>

#include <algorithm>
#include <atomic>
#include <boost/asio.hpp>
#include <boost/beast/core.hpp>
#include <boost/beast/http.hpp>
#include <boost/beast/websocket.hpp>
#include <chrono>
#include <cstdio>
#include <memory>
#include <nlohmann/json.hpp>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "KVT80.h"
#include "SimulatedUnit.h"
#include "WebServer.h"
#include "text/Codepage.h"

namespace {

namespace net = boost::asio;
namespace beast = boost::beast;
namespace http = beast::http;
namespace websocket = beast::websocket;
using tcp = net::ip::tcp;
using Json = nlohmann::json;
using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

constexpr int kBlockCentreEq = 4;
constexpr uint32_t kCentreBand14 = 144;

double Ms(Clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

double ThreadCpuSeconds(pthread_t thread) {
    clockid_t clock;
    timespec now{};
    if (pthread_getcpuclockid(thread, &clock) != 0 || clock_gettime(clock, &now) != 0) {
        return 0.0;
    }
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

double ProcessCpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& t) {
        return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6;
    };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

std::string PairCookie(uint16_t port, const std::string& token) {
    net::io_context io;
    beast::tcp_stream stream(io);
    stream.connect(tcp::endpoint(net::ip::make_address("127.0.0.1"), port));
    http::request<http::empty_body> request(http::verb::get, "/pair?token=" + token, 11);
    request.set(http::field::host, "127.0.0.1:" + std::to_string(port));
    http::write(stream, request);
    beast::flat_buffer buffer;
    http::response<http::string_body> response;
    http::read(stream, buffer, response);
    const std::string cookie(response[http::field::set_cookie]);
    return cookie.substr(0, cookie.find(';'));
}

class Client {
  public:
    Client(uint16_t port, const std::string& cookie) : ws_(io_) {
        ws_.next_layer().connect(tcp::endpoint(net::ip::make_address("127.0.0.1"), port));
        // As browsers do.
        ws_.next_layer().set_option(tcp::no_delay(true));
        const std::string origin = "http://127.0.0.1:" + std::to_string(port);
        ws_.set_option(websocket::stream_base::decorator([=](websocket::request_type& request) {
            request.set(http::field::cookie, cookie);
            request.set(http::field::origin, origin);
        }));
        ws_.handshake("127.0.0.1:" + std::to_string(port), "/ws");
    }

    void Send(const Json& message) { ws_.write(net::buffer(message.dump())); }

    Json Read() {
        beast::flat_buffer buffer;
        ws_.read(buffer);
        return Json::parse(beast::buffers_to_string(buffer.data()));
    }

    // One message, counting the analyser frames.
    Json ReadCounting() {
        Json message = Read();
        if (message.value("name", "") == "SLAUpdate") {
            ++analyserFrames;
        }
        return message;
    }

    // Reads up to the answer to message `id`.
    Json Answer(int64_t id) {
        for (;;) {
            Json message = ReadCounting();
            if ((message["type"] == "result" || message["type"] == "error") &&
                message.value("id", int64_t{-1}) == id) {
                return message;
            }
        }
    }

    void Close() {
        beast::error_code ignored;
        ws_.close(websocket::close_code::normal, ignored);
    }

    int analyserFrames = 0;

  private:
    net::io_context io_;
    websocket::stream<tcp::socket> ws_;
};

struct Percentiles {
    double median;
    double p99;
    double max;
};

Percentiles Summarise(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const auto at = [&](double q) {
        return values[std::min(values.size() - 1, static_cast<size_t>(q * (values.size() - 1)))];
    };
    return {at(0.5), at(0.99), values.back()};
}

struct Bench {
    kvt::sim::SimulatedUnit unit{kvt::sim::SimOptions{38400}};
    std::unique_ptr<kvt::KVT80> engine;
    std::unique_ptr<kvt::web::WebServer> server;
    uint16_t port = 0;

    Bench() {
        const std::string pty = unit.StartPty();
        engine = std::make_unique<kvt::KVT80>();
        if (engine->Initialize() != 0) {
            throw std::runtime_error("the engine did not initialise");
        }
        engine->put_ComPort(kvt::Variant::String(kvt::FromUtf8(pty)));
        kvt::web::ServerOptions options;
        options.port = 0;
        options.log = [](const std::string& line) {
            std::fprintf(stderr, "kvt80-web: %s\n", line.c_str());
        };
        server = std::make_unique<kvt::web::WebServer>(*engine, options);
        port = server->Start();
    }

    ~Bench() {
        server->Stop();
        engine->Disconnect();
        engine->Cleanup();
        unit.Stop();
    }

    std::unique_ptr<Client> Open() {
        return std::make_unique<Client>(port, PairCookie(port, server->PairingToken()));
    }
};

struct LatencyResult {
    Percentiles answer;
    Percentiles unit;
    double framesPerSecond;  // analyser frames the client received meanwhile
};

// Puts of EQBand(1, 14), each after the previous one reached the unit and a pause drawn from
// [pauseMin, pauseMax] ms: 30 to 50 ms is a finger moving a slider, some hundred ms single taps.
LatencyResult MeasurePuts(Bench& bench, Client& client, int writes, int pauseMin, int pauseMax,
                          int64_t& id) {
    std::mt19937 random(7);
    std::uniform_int_distribution<int> pause(pauseMin, pauseMax);
    std::vector<double> answers;
    std::vector<double> atUnit;
    client.analyserFrames = 0;
    const auto begin = Clock::now();
    for (int i = 0; i < writes; ++i) {
        // Alternating values, each a word the unit does not hold yet.
        const double value = (i % 2 == 0) ? -3.0 : -2.5;
        const uint32_t word = (i % 2 == 0) ? 0xFFFFE2u : 0xFFFFE7u;
        const auto start = Clock::now();
        client.Send(Json{{"op", "put"},
                         {"id", ++id},
                         {"name", "EQBand"},
                         {"channel", 1},
                         {"band", 14},
                         {"value", value}});
        client.Answer(id);
        answers.push_back(Ms(Clock::now() - start));
        while (bench.unit.Memory(kBlockCentreEq, kCentreBand14) != word) {
            if (Clock::now() - start > 2s) {
                throw std::runtime_error("a put did not reach the unit within 2 s");
            }
            std::this_thread::sleep_for(100us);
        }
        atUnit.push_back(Ms(Clock::now() - start));
        std::this_thread::sleep_for(std::chrono::milliseconds(pause(random)));
    }
    const double seconds = std::chrono::duration<double>(Clock::now() - begin).count();
    return {Summarise(answers), Summarise(atUnit), client.analyserFrames / seconds};
}

}  // namespace

int main(int argc, char** argv) {
    int writes = 300;
    int seconds = 10;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string option = argv[i];
        if (option == "--writes") {
            writes = std::max(10, std::atoi(argv[i + 1]));
        } else if (option == "--seconds") {
            seconds = std::max(2, std::atoi(argv[i + 1]));
        }
    }
    try {
        Bench bench;
        auto control = bench.Open();
        int64_t id = 0;
        control->Send(Json{{"op", "connect"}, {"id", ++id}});
        if (control->Answer(id)["type"] != "result") {
            throw std::runtime_error("connect failed");
        }

        std::fprintf(stderr, "web_bench: %d puts with the level reads off\n", writes);
        bench.engine->put_UpdateInputs(kvt::Variant::Bool(false));
        const LatencyResult quiet = MeasurePuts(bench, *control, writes, 30, 50, id);
        std::fprintf(stderr, "web_bench: %d puts while the analyser streams\n", writes);
        bench.engine->put_UpdateInputs(kvt::Variant::Bool(true));
        control->Send(Json{{"op", "analyser"}, {"on", true}, {"id", ++id}});
        control->Answer(id);
        // The analyser's own writes (routing, the stereo formats' records) go first.
        control->analyserFrames = 0;
        while (control->analyserFrames < 5) {
            control->ReadCounting();
        }
        const LatencyResult streaming = MeasurePuts(bench, *control, writes, 30, 50, id);
        const int taps = std::max(10, writes / 3);
        std::fprintf(stderr, "web_bench: %d single puts while the analyser streams\n", taps);
        const LatencyResult single = MeasurePuts(bench, *control, taps, 150, 450, id);

        std::printf(
            "### Put latency over the WebSocket (EQBand(1, 14), unit at 38400 bit/s)\n\n"
            "From the message leaving the client (as the page sends it on a slider's input event) "
            "to the server's answer, and to the unit having taken the whole write line. The line "
            "itself needs about 5.5 ms for the write (see the engine's write latency above). A "
            "moving slider: %d puts, each 30 to 50 ms after the previous one reached the unit; "
            "single changes: %d puts 150 to 450 ms apart. Analyser frames: those the client "
            "received during the puts.\n\n"
            "| reads | puts | measure | median (ms) | 99th percentile (ms) | max (ms) | "
            "analyser frames/s |\n|---|---|---|---:|---:|---:|---:|\n",
            writes, taps);
        const auto row = [](const char* state, const char* puts, const char* measure,
                            const Percentiles& p, double frames) {
            std::printf("| %s | %s | %s | %.2f | %.2f | %.2f | %.1f |\n", state, puts, measure,
                        p.median, p.p99, p.max, frames);
        };
        row("off", "slider", "message to answer", quiet.answer, quiet.framesPerSecond);
        row("off", "slider", "message to whole line at the unit", quiet.unit,
            quiet.framesPerSecond);
        row("analyser streaming", "slider", "message to answer", streaming.answer,
            streaming.framesPerSecond);
        row("analyser streaming", "slider", "message to whole line at the unit", streaming.unit,
            streaming.framesPerSecond);
        row("analyser streaming", "single", "message to whole line at the unit", single.unit,
            single.framesPerSecond);

        // Five browsers watching the analyser.
        std::fprintf(stderr, "web_bench: five browsers for %d s\n", seconds);
        control->Close();
        control.reset();
        std::vector<std::unique_ptr<Client>> clients;
        for (int i = 0; i < 5; ++i) {
            clients.push_back(bench.Open());
        }
        std::atomic<bool> stop{false};
        std::vector<std::atomic<int>> frames(5);
        std::vector<std::thread> readers;
        for (int i = 0; i < 5; ++i) {
            readers.emplace_back([&, i] {
                try {
                    while (!stop) {
                        const Json message = clients[static_cast<size_t>(i)]->Read();
                        if (message.value("name", "") == "SLAUpdate") {
                            ++frames[static_cast<size_t>(i)];
                        }
                    }
                } catch (const std::exception&) {
                }
            });
        }
        std::this_thread::sleep_for(1s);
        for (auto& f : frames) {
            f = 0;
        }
        const pthread_t network = bench.server->NetworkThread();
        const double networkBefore = ThreadCpuSeconds(network);
        const double processBefore = ProcessCpuSeconds();
        const auto start = Clock::now();
        std::this_thread::sleep_for(std::chrono::seconds(seconds));
        const double wall = std::chrono::duration<double>(Clock::now() - start).count();
        const double networkCpu = ThreadCpuSeconds(network) - networkBefore;
        const double processCpu = ProcessCpuSeconds() - processBefore;
        int fewest = 1 << 30;
        int most = 0;
        for (auto& f : frames) {
            fewest = std::min(fewest, f.load());
            most = std::max(most, f.load());
        }
        stop = true;
        bench.server->Stop();
        for (auto& reader : readers) {
            reader.join();
        }
        std::printf(
            "\n### The analyser stream to five browsers (%.1f s)\n\n"
            "Five WebSocket clients receive every event while the analyser streams. The server's "
            "network thread serialises each frame once and writes it to every client; the JSON "
            "of an event is built on the engine's worker thread, which is counted with the "
            "engine in the process figure (with the simulated unit and the five clients).\n\n"
            "| measure | value |\n|---|---:|\n"
            "| analyser frames per second per browser (fewest, most) | %.1f, %.1f |\n"
            "| server network thread, %% of one core | %.2f |\n"
            "| whole process (server, engine, simulated unit, five clients), %% of one core | "
            "%.2f |\n",
            wall, fewest / wall, most / wall, 100.0 * networkCpu / wall, 100.0 * processCpu / wall);
        const auto verdict = [](const Percentiles& p) {
            const double limit = 30.0 + 5.5;
            return p.p99 < limit ? "met" : p.median < limit ? "median met, p99 missed" : "missed";
        };
        std::printf(
            "\n- Put latency target: under 30 ms plus the line time (median and 99th percentile): "
            "%s with the reads off (%.1f / %.1f ms); a slider while the analyser streams: %s "
            "(%.1f / %.1f ms); single changes while it streams: %s (%.1f / %.1f ms).\n",
            verdict(quiet.unit), quiet.unit.median, quiet.unit.p99, verdict(streaming.unit),
            streaming.unit.median, streaming.unit.p99, verdict(single.unit), single.unit.median,
            single.unit.p99);
        std::printf(
            "- Where a slow put's time goes: a write that comes while the worker reads the "
            "analyser waits for that read, one block of 64 words the line needs about 70 ms for "
            "with the selections around it; the unit takes no other command meanwhile. While a "
            "slider moves, the worker lets the writes go first and reads the analyser every "
            "250 ms; single changes meet a read in progress about as often as the line is busy "
            "with it.\n");
        std::printf("- Server CPU target for five browsers: under 5 %% of a core: %s (%.2f %%).\n",
                    networkCpu / wall < 0.05 ? "met" : "missed", 100.0 * networkCpu / wall);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "web_bench: %s\n", error.what());
        return 1;
    }
    return 0;
}
