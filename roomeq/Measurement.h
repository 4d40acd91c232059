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
    int32_t savedMode_ = 0;
    int32_t savedChannels_ = 0;
    bool savedRunning_ = false;
    bool savedSumAndDiff_ = false;
    bool savedUpdateInputs_ = false;
    std::chrono::duration<double> settling_{0};
    std::chrono::duration<double> averaging_{0};
};

}  // namespace kvt::roomeq
