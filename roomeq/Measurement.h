// Measuring with the unit's own analyser through the engine's public interface: pink noise on one
// channel (or none, for the room's floor), the analyser running, the readings left to settle,
// then enough analyser frames averaged in the power domain. The generator and analyser state the
// session found is put back when it ends, however it ends.
#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>

#include "Bands.h"
#include "IKVT80.h"

namespace kvt::roomeq {

struct MeasureOptions {
    // Frames dropped after a change, so the engine's smoothing (ten frames at the low end) and a
    // read already under way no longer show the old state.
    int settleFrames = 14;
    int averageFrames = 16;
    // The room's own settling after a change (reverberation, a real loudspeaker warming up).
    std::chrono::milliseconds settleTime{300};
    // No frame for this long: the analyser is taken as silent.
    std::chrono::milliseconds frameTimeout{5000};
};

enum class MeasureStatus { Ok, Cancelled, UnitLost, NoFrames, EngineRefused };
std::string_view MeasureStatusText(MeasureStatus status);

// Receives the analyser frames as one column curve each: per column the power mean of the two
// microphones (the session keeps the analyser out of sum-and-difference mode).
class AnalyserFrames : public IKVTEvents {
  public:
    void SLAUpdate(const Variant& data) override;
    void UnitDisappeared() override;

    uint64_t Count() const;
    bool Lost() const;
    // Waits until `count` frames past `after` have arrived (true), or the unit is lost, the
    // cancel flag is set or no frame comes for `timeout`.
    MeasureStatus WaitFor(uint64_t after, int count, std::chrono::milliseconds timeout,
                          const std::atomic<bool>* cancel) const;
    // The power average of the last `count` frames (as many as are kept, at most 64).
    Curve Average(int count) const;

  private:
    mutable std::mutex mutex_;
    mutable std::condition_variable changed_;
    std::deque<Curve> frames_;
    uint64_t count_ = 0;
    bool lost_ = false;
};

// The generator and analyser as a session found them.
struct AnalyserState {
    int32_t generatorMode = 0;
    bool running = false;
    bool sumAndDiff = false;
    bool updateInputs = false;
};

// The engine's generator and analyser state now.
AnalyserState ReadAnalyserState(IKVT80& engine);
// Switches the generator off (that also stops the analyser), then puts the mode, the analyser,
// its sum-and-difference mode and the engine's reading of it back as `state` has them. The unit
// hears it only while it is ready; false when it is not (the engine then still marks its
// analyser as running, and the unit may still be playing the noise).
bool PutBackAnalyser(IKVT80& engine, const AnalyserState& state);

// One measuring session on a connected engine. The constructor notes the generator's mode and
// channels, whether the analyser runs and in which mode, and whether the engine reads the
// analyser; Close (and the destructor) switch the generator off and put those back.
class MeasurementSession {
  public:
    MeasurementSession(IKVT80& engine, MeasureOptions options, const std::atomic<bool>* cancel);
    ~MeasurementSession();
    MeasurementSession(const MeasurementSession&) = delete;
    MeasurementSession& operator=(const MeasurementSession&) = delete;

    // EngineRefused when the engine is not connected to a ready unit.
    MeasureStatus Open();
    // The room with the generator silent.
    MeasureStatus MeasureFloor(Curve& levels);
    // Pink noise on `channel` alone.
    MeasureStatus MeasureChannel(int channel, Curve& levels);
    // Switches the generator off and puts back what the session found. Safe to call twice.
    void Close();
    // The unit was not ready when the session closed: what it found is still to be put back
    // (PutBackAnalyser with Found()) once the unit is connected again.
    bool RestorePending() const { return restorePending_; }
    const AnalyserState& Found() const { return found_; }

    // Time spent so far letting the readings settle after a change (this includes the writes
    // going out on the line before the first new reading) and averaging.
    std::chrono::duration<double> SettlingTime() const { return settling_; }
    std::chrono::duration<double> AveragingTime() const { return averaging_; }

  private:
    MeasureStatus Collect(Curve& levels);

    IKVT80& engine_;
    MeasureOptions options_;
    const std::atomic<bool>* cancel_;
    std::shared_ptr<AnalyserFrames> frames_ = std::make_shared<AnalyserFrames>();
    uint32_t cookie_ = 0;
    bool open_ = false;
    bool advised_ = false;
    AnalyserState found_;
    bool restorePending_ = false;
    std::chrono::duration<double> settling_{0};
    std::chrono::duration<double> averaging_{0};
};

}  // namespace kvt::roomeq
