// The parameter members: gains, equaliser, delays, channel flags, routing and the front-panel
// values. Each is one call into the shared get/put pattern over the address map.
#include "KVT80.h"
#include "analyser/GeneratorWords.h"
#include "text/Codepage.h"

namespace kvt {

namespace {

ParameterIndex At(const Variant& index) {
    return {index.Int32(), 0};
}

ParameterIndex At(const Variant& channel, const Variant& band) {
    return {channel.Int32(), band.Int32()};
}

constexpr int32_t kMaxFaderLevel = 100;
constexpr int32_t kMaxSelectedPreamp = 3;
constexpr int32_t kMaxFormat = kFormats - 1;

}  // namespace

// ---- Shared pattern ----------------------------------------------------------------------------

int32_t KVT80::GetParameter(Param param, ParameterIndex at, double* value) {
    if (value == nullptr || !ValidIndex(RowOf(param).index, at)) {
        return status::InvalidArgument;
    }
    std::lock_guard lock(imageMutex_);
    *value = image_.Get(param, at);
    return status::Ok;
}

int32_t KVT80::GetParameter(Param param, ParameterIndex at, int32_t* value) {
    double number = 0;
    const int32_t result = GetParameter(param, at, value == nullptr ? nullptr : &number);
    if (result == status::Ok) {
        *value = static_cast<int32_t>(number);
    }
    return result;
}

int32_t KVT80::GetParameter(Param param, Variant* value) {
    int32_t number = 0;
    const int32_t result = GetParameter(param, {}, value == nullptr ? nullptr : &number);
    if (result == status::Ok) {
        *value = Variant::Int(number);
    }
    return result;
}

// Check, store, convert, queue, mark the configuration changed.
int32_t KVT80::PutParameter(Param param, ParameterIndex at, double value) {
    const ParameterRow& row = RowOf(param);
    if (!ValidIndex(row.index, at) || !InRange(row, value)) {
        return status::InvalidArgument;
    }
    {
        std::lock_guard lock(imageMutex_);
        image_.Set(param, at, value);
        if (row.encoding == Encoding::DelayWords) {
            QueueDelayWordsLocked(param == Param::DigitalInputDelay);
        } else {
            QueueValueLocked(param, at);
        }
    }
    MarkDirty();
    return status::Ok;
}

void KVT80::QueueValueLocked(Param param, ParameterIndex at) {
    const ParameterRow& row = RowOf(param);
    const uint32_t raw = EncodeRaw(row.encoding, image_.Get(param, at));
    const Locations locations = row.locate(at);
    for (const Location& location : locations.All()) {
        QueueParameterWrite(location.block, location.address, raw);
    }
}

// The input delay writes every region; the surround delay only those of block 5.
void KVT80::QueueDelayWordsLocked(bool inputDelay) {
    const auto words =
        DelayWords(image_.GetInt(Param::DigitalInputDelay),
                   image_.GetInt(Param::DigitalSurroundDelay), image_.GetInt(Param::InputConfig));
    for (const RawWrite& word : words) {
        if (inputDelay || word.block == 5) {
            QueueParameterWrite(word.block, word.address, word.value);
        }
    }
}

void KVT80::MarkDirty() {
    if (!suspended_) {
        configDirty_ = true;
    }
}

ParameterImage KVT80::Image() const {
    std::lock_guard lock(imageMutex_);
    return image_;
}

// ---- Gains, equaliser and delays ---------------------------------------------------------------

int32_t KVT80::get_LeftInputGain(const Variant& projector, double* value) {
    return GetParameter(Param::LeftInputGain, At(projector), value);
}
int32_t KVT80::put_LeftInputGain(const Variant& projector, double value) {
    return PutParameter(Param::LeftInputGain, At(projector), value);
}
int32_t KVT80::get_RightInputGain(const Variant& projector, double* value) {
    return GetParameter(Param::RightInputGain, At(projector), value);
}
int32_t KVT80::put_RightInputGain(const Variant& projector, double value) {
    return PutParameter(Param::RightInputGain, At(projector), value);
}
int32_t KVT80::get_SlitEQ(const Variant& projector, double* value) {
    return GetParameter(Param::SlitEQ, At(projector), value);
}
int32_t KVT80::put_SlitEQ(const Variant& projector, double value) {
    return PutParameter(Param::SlitEQ, At(projector), value);
}
int32_t KVT80::get_MonoEQ(double* value) {
    return GetParameter(Param::MonoEQ, {}, value);
}
int32_t KVT80::put_MonoEQ(double value) {
    return PutParameter(Param::MonoEQ, {}, value);
}
int32_t KVT80::get_Delay(int32_t* value) {
    return GetParameter(Param::Delay, {}, value);
}
int32_t KVT80::put_Delay(int32_t value) {
    return PutParameter(Param::Delay, {}, value);
}
int32_t KVT80::get_SurroundGain(double* value) {
    return GetParameter(Param::SurroundGain, {}, value);
}
int32_t KVT80::put_SurroundGain(double value) {
    return PutParameter(Param::SurroundGain, {}, value);
}
int32_t KVT80::get_SubwooferGain(double* value) {
    return GetParameter(Param::SubwooferGain, {}, value);
}
int32_t KVT80::put_SubwooferGain(double value) {
    return PutParameter(Param::SubwooferGain, {}, value);
}
int32_t KVT80::get_NonSyncGain(double* value) {
    return GetParameter(Param::NonSyncGain, {}, value);
}
int32_t KVT80::put_NonSyncGain(double value) {
    return PutParameter(Param::NonSyncGain, {}, value);
}
int32_t KVT80::get_Bass(const Variant& channel, double* value) {
    return GetParameter(Param::Bass, At(channel), value);
}
int32_t KVT80::put_Bass(const Variant& channel, double value) {
    return PutParameter(Param::Bass, At(channel), value);
}
int32_t KVT80::get_Treble(const Variant& channel, double* value) {
    return GetParameter(Param::Treble, At(channel), value);
}
int32_t KVT80::put_Treble(const Variant& channel, double value) {
    return PutParameter(Param::Treble, At(channel), value);
}
int32_t KVT80::get_EQBand(const Variant& channel, const Variant& band, double* value) {
    return GetParameter(Param::EQBand, At(channel, band), value);
}
int32_t KVT80::put_EQBand(const Variant& channel, const Variant& band, double value) {
    return PutParameter(Param::EQBand, At(channel, band), value);
}
int32_t KVT80::get_OutputGain(const Variant& channel, double* value) {
    return GetParameter(Param::OutputGain, At(channel), value);
}
int32_t KVT80::put_OutputGain(const Variant& channel, double value) {
    return PutParameter(Param::OutputGain, At(channel), value);
}
int32_t KVT80::get_LeftAuxGain(double* value) {
    return GetParameter(Param::LeftAuxGain, {}, value);
}
int32_t KVT80::put_LeftAuxGain(double value) {
    return PutParameter(Param::LeftAuxGain, {}, value);
}
int32_t KVT80::get_RightAuxGain(double* value) {
    return GetParameter(Param::RightAuxGain, {}, value);
}
int32_t KVT80::put_RightAuxGain(double value) {
    return PutParameter(Param::RightAuxGain, {}, value);
}
int32_t KVT80::get_LeftMicGain(double* value) {
    return GetParameter(Param::LeftMicGain, {}, value);
}
int32_t KVT80::put_LeftMicGain(double value) {
    return PutParameter(Param::LeftMicGain, {}, value);
}
int32_t KVT80::get_RightMicGain(double* value) {
    return GetParameter(Param::RightMicGain, {}, value);
}
int32_t KVT80::put_RightMicGain(double value) {
    return PutParameter(Param::RightMicGain, {}, value);
}
int32_t KVT80::get_SubwooferFreq(double* value) {
    return GetParameter(Param::SubwooferFreq, {}, value);
}
int32_t KVT80::put_SubwooferFreq(double value) {
    return PutParameter(Param::SubwooferFreq, {}, value);
}
int32_t KVT80::get_SubParametricFreq(double* value) {
    return GetParameter(Param::SubParametricFreq, {}, value);
}
int32_t KVT80::put_SubParametricFreq(double value) {
    return PutParameter(Param::SubParametricFreq, {}, value);
}
int32_t KVT80::get_SubParametricQ(double* value) {
    return GetParameter(Param::SubParametricQ, {}, value);
}
int32_t KVT80::put_SubParametricQ(double value) {
    return PutParameter(Param::SubParametricQ, {}, value);
}
int32_t KVT80::get_SubParametricGain(double* value) {
    return GetParameter(Param::SubParametricGain, {}, value);
}
int32_t KVT80::put_SubParametricGain(double value) {
    return PutParameter(Param::SubParametricGain, {}, value);
}
int32_t KVT80::get_DigitalSurroundDelay(Variant* value) {
    return GetParameter(Param::DigitalSurroundDelay, value);
}
int32_t KVT80::put_DigitalSurroundDelay(const Variant& value) {
    return PutParameter(Param::DigitalSurroundDelay, {}, value.Int32());
}
int32_t KVT80::get_HeadroomAdjust(int32_t* value) {
    return GetParameter(Param::HeadroomAdjust, {}, value);
}
int32_t KVT80::put_HeadroomAdjust(int32_t value) {
    return PutParameter(Param::HeadroomAdjust, {}, value);
}
int32_t KVT80::get_DigitalFallbackMode(int32_t* value) {
    return GetParameter(Param::DigitalFallbackMode, {}, value);
}
int32_t KVT80::put_DigitalFallbackMode(int32_t value) {
    return PutParameter(Param::DigitalFallbackMode, {}, value);
}
int32_t KVT80::get_DigitalInputDelay(Variant* value) {
    return GetParameter(Param::DigitalInputDelay, value);
}
int32_t KVT80::put_DigitalInputDelay(const Variant& value) {
    return PutParameter(Param::DigitalInputDelay, {}, value.Int32());
}
int32_t KVT80::get_InputConfig(int32_t* value) {
    return GetParameter(Param::InputConfig, {}, value);
}

// The input configuration moves the routing word, the input configuration word and the delays of
// the EX regions; the delays are re-sent through their own members.
int32_t KVT80::put_InputConfig(int32_t value) {
    if (!InRange(RowOf(Param::InputConfig), value)) {
        return status::InvalidArgument;
    }
    int32_t inputDelay = 0;
    int32_t surroundDelay = 0;
    {
        std::lock_guard lock(imageMutex_);
        image_.Set(Param::InputConfig, {}, value);
        const int32_t mode = frontPanel_.mode.load();
        const uint16_t formatFlags = image_.formats.records[static_cast<size_t>(mode)].Flags();
        QueueParameterWrite(3, kRoutingWordAddress,
                            RoutingWord(value, sumAndDiff_, slaRunning_, formatFlags));
        // The running analyser keeps the input configuration word at 0.
        QueueParameterWrite(5, kInputConfigWordAddress, slaRunning_ ? 0 : InputConfigWord(value));
        inputDelay = image_.GetInt(Param::DigitalInputDelay);
        surroundDelay = image_.GetInt(Param::DigitalSurroundDelay);
    }
    put_DigitalInputDelay(Variant::Int(inputDelay));
    put_DigitalSurroundDelay(Variant::Int(surroundDelay));
    MarkDirty();
    return status::Ok;
}

// ---- Channel flags and CopyEQ ------------------------------------------------------------------

int32_t KVT80::GetChannelFlag(const Variant& channel, bool mute, Variant* value) {
    const ParameterIndex at = At(channel);
    if (value == nullptr || !ValidIndex(IndexKind::Channel, at)) {
        return status::InvalidArgument;
    }
    std::lock_guard lock(imageMutex_);
    const size_t index = static_cast<size_t>(at.index);
    *value = Variant::Bool(mute ? image_.mute[index] : image_.invert[index]);
    return status::Ok;
}

// The flags word carries both flags, so muting keeps the polarity and the other way round.
int32_t KVT80::PutChannelFlag(const Variant& channel, bool mute, const Variant& value) {
    const ParameterIndex at = At(channel);
    if (!ValidIndex(IndexKind::Channel, at)) {
        return status::InvalidArgument;
    }
    {
        std::lock_guard lock(imageMutex_);
        const size_t index = static_cast<size_t>(at.index);
        (mute ? image_.mute : image_.invert)[index] = value.BoolField() == VARIANT_TRUE;
        const ChannelPlace& place = ChannelMap(at.index);
        QueueParameterWrite(place.block, place.region + kRegionFlags,
                            ChannelFlagsWord(image_.mute[index], image_.invert[index]));
    }
    MarkDirty();
    return status::Ok;
}

int32_t KVT80::get_Mute(const Variant& channel, Variant* value) {
    return GetChannelFlag(channel, true, value);
}
int32_t KVT80::put_Mute(const Variant& channel, const Variant& value) {
    return PutChannelFlag(channel, true, value);
}
int32_t KVT80::get_Invert(const Variant& channel, Variant* value) {
    return GetChannelFlag(channel, false, value);
}
int32_t KVT80::put_Invert(const Variant& channel, const Variant& value) {
    return PutChannelFlag(channel, false, value);
}

// Copies the source channel's tone and equaliser to every channel whose array element (by
// position, whatever the array's lower bound) is true, through the members themselves.
int32_t KVT80::CopyEQ(const Variant& sourceChannel, const Variant& destinationChannels) {
    const ParameterIndex source = At(sourceChannel);
    const SafeArray* destinations = destinationChannels.ArrayValue();
    if (!ValidIndex(IndexKind::Channel, source) || destinations == nullptr) {
        return status::InvalidArgument;
    }
    double bass = 0;
    double treble = 0;
    std::array<double, kBands> bands{};
    {
        std::lock_guard lock(imageMutex_);
        bass = image_.Get(Param::Bass, source);
        treble = image_.Get(Param::Treble, source);
        for (int band = 0; band < kBands; ++band) {
            bands[static_cast<size_t>(band)] = image_.Get(Param::EQBand, {source.index, band});
        }
    }
    const auto& elements = destinations->elements;
    for (size_t position = 0; position < elements.size(); ++position) {
        if (elements[position].BoolField() != VARIANT_TRUE) {
            continue;
        }
        const Variant channel = Variant::Int(static_cast<int32_t>(position));
        put_Bass(channel, bass);
        put_Treble(channel, treble);
        for (int band = 0; band < kBands; ++band) {
            put_EQBand(channel, Variant::Int(band), bands[static_cast<size_t>(band)]);
        }
    }
    return status::Ok;
}

// ---- Front-panel values
// --------------------------------------------------------------------------

int32_t KVT80::get_FaderLevel(int32_t* value) {
    if (value == nullptr) {
        return status::InvalidArgument;
    }
    *value = frontPanel_.faderLevel.load();
    return status::Ok;
}

int32_t KVT80::put_FaderLevel(int32_t value) {
    if (value < 0 || value > kMaxFaderLevel) {
        return status::InvalidArgument;
    }
    frontPanel_.faderLevel = value;
    return status::Ok;
}

int32_t KVT80::get_SystemMute(Variant* value) {
    if (value == nullptr) {
        return status::InvalidArgument;
    }
    *value = Variant::Bool(frontPanel_.systemMute.load());
    return status::Ok;
}

int32_t KVT80::put_SystemMute(const Variant& value) {
    if (value.Type() != VT_BOOL) {
        return status::InvalidArgument;
    }
    frontPanel_.systemMute = value.IsTrue();
    return status::Ok;
}

int32_t KVT80::get_SelectedPreamp(Variant* value) {
    if (value == nullptr) {
        return status::InvalidArgument;
    }
    *value = Variant::Int(frontPanel_.selectedPreamp.load());
    return status::Ok;
}

int32_t KVT80::put_SelectedPreamp(const Variant& value) {
    const int32_t preamp = value.Int32();
    if (preamp < 0 || preamp > kMaxSelectedPreamp) {
        return status::InvalidArgument;
    }
    frontPanel_.selectedPreamp = preamp;
    return status::Ok;
}

int32_t KVT80::get_Mode(Variant* value) {
    if (value == nullptr) {
        return status::InvalidArgument;
    }
    *value = Variant::Int(frontPanel_.mode.load());
    return status::Ok;
}

// Only stored: the worker selects the format on the unit. A format choice is not configuration.
int32_t KVT80::put_Mode(const Variant& value) {
    const int32_t mode = value.Int32();
    if (mode < 0 || mode > kMaxFormat) {
        return status::InvalidArgument;
    }
    frontPanel_.mode = mode;
    return status::Ok;
}

// ---- Flags and identification ------------------------------------------------------------------

int32_t KVT80::get_ConfigFileDirty(Variant* value) {
    if (value == nullptr) {
        return status::InvalidArgument;
    }
    *value = Variant::Bool(configDirty_.load());
    return status::Ok;
}

int32_t KVT80::GetVersion(std::string VersionTexts::*text, Variant* value) {
    if (value == nullptr) {
        return status::InvalidArgument;
    }
    std::lock_guard lock(imageMutex_);
    *value = Variant::String(FromCp1252(versions_.*text));
    return status::Ok;
}

int32_t KVT80::get_PICVersion(Variant* value) {
    return GetVersion(&VersionTexts::controller, value);
}
int32_t KVT80::get_MatrixVersion(Variant* value) {
    return GetVersion(&VersionTexts::matrix, value);
}
int32_t KVT80::get_NRVersion(Variant* value) {
    return GetVersion(&VersionTexts::nr1, value);
}
int32_t KVT80::get_EQVersion(Variant* value) {
    return GetVersion(&VersionTexts::eq1, value);
}
int32_t KVT80::get_OutputPICVersion(Variant* value) {
    return GetVersion(&VersionTexts::outputController, value);
}
int32_t KVT80::get_ProcessorPICVersion(Variant* value) {
    return GetVersion(&VersionTexts::processorController, value);
}

int32_t KVT80::NRVersions(Variant* first, Variant* second) {
    if (first == nullptr || second == nullptr) {
        return status::InvalidArgument;
    }
    GetVersion(&VersionTexts::nr1, first);
    return GetVersion(&VersionTexts::nr2, second);
}

int32_t KVT80::EQVersions(Variant* first, Variant* second) {
    if (first == nullptr || second == nullptr) {
        return status::InvalidArgument;
    }
    GetVersion(&VersionTexts::eq1, first);
    return GetVersion(&VersionTexts::eq2, second);
}

// The engine has no version of its own to report; the caller's Variant stays as it was.
int32_t KVT80::get_COMVersion(Variant* value) {
    return value == nullptr ? status::InvalidArgument : status::Ok;
}

int32_t KVT80::get_KP80Present(VariantBool* value) {
    if (value == nullptr) {
        return status::InvalidArgument;
    }
    *value = VARIANT_TRUE;
    return status::Ok;
}

// Every unit this engine serves carries the analyser on its matrix processor.
int32_t KVT80::get_RTAHardwareAvail(VariantBool* value) {
    if (value == nullptr) {
        return status::InvalidArgument;
    }
    *value = VARIANT_TRUE;
    return status::Ok;
}

int32_t KVT80::put_Production(VariantBool value) {
    keepFormat_ = value == VARIANT_TRUE;
    return status::Ok;
}

}  // namespace kvt
