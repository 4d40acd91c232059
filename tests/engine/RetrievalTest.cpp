// Reading a unit's whole configuration into the engine: every value from its address and
// encoding, the progress reports, the front-panel and analyser state, and units that stop
// answering half way.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "EngineFixture.h"
#include "ImageTestSupport.h"

namespace kvt {
namespace {

using testing::At;
using testing::ChannelDelayWord;
using testing::ConfigDirty;
using testing::TotalPending;
using testing::Word24;

using sim::Fault;
using sim::FaultKind;

// Where each output channel (index 0..7) keeps its settings in the unit.
struct ChannelHome {
    int block;
    uint32_t region;
    uint32_t outputGainAddress;
};
constexpr std::array<ChannelHome, 8> kChannelHomes{{
    {4, 0, 1012},
    {4, 128, 1014},
    {4, 64, 1013},
    {5, 0, 1016},
    {4, 192, 1015},
    {5, 64, 1017},
    {5, 128, 1018},
    {5, 192, 1019},
}};
constexpr int kEqBands = 27;

// Distinct in-range settings per channel, in dB x 10.
int BandTenths(int channel, int band) {
    return (channel * 11 + band * 7) % 121 - 60;
}
int TrebleTenths(int channel) {
    return 5 * channel - 20;
}
int BassTenths(int channel) {
    return 30 - 7 * channel;
}
int OutputGainTenths(int channel) {
    return 25 * channel - 190;
}
bool Muted(int channel) {
    return channel % 2 == 1;
}
bool Inverted(int channel) {
    return channel % 3 == 0;
}

// EEPROM layout of the format settings and records.
constexpr uint32_t kPowerOnEntryAddress = 19;
constexpr uint32_t kButtonTableAddress = 20;
constexpr uint32_t kFormatCountAddress = 28;
constexpr uint32_t kFallbackModeAddress = 557;
constexpr uint32_t FormatRecordAddress(int format) {
    return 29 + 33 * static_cast<uint32_t>(format);
}

// Generator control word bits.
constexpr uint32_t kPink = 0x1;
constexpr uint32_t kSine = 0x2;
constexpr uint32_t kThump = 0x4;
constexpr uint32_t kLeftBit = 0x200000;
constexpr uint32_t kCentreBit = 0x400000;
constexpr uint32_t kRightBit = 0x800000;
constexpr uint32_t kSubwooferBit = 0x8000;
constexpr uint32_t kLeftSurroundBit = 0x4000;
constexpr uint32_t kRightSurroundBit = 0x10000;
constexpr uint32_t kLeftExBit = 0x400;
constexpr uint32_t kRightExBit = 0x1000;

// Analyser routing word bits.
constexpr uint32_t kSevenOne = 0x40;
constexpr uint32_t kRunning = 0x100;
constexpr uint32_t kSumAndDiff = 0x200;
constexpr uint32_t kLcrc = 0x400;

struct Progress {
    int32_t state;
    int32_t position;
    int32_t end;
};

class Retrieval : public testing::EngineOnSimulatedUnit {
  protected:
    int32_t ConnectAndRetrieve() {
        const int32_t connected = engine->Connect();
        return connected != 0 ? connected : engine->QueryKVT();
    }

    void SetEepromBytes(uint32_t address, std::string_view bytes, size_t fieldSize) {
        for (size_t i = 0; i < fieldSize; ++i) {
            const uint8_t byte = i < bytes.size() ? static_cast<uint8_t>(bytes[i]) : 0;
            unit.SetMemory(0, address + static_cast<uint32_t>(i), byte);
        }
    }

    // A profile field as the unit keeps it: UTF-16 units, low byte first, zeros after the text.
    void SetProfileText(uint32_t address, size_t units, std::u16string_view text) {
        for (size_t i = 0; i < units; ++i) {
            const char16_t unitValue = i < text.size() ? text[i] : u'\0';
            unit.SetMemory(0, address + static_cast<uint32_t>(2 * i), unitValue & 0xFFu);
            unit.SetMemory(0, address + static_cast<uint32_t>(2 * i + 1), unitValue >> 8);
        }
    }

    void SetGeneratorWords(uint32_t routing, uint32_t control, uint32_t frequency = 0) {
        unit.SetMemory(3, 12, routing);
        unit.SetMemory(3, 14, frequency);
        unit.SetMemory(3, 16, control);
    }

    std::vector<Progress> ProgressReports() const {
        std::vector<Progress> reports;
        for (const auto& event : events->Named("ConnectionProgress")) {
            reports.push_back({event.arguments[0].Int32(), event.arguments[1].Int32(),
                               event.arguments[2].Int32()});
        }
        return reports;
    }

    // The integer arguments of the last event of that name (empty when there was none).
    std::vector<int32_t> LastIntArguments(const std::string& name) const {
        const auto named = events->Named(name);
        if (named.empty()) {
            return {};
        }
        std::vector<int32_t> values;
        for (const Variant& argument : named.back().arguments) {
            values.push_back(argument.Type() == VT_BOOL ? static_cast<int16_t>(argument.BoolField())
                                                        : argument.Int32());
        }
        return values;
    }

    size_t ReceivedCount(const std::string& line) const {
        const auto lines = unit.ReceivedLines();
        return static_cast<size_t>(std::count(lines.begin(), lines.end(), line));
    }

    bool ReceivedLineStartingWith(const std::string& start) const {
        for (const auto& line : unit.ReceivedLines()) {
            if (line.rfind(start, 0) == 0) {
                return true;
            }
        }
        return false;
    }

    // A text member's value (profile fields, version texts).
    std::u16string TextOf(int32_t (KVT80::*get)(Variant*)) {
        Variant value;
        EXPECT_EQ((engine.get()->*get)(&value), 0);
        return value.StringValue();
    }
};

// ---- A preset unit -----------------------------------------------------------------------------

constexpr int kInputDelayMs = 100;
constexpr int kSurroundDelayMs = 25;

struct ProfilePreset {
    uint32_t address;
    size_t units;
    std::u16string_view text;
    int32_t (KVT80::*get)(Variant*);
};

const std::array<ProfilePreset, 9> kProfilePresets{{
    {559, 16, u"SN-4242", &KVT80::get_SerialNumber},
    {591, 16, u"Player One", &KVT80::get_DigitalPlayer1},
    {623, 16, u"Player Two", &KVT80::get_DigitalPlayer2},
    {655, 32, u"Grand Hall", &KVT80::get_ProjectName},
    {719, 32, u"Od\u00e9on Palace", &KVT80::get_TheaterName},
    {783, 4, u"12", &KVT80::get_ScreenNumber},
    {791, 32, u"Model 70", &KVT80::get_ProjectorModel},
    {855, 32, u"Relay box", &KVT80::get_AutomationSystem},
    {919, 127, u"Tuned \u2713 after the \u0141\u00f3d\u017a visit", &KVT80::get_Comments},
}};

constexpr std::array<int32_t, 8> kPresetButtons{7, 6, 5, 4, 3, 2, 1, 0};
constexpr int kPresetFormat = 5;
constexpr int kPresetFormatCount = 12;

class PresetUnit : public Retrieval {
  protected:
    void SetUp() override {
        Retrieval::SetUp();
        PresetPreamps();
        PresetMatrix();
        PresetChannels();
        PresetEqualiserWords();
        PresetFormats();
        for (const auto& field : kProfilePresets) {
            SetProfileText(field.address, field.units, field.text);
        }
        unit.SetMemory(0, kFallbackModeAddress, 5);
        sim::FrontPanel panel;
        panel.button = 4;
        panel.format = 3;
        panel.projector = 3;  // answered 0-based: preamp 2
        panel.level = 42;
        panel.muted = true;
        unit.SetPanel(panel);
    }

    void PresetPreamps() {
        unit.SetMemory(1, 2, Word24(-123));
        unit.SetMemory(1, 3, Word24(45));
        unit.SetMemory(1, 4, Word24(-75));
        unit.SetMemory(1, 5, Word24(99));
        unit.SetMemory(1, 7, 0x500000);
        unit.SetMemory(1, 9, 0x600000);
        unit.SetMemory(1, 14, 3000);
        unit.SetMemory(1, 18, 0x000019);  // above 0x18: the version text moved to 20
        unit.SetMemory(1, 20, 0x000027);
        unit.SetMemory(2, 2, Word24(11));
        unit.SetMemory(2, 3, Word24(-22));
        unit.SetMemory(2, 4, Word24(33));
        unit.SetMemory(2, 5, Word24(-44));
        unit.SetMemory(2, 18, 0x000018);  // not above 0x18: the text is here
        unit.SetMemory(2, 20, 0x000099);
    }

    void PresetMatrix() {
        unit.SetMemory(3, 0, Word24(-155));
        unit.SetMemory(3, 2, Word24(25));
        unit.SetMemory(3, 4, Word24(-10));  // the second surround word is not the one read
        unit.SetMemory(3, 6, Word24(-70));
        unit.SetMemory(3, 8, Word24(150 * -144));
        unit.SetMemory(3, 10, 2);
        SetGeneratorWords(kLcrc, 0);
        unit.SetMemory(3, 30, 0x000159);  // 345, above 344: the text is at 32
        unit.SetMemory(3, 32, 0x000160);
    }

    void PresetChannels() {
        for (int channel = 0; channel < 8; ++channel) {
            const ChannelHome& home = kChannelHomes[static_cast<size_t>(channel)];
            for (int band = 0; band < kEqBands; ++band) {
                unit.SetMemory(home.block, home.region + 30 - static_cast<uint32_t>(band),
                               Word24(BandTenths(channel, band)));
            }
            unit.SetMemory(home.block, home.region + 32, Word24(TrebleTenths(channel)));
            unit.SetMemory(home.block, home.region + 33, Word24(BassTenths(channel)));
            unit.SetMemory(home.block, home.region,
                           (Muted(channel) ? 2u : 0u) | (Inverted(channel) ? 4u : 0u));
            // LCRC input: the EX regions (128 and 192 of block 5) carry the input delay alone.
            const bool surround = home.block == 5 && home.region < 128;
            unit.SetMemory(home.block, home.region + 35,
                           ChannelDelayWord(kInputDelayMs + (surround ? kSurroundDelayMs : 0)));
            unit.SetMemory(6, home.outputGainAddress, Word24(OutputGainTenths(channel)));
        }
    }

    void PresetEqualiserWords() {
        unit.SetMemory(4, 229, 85);
        unit.SetMemory(4, 230, 0x038000);
        unit.SetMemory(4, 231, Word24(-85));
        unit.SetMemory(4, 259, 0xC02600);
        unit.SetMemory(5, 259, 0xC02600);
        unit.SetMemory(4, 261, 0x00005B);  // 91, above 90: the text is at 264
        unit.SetMemory(4, 264, 0x000102);
        unit.SetMemory(5, 261, 0x00005A);  // 90, not above: the text is here
        unit.SetMemory(5, 264, 0x000777);
    }

    void PresetFormats() {
        unit.SetMemory(0, kPowerOnEntryAddress, 1);
        for (uint32_t button = 0; button < kPresetButtons.size(); ++button) {
            unit.SetMemory(0, kButtonTableAddress + button,
                           static_cast<uint32_t>(kPresetButtons[button]));
        }
        unit.SetMemory(0, kFormatCountAddress, kPresetFormatCount);
        const uint32_t record = FormatRecordAddress(kPresetFormat);
        SetEepromBytes(record, "Z7", 3);
        SetEepromBytes(record + 3, "Preset Five", 13);
        SetEepromBytes(record + 16, "Second line", 13);
        unit.SetMemory(0, record + 29, 0x02);
        unit.SetMemory(0, record + 30, 0x34);
        unit.SetMemory(0, record + 31, 0x12);
        unit.SetMemory(0, record + 32, 55);
    }
};

TEST_F(PresetUnit, ReadsEveryGainDelayAndEqualiserValue) {
    ASSERT_EQ(ConnectAndRetrieve(), 0);
    EXPECT_TRUE(Ready());

    const Variant first = Variant::Int(0);
    const Variant second = Variant::Int(1);
    double value = 0;
    int32_t whole = 0;
    const auto expectDouble = [&](int32_t result, double expected, const char* what) {
        EXPECT_EQ(result, 0) << what;
        EXPECT_DOUBLE_EQ(value, expected) << what;
    };
    expectDouble(engine->get_LeftInputGain(first, &value), -12.3, "LeftInputGain 0");
    expectDouble(engine->get_LeftInputGain(second, &value), 4.5, "LeftInputGain 1");
    expectDouble(engine->get_LeftAuxGain(&value), -7.5, "LeftAuxGain");
    expectDouble(engine->get_LeftMicGain(&value), 9.9, "LeftMicGain");
    expectDouble(engine->get_SlitEQ(first, &value), 20.0, "SlitEQ 0");
    expectDouble(engine->get_SlitEQ(second, &value), 24.0, "SlitEQ 1");
    EXPECT_EQ(engine->get_MonoEQ(&value), 0);
    EXPECT_NEAR(value, 3000 * 4.67 / 1000 + 0.1, 1e-9);
    expectDouble(engine->get_RightInputGain(first, &value), 1.1, "RightInputGain 0");
    expectDouble(engine->get_RightInputGain(second, &value), -2.2, "RightInputGain 1");
    expectDouble(engine->get_RightAuxGain(&value), 3.3, "RightAuxGain");
    expectDouble(engine->get_RightMicGain(&value), -4.4, "RightMicGain");

    expectDouble(engine->get_NonSyncGain(&value), -15.5, "NonSyncGain");
    expectDouble(engine->get_SurroundGain(&value), 2.5, "SurroundGain");
    expectDouble(engine->get_SubwooferGain(&value), 3.0, "SubwooferGain");
    expectDouble(engine->get_SubwooferFreq(&value), 70.0, "SubwooferFreq");
    EXPECT_EQ(engine->get_Delay(&whole), 0);
    EXPECT_EQ(whole, 150);

    expectDouble(engine->get_SubParametricFreq(&value), 85.0, "SubParametricFreq");
    expectDouble(engine->get_SubParametricQ(&value), 3.5, "SubParametricQ");
    expectDouble(engine->get_SubParametricGain(&value), -8.5, "SubParametricGain");
    EXPECT_EQ(engine->get_HeadroomAdjust(&whole), 0);
    EXPECT_EQ(whole, 2);
    EXPECT_EQ(engine->get_InputConfig(&whole), 0);
    EXPECT_EQ(whole, 1);

    Variant delay;
    EXPECT_EQ(engine->get_DigitalInputDelay(&delay), 0);
    EXPECT_EQ(delay.Int32(), kInputDelayMs);
    EXPECT_EQ(engine->get_DigitalSurroundDelay(&delay), 0);
    EXPECT_EQ(delay.Int32(), kSurroundDelayMs);

    for (int channel = 0; channel < 8; ++channel) {
        SCOPED_TRACE("channel " + std::to_string(channel));
        const Variant at = Variant::Int(channel);
        for (int band = 0; band < kEqBands; ++band) {
            ASSERT_EQ(engine->get_EQBand(at, Variant::Int(band), &value), 0);
            EXPECT_DOUBLE_EQ(value, BandTenths(channel, band) / 10.0) << "band " << band;
        }
        expectDouble(engine->get_Treble(at, &value), TrebleTenths(channel) / 10.0, "Treble");
        expectDouble(engine->get_Bass(at, &value), BassTenths(channel) / 10.0, "Bass");
        expectDouble(engine->get_OutputGain(at, &value), OutputGainTenths(channel) / 10.0,
                     "OutputGain");
        Variant flag;
        ASSERT_EQ(engine->get_Mute(at, &flag), 0);
        EXPECT_EQ(flag.IsTrue(), Muted(channel));
        ASSERT_EQ(engine->get_Invert(at, &flag), 0);
        EXPECT_EQ(flag.IsTrue(), Inverted(channel));
    }
}

TEST_F(PresetUnit, ReadsVersionTextsFromWhereEachFirmwareKeepsThem) {
    ASSERT_EQ(ConnectAndRetrieve(), 0);
    EXPECT_EQ(TextOf(&KVT80::get_NRVersion), u"000027");
    EXPECT_EQ(TextOf(&KVT80::get_MatrixVersion), u"000160");
    EXPECT_EQ(TextOf(&KVT80::get_EQVersion), u"000102");
    EXPECT_EQ(TextOf(&KVT80::get_PICVersion), u"021400");
    EXPECT_EQ(TextOf(&KVT80::get_ProcessorPICVersion), u"ZVQ215");
    EXPECT_EQ(TextOf(&KVT80::get_OutputPICVersion), u"EQP108");
    Variant firstText;
    Variant secondText;
    ASSERT_EQ(engine->NRVersions(&firstText, &secondText), 0);
    EXPECT_EQ(firstText.StringValue(), u"000027");
    EXPECT_EQ(secondText.StringValue(), u"000018");
    ASSERT_EQ(engine->EQVersions(&firstText, &secondText), 0);
    EXPECT_EQ(firstText.StringValue(), u"000102");
    EXPECT_EQ(secondText.StringValue(), u"00005A");
}

TEST_F(PresetUnit, ReadsTheFormatTableButtonsAndProfile) {
    ASSERT_EQ(ConnectAndRetrieve(), 0);

    int32_t whole = 0;
    EXPECT_EQ(engine->get_FormatCount(&whole), 0);
    EXPECT_EQ(whole, kPresetFormatCount);
    for (int button = 0; button < 8; ++button) {
        ASSERT_EQ(engine->get_ButtonFormat(Variant::Int(button), &whole), 0);
        EXPECT_EQ(whole, kPresetButtons[static_cast<size_t>(button)]) << "button " << button;
    }
    EXPECT_EQ(engine->get_PowerOnFormat(&whole), 0);
    EXPECT_EQ(whole, kPresetButtons[1]);
    EXPECT_EQ(engine->get_DigitalFallbackMode(&whole), 0);
    EXPECT_EQ(whole, 5);

    const Variant format = Variant::Int(kPresetFormat);
    std::u16string text;
    EXPECT_EQ(engine->get_FormatCode(format, &text), 0);
    EXPECT_EQ(text, u"Z7");
    EXPECT_EQ(engine->get_FormatTxt1(format, &text), 0);
    EXPECT_EQ(text, u"Preset Five");
    EXPECT_EQ(engine->get_FormatTxt2(format, &text), 0);
    EXPECT_EQ(text, u"Second line");
    EXPECT_EQ(engine->get_FormatLevel(format, &whole), 0);
    EXPECT_EQ(whole, 55);
    EXPECT_EQ(engine->Image().formats.records[kPresetFormat].Flags(), 0x1234);
    Variant flag;
    EXPECT_EQ(engine->get_FormatDiscrete(format, &flag), 0);
    EXPECT_TRUE(flag.IsTrue());
    EXPECT_EQ(engine->get_FormatNR(format, &flag), 0);
    EXPECT_EQ(flag.Int32(), 2);
    // A record the preset did not touch reads as the unit keeps it.
    EXPECT_EQ(engine->get_FormatTxt1(Variant::Int(8), &text), 0);
    EXPECT_EQ(text, u"Digital B");

    for (const auto& field : kProfilePresets) {
        EXPECT_EQ(TextOf(field.get), field.text) << field.address;
    }
}

TEST_F(PresetUnit, ReadsTheFrontPanel) {
    ASSERT_EQ(ConnectAndRetrieve(), 0);
    Variant value;
    ASSERT_EQ(engine->get_SystemMute(&value), 0);
    EXPECT_TRUE(value.IsTrue());
    int32_t level = 0;
    ASSERT_EQ(engine->get_FaderLevel(&level), 0);
    EXPECT_EQ(level, 42);

    // The unit answers the format it plays and the preamp it has selected; the engine takes them
    // as they come and tells the front ends.
    ASSERT_EQ(engine->get_Mode(&value), 0);
    EXPECT_EQ(value.Int32(), 3);
    EXPECT_EQ(LastIntArguments("InputFormatChanged"), std::vector<int32_t>{3});
    ASSERT_EQ(engine->get_SelectedPreamp(&value), 0);
    EXPECT_EQ(value.Int32(), 2);
    EXPECT_EQ(LastIntArguments("SelectedPreampChanged"), std::vector<int32_t>{2});
}

TEST_F(PresetUnit, ReportsProgressThroughEveryStage) {
    ASSERT_EQ(ConnectAndRetrieve(), 0);
    const auto reports = ProgressReports();
    ASSERT_GE(reports.size(), 6u);
    EXPECT_EQ(reports.front().state, 1);
    EXPECT_EQ(reports.front().position, 0);
    EXPECT_EQ(reports.back().state, 0);

    std::vector<int32_t> stages;
    for (size_t i = 0; i < reports.size(); ++i) {
        EXPECT_EQ(reports[i].end, 108) << i;
        if (i > 0) {
            EXPECT_GT(reports[i].position, reports[i - 1].position) << i;
        }
        if (stages.empty() || stages.back() != reports[i].state) {
            stages.push_back(reports[i].state);
        }
    }
    EXPECT_EQ(stages, (std::vector<int32_t>{1, 2, 3, 4, 0}));
}

TEST_F(PresetUnit, FrontPanelAnswersOutOfRangeAreNotTaken) {
    ASSERT_EQ(ConnectAndRetrieve(), 0);
    sim::FrontPanel panel;
    panel.format = 16;
    panel.projector = 5;
    panel.level = 150;
    panel.muted = true;
    unit.SetPanel(panel);
    events->Clear();
    ASSERT_EQ(engine->QueryFrontPanel(), 0);

    int32_t level = 0;
    engine->get_FaderLevel(&level);
    EXPECT_EQ(level, 42);
    Variant value;
    engine->get_Mode(&value);
    EXPECT_EQ(value.Int32(), 3);
    EXPECT_EQ(LastIntArguments("InputFormatChanged"), std::vector<int32_t>{3});
    engine->get_SelectedPreamp(&value);
    EXPECT_EQ(value.Int32(), 2);
    EXPECT_EQ(LastIntArguments("SelectedPreampChanged"), std::vector<int32_t>{2});
}

TEST_F(Retrieval, UnmutedUnitReadsAsNotMuted) {
    sim::FrontPanel panel;
    panel.muted = false;
    panel.level = 0;
    unit.SetPanel(panel);
    ASSERT_EQ(ConnectAndRetrieve(), 0);
    Variant mute;
    ASSERT_EQ(engine->get_SystemMute(&mute), 0);
    EXPECT_EQ(mute.Type(), VT_BOOL);
    EXPECT_FALSE(mute.IsTrue());
    int32_t level = -1;
    engine->get_FaderLevel(&level);
    EXPECT_EQ(level, 0);
}

TEST_F(Retrieval, RetrievingAgainRestartsTheProgressCount) {
    ASSERT_EQ(ConnectAndRetrieve(), 0);
    const size_t firstRun = ProgressReports().size();
    events->Clear();
    ASSERT_EQ(engine->QueryKVT(), 0);
    const auto reports = ProgressReports();
    ASSERT_EQ(reports.size(), firstRun);
    EXPECT_EQ(reports.front().position, 0);
    // A unit with its whole format table counts exactly to the announced end.
    EXPECT_EQ(reports.back().state, 0);
    EXPECT_EQ(reports.back().position, 108);
}

TEST_F(Retrieval, EdgeWordsReadAsTheValuesTheyStandFor) {
    unit.SetMemory(3, 8, 0xFFC7C0);
    unit.SetMemory(3, 6, Word24(-100));
    unit.SetMemory(4, 259, 0x123456);  // neither headroom step
    unit.SetMemory(5, 35, 0);          // no surround delay word
    ASSERT_EQ(ConnectAndRetrieve(), 0);
    int32_t whole = 0;
    engine->get_Delay(&whole);
    EXPECT_EQ(whole, 100);
    double gain = 1;
    engine->get_SubwooferGain(&gain);
    EXPECT_DOUBLE_EQ(gain, 0.0);
    engine->get_HeadroomAdjust(&whole);
    EXPECT_EQ(whole, 0);
    Variant delay;
    engine->get_DigitalSurroundDelay(&delay);
    EXPECT_EQ(delay.Int32(), 0);

    // The matrix delay never reads below 10 ms.
    unit.SetMemory(3, 8, 0);
    ASSERT_EQ(engine->QueryZVQ(), 0);
    engine->get_Delay(&whole);
    EXPECT_EQ(whole, 10);
}

TEST_F(Retrieval, WithoutALinkNothingIsRetrieved) {
    EXPECT_EQ(engine->QueryKVT(), 1);
    EXPECT_FALSE(Ready());
    EXPECT_TRUE(unit.ReceivedLines().empty());
}

TEST_F(Retrieval, EventSinksMayCallBackIntoTheEngine) {
    struct CallingBack : DispatchEventSink {
        KVT80* engine = nullptr;
        int answered = 0;
        void OnEvent(const EventInfo& event, std::span<const Variant>) override {
            int32_t delay = 0;
            engine->get_Delay(&delay);
            if (event.name == "InputFormatChanged" &&
                engine->CallerExchange("level ?\r").status == 0) {
                ++answered;
            }
        }
    };
    auto sink = std::make_shared<CallingBack>();
    sink->engine = engine.get();
    uint32_t sinkCookie = 0;
    ASSERT_EQ(engine->Advise(sink, &sinkCookie), 0);
    ASSERT_EQ(ConnectAndRetrieve(), 0);
    EXPECT_TRUE(Ready());
    EXPECT_EQ(sink->answered, 1);
    engine->Unadvise(sinkCookie);
}

// ---- Analyser and generator state --------------------------------------------------------------

class AnalyserReadBack : public Retrieval {
  protected:
    // Reads the preamp stage, which carries the analyser and generator words.
    void ReadPreamps() {
        events->Clear();
        ASSERT_EQ(engine->QueryZVQ(), 0);
    }

    void Connect() { ASSERT_EQ(engine->Connect(), 0); }

    int32_t GeneratorMode() {
        Variant mode;
        engine->get_GeneratorMode(&mode);
        return mode.Int32();
    }
};

TEST_F(AnalyserReadBack, RunningAnalyserWithPinkNoiseReportsItsChannels) {
    SetGeneratorWords(kSevenOne | kRunning | kSumAndDiff,
                      kPink | kLeftBit | kRightBit | kSubwooferBit | kRightExBit);
    ASSERT_EQ(ConnectAndRetrieve(), 0);
    EXPECT_EQ(LastIntArguments("SLARunning"), (std::vector<int32_t>{-1, -1}));
    EXPECT_EQ(LastIntArguments("SignalGenState"), (std::vector<int32_t>{0, 1 | 4 | 8 | 128}));
    VariantBool flag = VARIANT_FALSE;
    ASSERT_EQ(engine->get_SLARunning(&flag), 0);
    EXPECT_EQ(flag, VARIANT_TRUE);
    ASSERT_EQ(engine->get_SLASumAndDiff(&flag), 0);
    EXPECT_EQ(flag, VARIANT_TRUE);
    Variant channels;
    ASSERT_EQ(engine->get_GeneratorChannels(&channels), 0);
    EXPECT_EQ(channels.Int32(), 1 | 4 | 8 | 128);
    EXPECT_EQ(GeneratorMode(), 0);
}

TEST_F(AnalyserReadBack, EveryChannelBitOfTheControlWordHasItsGeneratorChannel) {
    Connect();
    SetGeneratorWords(kRunning,
                      kPink | kCentreBit | kLeftSurroundBit | kRightSurroundBit | kLeftExBit);
    ReadPreamps();
    EXPECT_EQ(LastIntArguments("SLARunning"), (std::vector<int32_t>{-1, 0}));
    EXPECT_EQ(LastIntArguments("SignalGenState"), (std::vector<int32_t>{0, 2 | 16 | 32 | 64}));

    SetGeneratorWords(kRunning, kPink | kLeftBit | kCentreBit | kRightBit | kSubwooferBit |
                                    kLeftSurroundBit | kRightSurroundBit | kLeftExBit |
                                    kRightExBit);
    ReadPreamps();
    EXPECT_EQ(LastIntArguments("SignalGenState"), (std::vector<int32_t>{0, 255}));
}

TEST_F(AnalyserReadBack, ChannelsOfAStoppedAnalyserAreNotReported) {
    SetGeneratorWords(kSevenOne, kPink | kLeftBit | kCentreBit);
    ASSERT_EQ(ConnectAndRetrieve(), 0);
    EXPECT_EQ(LastIntArguments("SLARunning"), (std::vector<int32_t>{0, 0}));
    EXPECT_EQ(LastIntArguments("SignalGenState"), (std::vector<int32_t>{0, 0}));
    Variant channels;
    engine->get_GeneratorChannels(&channels);
    EXPECT_EQ(channels.Int32(), 0);
}

TEST_F(AnalyserReadBack, SineToneModeComesFromTheFrequencyWord) {
    Connect();
    const struct {
        uint32_t frequency;
        int32_t mode;
    } tones[] = {{1000, 2}, {100, 1}, {10000, 3}};
    for (const auto& tone : tones) {
        SetGeneratorWords(kRunning, kSine | kCentreBit, tone.frequency);
        ReadPreamps();
        EXPECT_EQ(LastIntArguments("SignalGenState"), (std::vector<int32_t>{tone.mode, 2}))
            << tone.frequency;
        EXPECT_EQ(GeneratorMode(), tone.mode);
    }
}

TEST_F(AnalyserReadBack, ThumpAndUnknownToneFrequency) {
    Connect();
    SetGeneratorWords(kRunning, kThump | kLeftBit);
    ReadPreamps();
    EXPECT_EQ(LastIntArguments("SignalGenState"), (std::vector<int32_t>{4, 1}));

    // A sine at a frequency that is none of the tones leaves the mode as it was.
    SetGeneratorWords(kRunning, kSine | kLeftBit, 500);
    ReadPreamps();
    EXPECT_EQ(LastIntArguments("SignalGenState"), (std::vector<int32_t>{4, 1}));
    EXPECT_EQ(GeneratorMode(), 4);
}

TEST_F(AnalyserReadBack, FrequencyWordIsReadOnlyForASineTone) {
    Connect();
    SetGeneratorWords(kRunning, kPink | kSine | kLeftBit, 1000);
    // Address 14 of the first preamp (mono EQ) is read either way.
    unit.ClearReceivedLines();
    ReadPreamps();
    EXPECT_EQ(LastIntArguments("SignalGenState"), (std::vector<int32_t>{0, 1}));
    EXPECT_EQ(ReceivedCount("rdval 00 00E"), 1u);

    SetGeneratorWords(kRunning, kSine | kLeftBit, 1000);
    unit.ClearReceivedLines();
    ReadPreamps();
    EXPECT_EQ(ReceivedCount("rdval 00 00E"), 2u);
}

TEST_F(AnalyserReadBack, RoutingWordGivesTheInputConfiguration) {
    Connect();
    int32_t config = -1;
    SetGeneratorWords(kLcrc, 0);
    ReadPreamps();
    engine->get_InputConfig(&config);
    EXPECT_EQ(config, 1);

    SetGeneratorWords(kSevenOne | kLcrc, 0);
    ReadPreamps();
    engine->get_InputConfig(&config);
    EXPECT_EQ(config, 0);

    // A word that names neither configuration leaves the engine's as it was.
    SetGeneratorWords(kLcrc, 0);
    ReadPreamps();
    SetGeneratorWords(0, 0);
    ReadPreamps();
    engine->get_InputConfig(&config);
    EXPECT_EQ(config, 1);
}

// ---- Units that stop answering -----------------------------------------------------------------

TEST_F(Retrieval, UnitSilentDuringTheEqualiserStageFailsTheRetrieval) {
    for (int band = 0; band < kEqBands; ++band) {
        unit.SetMemory(4, 30 - static_cast<uint32_t>(band), Word24(BandTenths(0, band)));
    }
    unit.SetMemory(4, 128 + 32, Word24(-45));
    unit.SetMemory(4, 259, 0xC02600);
    sim::FrontPanel panel;
    panel.level = 42;
    unit.SetPanel(panel);
    Fault silence;
    silence.kind = FaultKind::StopAnswering;
    silence.match = "rdval 1A 084";  // the bands of channel 1
    unit.InjectFault(silence);

    EXPECT_EQ(ConnectAndRetrieve(), 1);
    EXPECT_FALSE(Ready());

    // What was read before the unit fell silent stays.
    double value = 0;
    for (int band = 0; band < kEqBands; ++band) {
        engine->get_EQBand(Variant::Int(0), Variant::Int(band), &value);
        EXPECT_DOUBLE_EQ(value, BandTenths(0, band) / 10.0) << band;
    }
    engine->get_Treble(Variant::Int(1), &value);
    EXPECT_DOUBLE_EQ(value, -4.5);
    // Nothing after it was asked for.
    int32_t whole = 0;
    engine->get_FaderLevel(&whole);
    EXPECT_NE(whole, 42);
    EXPECT_FALSE(ReceivedLineStartingWith("open 62"));
    EXPECT_FALSE(ReceivedLineStartingWith("picver"));
    const auto reports = ProgressReports();
    ASSERT_FALSE(reports.empty());
    EXPECT_EQ(reports.back().state, 2);
}

TEST_F(Retrieval, UnitSilentAtTheFrontPanelStageFailsTheRetrieval) {
    unit.SetMemory(6, 1019, Word24(-77));
    unit.SetMemory(5, 264, 0x000123);
    Fault silence;
    silence.kind = FaultKind::StopAnswering;
    silence.match = "picver";
    unit.InjectFault(silence);

    EXPECT_EQ(ConnectAndRetrieve(), 1);
    EXPECT_FALSE(Ready());
    double gain = 0;
    engine->get_OutputGain(Variant::Int(7), &gain);
    EXPECT_DOUBLE_EQ(gain, -7.7);
    Variant first;
    Variant second;
    engine->EQVersions(&first, &second);
    EXPECT_EQ(second.StringValue(), u"000123");
    EXPECT_FALSE(ReceivedLineStartingWith("level ?"));
    EXPECT_FALSE(ReceivedLineStartingWith("rdeep"));
    EXPECT_EQ(ProgressReports().back().state, 3);
}

TEST_F(Retrieval, UnansweredIdentificationAndGeneratorReadsDoNotFailTheRetrieval) {
    for (const char* line : {"intl", "rdval 00 010"}) {
        Fault drop;
        drop.kind = FaultKind::DropReply;
        drop.match = line;
        drop.count = 1000;
        unit.InjectFault(drop);
    }
    SetGeneratorWords(kSevenOne | kRunning, kPink | kLeftBit);
    unit.SetMemory(6, 1019, Word24(-77));
    ASSERT_EQ(ConnectAndRetrieve(), 0);
    EXPECT_TRUE(Ready());
    EXPECT_EQ(TextOf(&KVT80::get_ProcessorPICVersion), u"");
    EXPECT_EQ(TextOf(&KVT80::get_OutputPICVersion), u"");
    EXPECT_EQ(LastIntArguments("SLARunning"), (std::vector<int32_t>{-1, 0}));
    EXPECT_EQ(LastIntArguments("SignalGenState"), (std::vector<int32_t>{0, 0}));
    double gain = 0;
    engine->get_OutputGain(Variant::Int(7), &gain);
    EXPECT_DOUBLE_EQ(gain, -7.7);
}

TEST_F(Retrieval, UnansweredRoutingWordFailsTheRetrieval) {
    Fault drop;
    drop.kind = FaultKind::DropReply;
    drop.match = "rdval 00 00C";
    drop.count = 1000;
    unit.InjectFault(drop);
    EXPECT_EQ(ConnectAndRetrieve(), 1);
    EXPECT_FALSE(Ready());
    EXPECT_TRUE(events->Named("SLARunning").empty());
    EXPECT_FALSE(ReceivedLineStartingWith("rdval 00 010"));
    EXPECT_FALSE(ReceivedLineStartingWith("open 6"));
}

TEST_F(Retrieval, UnitThatAnswersAgainCanBeRetrievedAfterAFailure) {
    Fault silence;
    silence.kind = FaultKind::StopAnswering;
    silence.match = "rdeep 40 028F";  // the project name
    unit.InjectFault(silence);
    ASSERT_EQ(ConnectAndRetrieve(), 1);
    EXPECT_FALSE(Ready());

    unit.ClearFaults();
    events->Clear();
    EXPECT_EQ(engine->QueryKVT(), 0);
    EXPECT_TRUE(Ready());
    EXPECT_EQ(TextOf(&KVT80::get_ProjectName), u"Simulated unit");
}

// ---- Format table edge cases -------------------------------------------------------------------

TEST_F(Retrieval, NoFormatsEndsTheFrontPanelStageBeforeTheButtonTable) {
    unit.SetMemory(0, kFormatCountAddress, 0);
    ASSERT_EQ(ConnectAndRetrieve(), 0);
    EXPECT_TRUE(Ready());
    int32_t count = -1;
    EXPECT_EQ(engine->get_FormatCount(&count), 0);
    EXPECT_EQ(count, 0);

    EXPECT_TRUE(ReceivedLineStartingWith("rdeep 00 001C"));
    EXPECT_FALSE(ReceivedLineStartingWith("rdeep 00 0013"));  // power-on entry
    EXPECT_FALSE(ReceivedLineStartingWith("rdeep 07 0014"));  // button table
    EXPECT_FALSE(ReceivedLineStartingWith("rdeep 20 001D"));  // first format record
    EXPECT_TRUE(ReceivedLineStartingWith("rdeep 40 028F"));   // the profile is still read
}

TEST_F(Retrieval, OnlyTheUnitsFormatCountOfRecordsIsRead) {
    unit.SetMemory(0, kFormatCountAddress, 2);
    ASSERT_EQ(ConnectAndRetrieve(), 0);
    EXPECT_TRUE(ReceivedLineStartingWith("rdeep 20 001D"));
    EXPECT_TRUE(ReceivedLineStartingWith("rdeep 20 003E"));
    EXPECT_FALSE(ReceivedLineStartingWith("rdeep 20 005F"));
}

TEST_F(Retrieval, ImpossibleFormatCountKeepsTheEnginesTable) {
    unit.SetMemory(0, kFormatCountAddress, 200);
    unit.SetMemory(0, kButtonTableAddress + 2, 0xFF);
    int32_t before = -1;
    ASSERT_EQ(engine->get_ButtonFormat(Variant::Int(2), &before), 0);
    ASSERT_EQ(ConnectAndRetrieve(), 0);
    int32_t value = -1;
    engine->get_FormatCount(&value);
    EXPECT_EQ(value, 16);
    engine->get_ButtonFormat(Variant::Int(2), &value);
    EXPECT_EQ(value, before);
    EXPECT_TRUE(ReceivedLineStartingWith("rdeep 20 020C"));   // the last record, 15
    EXPECT_FALSE(ReceivedLineStartingWith("rdeep 20 022D"));  // there is no record 16
}

class PowerOnEntry : public Retrieval {
  protected:
    int32_t PowerOnFormatFor(uint32_t entry) {
        unit.SetMemory(0, kPowerOnEntryAddress, entry);
        EXPECT_EQ(engine->QueryFrontPanel(), 0);
        int32_t format = -1;
        EXPECT_EQ(engine->get_PowerOnFormat(&format), 0);
        return format;
    }
};

TEST_F(PowerOnEntry, EntryWithoutAButtonMeansNoPowerOnFormat) {
    ASSERT_EQ(engine->Connect(), 0);
    EXPECT_EQ(PowerOnFormatFor(8), 128);
}

TEST_F(PowerOnEntry, EntryWithTheTopBitMeansNoPowerOnFormat) {
    ASSERT_EQ(engine->Connect(), 0);
    EXPECT_EQ(PowerOnFormatFor(0x80), 128);
    EXPECT_EQ(PowerOnFormatFor(0x83), 128);
}

TEST_F(PowerOnEntry, ButtonEntryNamesTheFormatOfTheUnitsButtonTable) {
    ASSERT_EQ(engine->put_ButtonFormat(Variant::Int(3), 12), 0);  // the engine's table differs
    unit.SetMemory(0, kButtonTableAddress + 3, 9);
    ASSERT_EQ(engine->Connect(), 0);
    EXPECT_EQ(PowerOnFormatFor(3), 9);
    int32_t button = -1;
    engine->get_ButtonFormat(Variant::Int(3), &button);
    EXPECT_EQ(button, 9);
}

}  // namespace
}  // namespace kvt
