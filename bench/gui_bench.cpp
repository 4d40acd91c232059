// GUI benchmarks of the laptop program, KVTExec.
//
// 1. The GUI thread while the connection flows run: the real main frame, its flows and the engine
//    (production timings) against the simulated unit over a pseudo-terminal paced at 38400 bit/s.
//    Each cycle connects (Connect and QueryKVT on the flow thread, ConnectionProgress events, the
//    pages' refresh), uploads a configuration file (the Open command: Load on the GUI thread, then
//    the worker sends it with UploadProgress events until it completes) and disconnects with a
//    store (SaveKVTParameters, Verify, Disconnect on the flow thread). A timer on the GUI thread
//    fires every 2 ms; a stall is the longest gap between two ticks less the interval.
// 2. Start-up: the built KVTExec --demo as a child, from the fork to the line the program prints
//    at the first paint of its main window (KVTEXEC_STARTUP_TIMING), the splash not waited for.
// 3. The analyser display: the main frame with the Inputs page shown, connected to kvt80-sim (a
//    process of its own, paced at 38400 bit/s), first with the analyser off, then streaming with
//    pink noise on a channel, then with the zoomed window open too: the CPU time of the GUI thread
//    and of the whole process, the SLAUpdate rate, and the time each paint of the page's display
//    takes.
//
// Prints markdown tables and a verdict per target on standard output; progress on standard error.
//
//   gui_bench [--cycles N] [--starts N] [--analyser-seconds N] [--program PATH] [--sim PATH]
#include <fcntl.h>
#include <poll.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QEventLoop>
#include <QMetaEnum>
#include <QObject>
#include <QPaintEvent>
#include <QScreen>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <random>
#include <regex>
#include <stdexcept>
#include <string>
#include <string_view>
#include <thread>
#include <utility>
#include <vector>

#include "BenchProgram.h"
#include "CCtlRTA.h"
#include "CMainFrame.h"
#include "ConnectionFlows.h"
#include "EngineBridge.h"
#include "EngineValues.h"
#include "KVT80.h"
#include "KVTExecApp.h"
#include "SimProcess.h"
#include "SimulatedUnit.h"
#include "pages/CDlgZoomedSLA.h"

extern char** environ;

namespace {

using namespace std::chrono_literals;
using kvt::Variant;
using Clock = std::chrono::steady_clock;
using Milliseconds = std::chrono::duration<double, std::milli>;

constexpr uint32_t kBaud = 38400;
constexpr int kProbeIntervalMs = 2;
constexpr double kStallTargetMs = 50.0;
constexpr double kStartupTargetMs = 1000.0;
constexpr double kAnalyserCpuTargetPercent = 5.0;
// A gap this long is a frame a 60 Hz display could not show.
constexpr double kVisibleGapMs = 20.0;
// The probe runs on after a phase ended, for the repaints and refreshes the phase left queued.
constexpr auto kTail = 250ms;
constexpr auto kIdleReference = 2s;
constexpr auto kSettle = 500ms;
constexpr auto kPhaseLimit = 120s;
constexpr auto kStartupLimit = 30s;
constexpr auto kExitLimit = 5s;

struct Options {
    int cycles = 3;
    int starts = 5;
    int analyserSeconds = 10;
    std::string program = KVTEXEC_PATH;
    std::string simPath = KVT80_SIM_PATH;
    std::string sections = "flows,startup,analyser";

    bool Runs(std::string_view section) const {
        return ("," + sections + ",").find("," + std::string(section) + ",") != std::string::npos;
    }
};

constexpr const char* kUsage =
    "usage: gui_bench [--cycles N] [--starts N] [--analyser-seconds N] [--program PATH]\n"
    "                 [--sim PATH] [--sections LIST]\n"
    "  --cycles N            connect, upload and disconnect cycles measured (default 3)\n"
    "  --starts N            start-ups of the program timed (default 5)\n"
    "  --analyser-seconds N  length of each analyser measurement (default 10)\n"
    "  --program PATH        the KVTExec program to start (default: the one built with this\n"
    "                        program)\n"
    "  --sim PATH            the kvt80-sim program of the analyser measurement (default: the\n"
    "                        one built with this program)\n"
    "  --sections LIST       what to measure, of flows,startup,analyser (default: all three)\n";

Options ParseOptions(int argc, char** argv) {
    Options options;
    kvt::bench::BenchProgram program("gui_bench", kUsage);
    program.Number("--cycles", options.cycles);
    program.Number("--starts", options.starts);
    program.Number("--analyser-seconds", options.analyserSeconds);
    program.Text("--program", options.program);
    program.Text("--sim", options.simPath);
    program.Text("--sections", options.sections);
    program.Parse(argc, argv);
    return options;
}

void Progress(const std::string& text) {
    kvt::bench::Progress("gui_bench", text);
}

using kvt::bench::Require;

double Median(std::vector<double> values) {
    if (values.empty()) {
        return 0.0;
    }
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2.0;
}

const char* Verdict(bool met) {
    return met ? "**met**" : "**not met**";
}

class TemporaryFolder {
  public:
    TemporaryFolder() {
        char pattern[] = "/tmp/kvt80-guibench-XXXXXX";
        const char* made = ::mkdtemp(pattern);
        Require(made != nullptr, "cannot make a temporary folder");
        path_ = made;
    }
    ~TemporaryFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;
    const std::filesystem::path& Path() const { return path_; }

  private:
    std::filesystem::path path_;
};

// ---- 1. The GUI thread during the flows ------------------------------------------------------

// The frame as the program builds it, with the questions the flows ask answered: the disconnect
// prompt Yes without the personality module, the file to open and the overwrite question Yes.
// Messages are kept: any of them means the phase failed.
class BenchFrame : public kvt::laptop::CMainFrame {
  public:
    BenchFrame(kvt::IKVT80& engine, QString file) : CMainFrame(engine, 9), file_(std::move(file)) {
        AnswerAutomatically(true);
    }

    std::optional<QString> AskOpenFileName(const QString&) override { return file_; }
    bool AskYesNo(const QString&) override { return true; }
    void ShowWarning(const QString& text) override { messages_.push_back(text.toStdString()); }
    void ShowError(const QString& text) override { messages_.push_back(text.toStdString()); }
    void ShowInformation(const QString& text) override { messages_.push_back(text.toStdString()); }

    // The messages shown since the last call.
    std::string TakeMessages() {
        std::string joined;
        for (const std::string& message : messages_) {
            joined += (joined.empty() ? "" : "; ") + message;
        }
        messages_.clear();
        return joined;
    }

  private:
    QString file_;
    std::vector<std::string> messages_;
};

// The application with every event delivery on the GUI thread timed: the longest one of a phase
// names the handler behind a stall (a queued call names the object it was queued to).
class TimedApplication : public QApplication {
  public:
    using QApplication::QApplication;

    struct Delivery {
        double ms = 0;
        std::string what;
    };

    bool notify(QObject* receiver, QEvent* event) override {
        // Other threads' events (the D-Bus connection's) pass untimed.
        if (QThread::currentThread() != thread()) {
            return QApplication::notify(receiver, event);
        }
        if (receiver == paintTarget_ && receiver != nullptr && event->type() == QEvent::Paint) {
            return TimePaint(receiver, event);
        }
        if (depth_ > 0) {
            return Deliver(receiver, event);
        }
        // Taken before the delivery: the receiver may be gone after it.
        const char* className = receiver != nullptr ? receiver->metaObject()->className() : "?";
        const QEvent::Type type = event->type();
        const auto start = Clock::now();
        const bool result = Deliver(receiver, event);
        const double ms = Milliseconds(Clock::now() - start).count();
        if (ms > longest_.ms) {
            longest_ = {ms, Describe(className, type)};
        }
        return result;
    }

    Delivery TakeLongest() { return std::exchange(longest_, {}); }

    // Every paint of the widget is timed, nested in a repaint of its window or not.
    void WatchPaints(QWidget* widget) {
        paintTarget_ = widget;
        paints_.clear();
        paints_.reserve(4096);
        graphOnlyPaints_ = 0;
    }
    std::vector<double> TakePaints() { return std::exchange(paints_, {}); }
    int TakeGraphOnlyPaints() { return std::exchange(graphOnlyPaints_, 0); }

  private:
    bool TimePaint(QObject* receiver, QEvent* event) {
        const auto* display = qobject_cast<kvt::frontend::CCtlRTA*>(receiver);
        if (display != nullptr &&
            display->GraphRect().contains(static_cast<QPaintEvent*>(event)->rect())) {
            ++graphOnlyPaints_;
        }
        const auto start = Clock::now();
        const bool result = Deliver(receiver, event);
        paints_.push_back(Milliseconds(Clock::now() - start).count());
        return result;
    }

    bool Deliver(QObject* receiver, QEvent* event) {
        ++depth_;
        const bool result = QApplication::notify(receiver, event);
        --depth_;
        return result;
    }

    static std::string Describe(const char* className, QEvent::Type type) {
        const char* name = QMetaEnum::fromType<QEvent::Type>().valueToKey(type);
        return std::string(className) + " " +
               (name != nullptr ? name : std::to_string(static_cast<int>(type)));
    }

    int depth_ = 0;
    Delivery longest_;
    QObject* paintTarget_ = nullptr;
    std::vector<double> paints_;
    int graphOnlyPaints_ = 0;
};

TimedApplication& Application() {
    return *static_cast<TimedApplication*>(QCoreApplication::instance());
}

struct Stalls {
    double longestGapMs = 0;
    double atMs = 0;  // where the longest gap began, from the start of the phase
    int visibleGaps = 0;
    double StallMs() const { return std::max(0.0, longestGapMs - kProbeIntervalMs); }
};

// Ticks every 2 ms on the GUI thread; every event handler that holds the thread longer shows as a
// longer gap.
class StallProbe {
  public:
    StallProbe() {
        timer_.setTimerType(Qt::PreciseTimer);
        timer_.setInterval(kProbeIntervalMs);
        QObject::connect(&timer_, &QTimer::timeout, &timer_,
                         [this] { ticks_.push_back(Clock::now()); });
    }

    Clock::time_point Start() {
        ticks_.clear();
        ticks_.reserve(1 << 16);
        ticks_.push_back(Clock::now());
        timer_.start();
        return ticks_.front();
    }

    Stalls Stop() {
        timer_.stop();
        ticks_.push_back(Clock::now());
        Stalls stalls;
        for (size_t i = 1; i < ticks_.size(); ++i) {
            const double gapMs = Milliseconds(ticks_[i] - ticks_[i - 1]).count();
            if (gapMs > kVisibleGapMs) {
                ++stalls.visibleGaps;
            }
            if (gapMs > stalls.longestGapMs) {
                stalls.longestGapMs = gapMs;
                stalls.atMs = Milliseconds(ticks_[i - 1] - ticks_.front()).count();
            }
        }
        return stalls;
    }

  private:
    QTimer timer_;
    std::vector<Clock::time_point> ticks_;
};

struct PhaseRun {
    std::string phase;
    int cycle = 0;
    double wallMs = 0;
    double commandMs = 0;  // the command's own call on the GUI thread
    int progressEvents = 0;
    Stalls stalls;
    TimedApplication::Delivery longestEvent;
};

// One phase: the command is called from the GUI thread's event loop with the probe running, and
// events are served until Finish has been called and the tail has passed.
class Phase {
  public:
    Phase(std::string name, int cycle) {
        run_.phase = std::move(name);
        run_.cycle = cycle;
    }

    // Connections made with this as the context end with the phase.
    QObject* Context() { return &loop_; }
    void Finish() {
        if (!end_) {
            end_ = Clock::now();
            QTimer::singleShot(kTail, Qt::PreciseTimer, &loop_, &QEventLoop::quit);
        }
    }
    void CountEvent() { ++run_.progressEvents; }

    PhaseRun Run(const std::function<bool()>& command) {
        Progress("cycle " + std::to_string(run_.cycle) + ": " + run_.phase);
        QTimer limit;
        limit.setSingleShot(true);
        QObject::connect(&limit, &QTimer::timeout, &loop_, &QEventLoop::quit);
        limit.start(kPhaseLimit);
        bool accepted = true;
        StallProbe probe;
        Application().TakeLongest();
        const Clock::time_point start = probe.Start();
        QTimer::singleShot(0, &loop_, [&] {
            const auto called = Clock::now();
            accepted = command();
            run_.commandMs = Milliseconds(Clock::now() - called).count();
            if (!accepted) {
                loop_.quit();
            }
        });
        loop_.exec();
        run_.stalls = probe.Stop();
        run_.longestEvent = Application().TakeLongest();
        Require(accepted, run_.phase + ": the command was refused");
        Require(end_.has_value(),
                run_.phase + ": did not end within " + std::to_string(kPhaseLimit.count()) + " s");
        run_.wallMs = Milliseconds(*end_ - start).count();
        return run_;
    }

  private:
    QEventLoop loop_;
    std::optional<Clock::time_point> end_;
    PhaseRun run_;
};

// Serves events for a while: the window's first layout and paint, and what a phase left behind,
// stay out of the next phase.
void Serve(std::chrono::milliseconds time) {
    QEventLoop loop;
    QTimer::singleShot(time, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

void Settle() {
    Serve(kSettle);
}

// Serves events until the condition holds; outside any measurement.
void ServeUntil(const std::function<bool()>& condition, const std::string& what) {
    const auto deadline = Clock::now() + kPhaseLimit;
    while (!condition()) {
        Require(Clock::now() < deadline, what + " did not happen");
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        std::this_thread::sleep_for(2ms);
    }
}

class FlowRig {
  public:
    explicit FlowRig(const std::filesystem::path& folder)
        : unit_(kvt::sim::SimOptions{.baudRate = kBaud}),
          file_(QString::fromStdString((folder / "gui-bench.kvt").string())) {
        const std::string port = unit_.StartPty();
        Require(kvt::CreateEngine("KVT80.KVT80", engine_) == kvt::status::Ok && engine_,
                "the engine could not be created");
        Require(engine_->put_ComPort(kvt::frontend::TextVariant(QString::fromStdString(port))) ==
                    kvt::status::Ok,
                "ComPort refused");
        frame_ = std::make_unique<BenchFrame>(*engine_, file_);
        // Sized and shown as the program does it.
        const QScreen* screen = QApplication::primaryScreen();
        const QSize client = screen != nullptr
                                 ? kvt::laptop::FrameClientSize(screen->logicalDotsPerInchX(),
                                                                screen->logicalDotsPerInchY())
                                 : kvt::laptop::FrameClientSize(96, 96);
        frame_->resize(frame_->FrameSizeForClient(client));
        frame_->show();
        Settle();
    }

    ~FlowRig() {
        frame_.reset();
        engine_->Disconnect();
        engine_->Cleanup();
        engine_.reset();
        unit_.Stop();
    }
    FlowRig(const FlowRig&) = delete;
    FlowRig& operator=(const FlowRig&) = delete;

    PhaseRun Connect(int cycle) {
        Phase phase("connect", cycle);
        auto& flows = frame_->Flows();
        QObject::connect(&flows, &kvt::frontend::ConnectionFlows::flowFinished, phase.Context(),
                         [&] { phase.Finish(); });
        QObject::connect(&frame_->Bridge(), &kvt::frontend::EngineBridge::connectionProgress,
                         phase.Context(), [&] { phase.CountEvent(); });
        PhaseRun run = phase.Run([&] { return flows.Connect(); });
        Check(run, kvt::frontend::IsConnected(*engine_), "not connected afterwards");
        return run;
    }

    PhaseRun Upload(int cycle) {
        Phase phase("upload a configuration file", cycle);
        // Open loads the file on the flow thread and the worker sends it: the phase ends when the
        // upload has completed and the flow has ended, in whichever order they come.
        bool completed = false;
        QObject::connect(&frame_->Bridge(), &kvt::frontend::EngineBridge::uploadProgress,
                         phase.Context(), [&](int state, int, int) {
                             phase.CountEvent();
                             if (state == kvt::UploadStateCompleted) {
                                 completed = true;
                                 if (!frame_->Flows().Busy()) {
                                     phase.Finish();
                                 }
                             }
                         });
        QObject::connect(&frame_->Flows(), &kvt::frontend::ConnectionFlows::flowFinished,
                         phase.Context(), [&] {
                             if (completed && !frame_->Flows().Busy()) {
                                 phase.Finish();
                             }
                         });
        PhaseRun run = phase.Run([&] { return frame_->Flows().Open(); });
        Check(run, !frame_->Flows().Busy(), "the upload still runs");
        return run;
    }

    PhaseRun Disconnect(int cycle) {
        Phase phase("disconnect with a store", cycle);
        auto& flows = frame_->Flows();
        QObject::connect(&flows, &kvt::frontend::ConnectionFlows::flowFinished, phase.Context(),
                         [&] { phase.Finish(); });
        QObject::connect(&frame_->Bridge(), &kvt::frontend::EngineBridge::dspSaveProgress,
                         phase.Context(), [&] { phase.CountEvent(); });
        PhaseRun run = phase.Run([&] { return flows.Disconnect(); });
        Check(run, !kvt::frontend::IsConnected(*engine_), "still connected afterwards");
        return run;
    }

    // Connected with nothing to do (the input levels are read, as after a connect): what the
    // probe shows on this machine without a flow.
    PhaseRun IdleReference() {
        Phase phase("connected, idle (reference)", 1);
        PhaseRun run = phase.Run([&] {
            QTimer::singleShot(kIdleReference, Qt::PreciseTimer, phase.Context(),
                               [&] { phase.Finish(); });
            return true;
        });
        Check(run, true, "");
        return run;
    }

    // The file the uploads send: the unit's configuration with a few values of its own, written
    // while connected. Its writes are out before anything is measured.
    void WriteConfigurationFile() {
        kvt::IKVT80& engine = *engine_;
        const bool taken =
            engine.put_EQBand(Variant::Int(0), Variant::Int(5), 2.0) == kvt::status::Ok &&
            engine.put_EQBand(Variant::Int(3), Variant::Int(20), -4.5) == kvt::status::Ok &&
            engine.put_OutputGain(Variant::Int(2), -3.0) == kvt::status::Ok &&
            engine.put_ProjectName(Variant::String(u"GUI benchmark")) == kvt::status::Ok;
        Require(taken, "a changed value was refused");
        WaitUntilWritesSent();
        Require(
            engine.Save(kvt::frontend::TextVariant(file_), Variant::Bool(false)) == kvt::status::Ok,
            "the configuration file could not be written");
    }

  private:
    void WaitUntilWritesSent() {
        auto& engine = dynamic_cast<kvt::KVT80&>(*engine_);
        ServeUntil([&] { return engine.Pending().AllEmpty(); }, "sending the changed values");
        engine.WithLink([](auto&, auto&, auto&) { return 0; });
    }

    void Check(const PhaseRun& run, bool condition, const std::string& what) {
        const std::string messages = frame_->TakeMessages();
        Require(messages.empty(), run.phase + ": the program showed: " + messages);
        Require(condition, run.phase + ": " + what);
    }

    kvt::sim::SimulatedUnit unit_;
    QString file_;
    std::unique_ptr<kvt::IKVT80> engine_;
    std::unique_ptr<BenchFrame> frame_;
};

struct FlowResults {
    std::vector<PhaseRun> runs;
    std::optional<PhaseRun> reference;
};

FlowResults MeasureFlows(int cycles, const std::filesystem::path& folder) {
    FlowRig rig(folder);
    FlowResults results;
    for (int cycle = 1; cycle <= cycles; ++cycle) {
        results.runs.push_back(rig.Connect(cycle));
        Settle();
        if (cycle == 1) {
            rig.WriteConfigurationFile();
            results.reference = rig.IdleReference();
            Settle();
        }
        results.runs.push_back(rig.Upload(cycle));
        Settle();
        results.runs.push_back(rig.Disconnect(cycle));
        Settle();
    }
    return results;
}

// ---- 2. Start-up -----------------------------------------------------------------------------

struct StartupRun {
    double forkToPaintMs = 0;
    int reportedMs = 0;  // the program's own figure, from the start of RunKVTExec
};

// The child's environment: ours, with the timing line asked for, and private settings and
// temporary files (the demo's folder would stay behind when the child is killed).
std::vector<std::string> ChildEnvironment(const std::filesystem::path& folder) {
    std::vector<std::string> variables;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        const std::string_view text = *entry;
        if (!text.starts_with("XDG_CONFIG_HOME=") && !text.starts_with("TMPDIR=") &&
            !text.starts_with("KVTEXEC_STARTUP_TIMING=")) {
            variables.emplace_back(text);
        }
    }
    variables.push_back("XDG_CONFIG_HOME=" + folder.string());
    variables.push_back("TMPDIR=" + folder.string());
    variables.emplace_back("KVTEXEC_STARTUP_TIMING=1");
    return variables;
}

void EndChild(pid_t pid) {
    ::kill(pid, SIGTERM);
    const auto deadline = Clock::now() + kExitLimit;
    while (::waitpid(pid, nullptr, WNOHANG) == 0) {
        if (Clock::now() >= deadline) {
            ::kill(pid, SIGKILL);
            ::waitpid(pid, nullptr, 0);
            return;
        }
        std::this_thread::sleep_for(5ms);
    }
}

StartupRun TimeStartup(const std::string& program, int index) {
    Progress("start-up " + std::to_string(index));
    const TemporaryFolder folder;
    const std::vector<std::string> environment = ChildEnvironment(folder.Path());
    std::vector<char*> envp;
    for (const std::string& variable : environment) {
        envp.push_back(const_cast<char*>(variable.c_str()));
    }
    envp.push_back(nullptr);
    std::string demo = "--demo";
    std::string name = program;
    char* argv[] = {name.data(), demo.data(), nullptr};

    int errors[2] = {-1, -1};
    Require(::pipe2(errors, O_CLOEXEC) == 0, "cannot make a pipe for the program");
    const int nothing = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
    Require(nothing >= 0, "cannot open /dev/null");

    const auto forked = Clock::now();
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::dup2(errors[1], STDERR_FILENO);
        ::dup2(nothing, STDOUT_FILENO);
        ::execve(argv[0], argv, envp.data());
        ::_exit(127);
    }
    ::close(errors[1]);
    ::close(nothing);
    if (pid < 0) {
        ::close(errors[0]);
        throw std::runtime_error("cannot start " + program);
    }

    static const std::regex kLine(R"(KVTExec: first paint after (\d+) ms)");
    std::string output;
    std::optional<StartupRun> run;
    const auto deadline = forked + kStartupLimit;
    while (!run && Clock::now() < deadline) {
        pollfd ready{errors[0], POLLIN, 0};
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (::poll(&ready, 1, static_cast<int>(std::max<int64_t>(left.count(), 1))) <= 0) {
            continue;
        }
        char buffer[4096];
        const ssize_t got = ::read(errors[0], buffer, sizeof buffer);
        const auto now = Clock::now();
        if (got <= 0) {
            break;
        }
        output.append(buffer, static_cast<size_t>(got));
        std::smatch match;
        const size_t lineEnd = output.find('\n', output.find("KVTExec: first paint"));
        if (lineEnd != std::string::npos &&
            std::regex_search(output.cbegin(), output.cbegin() + static_cast<ptrdiff_t>(lineEnd),
                              match, kLine)) {
            run = StartupRun{Milliseconds(now - forked).count(), std::stoi(match[1].str())};
        }
    }
    EndChild(pid);
    ::close(errors[0]);
    Require(run.has_value(), "KVTExec --demo reported no first paint within " +
                                 std::to_string(kStartupLimit.count()) +
                                 " s; it printed: " + output);
    return *run;
}

std::vector<StartupRun> MeasureStartups(const Options& options) {
    Require(::access(options.program.c_str(), X_OK) == 0,
            "the program " + options.program + " cannot be run");
    std::vector<StartupRun> runs;
    for (int i = 1; i <= options.starts; ++i) {
        runs.push_back(TimeStartup(options.program, i));
    }
    return runs;
}

// ---- 3. The analyser display ----------------------------------------------------------------

double ProcessCpuSeconds() {
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& t) {
        return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6;
    };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// The calling thread's CPU time: called on the GUI thread, the GUI thread's.
double ThreadCpuSeconds() {
    timespec now{};
    ::clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

struct AnalyserRun {
    std::string state;
    double seconds = 0;
    double guiCpuS = 0;
    double processCpuS = 0;
    double unitCpuS = 0;
    int updates = 0;
    int graphOnlyPaints = 0;
    std::vector<double> paintMs;

    double Percent(double cpuS) const { return 100.0 * cpuS / seconds; }
};

class AnalyserRig {
  public:
    explicit AnalyserRig(const std::string& simPath)
        : sim_(simPath, {"--pty", "--baud", std::to_string(kBaud)}) {
        Require(kvt::CreateEngine("KVT80.KVT80", engine_) == kvt::status::Ok && engine_,
                "the engine could not be created");
        Require(engine_->put_ComPort(kvt::frontend::TextVariant(
                    QString::fromStdString(sim_.FirstLine()))) == kvt::status::Ok,
                "ComPort refused");
        frame_ = std::make_unique<BenchFrame>(*engine_, QString());
        frame_->resize(frame_->FrameSizeForClient(kvt::laptop::FrameClientSize(96, 96)));
        frame_->show();
        Settle();
        Progress("analyser: connecting to kvt80-sim");
        Require(frame_->Flows().Connect(), "the connect command was refused");
        ServeUntil([&] { return !frame_->Flows().Busy() && kvt::frontend::IsConnected(*engine_); },
                   "the connection to kvt80-sim");
        frame_->ShowPage(kvt::laptop::CMainFrame::kInputsPage);
        display_ = frame_->PageWidget(kvt::laptop::CMainFrame::kInputsPage)
                       ->findChild<kvt::frontend::CCtlRTA*>();
        Require(display_ != nullptr, "the Inputs page has no analyser display");
        QObject::connect(&frame_->Bridge(), &kvt::frontend::EngineBridge::slaUpdate,
                         &frame_->Bridge(), [this] { ++updates_; });
        Settle();
    }

    ~AnalyserRig() {
        frame_.reset();
        engine_->Disconnect();
        engine_->Cleanup();
        engine_.reset();
    }
    AnalyserRig(const AnalyserRig&) = delete;
    AnalyserRig& operator=(const AnalyserRig&) = delete;

    // Pink noise on the left channel: the engine starts the analyser, the displays follow.
    void StartPinkNoise() {
        Require(
            engine_->put_GeneratorMode(Variant::Int(kvt::TestToneModePink)) == kvt::status::Ok &&
                engine_->put_GeneratorChannels(Variant::Int(kvt::GeneratorLeft)) == kvt::status::Ok,
            "the generator was refused");
        ServeUntil([&] { return display_->Running(); }, "the display running");
        // The first updates after the start fill the band averages; they are not measured.
        Serve(2s);
    }

    void ShowZoomedWindow() {
        frame_->ZoomedAnalyser().show();
        Settle();
    }

    AnalyserRun Measure(const std::string& state, int seconds) {
        Progress("analyser: " + state + ", " + std::to_string(seconds) + " s");
        Application().WatchPaints(display_);
        updates_ = 0;
        const double gui = ThreadCpuSeconds();
        const double process = ProcessCpuSeconds();
        const double unit = sim_.CpuSeconds();
        const auto start = Clock::now();
        Serve(std::chrono::seconds(seconds));
        AnalyserRun run;
        run.state = state;
        run.seconds = std::chrono::duration<double>(Clock::now() - start).count();
        run.guiCpuS = ThreadCpuSeconds() - gui;
        run.processCpuS = ProcessCpuSeconds() - process;
        run.unitCpuS = sim_.CpuSeconds() - unit;
        run.updates = updates_;
        run.paintMs = Application().TakePaints();
        run.graphOnlyPaints = Application().TakeGraphOnlyPaints();
        Application().WatchPaints(nullptr);
        const std::string messages = frame_->TakeMessages();
        Require(messages.empty(), state + ": the program showed: " + messages);
        return run;
    }

  private:
    kvt::bench::SimProcess sim_;
    std::unique_ptr<kvt::IKVT80> engine_;
    std::unique_ptr<BenchFrame> frame_;
    kvt::frontend::CCtlRTA* display_ = nullptr;
    int updates_ = 0;
};

std::vector<AnalyserRun> MeasureAnalyser(const Options& options) {
    AnalyserRig rig(options.simPath);
    std::vector<AnalyserRun> runs;
    runs.push_back(rig.Measure("Inputs page, analyser off", options.analyserSeconds));
    rig.StartPinkNoise();
    runs.push_back(
        rig.Measure("Inputs page, analyser streaming (pink noise, left)", options.analyserSeconds));
    rig.ShowZoomedWindow();
    runs.push_back(rig.Measure("the same with the zoomed window open", options.analyserSeconds));
    return runs;
}

// ---- Report ----------------------------------------------------------------------------------

void PrintPhaseRow(const PhaseRun& run, const char* cycle) {
    std::printf("| %s | %s | %.0f | %.1f | %.1f | %.0f | %d | %d | %.1f, %s |\n", run.phase.c_str(),
                cycle, run.wallMs, run.commandMs, run.stalls.StallMs(), run.stalls.atMs,
                run.stalls.visibleGaps, run.progressEvents, run.longestEvent.ms,
                run.longestEvent.what.c_str());
}

void PrintFlows(const FlowResults& results) {
    std::printf("### The GUI thread during the connection flows (unit at %u bit/s)\n\n", kBaud);
    std::printf(
        "Stall: the longest gap between two ticks of a %d ms timer on the GUI thread, less the "
        "interval, from the command to %lld ms after the phase ended. Wall: from the command to "
        "the end of the flow (connect, disconnect) or to the UploadProgress event that reports the "
        "upload complete. Command's call: the time the command itself (Connect, Open, Disconnect) "
        "held the GUI thread. Gaps over %.0f ms: ticks a 60 Hz display would have missed. Longest "
        "event: the longest single event delivery on the GUI thread in the phase, with the class "
        "it was delivered to and its type (MetaCall: a queued call or signal; QEventLoop MetaCall "
        "is "
        "the command's call).\n\n",
        kProbeIntervalMs, static_cast<long long>(kTail.count()), kVisibleGapMs);
    std::printf(
        "| phase | cycle | wall (ms) | command's call (ms) | longest stall (ms) | stall at (ms "
        "into the phase) | gaps over %.0f ms | progress events | longest event (ms, to) |\n",
        kVisibleGapMs);
    std::printf("|---|---:|---:|---:|---:|---:|---:|---:|---|\n");
    for (const PhaseRun& run : results.runs) {
        PrintPhaseRow(run, std::to_string(run.cycle).c_str());
    }
    if (results.reference) {
        PrintPhaseRow(*results.reference, "-");
    }
    std::printf("\n");
}

void PrintStartups(const std::vector<StartupRun>& runs, const std::string& platform) {
    std::printf("### Start-up (KVTExec --demo to the first paint of its main window)\n\n");
    std::printf(
        "From the fork of the child to this program reading the line the child prints at the first "
        "paint of the main window or a widget in it (KVTEXEC_STARTUP_TIMING); the splash, a "
        "window of its own, is not waited for. The child's own figure counts from the start of "
        "its RunKVTExec. Qt platform: %s.\n\n",
        platform.c_str());
    std::printf("| run | fork to first paint (ms) | program's own figure (ms) |\n");
    std::printf("|---:|---:|---:|\n");
    for (size_t i = 0; i < runs.size(); ++i) {
        std::printf("| %zu | %.0f | %d |\n", i + 1, runs[i].forkToPaintMs, runs[i].reportedMs);
    }
    std::printf("\n");
}

double Longest(const std::vector<double>& values) {
    return values.empty() ? 0.0 : *std::max_element(values.begin(), values.end());
}

void PrintAnalyser(const std::vector<AnalyserRun>& runs) {
    std::printf("### The analyser display (Inputs page shown, unit at %u bit/s)\n\n", kBaud);
    std::printf(
        "The main frame connected to kvt80-sim running as a process of its own, with the Inputs "
        "page shown: first with the analyser off (the engine reads the input levels and the "
        "analyser words together, so the stream arrives all the same and the display leaves it), "
        "then streaming with pink noise on the left channel (the generator starts "
        "the analyser), then with the zoomed window open as well. GUI thread: the CPU time of "
        "this program's GUI thread, which runs the displays' updates and paints (the engine's "
        "worker and the transport's receive thread are not in it); process: all of this "
        "program's threads. Paints: every paint of the page's display, timed around its delivery, "
        "and how many of them covered the graph alone.\n\n");
    std::printf(
        "| state | seconds | SLAUpdate per s | GUI thread, %% of one core | process, %% of one "
        "core "
        "| kvt80-sim, %% of one core | display paints (graph only) | paint median (ms) | paint "
        "worst (ms) |\n");
    std::printf("|---|---:|---:|---:|---:|---:|---:|---:|---:|\n");
    for (const AnalyserRun& run : runs) {
        std::printf("| %s | %.1f | %.2f | %.2f | %.2f | %.2f | %zu (%d) | %.3f | %.3f |\n",
                    run.state.c_str(), run.seconds, run.updates / run.seconds,
                    run.Percent(run.guiCpuS), run.Percent(run.processCpuS),
                    run.Percent(run.unitCpuS), run.paintMs.size(), run.graphOnlyPaints,
                    Median(run.paintMs), Longest(run.paintMs));
    }
    std::printf("\n");
}

void PrintAnalyserTarget(const std::vector<AnalyserRun>& runs) {
    if (runs.size() < 2) {
        return;
    }
    const AnalyserRun& off = runs[0];
    const AnalyserRun& streaming = runs[1];
    const double gui = streaming.Percent(streaming.guiCpuS);
    std::printf(
        "- The analyser streaming on the Inputs page under %.0f %% of one core beyond the engine's "
        "own share: the GUI thread %.2f %% (%.2f %% with the analyser off; the whole process "
        "%.2f %% and %.2f %%), %.2f updates a second; a paint of the display %.3f ms at the "
        "median, %.3f ms at the worst: %s.\n",
        kAnalyserCpuTargetPercent, gui, off.Percent(off.guiCpuS),
        streaming.Percent(streaming.processCpuS), off.Percent(off.processCpuS),
        streaming.updates / streaming.seconds, Median(streaming.paintMs),
        Longest(streaming.paintMs), Verdict(gui < kAnalyserCpuTargetPercent));
}

void PrintTargets(const FlowResults& flows, const std::vector<StartupRun>& startups,
                  const std::vector<AnalyserRun>& analyser) {
    std::printf("### Targets\n\n");
    for (const std::string_view name :
         {"connect", "upload a configuration file", "disconnect with a store"}) {
        const PhaseRun* worst = nullptr;
        std::vector<double> walls;
        double longestCommandMs = 0;
        for (const PhaseRun& run : flows.runs) {
            if (run.phase != name) {
                continue;
            }
            walls.push_back(run.wallMs);
            longestCommandMs = std::max(longestCommandMs, run.commandMs);
            if (worst == nullptr || run.stalls.StallMs() > worst->stalls.StallMs()) {
                worst = &run;
            }
        }
        if (worst == nullptr) {
            continue;
        }
        const bool met = worst->stalls.StallMs() < kStallTargetMs;
        std::printf(
            "- GUI thread stall under %.0f ms while the phase \"%s\" runs, worst of %zu: %.1f ms "
            "(cycle %d, %.0f ms into the phase; wall %.0f ms at the median; the command's own call "
            "%.1f ms at the longest): %s.",
            kStallTargetMs, worst->phase.c_str(), walls.size(), worst->stalls.StallMs(),
            worst->cycle, worst->stalls.atMs, Median(walls), longestCommandMs, Verdict(met));
        std::printf("\n");
    }
    std::vector<double> startupMs;
    for (const StartupRun& run : startups) {
        startupMs.push_back(run.forkToPaintMs);
    }
    if (!startupMs.empty()) {
        const double median = Median(startupMs);
        std::printf(
            "- Start-up to the shown window under %.0f ms, median of %zu: %.0f ms (fastest %.0f "
            "ms, slowest %.0f ms): %s.\n",
            kStartupTargetMs, startupMs.size(), median,
            *std::min_element(startupMs.begin(), startupMs.end()),
            *std::max_element(startupMs.begin(), startupMs.end()),
            Verdict(median < kStartupTargetMs));
    }
    PrintAnalyserTarget(analyser);
    std::printf("\n");
}

}  // namespace

int main(int argc, char** argv) {
    const Options options = ParseOptions(argc, argv);
    try {
        TemporaryFolder folder;
        ::setenv("XDG_CONFIG_HOME", folder.Path().c_str(), 1);
        ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
        const std::string platform = std::getenv("QT_QPA_PLATFORM");

        // The children first, while this process has no threads of its own.
        const std::vector<StartupRun> startups =
            options.Runs("startup") ? MeasureStartups(options) : std::vector<StartupRun>{};

        TimedApplication application(argc, argv);
        const FlowResults flows =
            options.Runs("flows") ? MeasureFlows(options.cycles, folder.Path()) : FlowResults{};
        const std::vector<AnalyserRun> analyser =
            options.analyserSeconds > 0 ? MeasureAnalyser(options) : std::vector<AnalyserRun>{};

        if (!flows.runs.empty()) {
            PrintFlows(flows);
        }
        if (!startups.empty()) {
            PrintStartups(startups, platform);
        }
        if (!analyser.empty()) {
            PrintAnalyser(analyser);
        }
        PrintTargets(flows, startups, analyser);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "gui_bench: %s\n", error.what());
        return 1;
    }
    return 0;
}
