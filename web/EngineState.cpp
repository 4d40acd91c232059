#include "EngineState.h"

#include "kvtcomm.h"
#include "text/Codepage.h"

namespace kvt::web {
namespace {

using Json = nlohmann::json;

constexpr int kChannels = 8;
constexpr int kBands = 27;
constexpr int kFormats = 16;

double Read(IKVT80& engine, int32_t (IKVT80::*get)(const Variant&, double*), int channel) {
    double value = 0.0;
    (engine.*get)(Variant::Int(channel), &value);
    return value;
}

std::string Text(const Variant& value) {
    return value.Type() == VT_BSTR ? ToUtf8(value.StringValue()) : std::string();
}

std::string ProfileText(IKVT80& engine, int32_t (IKVT80::*get)(Variant*)) {
    Variant value;
    return (engine.*get)(&value) == status::Ok ? Text(value) : std::string();
}

std::string FormatText(IKVT80& engine, int32_t (IKVT80::*get)(const Variant&, std::u16string*),
                       int format) {
    std::u16string value;
    return (engine.*get)(Variant::Int(format), &value) == status::Ok ? ToUtf8(value)
                                                                     : std::string();
}

bool FormatFlag(IKVT80& engine, int32_t (IKVT80::*get)(const Variant&, Variant*), int format) {
    Variant value;
    return (engine.*get)(Variant::Int(format), &value) == status::Ok && value.Int32() != 0;
}

Json Channels(IKVT80& engine) {
    Json channels = Json::array();
    for (int c = 0; c < kChannels; ++c) {
        Json bands = Json::array();
        for (int b = 0; b < kBands; ++b) {
            double value = 0.0;
            engine.get_EQBand(Variant::Int(c), Variant::Int(b), &value);
            bands.push_back(value);
        }
        Variant mute;
        engine.get_Mute(Variant::Int(c), &mute);
        channels.push_back({{"eq", std::move(bands)},
                            {"bass", Read(engine, &IKVT80::get_Bass, c)},
                            {"treble", Read(engine, &IKVT80::get_Treble, c)},
                            {"gain", Read(engine, &IKVT80::get_OutputGain, c)},
                            {"mute", mute.Int32() == -1}});
    }
    return channels;
}

Json Formats(IKVT80& engine) {
    Json formats = Json::array();
    for (int f = 0; f < kFormats; ++f) {
        int32_t level = 0;
        engine.get_FormatLevel(Variant::Int(f), &level);
        formats.push_back({{"code", FormatText(engine, &IKVT80::get_FormatCode, f)},
                           {"name1", FormatText(engine, &IKVT80::get_FormatTxt1, f)},
                           {"name2", FormatText(engine, &IKVT80::get_FormatTxt2, f)},
                           {"level", level},
                           {"analog", FormatFlag(engine, &IKVT80::get_FormatAnalog, f)},
                           {"digital", FormatFlag(engine, &IKVT80::get_FormatDigital, f)},
                           {"matrix", FormatFlag(engine, &IKVT80::get_FormatMatrix, f)}});
    }
    return formats;
}

Json Profile(IKVT80& engine) {
    return {{"serialNumber", ProfileText(engine, &IKVT80::get_SerialNumber)},
            {"theaterName", ProfileText(engine, &IKVT80::get_TheaterName)},
            {"screenNumber", ProfileText(engine, &IKVT80::get_ScreenNumber)},
            {"projectName", ProfileText(engine, &IKVT80::get_ProjectName)},
            {"projectorModel", ProfileText(engine, &IKVT80::get_ProjectorModel)},
            {"automationSystem", ProfileText(engine, &IKVT80::get_AutomationSystem)},
            {"digitalPlayer1", ProfileText(engine, &IKVT80::get_DigitalPlayer1)},
            {"digitalPlayer2", ProfileText(engine, &IKVT80::get_DigitalPlayer2)},
            {"comments", ProfileText(engine, &IKVT80::get_Comments)}};
}

}  // namespace

Json ReadState(IKVT80& engine) {
    Variant connected;
    engine.get_Connected(&connected);
    Variant mode;
    engine.get_Mode(&mode);
    Variant generatorMode;
    engine.get_GeneratorMode(&generatorMode);
    Variant generatorChannels;
    engine.get_GeneratorChannels(&generatorChannels);
    VariantBool running = VARIANT_FALSE;
    engine.get_SLARunning(&running);
    VariantBool sumAndDiff = VARIANT_FALSE;
    engine.get_SLASumAndDiff(&sumAndDiff);
    int32_t fader = 0;
    engine.get_FaderLevel(&fader);
    int32_t powerOn = 0;
    engine.get_PowerOnFormat(&powerOn);
    int32_t inputConfig = 0;
    engine.get_InputConfig(&inputConfig);
    return {
        {"connected", connected.IsTrue()},
        {"format", mode.Int32()},
        {"fader", fader},
        {"inputConfig", inputConfig},
        {"channels", Channels(engine)},
        {"generator", {{"mode", generatorMode.Int32()}, {"channels", generatorChannels.Int32()}}},
        {"analyser",
         {{"running", running == VARIANT_TRUE}, {"sumAndDiff", sumAndDiff == VARIANT_TRUE}}},
        {"formats", Formats(engine)},
        {"powerOnFormat", powerOn},
        {"profile", Profile(engine)}};
}

std::string ConnectFlow(IKVT80& engine) {
    Variant connected;
    if (engine.get_Connected(&connected) == status::Ok && connected.IsTrue()) {
        return "already connected";
    }
    const int32_t opened = engine.Connect();
    if (opened != status::Ok) {
        std::string reason = GetCommOpenErrorText();
        return "the unit's port could not be opened" + (reason.empty() ? "" : ": " + reason);
    }
    if (engine.QueryKVT() != status::Ok) {
        engine.Disconnect();
        return "the unit did not answer";
    }
    engine.put_UpdateInputs(Variant::Bool(true));
    return {};
}

std::string DisconnectFlow(IKVT80& engine, bool store, bool verify) {
    Variant connected;
    if (engine.get_Connected(&connected) != status::Ok || !connected.IsTrue()) {
        return "not connected";
    }
    engine.put_UpdateInputs(Variant::Bool(false));
    if (store && engine.SaveKVTParameters() != status::Ok) {
        engine.put_UpdateInputs(Variant::Bool(true));
        return "storing the settings in the unit failed; the unit stays connected";
    }
    if (verify) {
        Variant dsp;
        if (engine.Verify(&dsp) != status::Ok) {
            engine.put_UpdateInputs(Variant::Bool(true));
            return "verification failed (processor " + std::to_string(dsp.Int32()) +
                   "); the unit stays connected";
        }
    }
    if (!store) {
        engine.AbandonChanges();
    }
    engine.Disconnect();
    return {};
}

}  // namespace kvt::web
