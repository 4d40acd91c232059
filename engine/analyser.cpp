// The analyser and the test-signal generator on the matrix processor. The members write the
// routing word, the generator words and the input configuration word through the parameter
// writes, switch the stereo formats' noise reduction off while the analyser listens, and take the
// unit to the Mic Center format while the generator plays (the worker re-selects the format with
// its refresh form after every routing change). The worker reads the analyser (worker.cpp).
#include <utility>

#include "KVT80.h"
#include "analyser/GeneratorWords.h"

namespace kvt {

namespace {

constexpr int32_t kMaxToneMode = 4;
constexpr int32_t kMicCenterFormat = 6;
constexpr int kStereoFormat = 1;
constexpr int kStereoSRFormat = 2;

}  // namespace

// ---- Words and events shared by the members ---------------------------------------------------

void KVT80::WriteRoutingWordLocked(bool running, bool sumAndDiff) {
    const auto mode = static_cast<size_t>(frontPanel_.mode.load());
    QueueParameterWrite(3, kRoutingWordAddress,
                        RoutingWord(image_.GetInt(Param::InputConfig), sumAndDiff, running,
                                    image_.formats.records[mode].Flags()));
}

// The noise-reduction field of the two stereo formats; each record goes to the unit again.
void KVT80::SetStereoNoiseReductionLocked(int32_t stereo, int32_t stereoSR) {
    for (const auto& [format, nr] :
         {std::pair{kStereoFormat, stereo}, {kStereoSRFormat, stereoSR}}) {
        FormatRecord& record = image_.formats.records[static_cast<size_t>(format)];
        const auto bits = static_cast<uint16_t>((nr << format_flag::NRShift) & format_flag::NRMask);
        record.SetFlags(static_cast<uint16_t>((record.Flags() & ~format_flag::NRMask) | bits));
        QueueFormatRecordLocked(format);
    }
}

// Starting an analyser that already runs keeps the format saved when it started: a second start
// (the front end restarts it to change the sum-and-difference mode) must not take the Mic Center
// format of a playing generator for the one to return to.
void KVT80::StartAnalyserLocked() {
    if (!slaRunning_ || savedFormat_ < 0) {
        savedFormat_ = frontPanel_.mode.load();
    }
    frontPanel_.analyserFormatRefresh = true;
    WriteRoutingWordLocked(true, sumAndDiff_);
    QueueParameterWrite(5, kInputConfigWordAddress, 0);
    slaRunning_ = true;
    SetStereoNoiseReductionLocked(0, 0);
}

// The calibration words by the matrix processor's firmware, the tone frequency when asked for,
// and the control word last.
void KVT80::WriteGeneratorWordsLocked(int32_t mode, int32_t channels, bool withFrequency) {
    const bool newFirmware = IsNewMatrixFirmware(versions_.matrix);
    if (const auto tone = SineTone(mode, newFirmware)) {
        QueueParameterWrite(3, kToneCalibrationAddress, tone->calibration);
        if (withFrequency) {
            QueueParameterWrite(3, kGeneratorFrequencyAddress, tone->frequency);
        }
    }
    QueueParameterWrite(3, kGeneratorCalibrationAddress, GeneratorCalibrationWord(newFirmware));
    QueueParameterWrite(3, kGeneratorControlAddress, GeneratorControlWord(mode, channels));
}

// Mode goes back to the format saved when the analyser or generator took over. With none saved
// (an analyser found running at connection) the format stays: there is nothing to go back to.
void KVT80::RestoreSavedFormat() {
    const int32_t saved = savedFormat_.exchange(-1);
    if (saved >= 0) {
        frontPanel_.mode = saved;
    }
}

void KVT80::RaiseSLARunning(bool running, bool sumAndDiff) {
    const VariantBool r = running ? VARIANT_TRUE : VARIANT_FALSE;
    const VariantBool s = sumAndDiff ? VARIANT_TRUE : VARIANT_FALSE;
    sinks_.Raise([&](IKVTEvents& sink) { sink.SLARunning(r, s); });
}

void KVT80::RaiseSignalGenState(int32_t mode, int32_t channels) {
    sinks_.Raise([&](IKVTEvents& sink) { sink.SignalGenState(mode, channels); });
}

void KVT80::RaiseInputFormatChanged(int32_t format) {
    sinks_.Raise([&](IKVTEvents& sink) { sink.InputFormatChanged(format); });
}

// ---- Analyser ---------------------------------------------------------------------------------

int32_t KVT80::StartSLA() {
    std::lock_guard lock(imageMutex_);
    StartAnalyserLocked();
    return status::Ok;
}

// The engine side stops at once; the unit's words change only while it is ready (otherwise the
// analyser stays marked as running, and the next retrieval reads what the unit does).
int32_t KVT80::StopSLA() {
    // The refresh form is chosen before Mode changes or the selection is forced, so the worker
    // never re-selects the format in between with the plain form.
    const bool ready = initialized_;
    if (ready) {
        frontPanel_.analyserFormatRefresh = true;
    }
    {
        std::lock_guard lock(imageMutex_);
        SetStereoNoiseReductionLocked(1, 2);
        RestoreSavedFormat();
        generatorChannels_ = 0;
    }
    RaiseInputFormatChanged(frontPanel_.mode);
    frontPanel_.forceFormatResend = true;
    RaiseSignalGenState(generatorMode_, 0);
    if (!ready) {
        return status::Ok;
    }
    std::lock_guard lock(imageMutex_);
    WriteRoutingWordLocked(false, false);
    slaRunning_ = false;
    QueueParameterWrite(3, kGeneratorControlAddress, 0);
    QueueParameterWrite(5, kInputConfigWordAddress,
                        InputConfigWord(image_.GetInt(Param::InputConfig)));
    return status::Ok;
}

int32_t KVT80::put_SLASumAndDiff(VariantBool value) {
    std::lock_guard lock(imageMutex_);
    sumAndDiff_ = value == VARIANT_TRUE;
    WriteRoutingWordLocked(slaRunning_, sumAndDiff_);
    return status::Ok;
}

// ---- Generator --------------------------------------------------------------------------------

int32_t KVT80::put_GeneratorMode(const Variant& value) {
    const int32_t mode = value.Int32();
    if (mode < 0 || mode > kMaxToneMode) {
        return status::InvalidArgument;
    }
    bool started = false;
    int32_t channels = 0;
    {
        std::lock_guard lock(imageMutex_);
        generatorMode_ = mode;
        channels = generatorChannels_;
        if (channels != 0 && !slaRunning_) {
            StartAnalyserLocked();
            started = true;
        }
        WriteGeneratorWordsLocked(mode, channels, true);
    }
    if (started) {
        RaiseSLARunning(true, sumAndDiff_);
    }
    RaiseSignalGenState(mode, channels);
    return status::Ok;
}

// Switching the generator on from off starts the analyser and (unless the format is to be kept)
// selects Mic Center; switching it off stops the analyser, whoever started it, and returns to the
// format saved before.
int32_t KVT80::put_GeneratorChannels(const Variant& value) {
    const int32_t channels = value.Int32();
    frontPanel_.analyserFormatRefresh = true;
    bool started = false;
    int32_t previous = 0;
    int32_t mode = 0;
    {
        std::lock_guard lock(imageMutex_);
        previous = generatorChannels_.exchange(channels);
        mode = generatorMode_;
        if (channels != 0 && !slaRunning_) {
            StartAnalyserLocked();
            started = true;
        }
        WriteGeneratorWordsLocked(mode, channels, false);
    }
    if (started) {
        RaiseSLARunning(true, sumAndDiff_);
    }
    RaiseSignalGenState(mode, channels);

    if (channels == 0) {
        frontPanel_.forceFormatResend = true;
        RestoreSavedFormat();
        StopSLA();
        RaiseSLARunning(false, false);
    } else if (previous == 0) {
        savedFormat_ = frontPanel_.mode.load();
        if (!keepFormat_) {
            frontPanel_.mode = kMicCenterFormat;
        }
    }
    RaiseInputFormatChanged(frontPanel_.mode);
    return status::Ok;
}

// ---- Analyser and generator state as last read from the unit -----------------------------------

int32_t KVT80::get_SLARunning(VariantBool* value) {
    if (value == nullptr) {
        return status::InvalidArgument;
    }
    *value = slaRunning_.load() ? VARIANT_TRUE : VARIANT_FALSE;
    return status::Ok;
}

int32_t KVT80::get_SLASumAndDiff(VariantBool* value) {
    if (value == nullptr) {
        return status::InvalidArgument;
    }
    *value = sumAndDiff_.load() ? VARIANT_TRUE : VARIANT_FALSE;
    return status::Ok;
}

int32_t KVT80::get_GeneratorMode(Variant* value) {
    if (value == nullptr) {
        return status::InvalidArgument;
    }
    *value = Variant::Int(generatorMode_.load());
    return status::Ok;
}

int32_t KVT80::get_GeneratorChannels(Variant* value) {
    if (value == nullptr) {
        return status::InvalidArgument;
    }
    *value = Variant::Int(generatorChannels_.load());
    return status::Ok;
}

}  // namespace kvt
