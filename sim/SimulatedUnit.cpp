#include "SimulatedUnit.h"

#include <algorithm>
#include <condition_variable>
#include <deque>
#include <mutex>

#include "FaultInjector.h"
#include "LineServer.h"
#include "PtyEndpoint.h"
#include "StateFile.h"
#include "TcpEndpoint.h"
#include "UnitInterpreter.h"
#include "UnitState.h"

namespace kvt::sim {

namespace {

// ReceivedLines keeps the most recent lines only, so a simulator left running for days does not
// grow without bound; WaitForLines still counts every line.
constexpr size_t kMaxRecordedLines = 1u << 17;
constexpr size_t kMaxGarbageBytes = size_t{64} * 1024;
constexpr char kEscapeLine[] = "\x1b";

}  // namespace

struct SimulatedUnit::Impl final : LineHandler {
    explicit Impl(SimOptions initial) : options(initial) {
        interpreter.State().saveDuration = initial.saveDuration;
    }

    std::vector<FramedInput> Frame(std::string_view bytes) override;
    Reply Answer(const UnitInput& input) override;
    void PeerChanged() override;

    void Serve(std::unique_ptr<LineEndpoint> endpoint);
    void StopServing();
    void ReleaseHeld();
    Reply Respond(const UnitInput& input, const std::optional<Fault>& fault);

    mutable std::mutex mutex;  // everything below up to the server
    mutable std::condition_variable linesChanged;
    SimOptions options;
    UnitInterpreter interpreter;
    FaultInjector faults;
    std::deque<std::string> received;
    size_t receivedCount = 0;  // since the last ClearReceivedLines
    LineCounters counters;
    std::string stateError;  // from the last SaveState or LoadState that failed
    // HoldReply: replies held now; each release (or stop) lets every held reply go.
    std::condition_variable heldReleased;
    size_t heldReplies = 0;
    uint64_t releases = 0;

    std::mutex serverMutex;  // starting and stopping the line
    std::unique_ptr<LineServer> server;
};

std::vector<FramedInput> SimulatedUnit::Impl::Frame(std::string_view bytes) {
    std::lock_guard lock(mutex);
    std::vector<FramedInput> inputs;
    for (size_t i = 0; i < bytes.size(); ++i) {
        if (auto input = interpreter.Take(bytes[i])) {
            inputs.push_back({std::move(*input), i});
        }
    }
    return inputs;
}

Reply SimulatedUnit::Impl::Answer(const UnitInput& input) {
    Reply reply;
    {
        std::unique_lock lock(mutex);
        std::string line = input.kind == UnitInput::Kind::Escape ? kEscapeLine : input.text;
        const auto fault = faults.Consider(line);
        if (received.size() == kMaxRecordedLines) {
            received.pop_front();
        }
        received.push_back(std::move(line));
        ++receivedCount;
        reply = Respond(input, fault);
        if (fault && fault->kind == FaultKind::HoldReply) {
            // The line server waits here, so later lines queue behind the held reply as they
            // would behind a unit that is slow to answer.
            ++heldReplies;
            linesChanged.notify_all();
            const uint64_t release = releases;
            heldReleased.wait(lock, [&] { return releases != release; });
            --heldReplies;
        }
    }
    linesChanged.notify_all();
    return reply;
}

Reply SimulatedUnit::Impl::Respond(const UnitInput& input, const std::optional<Fault>& fault) {
    if (!fault) {
        return interpreter.Answer(input);
    }
    switch (fault->kind) {
        case FaultKind::DropReply:
        case FaultKind::StopAnswering:
            return {};
        case FaultKind::BellReply:
            return interpreter.Refusal(input);
        case FaultKind::SplitReply:
            return SplitIntoBursts(interpreter.Answer(input), fault->bursts, fault->gap,
                                   fault->cutsFromEnd);
        case FaultKind::Garbage: {
            Reply reply = interpreter.Answer(input);
            const auto noise = faults.Garbage(std::min(fault->garbageBytes, kMaxGarbageBytes));
            reply.segments.front().bytes.insert(0, noise);
            return reply;
        }
        case FaultKind::HoldReply:
            return interpreter.Answer(input);
        case FaultKind::ClosePort: {
            Reply reply;
            reply.closePort = true;
            return reply;
        }
    }
    return interpreter.Answer(input);
}

void SimulatedUnit::Impl::PeerChanged() {
    std::lock_guard lock(mutex);
    interpreter.ResetLine();
}

void SimulatedUnit::Impl::Serve(std::unique_ptr<LineEndpoint> endpoint) {
    std::lock_guard serverLock(serverMutex);
    ReleaseHeld();
    server.reset();
    PeerChanged();
    LinePacing pacing;
    {
        std::lock_guard lock(mutex);
        pacing = {options.baudRate, options.latency, {options.adapterLatency}};
    }
    server = std::make_unique<LineServer>(std::move(endpoint), *this, counters, pacing);
}

void SimulatedUnit::Impl::StopServing() {
    std::lock_guard serverLock(serverMutex);
    ReleaseHeld();
    server.reset();
}

void SimulatedUnit::Impl::ReleaseHeld() {
    {
        std::lock_guard lock(mutex);
        ++releases;
    }
    heldReleased.notify_all();
}

SimulatedUnit::SimulatedUnit(SimOptions options) : impl_(std::make_unique<Impl>(options)) {}

SimulatedUnit::~SimulatedUnit() {
    Stop();
}

std::string SimulatedUnit::StartPty() {
    auto pty = PtyEndpoint::Open();
    std::string path = pty->SlavePath();
    impl_->Serve(std::move(pty));
    return path;
}

uint16_t SimulatedUnit::StartTcp(uint16_t port) {
    auto tcp = TcpEndpoint::Listen(port);
    const uint16_t bound = tcp->Port();
    impl_->Serve(std::move(tcp));
    return bound;
}

void SimulatedUnit::Stop() {
    impl_->StopServing();
}

void SimulatedUnit::SetOptions(SimOptions options) {
    {
        std::lock_guard lock(impl_->mutex);
        impl_->options = options;
        impl_->interpreter.State().saveDuration = options.saveDuration;
    }
    std::lock_guard serverLock(impl_->serverMutex);
    if (impl_->server) {
        impl_->server->SetPacing({options.baudRate, options.latency, {options.adapterLatency}});
    }
}

void SimulatedUnit::InjectFault(const Fault& fault) {
    std::lock_guard lock(impl_->mutex);
    impl_->faults.Add(fault);
}

void SimulatedUnit::ClearFaults() {
    std::lock_guard lock(impl_->mutex);
    impl_->faults.Clear();
}

size_t SimulatedUnit::HeldReplies() const {
    std::lock_guard lock(impl_->mutex);
    return impl_->heldReplies;
}

void SimulatedUnit::ReleaseHeldReplies() {
    impl_->ReleaseHeld();
}

uint32_t SimulatedUnit::Memory(int block, uint32_t address) const {
    std::lock_guard lock(impl_->mutex);
    return impl_->interpreter.State().memory.Read(block, address);
}

uint32_t SimulatedUnit::StoredMemory(int block, uint32_t address) const {
    std::lock_guard lock(impl_->mutex);
    return StoredWord(impl_->interpreter.State(), block, address);
}

void SimulatedUnit::SetMemory(int block, uint32_t address, uint32_t value) {
    std::lock_guard lock(impl_->mutex);
    PresetWord(impl_->interpreter.State(), block, address, value);
}

void SimulatedUnit::SetWorkingMemory(int block, uint32_t address, uint32_t value) {
    std::lock_guard lock(impl_->mutex);
    impl_->interpreter.State().memory.Write(block, address, value);
}

void SimulatedUnit::FailSaves(int count) {
    std::lock_guard lock(impl_->mutex);
    impl_->interpreter.State().failingSaves = count;
}

void SimulatedUnit::PowerCycle() {
    std::lock_guard lock(impl_->mutex);
    PowerCycleUnit(impl_->interpreter.State());
    // A half-typed line dies with the power.
    impl_->interpreter.ResetLine();
}

void SimulatedUnit::PowerCycleHoldingS5() {
    std::lock_guard lock(impl_->mutex);
    PowerCycleUnitHoldingS5(impl_->interpreter.State());
    impl_->interpreter.ResetLine();
}

bool SimulatedUnit::BootLoaderRunning() const {
    std::lock_guard lock(impl_->mutex);
    return impl_->interpreter.State().controller.bootLoaderRunning;
}

ControllerMemories SimulatedUnit::ControllerFirmware() const {
    std::lock_guard lock(impl_->mutex);
    return impl_->interpreter.State().controller.memories;
}

std::vector<uint32_t> SimulatedUnit::ProcessorProgram(int block) const {
    std::lock_guard lock(impl_->mutex);
    const SignalProcessor* processor = ProcessorOfBlock(impl_->interpreter.State(), block);
    return processor != nullptr ? processor->program : std::vector<uint32_t>{};
}

void SimulatedUnit::SetProcessorDead(int block, bool dead) {
    std::lock_guard lock(impl_->mutex);
    if (SignalProcessor* processor = ProcessorOfBlock(impl_->interpreter.State(), block)) {
        processor->dead = dead;
    }
}

void SimulatedUnit::CorruptProgramWrites(int count) {
    std::lock_guard lock(impl_->mutex);
    impl_->interpreter.State().corruptProgramWrites = count;
}

FrontPanel SimulatedUnit::Panel() const {
    std::lock_guard lock(impl_->mutex);
    return impl_->interpreter.State().panel;
}

void SimulatedUnit::SetPanel(const FrontPanel& panel) {
    std::lock_guard lock(impl_->mutex);
    impl_->interpreter.State().panel = panel;
}

bool SimulatedUnit::PressButton(int button) {
    if (button < 1 || button > kPanelButtons) {
        return false;
    }
    std::lock_guard lock(impl_->mutex);
    PressPanelButton(impl_->interpreter.State(), button);
    return true;
}

void SimulatedUnit::SetMuted(bool muted) {
    std::lock_guard lock(impl_->mutex);
    impl_->interpreter.State().panel.muted = muted;
}

bool SimulatedUnit::MoveFader(int level) {
    if (level < 0 || level > kMaxFaderLevel) {
        return false;
    }
    std::lock_guard lock(impl_->mutex);
    impl_->interpreter.State().panel.level = level;
    return true;
}

bool SimulatedUnit::SelectProjector(int projector) {
    if (projector != 1 && projector != 2) {
        return false;
    }
    std::lock_guard lock(impl_->mutex);
    impl_->interpreter.State().panel.projector = projector;
    return true;
}

void SimulatedUnit::SetAesEbuError(bool error) {
    std::lock_guard lock(impl_->mutex);
    impl_->interpreter.State().panel.aesEbuError = error;
}

NetworkSettings SimulatedUnit::Network() const {
    std::lock_guard lock(impl_->mutex);
    return impl_->interpreter.State().network;
}

void SimulatedUnit::SetNetwork(const NetworkSettings& settings) {
    std::lock_guard lock(impl_->mutex);
    impl_->interpreter.State().network = settings;
}

void SimulatedUnit::TearAnalyserFrames(int count) {
    std::lock_guard lock(impl_->mutex);
    impl_->interpreter.State().tornFrames = count;
}

bool SimulatedUnit::SaveState(const std::string& path) {
    StateSnapshot snapshot;
    {
        std::lock_guard lock(impl_->mutex);
        const UnitState& state = impl_->interpreter.State();
        snapshot = {state.memory, state.panel, state.clock.Offset()};
    }
    std::string error;
    if (ReplaceTextFile(path, FormatStateFile(snapshot), error)) {
        return true;
    }
    std::lock_guard lock(impl_->mutex);
    impl_->stateError = std::move(error);
    return false;
}

void SimulatedUnit::SetRoom(const RoomDescription* room) {
    auto copy = room != nullptr ? std::make_shared<const RoomDescription>(*room) : nullptr;
    std::lock_guard lock(impl_->mutex);
    impl_->interpreter.State().room = std::move(copy);
}

bool SimulatedUnit::LoadRoom(const std::string& path, std::string& error) {
    constexpr size_t kMaxRoomFileBytes = size_t{1} << 20;
    std::string text;
    if (!ReadTextFile(path, kMaxRoomFileBytes, text, error)) {
        return false;
    }
    const auto room = ParseRoomFile(text, error);
    if (!room) {
        error = path + ": " + error;
        return false;
    }
    SetRoom(&*room);
    return true;
}

bool SimulatedUnit::LoadState(const std::string& path) {
    std::string text;
    std::string error;
    ParsedState parsed;
    if (ReadTextFile(path, kMaxStateFileBytes, text, error)) {
        parsed = ParseStateFile(text);
        if (!parsed.snapshot) {
            error = path + ": " + parsed.error;
        }
    }
    std::lock_guard lock(impl_->mutex);
    if (!parsed.snapshot) {
        impl_->stateError = std::move(error);
        return false;
    }
    UnitState& state = impl_->interpreter.State();
    PresetMemory(state, parsed.snapshot->memory);
    state.panel = parsed.snapshot->panel;
    state.clock.SetOffset(parsed.snapshot->clockOffset);
    return true;
}

std::string SimulatedUnit::LastStateError() const {
    std::lock_guard lock(impl_->mutex);
    return impl_->stateError;
}

void SimulatedUnit::SetMenuMode(bool on) {
    std::lock_guard lock(impl_->mutex);
    impl_->interpreter.State().menuMode = on;
}

void SimulatedUnit::SetCardPresent(bool present) {
    std::lock_guard lock(impl_->mutex);
    impl_->interpreter.State().cardPresent = present;
}

void SimulatedUnit::SetCardAnswers(std::vector<uint32_t> answers) {
    std::lock_guard lock(impl_->mutex);
    impl_->interpreter.State().cardAnswers.assign(answers.begin(), answers.end());
}

bool SimulatedUnit::CardOpen() const {
    std::lock_guard lock(impl_->mutex);
    return impl_->interpreter.State().cardOpen;
}

CardWords SimulatedUnit::CardImage() const {
    std::lock_guard lock(impl_->mutex);
    return impl_->interpreter.State().cardImage;
}

std::optional<uint32_t> SimulatedUnit::CardWord(int block, uint32_t address) const {
    std::lock_guard lock(impl_->mutex);
    const CardWords& image = impl_->interpreter.State().cardImage;
    const auto word = image.find({block, address});
    if (word == image.end()) {
        return std::nullopt;
    }
    return word->second;
}

void SimulatedUnit::ClearCardImage() {
    std::lock_guard lock(impl_->mutex);
    impl_->interpreter.State().cardImage.clear();
}

void SimulatedUnit::SetEventLog(std::vector<LogEntry> entries) {
    std::lock_guard lock(impl_->mutex);
    impl_->interpreter.State().log.Set(std::move(entries));
}

std::vector<LogEntry> SimulatedUnit::EventLog() const {
    std::lock_guard lock(impl_->mutex);
    return impl_->interpreter.State().log.Entries();
}

std::vector<std::string> SimulatedUnit::ReceivedLines() const {
    std::lock_guard lock(impl_->mutex);
    return {impl_->received.begin(), impl_->received.end()};
}

void SimulatedUnit::ClearReceivedLines() {
    std::lock_guard lock(impl_->mutex);
    impl_->received.clear();
    impl_->receivedCount = 0;
}

bool SimulatedUnit::WaitForLines(size_t n, std::chrono::milliseconds timeout) const {
    std::unique_lock lock(impl_->mutex);
    return impl_->linesChanged.wait_for(lock, timeout, [&] { return impl_->receivedCount >= n; });
}

uint64_t SimulatedUnit::BytesReceived() const {
    return impl_->counters.received.load();
}

uint64_t SimulatedUnit::BytesSent() const {
    return impl_->counters.sent.load();
}

uint32_t SimulatedUnit::FormatUpdates() const {
    std::lock_guard lock(impl_->mutex);
    return impl_->interpreter.State().formatUpdates;
}

void SimulatedUnit::SendUnsolicited(const std::string& bytes) {
    std::lock_guard serverLock(impl_->serverMutex);
    if (impl_->server) {
        impl_->server->SendUnsolicited(bytes);
    }
}

}  // namespace kvt::sim
