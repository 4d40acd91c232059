#include "Measurement.h"

#include <cmath>
#include <thread>

#include "analyser/AnalyserFrame.h"

namespace kvt::roomeq {

namespace {

constexpr size_t kKeptFrames = 64;
constexpr auto kCancelPoll = std::chrono::milliseconds(20);

double Power(double db) {
    return std::pow(10.0, db / 10.0);
}

}  // namespace

std::string_view MeasureStatusText(MeasureStatus status) {
    switch (status) {
        case MeasureStatus::Ok:
            return "ok";
        case MeasureStatus::Cancelled:
            return "cancelled";
        case MeasureStatus::UnitLost:
            return "the unit stopped answering";
        case MeasureStatus::NoFrames:
            return "the analyser sent no readings";
        case MeasureStatus::EngineRefused:
            return "the engine refused the analyser or generator (not connected?)";
    }
    return "";
}

// ---- AnalyserFrames ---------------------------------------------------------------------------

void AnalyserFrames::SLAUpdate(const Variant& data) {
    const SafeArray* array = data.ArrayValue();
    if (array == nullptr || array->elements.size() < kAnalyserValues) {
        return;
    }
    Curve curve{};
    for (int band = 0; band < kColumns; ++band) {
        // Band 0 is 20 kHz; elements 2i and 2i + 1 are the two microphones.
        const auto at = static_cast<size_t>(2 * band);
        const double first = array->elements[at].DoubleValue();
        const double second = array->elements[at + 1].DoubleValue();
        curve[static_cast<size_t>(kColumns - 1 - band)] =
            10.0 * std::log10(0.5 * (Power(first) + Power(second)));
    }
    {
        std::lock_guard lock(mutex_);
        frames_.push_back(curve);
        if (frames_.size() > kKeptFrames) {
            frames_.pop_front();
        }
        ++count_;
    }
    changed_.notify_all();
}

void AnalyserFrames::UnitDisappeared() {
    {
        std::lock_guard lock(mutex_);
        lost_ = true;
    }
    changed_.notify_all();
}

uint64_t AnalyserFrames::Count() const {
    std::lock_guard lock(mutex_);
    return count_;
}

bool AnalyserFrames::Lost() const {
    std::lock_guard lock(mutex_);
    return lost_;
}

MeasureStatus AnalyserFrames::WaitFor(uint64_t after, int count, std::chrono::milliseconds timeout,
                                      const std::atomic<bool>* cancel) const {
    std::unique_lock lock(mutex_);
    uint64_t seen = count_;
    auto lastFrame = std::chrono::steady_clock::now();
    while (count_ < after + static_cast<uint64_t>(count)) {
        if (lost_) {
            return MeasureStatus::UnitLost;
        }
        if (cancel != nullptr && cancel->load()) {
            return MeasureStatus::Cancelled;
        }
        const auto now = std::chrono::steady_clock::now();
        if (count_ != seen) {
            seen = count_;
            lastFrame = now;
        } else if (now - lastFrame >= timeout) {
            return MeasureStatus::NoFrames;
        }
        changed_.wait_for(lock, kCancelPoll);
    }
    return lost_ ? MeasureStatus::UnitLost : MeasureStatus::Ok;
}

Curve AnalyserFrames::Average(int count) const {
    std::lock_guard lock(mutex_);
    const size_t n = std::min(frames_.size(), static_cast<size_t>(std::max(count, 1)));
    std::array<double, kColumns> sum{};
    for (size_t i = frames_.size() - n; i < frames_.size(); ++i) {
        for (size_t c = 0; c < kColumns; ++c) {
            sum[c] += Power(frames_[i][c]);
        }
    }
    Curve out{};
    for (size_t c = 0; c < kColumns; ++c) {
        out[c] = n > 0 ? 10.0 * std::log10(sum[c] / static_cast<double>(n)) : -100.0;
    }
    return out;
}

// ---- MeasurementSession ------------------------------------------------------------------------

MeasurementSession::MeasurementSession(IKVT80& engine, MeasureOptions options,
                                       const std::atomic<bool>* cancel)
    : engine_(engine), options_(options), cancel_(cancel) {}

MeasurementSession::~MeasurementSession() {
    Close();
}

MeasureStatus MeasurementSession::Open() {
    if (open_) {
        return MeasureStatus::Ok;
    }
    Variant connected;
    VariantBool ready = VARIANT_FALSE;
    if (engine_.get_Connected(&connected) != status::Ok || !connected.IsTrue() ||
        engine_.get_Initialized(&ready) != status::Ok || ready != VARIANT_TRUE) {
        return MeasureStatus::EngineRefused;
    }
    found_ = ReadAnalyserState(engine_);
    if (engine_.Advise(frames_, &cookie_) != status::Ok) {
        return MeasureStatus::EngineRefused;
    }
    advised_ = true;
    open_ = true;
    // The two microphones, not sum and difference; the worker reads the analyser; pink noise.
    if (engine_.put_UpdateInputs(Variant::Bool(true)) != status::Ok ||
        engine_.put_SLASumAndDiff(VARIANT_FALSE) != status::Ok ||
        engine_.put_GeneratorMode(Variant::Int(TestToneModePink)) != status::Ok) {
        return MeasureStatus::EngineRefused;
    }
    return MeasureStatus::Ok;
}

MeasureStatus MeasurementSession::Collect(Curve& levels) {
    using Clock = std::chrono::steady_clock;
    const auto started = Clock::now();
    if (options_.settleTime.count() > 0) {
        const auto until = started + options_.settleTime;
        while (Clock::now() < until) {
            if (cancel_ != nullptr && cancel_->load()) {
                return MeasureStatus::Cancelled;
            }
            if (frames_->Lost()) {
                return MeasureStatus::UnitLost;
            }
            std::this_thread::sleep_for(
                std::min<Clock::duration>(kCancelPoll, until - Clock::now()));
        }
    }
    const uint64_t start = frames_->Count();
    MeasureStatus status =
        frames_->WaitFor(start, options_.settleFrames, options_.frameTimeout, cancel_);
    const auto settled = Clock::now();
    settling_ += settled - started;
    if (status == MeasureStatus::Ok) {
        status = frames_->WaitFor(start, options_.settleFrames + options_.averageFrames,
                                  options_.frameTimeout, cancel_);
        averaging_ += Clock::now() - settled;
    }
    if (status == MeasureStatus::NoFrames) {
        // Silence from an engine that has closed its ready gate is a unit gone, not a quiet
        // analyser.
        VariantBool ready = VARIANT_FALSE;
        engine_.get_Initialized(&ready);
        return ready == VARIANT_TRUE ? status : MeasureStatus::UnitLost;
    }
    if (status != MeasureStatus::Ok) {
        return status;
    }
    levels = frames_->Average(options_.averageFrames);
    return MeasureStatus::Ok;
}

MeasureStatus MeasurementSession::MeasureFloor(Curve& levels) {
    if (const MeasureStatus opened = Open(); opened != MeasureStatus::Ok) {
        return opened;
    }
    Variant channels;
    engine_.get_GeneratorChannels(&channels);
    if (channels.Int32() != 0 && engine_.put_GeneratorChannels(Variant::Int(0)) != status::Ok) {
        return MeasureStatus::EngineRefused;
    }
    if (engine_.StartSLA() != status::Ok) {
        return MeasureStatus::EngineRefused;
    }
    return Collect(levels);
}

MeasureStatus MeasurementSession::MeasureChannel(int channel, Curve& levels) {
    if (const MeasureStatus opened = Open(); opened != MeasureStatus::Ok) {
        return opened;
    }
    const int32_t bit = GeneratorBit(channel);
    if (bit == 0 || engine_.put_GeneratorChannels(Variant::Int(bit)) != status::Ok) {
        return MeasureStatus::EngineRefused;
    }
    return Collect(levels);
}

void MeasurementSession::Close() {
    if (!open_) {
        if (advised_) {
            engine_.Unadvise(cookie_);
            advised_ = false;
        }
        return;
    }
    open_ = false;
    restorePending_ = !PutBackAnalyser(engine_, found_);
    if (advised_) {
        engine_.Unadvise(cookie_);
        advised_ = false;
    }
}

AnalyserState ReadAnalyserState(IKVT80& engine) {
    Variant mode;
    Variant updateInputs;
    VariantBool running = VARIANT_FALSE;
    VariantBool sumAndDiff = VARIANT_FALSE;
    engine.get_GeneratorMode(&mode);
    engine.get_SLARunning(&running);
    engine.get_SLASumAndDiff(&sumAndDiff);
    engine.get_UpdateInputs(&updateInputs);
    AnalyserState state;
    state.generatorMode = mode.Int32();
    state.running = running == VARIANT_TRUE;
    state.sumAndDiff = sumAndDiff == VARIANT_TRUE;
    state.updateInputs = updateInputs.IsTrue();
    return state;
}

// Done whatever state the engine is in: with the unit gone the engine records the state (the
// generator off) and the writes go nowhere, so the caller learns the unit did not hear it.
bool PutBackAnalyser(IKVT80& engine, const AnalyserState& state) {
    VariantBool ready = VARIANT_FALSE;
    engine.get_Initialized(&ready);
    engine.put_GeneratorChannels(Variant::Int(0));
    engine.StopSLA();
    engine.put_GeneratorMode(Variant::Int(state.generatorMode));
    if (state.running) {
        engine.StartSLA();
    }
    engine.put_SLASumAndDiff(state.sumAndDiff ? VARIANT_TRUE : VARIANT_FALSE);
    engine.put_UpdateInputs(Variant::Bool(state.updateInputs));
    // Ready before and after: a unit lost while the words were queued has not heard them all.
    VariantBool stillReady = VARIANT_FALSE;
    engine.get_Initialized(&stillReady);
    return ready == VARIANT_TRUE && stillReady == VARIANT_TRUE;
}

}  // namespace kvt::roomeq
