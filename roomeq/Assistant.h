// The room EQ assistant: for each chosen channel, measure, fit, write, measure again until the
// channel is within tolerance or a round brings no further gain; then align the output gains and
// measure every channel once more to prove the result. The channel's earlier settings are kept
// so the change can be undone in one step; nothing is stored in the unit unless asked.
#pragma once

#include <atomic>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "Fit.h"
#include "Measurement.h"

namespace kvt::roomeq {

struct AssistantOptions {
    std::vector<int> channels{L, C, R, LS, SW, RS};
    Target target = XCurveTarget();
    // The screen channels' level against the target over the reference range; none: the mean
    // the screen channels measure before alignment (the gains change least).
    std::optional<double> screenLevelDb;
    double surroundOffsetDb = -3.0;
    double subwooferOffsetDb = 0.0;  // in band, against the screen level
    Limits limits;
    int maxRounds = 4;
    double screenToleranceDb = 1.0;
    double surroundToleranceDb = 1.5;
    double subwooferToleranceDb = 1.5;
    double levelToleranceDb = 0.5;
    bool dryRun = false;  // measure and propose; write nothing
    bool store = false;   // SaveKVTParameters at the end of a run that wrote
    MeasureOptions measure;
    const std::atomic<bool>* cancel = nullptr;
    std::function<void(const std::string&)> progress;
    // The measurements done and planned: the floor, each channel's first and each channel's
    // proving measurement (extra rounds do not move it).
    std::function<void(int done, int total)> steps;
};

// What a channel held before the assistant touched it.
struct ChannelSettings {
    Settings eq;
    double outputGainDb = 0.0;
};

struct ChannelResult {
    int channel = 0;
    ChannelKind kind = ChannelKind::Screen;
    ChannelSettings before;
    ChannelSettings written;  // as proposed, under --dry-run
    Curve target{};           // the target the channel was judged against, at its goal level
    Curve measuredBefore{};
    Curve measuredAfter{};                   // predicted, under --dry-run
    std::array<bool, kColumns> judged{};     // the columns the tolerance applies to
    std::array<bool, kColumns> reference{};  // the level reference range
    std::vector<Exclusion> excluded;
    int rounds = 0;
    double errorBeforeDb = 0.0;  // largest deviation over the judged columns
    double errorAfterDb = 0.0;
    double levelDb = 0.0;  // measured over the reference range, against the target
    double levelGoalDb = 0.0;
    double toleranceDb = 0.0;
    bool gainAtLimit = false;  // the output gain needed lay beyond the unit's range
    bool withinTolerance = false;
};

struct AssistantResult {
    bool completed = false;  // every chosen channel measured and proven (or proposed)
    std::string failure;     // why not, when not
    bool stored = false;
    // The unit was lost before the generator and analyser could be put back: PutBackAnalyser
    // with this state once it is connected again (the unit may still be playing the noise).
    std::optional<AnalyserState> pendingRestore;
    Curve floor{};
    std::vector<ChannelResult> channels;
    // Where the run's time went (seconds): letting readings settle after each change (with the
    // writes going out), averaging readings, and the rest (writes queued, fits, storing).
    double settlingSeconds = 0.0;
    double averagingSeconds = 0.0;
    double totalSeconds = 0.0;
    bool AllWithinTolerance() const;
};

AssistantResult RunAssistant(IKVT80& engine, const AssistantOptions& options);

// Writes a channel's earlier settings back (the one-step undo).
int32_t RestoreChannel(IKVT80& engine, int channel, const ChannelSettings& settings);
// Reads a channel's settings from the engine's image.
ChannelSettings ReadChannel(IKVT80& engine, int channel);

}  // namespace kvt::roomeq
