// The analyser and test-signal generator members: the matrix processor words they queue, the
// stereo formats' noise reduction they switch off and back, the format they take over and return,
// and the events they raise. Without Initialize() the worker does not run, so queued words stay
// where the tests can see them; the simulated unit is used where the firmware version or the
// words actually sent matter.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "EngineFixture.h"
#include "ImageTestSupport.h"
#include "KVT80.h"
#include "TestSupport.h"

namespace kvt {
namespace {

using testing::At;
using testing::EventRecorder;
using testing::RecordedEvent;
using testing::TotalPending;

constexpr int32_t kOk = status::Ok;
constexpr int32_t kInvalid = status::InvalidArgument;

// Matrix processor addresses (block 3), the input configuration word (block 5) and routing bits.
constexpr uint32_t kRouting = 12, kFrequency = 14, kControl = 16, kToneCalibration = 18,
                   kCalibration = 20, kInputConfigWord = 262;
constexpr uint32_t kMonoEQ = 0x20, kSevenOne = 0x40, kMatrix = 0x80, kRunning = 0x100,
                   kSumAndDiff = 0x200, kLCRC = 0x400;
constexpr uint32_t kOldCalibration = 0x51C800, kNewCalibration = 0x280400;
constexpr uint32_t kPinkOnLeft = 0x1 | 0x200000;

// Factory formats by their flags: Mono has mono EQ, Digital A the matrix, Aux neither.
constexpr int32_t kMono = 0, kDigitalA = 3, kAux = 5, kMicCenter = 6;

// The analyser's and generator's events, as "Name(arguments)".
std::vector<std::string> Log(const EventRecorder& events) {
    std::vector<std::string> log;
    for (const RecordedEvent& event : events.Events()) {
        if (event.name != "SLARunning" && event.name != "SignalGenState" &&
            event.name != "InputFormatChanged") {
            continue;
        }
        std::string text = event.name + "(";
        for (const Variant& argument : event.arguments) {
            text += argument.Type() != VT_BOOL              ? std::to_string(argument.Int32())
                    : argument.BoolField() == VARIANT_TRUE  ? "true"
                    : argument.BoolField() == VARIANT_FALSE ? "false"
                                                            : "bad bool";
            text += ",";
        }
        text.back() = ')';
        log.push_back(text);
    }
    return log;
}

int32_t Mode(KVT80& engine) {
    Variant mode;
    EXPECT_EQ(engine.get_Mode(&mode), kOk);
    return mode.Int32();
}

bool Running(KVT80& engine) {
    VariantBool running = 1;
    EXPECT_EQ(engine.get_SLARunning(&running), kOk);
    return running == VARIANT_TRUE;
}

// An engine without a worker, its events recorded.
class AnalyserMembers : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_EQ(engine.Advise(events, &cookie), kOk); }

    std::optional<uint32_t> Matrix(uint32_t address) const {
        return engine.Pending().Pending(3, address);
    }
    std::optional<uint32_t> InputConfigWord() const {
        return engine.Pending().Pending(5, kInputConfigWord);
    }

    void Select(int32_t format) { ASSERT_EQ(engine.put_Mode(At(format)), kOk); }
    void Generator(int32_t channels) {
        ASSERT_EQ(engine.put_GeneratorChannels(Variant::Int(channels)), kOk);
    }

    // The noise reduction of the Stereo and Stereo SR formats.
    std::pair<int32_t, int32_t> StereoNoiseReduction() {
        Variant stereo;
        Variant stereoSR;
        EXPECT_EQ(engine.get_FormatNR(At(1), &stereo), kOk);
        EXPECT_EQ(engine.get_FormatNR(At(2), &stereoSR), kOk);
        return {stereo.Int32(), stereoSR.Int32()};
    }

    // Both stereo records' 33 bytes, as the image holds them now, wait at their EEPROM addresses.
    void ExpectStereoRecordsQueued() const {
        const ParameterImage image = engine.Image();
        for (const size_t format : {1u, 2u}) {
            const uint32_t first = 29 + 33 * static_cast<uint32_t>(format);
            for (uint32_t i = 0; i < 33; ++i) {
                EXPECT_EQ(engine.Pending().Pending(0, first + i),
                          image.formats.records[format].bytes[i])
                    << format << " " << i;
            }
        }
    }

    KVT80 engine;
    std::shared_ptr<EventRecorder> events = std::make_shared<EventRecorder>();
    uint32_t cookie = 0;
};

// ---- Analyser -----------------------------------------------------------------------------------

TEST_F(AnalyserMembers, StartSLARoutesTheAnalyserAndSwitchesStereoNoiseReductionOff) {
    ASSERT_EQ(StereoNoiseReduction(), std::pair(1, 2));

    EXPECT_EQ(engine.StartSLA(), kOk);

    EXPECT_TRUE(Running(engine));
    EXPECT_EQ(Matrix(kRouting), kSevenOne | kRunning | kMonoEQ);
    EXPECT_EQ(InputConfigWord(), 0u);
    EXPECT_EQ(StereoNoiseReduction(), std::pair(0, 0));
    ExpectStereoRecordsQueued();
    EXPECT_EQ(engine.Pending().Size(0), 2u * 33);
    EXPECT_TRUE(events->Events().empty());
}

TEST(AnalyserRouting, WordCarriesInputConfigurationSumAndDifferenceAndFormatFlags) {
    struct Case {
        int32_t inputConfig;
        int32_t format;
        bool sumAndDiff;
        uint32_t running;
    };
    for (const Case& c : {Case{0, kMono, false, kSevenOne | kRunning | kMonoEQ},
                          Case{1, kMono, false, kLCRC | kRunning | kMonoEQ},
                          Case{0, kDigitalA, true, kSevenOne | kRunning | kSumAndDiff | kMatrix},
                          Case{1, kAux, true, kLCRC | kRunning | kSumAndDiff}}) {
        SCOPED_TRACE(::testing::Message()
                     << c.inputConfig << " " << c.format << " " << c.sumAndDiff);
        KVT80 engine;
        ASSERT_EQ(engine.put_InputConfig(c.inputConfig), kOk);
        ASSERT_EQ(engine.put_Mode(At(c.format)), kOk);
        ASSERT_EQ(engine.put_SLASumAndDiff(c.sumAndDiff ? VARIANT_TRUE : VARIANT_FALSE), kOk);
        ASSERT_EQ(engine.StartSLA(), kOk);
        EXPECT_EQ(engine.Pending().Pending(3, kRouting), c.running);

        ASSERT_EQ(engine.put_Initialized(VARIANT_TRUE), kOk);
        ASSERT_EQ(engine.StopSLA(), kOk);
        EXPECT_EQ(engine.Pending().Pending(3, kRouting), c.running & ~(kRunning | kSumAndDiff));
        EXPECT_EQ(engine.Pending().Pending(5, kInputConfigWord), c.inputConfig == 0 ? 0x1000u : 0u);
    }
}

TEST_F(AnalyserMembers, StopSLAWhileReadyReturnsFormatNoiseReductionAndRouting) {
    ASSERT_EQ(engine.put_Initialized(VARIANT_TRUE), kOk);
    ASSERT_EQ(engine.put_GeneratorMode(Variant::Int(2)), kOk);
    Select(kDigitalA);
    ASSERT_EQ(engine.StartSLA(), kOk);
    Select(kAux);
    events->Clear();

    EXPECT_EQ(engine.StopSLA(), kOk);

    EXPECT_EQ(Mode(engine), kDigitalA);
    EXPECT_FALSE(Running(engine));
    EXPECT_EQ(Log(*events),
              (std::vector<std::string>{"InputFormatChanged(3)", "SignalGenState(2,0)"}));
    EXPECT_EQ(Matrix(kRouting), kSevenOne | kMatrix);
    EXPECT_EQ(Matrix(kControl), 0u);
    EXPECT_EQ(InputConfigWord(), 0x1000u);
    EXPECT_EQ(StereoNoiseReduction(), std::pair(1, 2));
    ExpectStereoRecordsQueued();
    Variant channels = Variant::Int(-1);
    ASSERT_EQ(engine.get_GeneratorChannels(&channels), kOk);
    EXPECT_EQ(channels.Int32(), 0);
}

// Not ready, only the engine side stops: the unit's words wait for the next retrieval to say
// what the unit does.
TEST_F(AnalyserMembers, StopSLAWhileNotReadyLeavesTheUnitsWordsAlone) {
    ASSERT_EQ(engine.StartSLA(), kOk);
    const uint32_t running = kSevenOne | kRunning | kMonoEQ;
    ASSERT_EQ(Matrix(kRouting), running);

    EXPECT_EQ(engine.StopSLA(), kOk);

    EXPECT_EQ(Log(*events),
              (std::vector<std::string>{"InputFormatChanged(0)", "SignalGenState(0,0)"}));
    EXPECT_TRUE(Running(engine));
    EXPECT_EQ(Matrix(kRouting), running);
    EXPECT_EQ(Matrix(kControl), std::nullopt);
    EXPECT_EQ(InputConfigWord(), 0u);
    EXPECT_EQ(StereoNoiseReduction(), std::pair(1, 2));
    ExpectStereoRecordsQueued();
}

// With no format taken over there is nothing to go back to.
TEST_F(AnalyserMembers, StopSLAWithoutAStartKeepsTheFormat) {
    Select(9);
    ASSERT_EQ(engine.put_Initialized(VARIANT_TRUE), kOk);
    EXPECT_EQ(engine.StopSLA(), kOk);
    EXPECT_EQ(Mode(engine), 9);
    EXPECT_EQ(Log(*events).front(), "InputFormatChanged(9)");
}

TEST_F(AnalyserMembers, SumAndDiffIsSetOnlyByTrueAndRewritesTheRoutingWord) {
    VariantBool sumAndDiff = VARIANT_TRUE;
    ASSERT_EQ(engine.put_SLASumAndDiff(1), kOk);
    ASSERT_EQ(engine.get_SLASumAndDiff(&sumAndDiff), kOk);
    EXPECT_EQ(sumAndDiff, VARIANT_FALSE);
    EXPECT_EQ(Matrix(kRouting), kSevenOne | kMonoEQ);

    ASSERT_EQ(engine.put_SLASumAndDiff(VARIANT_TRUE), kOk);
    ASSERT_EQ(engine.get_SLASumAndDiff(&sumAndDiff), kOk);
    EXPECT_EQ(sumAndDiff, VARIANT_TRUE);
    EXPECT_EQ(Matrix(kRouting), kSevenOne | kSumAndDiff | kMonoEQ);

    ASSERT_EQ(engine.StartSLA(), kOk);
    EXPECT_EQ(Matrix(kRouting), kSevenOne | kRunning | kSumAndDiff | kMonoEQ);
    ASSERT_EQ(engine.put_SLASumAndDiff(VARIANT_FALSE), kOk);
    EXPECT_EQ(Matrix(kRouting), kSevenOne | kRunning | kMonoEQ);
    EXPECT_TRUE(Running(engine));
}

// ---- Generator ----------------------------------------------------------------------------------

TEST_F(AnalyserMembers, RefusalsChangeNothing) {
    ASSERT_EQ(engine.put_GeneratorMode(Variant::Int(2)), kOk);
    events->Clear();
    const size_t queued = TotalPending(engine);

    EXPECT_EQ(engine.put_GeneratorMode(Variant::Int(5)), kInvalid);
    EXPECT_EQ(engine.put_GeneratorMode(Variant::Int(-1)), kInvalid);

    Variant mode;
    ASSERT_EQ(engine.get_GeneratorMode(&mode), kOk);
    EXPECT_EQ(mode.Int32(), 2);
    EXPECT_EQ(TotalPending(engine), queued);
    EXPECT_EQ(Matrix(kControl), 0x2u);
    EXPECT_TRUE(events->Events().empty());

    EXPECT_EQ(engine.get_GeneratorMode(nullptr), kInvalid);
    EXPECT_EQ(engine.get_GeneratorChannels(nullptr), kInvalid);
    EXPECT_EQ(engine.get_SLARunning(nullptr), kInvalid);
    EXPECT_EQ(engine.get_SLASumAndDiff(nullptr), kInvalid);
}

TEST(AnalyserGeneratorMode, QueuesTheToneWordsOfEachMode) {
    struct Case {
        int32_t mode;
        uint32_t control;
        std::optional<uint32_t> frequency;
        std::optional<uint32_t> toneCalibration;
    };
    for (const Case& c : {Case{0, 0x1, std::nullopt, std::nullopt}, Case{1, 0x2, 100, 0x0CE900},
                          Case{2, 0x2, 1000, 0x0CDE00}, Case{3, 0x2, 10000, 0x0E8000},
                          Case{4, 0x4, std::nullopt, std::nullopt}}) {
        SCOPED_TRACE(c.mode);
        KVT80 engine;
        auto events = std::make_shared<EventRecorder>();
        uint32_t cookie = 0;
        ASSERT_EQ(engine.Advise(events, &cookie), kOk);

        ASSERT_EQ(engine.put_GeneratorMode(Variant::Int(c.mode)), kOk);

        // Firmware not read: the older generation's calibration.
        EXPECT_EQ(engine.Pending().Pending(3, kControl), c.control);
        EXPECT_EQ(engine.Pending().Pending(3, kCalibration), kOldCalibration);
        EXPECT_EQ(engine.Pending().Pending(3, kFrequency), c.frequency);
        EXPECT_EQ(engine.Pending().Pending(3, kToneCalibration), c.toneCalibration);
        EXPECT_EQ(TotalPending(engine), c.frequency ? 4u : 2u);
        EXPECT_EQ(Log(*events),
                  std::vector<std::string>{"SignalGenState(" + std::to_string(c.mode) + ",0)"});
        EXPECT_FALSE(Running(engine));
    }
}

TEST_F(AnalyserMembers, GeneratorOnStartsTheAnalyserAndPlaysMicCenter) {
    Select(kDigitalA);
    Generator(1);

    EXPECT_EQ(Log(*events),
              (std::vector<std::string>{"SLARunning(true,false)", "SignalGenState(0,1)",
                                        "InputFormatChanged(6)"}));
    EXPECT_EQ(Mode(engine), kMicCenter);
    EXPECT_TRUE(Running(engine));
    EXPECT_EQ(Matrix(kControl), kPinkOnLeft);
    EXPECT_EQ(Matrix(kCalibration), kOldCalibration);
    ASSERT_TRUE(Matrix(kRouting));
    EXPECT_NE(*Matrix(kRouting) & kRunning, 0u);
    EXPECT_EQ(InputConfigWord(), 0u);
    EXPECT_EQ(StereoNoiseReduction(), std::pair(0, 0));

    // A new tone keeps the channels and the running analyser.
    events->Clear();
    ASSERT_EQ(engine.put_GeneratorMode(Variant::Int(2)), kOk);
    EXPECT_EQ(Log(*events), std::vector<std::string>{"SignalGenState(2,1)"});
    EXPECT_EQ(Matrix(kControl), 0x200002u);
    EXPECT_EQ(Matrix(kToneCalibration), 0x0CDE00u);
}

TEST_F(AnalyserMembers, GeneratorOffStopsTheAnalyserAndReturnsToTheFormatBefore) {
    ASSERT_EQ(engine.put_Initialized(VARIANT_TRUE), kOk);
    Select(kDigitalA);
    Generator(1);
    Generator(3);  // a channel change while playing keeps the format to return to
    events->Clear();

    Generator(0);

    EXPECT_EQ(Mode(engine), kDigitalA);
    EXPECT_FALSE(Running(engine));
    const std::vector<std::string> log = Log(*events);
    ASSERT_FALSE(log.empty());
    EXPECT_EQ(log.front(), "SignalGenState(0,0)");
    EXPECT_EQ(std::count(log.begin(), log.end(), "SLARunning(false,false)"), 1);
    EXPECT_EQ(log.back(), "InputFormatChanged(3)");
    EXPECT_EQ(Matrix(kControl), 0u);
    EXPECT_EQ(Matrix(kRouting), kSevenOne | kMatrix);
    EXPECT_EQ(InputConfigWord(), 0x1000u);
    EXPECT_EQ(StereoNoiseReduction(), std::pair(1, 2));
}

// The front end restarts the analyser to change sum-and-difference while the generator plays;
// Mic Center must not become the format to return to.
TEST_F(AnalyserMembers, RestartingTheAnalyserUnderTheGeneratorKeepsTheFirstFormat) {
    ASSERT_EQ(engine.put_Initialized(VARIANT_TRUE), kOk);
    Select(kDigitalA);
    Generator(1);
    ASSERT_EQ(Mode(engine), kMicCenter);
    ASSERT_EQ(engine.put_SLASumAndDiff(VARIANT_TRUE), kOk);
    ASSERT_EQ(engine.StartSLA(), kOk);

    Generator(0);
    EXPECT_EQ(Mode(engine), kDigitalA);
}

TEST_F(AnalyserMembers, ProductionKeepsTheFormatWhileTheGeneratorPlays) {
    ASSERT_EQ(engine.put_Production(VARIANT_TRUE), kOk);
    ASSERT_EQ(engine.put_Initialized(VARIANT_TRUE), kOk);
    Select(kDigitalA);
    Generator(4);

    EXPECT_EQ(Mode(engine), kDigitalA);
    EXPECT_TRUE(Running(engine));
    EXPECT_EQ(Log(*events).back(), "InputFormatChanged(3)");

    Generator(0);
    EXPECT_EQ(Mode(engine), kDigitalA);
}

TEST_F(AnalyserMembers, SignalGenLevelIsNotSupported) {
    Variant level = Variant::Int(7);
    EXPECT_EQ(engine.get_SignalGenLevel(&level), status::NotSupported);
    EXPECT_EQ(level.Int32(), 7);
    EXPECT_EQ(engine.put_SignalGenLevel(Variant::Int(3)), status::NotSupported);
    EXPECT_TRUE(engine.Pending().AllEmpty());
}

// ---- On the simulated unit ----------------------------------------------------------------------

class AnalyserOnUnit : public testing::EngineOnSimulatedUnit {
  protected:
    // True once every queued write has gone out and the worker's last exchange has ended.
    bool WaitUntilSent() {
        return testing::Eventually([&] { return engine->Pending().AllEmpty(); }) &&
               engine->WithLink([](auto&, auto&, auto&) { return true; });
    }
};

// The next format selection after the analyser changed the routing uses the refresh form.
TEST_F(AnalyserOnUnit, StartAndStopReachTheUnitAndRefreshTheFormat) {
    ConnectReady();
    ASSERT_EQ(engine->StartSLA(), kOk);
    ASSERT_TRUE(WaitUntilSent());
    EXPECT_EQ(unit.Memory(3, kRouting), kSevenOne | kRunning | kMonoEQ);
    EXPECT_EQ(unit.Memory(5, kInputConfigWord), 0u);

    unit.ClearReceivedLines();
    ASSERT_EQ(engine->put_Mode(At(kAux)), kOk);
    ASSERT_TRUE(testing::Eventually([&] { return !LinesSince("button").empty(); }));
    const std::string line = LinesSince("button").front();
    EXPECT_EQ(line.substr(line.size() - 2), " x") << line;

    unit.ClearReceivedLines();
    ASSERT_EQ(engine->StopSLA(), kOk);
    ASSERT_TRUE(WaitUntilSent());
    EXPECT_EQ(unit.Memory(3, kRouting), kSevenOne | kMonoEQ);  // back on Mono
    EXPECT_EQ(unit.Memory(5, kInputConfigWord), 0x1000u);
    EXPECT_EQ(unit.Memory(3, kControl), 0u);
    const auto selection = LinesSince("button");
    ASSERT_GE(selection.size(), 2u);
    EXPECT_EQ(selection[0], "button 1 x");
    EXPECT_EQ(selection[1], "formatupdate");
}

TEST_F(AnalyserOnUnit, CalibrationFollowsTheMatrixFirmwareRead) {
    ConnectReady();
    struct Case {
        uint32_t version;
        std::u16string text;
        uint32_t toneCalibration;
        uint32_t calibration;
    };
    for (const Case& c : {Case{0x152, u"000152", 0x0CE900, kOldCalibration},
                          Case{0x153, u"000153", 0x0CBF00, kNewCalibration}}) {
        SCOPED_TRACE(c.version);
        unit.SetMemory(3, 30, c.version);
        ASSERT_EQ(engine->QueryZVQ(), kOk);
        Variant version;
        ASSERT_EQ(engine->get_MatrixVersion(&version), kOk);
        EXPECT_EQ(version.StringValue(), c.text);

        ASSERT_EQ(engine->put_GeneratorMode(Variant::Int(1)), kOk);
        ASSERT_TRUE(WaitUntilSent());
        EXPECT_EQ(unit.Memory(3, kToneCalibration), c.toneCalibration);
        EXPECT_EQ(unit.Memory(3, kCalibration), c.calibration);
        EXPECT_EQ(unit.Memory(3, kFrequency), 100u);
        EXPECT_EQ(unit.Memory(3, kControl), 0x2u);
    }
}

TEST_F(AnalyserOnUnit, ChannelChangeWhilePlayingSendsOnlyTheGeneratorWords) {
    ConnectReady();
    ASSERT_EQ(engine->put_Mode(At(kAux)), kOk);
    ASSERT_EQ(engine->put_GeneratorChannels(Variant::Int(1)), kOk);
    ASSERT_TRUE(WaitUntilSent());
    EXPECT_EQ(unit.Memory(3, kControl), kPinkOnLeft);
    EXPECT_EQ(unit.Memory(3, kRouting) & kRunning, kRunning);
    EXPECT_EQ(unit.Memory(5, kInputConfigWord), 0u);

    // Marks: a word sent again would overwrite them.
    unit.SetMemory(3, kRouting, 0xABCDEF);
    unit.SetMemory(5, kInputConfigWord, 0xABCDEF);
    unit.ClearReceivedLines();
    events->Clear();

    ASSERT_EQ(engine->put_GeneratorChannels(Variant::Int(3)), kOk);
    ASSERT_TRUE(WaitUntilSent());

    EXPECT_EQ(unit.Memory(3, kControl), kPinkOnLeft | 0x400000);
    EXPECT_EQ(unit.Memory(3, kCalibration), kOldCalibration);  // no retrieval: firmware unknown
    EXPECT_EQ(unit.Memory(3, kRouting), 0xABCDEFu);
    EXPECT_EQ(unit.Memory(5, kInputConfigWord), 0xABCDEFu);
    for (const std::string& line : unit.ReceivedLines()) {
        EXPECT_NE(line.rfind("wreep", 0), 0u) << line;
    }
    EXPECT_EQ(Log(*events),
              (std::vector<std::string>{"SignalGenState(0,3)", "InputFormatChanged(6)"}));
    EXPECT_EQ(Mode(*engine), kMicCenter);
}

}  // namespace
}  // namespace kvt
