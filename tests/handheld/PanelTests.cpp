// The handheld's panels against a real engine and the simulated unit: the equaliser's window of
// five sliders and the subwoofer's band, the Outputs panel's levels and generator routing, the
// Optical and Matrix panels' sliders and level indicators, the Format Setup panel, and the
// analyser window's pop-up menu and band labels.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QFontMetrics>
#include <QGroupBox>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <memory>

#include "CHandheldRTA.h"
#include "CLevelMeter.h"
#include "EngineBridge.h"
#include "EngineValues.h"
#include "KVT80.h"
#include "PanelSlider.h"
#include "SimulatedUnit.h"
#include "TestSupport.h"
#include "panels/CPanelEqualizer.h"
#include "panels/CPanelFormatSetup.h"
#include "panels/CPanelMatrix.h"
#include "panels/CPanelOptical.h"
#include "panels/CPanelOutputs.h"
#include "panels/CPanelProfile.h"

namespace kvt::handheld {
namespace {

constexpr int kTimeoutMs = 20000;
constexpr uint32_t kMinusThreeDb = 0xFFFFE2;

class Panels : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(CreateEngine("KVT80CE.KVT80CE", engine), status::Ok);
        dynamic_cast<KVT80&>(*engine).SetTimings(testing::FastTimings());
        bridge = std::make_unique<frontend::EngineBridge>(*engine);
    }
    void TearDown() override {
        panel.reset();
        bridge.reset();
        engine->Disconnect();
        engine->Cleanup();
        engine.reset();
        unit.Stop();
    }
    void Connect() {
        const std::string port = unit.StartPty();
        ASSERT_EQ(engine->put_ComPort(frontend::TextVariant(QString::fromStdString(port))), 0);
        ASSERT_EQ(engine->put_UpdateInputs(Variant::Bool(false)), status::Ok);
        ASSERT_EQ(engine->Connect(), status::Ok);
        ASSERT_EQ(engine->QueryKVT(), status::Ok);
        QApplication::processEvents();
    }
    template <typename T>
    T& Show(std::unique_ptr<T> made) {
        T& shown = *made;
        shown.resize(240, 298);
        shown.show();
        panel = std::move(made);
        return shown;
    }
    // A user's move of a slider: as a drag does, the slider reports every position.
    static void Drag(PanelSlider& slider, int position) {
        slider.Slider()->setSliderDown(true);
        slider.Slider()->setValue(position);
        slider.Slider()->setSliderDown(false);
    }
    bool Flag(int32_t (IKVT80::*getter)(VariantBool*)) const {
        VariantBool value = 0;
        return (engine.get()->*getter)(&value) == status::Ok && value == VARIANT_TRUE;
    }
    double Band(int channel, int band) const {
        double value = -99;
        engine->get_EQBand(Variant::Int(channel), Variant::Int(band), &value);
        return value;
    }

    testing::ScopedConfigHome config;
    sim::SimulatedUnit unit;
    std::unique_ptr<IKVT80> engine;
    std::unique_ptr<frontend::EngineBridge> bridge;
    std::unique_ptr<QWidget> panel;
};

// ---- Equalizer ----------------------------------------------------------------------------------

TEST_F(Panels, EqualizerWindowStopsAtBothEnds) {
    auto& eq = Show(std::make_unique<CPanelEqualizer>(*engine, *bridge, 9));
    ASSERT_EQ(eq.FirstEntry(), 0);
    EXPECT_EQ(eq.Slider(0)->Label(), "Bass");
    EXPECT_EQ(eq.Slider(1)->Label(), "40");
    EXPECT_EQ(eq.Slider(4)->Label(), "80");
    eq.BackButton()->click();  // disabled at 0: nothing happens
    eq.MoveBack();
    EXPECT_EQ(eq.FirstEntry(), 0);
    EXPECT_EQ(eq.Slider(0)->Label(), "Bass");

    for (int i = 0; i < 30; ++i) {
        eq.MoveForward();
    }
    EXPECT_EQ(eq.FirstEntry(), CPanelEqualizer::kLastFirstEntry);
    EXPECT_EQ(eq.FirstEntry(), 24);
    EXPECT_FALSE(eq.ForwardButton()->isEnabled());
    EXPECT_EQ(eq.Slider(0)->Label(), "8K");
    EXPECT_EQ(eq.Slider(3)->Label(), "16K");
    EXPECT_EQ(eq.Slider(4)->Label(), "Treble");
    eq.MoveForward();
    EXPECT_EQ(eq.FirstEntry(), 24);
    EXPECT_EQ(eq.Slider(4)->Label(), "Treble");
}

TEST_F(Panels, EqualizerMoveReReadsTheFiveValues) {
    auto& eq = Show(std::make_unique<CPanelEqualizer>(*engine, *bridge, 9));
    ASSERT_EQ(engine->put_Bass(Variant::Int(0), 2.5), 0);
    ASSERT_EQ(engine->put_EQBand(Variant::Int(0), Variant::Int(0), -1.2), 0);
    ASSERT_EQ(engine->put_EQBand(Variant::Int(0), Variant::Int(4), 4.0), 0);
    // Nothing re-read yet: the window shows what it read when it was shown.
    eq.MoveForward();
    EXPECT_EQ(eq.Slider(0)->Label(), "40");
    EXPECT_EQ(eq.Slider(0)->Position(), 12);
    EXPECT_EQ(eq.Slider(0)->ValueText(), "-1.2");
    EXPECT_EQ(eq.Slider(4)->Label(), "100");
    EXPECT_EQ(eq.Slider(4)->Position(), -40);
    EXPECT_EQ(eq.Slider(4)->ValueText(), "4.0");
    // Changed behind the window's back, then moved back: the bass is read again.
    ASSERT_EQ(engine->put_Bass(Variant::Int(0), -6.0), 0);
    eq.MoveBack();
    EXPECT_EQ(eq.Slider(0)->Position(), 60);
    EXPECT_EQ(eq.Slider(0)->ValueText(), "-6.0");
    ASSERT_EQ(engine->put_Treble(Variant::Int(0), 1.5), 0);
    for (int i = 0; i < 24; ++i) {
        eq.MoveForward();
    }
    EXPECT_EQ(eq.Slider(4)->Position(), -15);
}

TEST_F(Panels, EqualizerChannelsAndSlidersWriteTheirEntries) {
    auto& eq = Show(std::make_unique<CPanelEqualizer>(*engine, *bridge, 9));
    eq.ChannelButton(5)->click();
    EXPECT_EQ(eq.Channel(), 5);
    Drag(*eq.Slider(0), -45);
    double bass = 0;
    engine->get_Bass(Variant::Int(5), &bass);
    EXPECT_DOUBLE_EQ(bass, 4.5);
    EXPECT_EQ(eq.Slider(0)->ValueText(), "4.5");
    eq.MoveForward();
    eq.MoveForward();
    Drag(*eq.Slider(2), 33);  // entry 4 = band 3 (80 Hz)
    EXPECT_DOUBLE_EQ(Band(5, 3), -3.3);
    EXPECT_DOUBLE_EQ(Band(0, 3), 0.0);
}

TEST_F(Panels, SubwooferShowsItsThreeParametricSliders) {
    auto& eq = Show(std::make_unique<CPanelEqualizer>(*engine, *bridge, 9));
    ASSERT_EQ(engine->put_SubParametricGain(-4.5), 0);
    ASSERT_EQ(engine->put_SubParametricQ(2.5), 0);
    ASSERT_EQ(engine->put_SubParametricFreq(63), 0);
    eq.ChannelButton(CPanelEqualizer::kSubwooferChannel)->click();
    EXPECT_EQ(eq.Slider(0)->Label(), "Level");
    EXPECT_EQ(eq.Slider(1)->Label(), " Q");
    EXPECT_EQ(eq.Slider(2)->Label(), "Freq");
    EXPECT_FALSE(eq.Slider(3)->isVisible());
    EXPECT_FALSE(eq.Slider(4)->isVisible());
    EXPECT_FALSE(eq.BackButton()->isVisible());
    EXPECT_EQ(eq.Slider(0)->Position(), 45);
    EXPECT_EQ(eq.Slider(1)->Position(), -10);
    EXPECT_EQ(eq.Slider(2)->Position(), -63);
    EXPECT_EQ(eq.Slider(1)->Slider()->minimum(), -40);
    EXPECT_EQ(eq.Slider(1)->Slider()->maximum(), -2);

    // One position of the Q slider is a quarter.
    Drag(*eq.Slider(1), -9);
    double q = 0;
    engine->get_SubParametricQ(&q);
    EXPECT_DOUBLE_EQ(q, 2.25);
    EXPECT_EQ(eq.Slider(1)->ValueText(), "2.25");
    Drag(*eq.Slider(1), -2);
    engine->get_SubParametricQ(&q);
    EXPECT_DOUBLE_EQ(q, 0.5);
    Drag(*eq.Slider(1), -40);
    engine->get_SubParametricQ(&q);
    EXPECT_DOUBLE_EQ(q, 10.0);
    Drag(*eq.Slider(2), -120);
    double frequency = 0;
    engine->get_SubParametricFreq(&frequency);
    EXPECT_DOUBLE_EQ(frequency, 120.0);

    // Back to a full-range channel: five band sliders again.
    eq.ChannelButton(0)->click();
    EXPECT_TRUE(eq.Slider(4)->isVisible());
    EXPECT_EQ(eq.Slider(0)->Label(), "Bass");
    EXPECT_EQ(eq.Slider(1)->Slider()->maximum(), 60);
}

TEST_F(Panels, BandMovedOnThePanelReachesTheUnit) {
    Connect();
    auto& eq = Show(std::make_unique<CPanelEqualizer>(*engine, *bridge, 9));
    eq.ChannelButton(1)->click();
    // Band 14 (1 kHz) is entry 15: the window from entry 11 shows it in its fifth slider.
    for (int i = 0; i < 11; ++i) {
        eq.MoveForward();
    }
    ASSERT_EQ(eq.Slider(4)->Label(), "1K");
    Drag(*eq.Slider(4), 30);
    EXPECT_DOUBLE_EQ(Band(1, 14), -3.0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return unit.Memory(4, 144) == kMinusThreeDb; }, kTimeoutMs));
}

// ---- Outputs ------------------------------------------------------------------------------------

TEST_F(Panels, OutputsShowLevelsWithOneDecimalAndWriteThem) {
    ASSERT_EQ(engine->put_OutputGain(Variant::Int(4), -3.5), 0);
    auto& outputs = Show(std::make_unique<CPanelOutputs>(*engine, *bridge));
    EXPECT_EQ(outputs.Slider(4)->Position(), 7);
    EXPECT_EQ(outputs.Slider(4)->ValueText(), "-3.5");
    EXPECT_EQ(outputs.Slider(4)->Label(), "SW");
    EXPECT_EQ(outputs.Slider(3)->Label(), "LS");
    EXPECT_LT(outputs.Slider(4)->x(), outputs.Slider(3)->x()) << "SW before LS";
    EXPECT_EQ(outputs.Slider(0)->Slider()->minimum(), -16);
    EXPECT_EQ(outputs.Slider(0)->Slider()->maximum(), 44);
    Drag(*outputs.Slider(0), -16);
    double gain = 0;
    engine->get_OutputGain(Variant::Int(0), &gain);
    EXPECT_DOUBLE_EQ(gain, 8.0);
    EXPECT_EQ(outputs.Slider(0)->ValueText(), "8.0");

    outputs.MuteButton(2)->click();
    Variant muted;
    engine->get_Mute(Variant::Int(2), &muted);
    EXPECT_TRUE(muted.IsTrue());
    outputs.InvertButton(6)->click();
    Variant inverted;
    engine->get_Invert(Variant::Int(6), &inverted);
    EXPECT_TRUE(inverted.IsTrue());
}

TEST_F(Panels, GenRoutesTheGeneratorByChannelBit) {
    auto& outputs = Show(std::make_unique<CPanelOutputs>(*engine, *bridge));
    const std::array<int, 8> bits{1, 2, 4, 16, 8, 32, 64, 128};
    for (int channel = 0; channel < 8; ++channel) {
        outputs.GeneratorButton(channel)->click();
        EXPECT_EQ(frontend::IntProperty(*engine, &IKVT80::get_GeneratorChannels), bits[channel])
            << channel;
        EXPECT_TRUE(outputs.GeneratorButton(channel)->isChecked());
        for (int other = 0; other < 8; ++other) {
            if (other != channel) {
                EXPECT_FALSE(outputs.GeneratorButton(other)->isChecked()) << other;
            }
        }
    }
    outputs.GeneratorButton(7)->click();  // off
    EXPECT_EQ(frontend::IntProperty(*engine, &IKVT80::get_GeneratorChannels), 0);
    EXPECT_FALSE(outputs.GeneratorButton(7)->isChecked());
}

TEST_F(Panels, SwitchingOffPutsZeroOnlyWhenTheGeneratorRuns) {
    auto& outputs = Show(std::make_unique<CPanelOutputs>(*engine, *bridge));
    QSignalSpy puts(bridge.get(), &frontend::EngineBridge::signalGenState);
    // Shown on while the engine has it off already: releasing it writes nothing.
    outputs.GeneratorButton(2)->setChecked(true);
    outputs.RouteGenerator(2, false);
    QApplication::processEvents();
    EXPECT_EQ(puts.count(), 0);

    ASSERT_EQ(engine->put_GeneratorChannels(Variant::Int(4)), 0);
    QApplication::processEvents();
    puts.clear();
    outputs.RouteGenerator(2, false);
    QApplication::processEvents();
    ASSERT_GE(puts.count(), 1);
    EXPECT_EQ(puts.back()[1].toInt(), 0);
    EXPECT_EQ(frontend::IntProperty(*engine, &IKVT80::get_GeneratorChannels), 0);
}

TEST_F(Panels, GenLabelsFollowTheGeneratorModeButNotModeFour) {
    auto& outputs = Show(std::make_unique<CPanelOutputs>(*engine, *bridge));
    EXPECT_EQ(outputs.GeneratorButton(0)->text(), "Pink");
    const std::vector<std::pair<int, QString>> modes{{1, "100Hz"}, {2, "1kHz"}, {3, "10kHz"}};
    for (const auto& [mode, name] : modes) {
        ASSERT_EQ(engine->put_GeneratorMode(Variant::Int(mode)), 0);
        QApplication::processEvents();
        outputs.Refresh();
        for (int channel = 0; channel < 8; ++channel) {
            EXPECT_EQ(outputs.GeneratorButton(channel)->text(), name) << mode;
        }
    }
    ASSERT_EQ(engine->put_GeneratorMode(Variant::Int(4)), 0);
    QApplication::processEvents();
    outputs.Refresh();
    EXPECT_EQ(outputs.GeneratorButton(5)->text(), "10kHz");
}

// ---- Optical ------------------------------------------------------------------------------------

TEST_F(Panels, OpticalSlidersWriteTheSelectedProjector) {
    ASSERT_EQ(engine->put_LeftInputGain(Variant::Int(1), -2.5), 0);
    auto& optical = Show(std::make_unique<CPanelOptical>(*engine, *bridge, 9));
    optical.ProjectorButton(1)->click();
    EXPECT_EQ(frontend::IntProperty(*engine, &IKVT80::get_SelectedPreamp), 1);
    EXPECT_EQ(optical.Slider(CPanelOptical::kLeftGain)->Position(), 25);
    EXPECT_EQ(optical.Slider(CPanelOptical::kLeftGain)->ValueText(), "-2.5");
    Drag(*optical.Slider(CPanelOptical::kRightGain), -31);
    double right = 0;
    engine->get_RightInputGain(Variant::Int(1), &right);
    EXPECT_DOUBLE_EQ(right, 3.1);
    engine->get_RightInputGain(Variant::Int(0), &right);
    EXPECT_DOUBLE_EQ(right, 0.0);
    Drag(*optical.Slider(CPanelOptical::kMonoEQ), 25);
    double mono = 0;
    engine->get_MonoEQ(&mono);
    EXPECT_DOUBLE_EQ(mono, 12.5);
    EXPECT_EQ(optical.Slider(CPanelOptical::kMonoEQ)->ValueText(), "12.5");
}

// ---- Matrix -------------------------------------------------------------------------------------

TEST_F(Panels, MatrixSlidersShowAndWriteTheSurroundAndSubwoofer) {
    ASSERT_EQ(engine->put_Delay(45), 0);
    ASSERT_EQ(engine->put_SubwooferFreq(70), 0);
    auto& matrix = Show(std::make_unique<CPanelMatrix>(*engine, *bridge, 9));
    EXPECT_EQ(matrix.Slider(CPanelMatrix::kSurroundDelay)->Position(), -45);
    EXPECT_EQ(matrix.Slider(CPanelMatrix::kSurroundDelay)->ValueText(), "45.0");
    EXPECT_EQ(matrix.Slider(CPanelMatrix::kSubFreq)->Position(), -7);
    EXPECT_EQ(matrix.Slider(CPanelMatrix::kSubFreq)->ValueText(), "70.0");
    Drag(*matrix.Slider(CPanelMatrix::kSurroundGain), -25);
    double surround = 0;
    engine->get_SurroundGain(&surround);
    EXPECT_DOUBLE_EQ(surround, 2.5);
    Drag(*matrix.Slider(CPanelMatrix::kSurroundDelay), -120);
    int32_t delay = 0;
    engine->get_Delay(&delay);
    EXPECT_EQ(delay, 120);
    Drag(*matrix.Slider(CPanelMatrix::kSubFreq), -5);
    double frequency = 0;
    engine->get_SubwooferFreq(&frequency);
    EXPECT_DOUBLE_EQ(frequency, 50.0);
}

TEST_F(Panels, MatrixGainWritesThePreampChosen) {
    ASSERT_EQ(engine->put_Mode(Variant::Int(FormatStereo)), status::Ok);
    ASSERT_EQ(engine->put_NonSyncGain(-3.0), status::Ok);
    ASSERT_EQ(engine->put_LeftAuxGain(2.0), status::Ok);
    ASSERT_EQ(engine->put_RightAuxGain(4.0), status::Ok);
    ASSERT_EQ(engine->put_LeftMicGain(1.5), status::Ok);
    ASSERT_EQ(engine->put_RightMicGain(-1.5), status::Ok);
    auto& matrix = Show(std::make_unique<CPanelMatrix>(*engine, *bridge, 9));
    PanelSlider& gain = *matrix.Slider(CPanelMatrix::kGain);
    // A format of none of the three: the first preamp, Non-Sync, with its range (-24 to 6 dB).
    EXPECT_EQ(matrix.SelectedPreamp(), CPanelMatrix::kNonSync);
    EXPECT_TRUE(matrix.PreampButton(CPanelMatrix::kNonSync)->isChecked());
    EXPECT_EQ(gain.Position(), 30);
    EXPECT_EQ(gain.ValueText(), "-3.0");
    EXPECT_EQ(gain.Slider()->minimum(), -60);
    EXPECT_EQ(gain.Slider()->maximum(), 240);
    Drag(gain, 100);
    double value = 0;
    engine->get_NonSyncGain(&value);
    EXPECT_DOUBLE_EQ(value, -10.0);

    // Aux: the right gain moves by the same step, and stops at the end of its range.
    matrix.PreampButton(CPanelMatrix::kAux)->click();
    EXPECT_EQ(gain.Position(), -20);
    EXPECT_EQ(gain.Slider()->minimum(), -119);
    EXPECT_EQ(gain.Slider()->maximum(), 239);
    Drag(gain, -50);
    engine->get_LeftAuxGain(&value);
    EXPECT_DOUBLE_EQ(value, 5.0);
    engine->get_RightAuxGain(&value);
    EXPECT_DOUBLE_EQ(value, 7.0);
    Drag(gain, -119);
    engine->get_RightAuxGain(&value);
    EXPECT_DOUBLE_EQ(value, 11.9);

    // Mic: both gains take the value, as on the laptop.
    matrix.PreampButton(CPanelMatrix::kMic)->click();
    EXPECT_EQ(gain.Position(), -15);
    Drag(gain, -10);
    engine->get_LeftMicGain(&value);
    EXPECT_DOUBLE_EQ(value, 1.0);
    engine->get_RightMicGain(&value);
    EXPECT_DOUBLE_EQ(value, 1.0);
    engine->get_NonSyncGain(&value);
    EXPECT_DOUBLE_EQ(value, -10.0);

    // The current format chooses the preamp on a refresh; one of another kind keeps the choice.
    ASSERT_EQ(engine->put_Mode(Variant::Int(FormatNonSync)), status::Ok);
    matrix.Refresh();
    EXPECT_EQ(matrix.SelectedPreamp(), CPanelMatrix::kNonSync);
    EXPECT_EQ(gain.ValueText(), "-10.0");
    ASSERT_EQ(engine->put_Mode(Variant::Int(FormatAux)), status::Ok);
    matrix.Refresh();
    EXPECT_TRUE(matrix.PreampButton(CPanelMatrix::kAux)->isChecked());
    ASSERT_EQ(engine->put_Mode(Variant::Int(FormatMono)), status::Ok);
    matrix.Refresh();
    EXPECT_EQ(matrix.SelectedPreamp(), CPanelMatrix::kAux);
}

TEST_F(Panels, LevelIndicatorsShowTheLevelAgainstTheCalibrationPoint) {
    auto& optical = Show(std::make_unique<CPanelOptical>(*engine, *bridge, 9));
    CPanelMatrix matrix(*engine, *bridge, 9);
    emit bridge->inputLevelsUpdated(0.3, -2.0);
    QApplication::processEvents();
    for (CLevelMeter* left : {optical.Meter(0), matrix.Meter(0)}) {
        // Inside the band, above the point: the upper green lamp only.
        EXPECT_EQ(left->ShownLamps(), (CLevelMeter::Lamps{1, 2, 3, 1}));
        EXPECT_EQ(left->LevelText(), "0.3");
    }
    for (CLevelMeter* right : {optical.Meter(1), matrix.Meter(1)}) {
        // Far below: the lower red lamp.
        EXPECT_EQ(right->ShownLamps(), (CLevelMeter::Lamps{1, 3, 3, 0}));
        EXPECT_EQ(right->LevelText(), "-2.0");
    }
    emit bridge->inputLevelsUpdated(0.0, 0.6);
    EXPECT_EQ(optical.Meter(0)->ShownLamps(), (CLevelMeter::Lamps{1, 2, 2, 1}));
    EXPECT_EQ(optical.Meter(1)->ShownLamps(), (CLevelMeter::Lamps{0, 3, 3, 1}));
    // No input at all (the level a disconnect reports): every lamp dark, no value.
    emit bridge->inputLevelsUpdated(-80.0, -80.0);
    for (CLevelMeter* meter : {optical.Meter(0), optical.Meter(1), matrix.Meter(1)}) {
        EXPECT_EQ(meter->ShownLamps(), (CLevelMeter::Lamps{1, 3, 3, 1}));
        EXPECT_TRUE(meter->LevelText().isEmpty());
    }
}

// ---- Format Setup -------------------------------------------------------------------------------

TEST_F(Panels, FormatSetupShowsTheControlsOfTheCurrentFormat) {
    ASSERT_EQ(engine->put_Mode(Variant::Int(FormatStereo)), status::Ok);
    auto& setup = Show(std::make_unique<CPanelFormatSetup>(*engine, *bridge));
    EXPECT_FALSE(setup.InputTypeControls()->isVisible());
    EXPECT_FALSE(setup.MicChannelControls()->isVisible());
    EXPECT_FALSE(setup.FallbackGroup()->isVisible());
    EXPECT_TRUE(setup.DigitalDelayButton()->isVisible());

    ASSERT_EQ(engine->put_Mode(Variant::Int(FormatNonSync)), status::Ok);
    setup.Refresh();
    EXPECT_TRUE(setup.InputTypeControls()->isVisible());
    EXPECT_EQ(setup.DigitalButton()->text(), "SPDIF");
    EXPECT_FALSE(setup.FallbackGroup()->isVisible());

    ASSERT_EQ(engine->put_FormatAESEBU(Variant::Int(FormatDigitalB), Variant::Bool(false)), 0);
    ASSERT_EQ(engine->put_Mode(Variant::Int(FormatDigitalB)), status::Ok);
    setup.Refresh();
    EXPECT_EQ(setup.DigitalButton()->text(), "AES/EBU");
    EXPECT_TRUE(setup.AnalogButton()->isChecked());
    EXPECT_FALSE(setup.FallbackGroup()->isVisible());
    ASSERT_EQ(engine->put_FormatAESEBU(Variant::Int(FormatDigitalB), Variant::Bool(true)), 0);
    setup.Refresh();
    EXPECT_TRUE(setup.DigitalButton()->isChecked());
    EXPECT_TRUE(setup.FallbackGroup()->isVisible());

    ASSERT_EQ(engine->put_Mode(Variant::Int(FormatMicCenter)), status::Ok);
    setup.Refresh();
    EXPECT_TRUE(setup.MicChannelControls()->isVisible());
    EXPECT_FALSE(setup.InputTypeControls()->isVisible());
    EXPECT_FALSE(setup.FallbackGroup()->isVisible());
    // Everything shown at once still fits the screen's width.
    EXPECT_LE(setup.minimumSizeHint().width(), 240);
}

TEST_F(Panels, FormatSetupPowerOnAndFallbackReachTheUnit) {
    Connect();
    auto& setup = Show(std::make_unique<CPanelFormatSetup>(*engine, *bridge));
    const std::vector<std::pair<int, int>> powerOn{{0, 0}, {4, 8}, {5, 4}, {8, 128}};
    for (const auto& [radio, value] : powerOn) {
        setup.PowerOnButton(radio)->click();
        int32_t stored = -1;
        engine->get_PowerOnFormat(&stored);
        EXPECT_EQ(stored, value) << radio;
    }
    // The unit keeps "Last Selected" as 128 in its power-on entry.
    EXPECT_TRUE(QTest::qWaitFor([&] { return unit.Memory(0, 19) == 128; }, kTimeoutMs));

    setup.FallbackButton(5)->click();  // NON/Sync
    int32_t fallback = -1;
    engine->get_DigitalFallbackMode(&fallback);
    EXPECT_EQ(fallback, 6);
    EXPECT_TRUE(QTest::qWaitFor([&] { return unit.Memory(0, 557) == 6; }, kTimeoutMs));
    setup.FallbackButton(0)->click();  // Ext 2
    engine->get_DigitalFallbackMode(&fallback);
    EXPECT_EQ(fallback, 0);

    // A fallback of no radio checks none; a power-on format of no radio shows "Last Selected".
    ASSERT_EQ(engine->put_DigitalFallbackMode(5), status::Ok);
    ASSERT_EQ(engine->put_PowerOnFormat(9), status::Ok);
    setup.Refresh();
    for (int i = 0; i < 8; ++i) {
        EXPECT_FALSE(setup.FallbackButton(i)->isChecked()) << i;
    }
    EXPECT_TRUE(setup.PowerOnButton(8)->isChecked());
}

TEST_F(Panels, FormatSetupPresetAndLevelWriteTheCurrentFormat) {
    ASSERT_EQ(engine->put_Mode(Variant::Int(FormatStereoSR)), status::Ok);
    ASSERT_EQ(engine->put_FormatLevel(Variant::Int(FormatStereoSR), 0), status::Ok);
    auto& setup = Show(std::make_unique<CPanelFormatSetup>(*engine, *bridge));
    PanelSlider& level = *setup.LevelSlider();
    EXPECT_FALSE(setup.PresetButton()->isChecked());
    EXPECT_FALSE(level.isEnabled());
    const auto stored = [&] {
        int32_t value = -1;
        engine->get_FormatLevel(Variant::Int(FormatStereoSR), &value);
        return value;
    };

    setup.PresetButton()->click();
    EXPECT_EQ(stored(), 70);
    EXPECT_TRUE(setup.PresetButton()->isChecked());
    EXPECT_TRUE(level.isEnabled());
    EXPECT_EQ(level.Position(), -70);
    EXPECT_EQ(level.ValueText(), "7.0");

    // A drag shows every step and writes where the finger lets go.
    level.Slider()->setSliderDown(true);
    level.Slider()->setValue(-55);
    EXPECT_EQ(level.ValueText(), "5.5");
    EXPECT_EQ(stored(), 70);
    level.Slider()->setSliderDown(false);
    EXPECT_EQ(stored(), 55);
    // A tap writes at once; level 0 turns the preset off.
    level.Slider()->triggerAction(QAbstractSlider::SliderToMaximum);
    EXPECT_EQ(stored(), 0);
    EXPECT_FALSE(setup.PresetButton()->isChecked());
    EXPECT_FALSE(level.isEnabled());
    // Other formats keep their levels.
    int32_t stereo = -1;
    engine->get_FormatLevel(Variant::Int(FormatStereo), &stereo);
    setup.PresetButton()->click();
    setup.PresetButton()->click();
    EXPECT_EQ(stored(), 0);
    int32_t after = -1;
    engine->get_FormatLevel(Variant::Int(FormatStereo), &after);
    EXPECT_EQ(after, stereo);
}

TEST_F(Panels, FormatSetupInputTypeAndMicChannel) {
    ASSERT_EQ(engine->put_Mode(Variant::Int(FormatAux)), status::Ok);
    auto& setup = Show(std::make_unique<CPanelFormatSetup>(*engine, *bridge));
    const auto flag = [&](int32_t (IKVT80::*get)(const Variant&, Variant*), int format) {
        Variant value;
        return (engine.get()->*get)(Variant::Int(format), &value) == status::Ok && value.IsTrue();
    };
    setup.DigitalButton()->click();
    EXPECT_FALSE(flag(&IKVT80::get_FormatAnalog, FormatAux));
    EXPECT_TRUE(flag(&IKVT80::get_FormatSPDIFF, FormatAux));
    EXPECT_TRUE(setup.DigitalButton()->isChecked());
    setup.AnalogButton()->click();
    EXPECT_TRUE(flag(&IKVT80::get_FormatAnalog, FormatAux));
    EXPECT_FALSE(flag(&IKVT80::get_FormatSPDIFF, FormatAux));

    // Ext 2: the second radio is AES/EBU, and the fallback choices come with it.
    ASSERT_EQ(engine->put_FormatAESEBU(Variant::Int(FormatDigitalB), Variant::Bool(false)), 0);
    ASSERT_EQ(engine->put_Mode(Variant::Int(FormatDigitalB)), status::Ok);
    setup.Refresh();
    setup.DigitalButton()->click();
    EXPECT_TRUE(flag(&IKVT80::get_FormatAESEBU, FormatDigitalB));
    EXPECT_TRUE(setup.FallbackGroup()->isVisible());
    setup.AnalogButton()->click();
    EXPECT_FALSE(flag(&IKVT80::get_FormatAESEBU, FormatDigitalB));
    EXPECT_FALSE(setup.FallbackGroup()->isVisible());

    ASSERT_EQ(engine->put_Mode(Variant::Int(FormatMicCenter)), status::Ok);
    setup.Refresh();
    setup.SurroundButton()->click();
    int32_t phase = -1;
    engine->get_MicPhase(Variant::Int(FormatMicCenter), &phase);
    EXPECT_EQ(phase, 1);
    setup.CenterButton()->click();
    engine->get_MicPhase(Variant::Int(FormatMicCenter), &phase);
    EXPECT_EQ(phase, 0);

    QSignalSpy delays(&setup, &CPanelFormatSetup::digitalDelaysRequested);
    setup.DigitalDelayButton()->click();
    EXPECT_EQ(delays.count(), 1);
}

// ---- Profile ------------------------------------------------------------------------------------

TEST_F(Panels, ProfileShowsAndWritesTheTexts) {
    ASSERT_EQ(engine->put_TheaterName(frontend::TextVariant("Odeon")), 0);
    ASSERT_EQ(engine->put_Comments(frontend::TextVariant("first\r\nsecond")), 0);
    auto& profile = Show(std::make_unique<CPanelProfile>(*engine, *bridge));
    EXPECT_EQ(profile.Line(3)->text(), "Odeon");
    EXPECT_EQ(profile.Comments()->toPlainText(), "first\nsecond");
    EXPECT_EQ(profile.Line(4)->maxLength(), 3);

    profile.Line(4)->setText("12");
    profile.Comments()->setPlainText("one\ntwo");
    profile.Commit();
    EXPECT_EQ(frontend::ReadText(*engine, &IKVT80::get_ScreenNumber), "12");
    EXPECT_EQ(frontend::ReadText(*engine, &IKVT80::get_Comments), "one\r\ntwo");

    // Longer comments are cut at the field's room, a line break counting two.
    profile.Comments()->setPlainText(QString(130, QLatin1Char('x')));
    EXPECT_EQ(profile.Comments()->toPlainText().size(), CPanelProfile::kCommentsLimit);
    profile.Comments()->setPlainText(QString(62, QLatin1Char('a')) + "\n" + QString(70, 'b'));
    EXPECT_EQ(profile.Comments()->toPlainText().size(), CPanelProfile::kCommentsLimit - 1);
}

// ---- The analyser's pop-up menu -----------------------------------------------------------------

QStringList Texts(QMenu& menu) {
    QStringList texts;
    for (QAction* action : menu.actions()) {
        texts << action->text();
    }
    return texts;
}

QAction* Item(QMenu& menu, const char* name) {
    return menu.findChild<QAction*>(QLatin1String(name));
}

TEST_F(Panels, AnalyserMenuItemsInBothModes) {
    auto& analyser = Show(std::make_unique<CHandheldRTA>(*engine, *bridge, 9));
    {
        QMenu menu;
        analyser.FillMenu(menu);
        EXPECT_EQ(Texts(menu),
                  QStringList({"Power On", "Sum && Difference", "Left", "Right", "Lines"}));
        EXPECT_TRUE(Item(menu, "firstTrace")->isChecked());
        EXPECT_TRUE(Item(menu, "secondTrace")->isChecked());
        Item(menu, "sumDifference")->trigger();
    }
    EXPECT_TRUE(Flag(&IKVT80::get_SLASumAndDiff));
    {
        QMenu menu;
        analyser.FillMenu(menu);
        EXPECT_EQ(Texts(menu), QStringList({"Power On", "Normal", "Sum", "Difference", "Lines"}));
        Item(menu, "secondTrace")->trigger();  // hide the difference
    }
    EXPECT_EQ(analyser.ChannelSelection(), frontend::CCtlRTA::kFirstTrace);
    {
        QMenu menu;
        analyser.FillMenu(menu);
        EXPECT_TRUE(Item(menu, "firstTrace")->isChecked());
        EXPECT_FALSE(Item(menu, "secondTrace")->isChecked());
        EXPECT_FALSE(Item(menu, "firstTrace")->isEnabled()) << "the only trace shown stays";
        Item(menu, "style")->trigger();
        Item(menu, "sumDifference")->trigger();
    }
    EXPECT_TRUE(analyser.Lines());
    EXPECT_FALSE(Flag(&IKVT80::get_SLASumAndDiff));
    QMenu menu;
    analyser.FillMenu(menu);
    EXPECT_EQ(Texts(menu), QStringList({"Power On", "Sum && Difference", "Left", "Right", "Bars"}));
}

TEST_F(Panels, AnalyserPowerResetsAllSixtyValues) {
    Connect();
    auto& analyser = Show(std::make_unique<CHandheldRTA>(*engine, *bridge, 9));
    QVector<double> values(frontend::CCtlRTA::kValues);
    for (int i = 0; i < values.size(); ++i) {
        values[i] = -10.0 - i % 7;
    }
    analyser.TogglePowerAndReset();
    EXPECT_TRUE(analyser.Running());
    EXPECT_TRUE(Flag(&IKVT80::get_SLARunning));
    analyser.OnSLAUpdate(values);
    EXPECT_EQ(analyser.FirstTrace()[0], values[59]);
    {
        QMenu menu;
        analyser.FillMenu(menu);
        EXPECT_EQ(Item(menu, "power")->text(), "Power Off");
        Item(menu, "power")->trigger();
    }
    EXPECT_FALSE(analyser.Running());
    for (int column = 0; column < frontend::CCtlRTA::kColumns; ++column) {
        EXPECT_EQ(analyser.FirstTrace()[column], CHandheldRTA::kResetLevel) << column;
        EXPECT_EQ(analyser.SecondTrace()[column], CHandheldRTA::kResetLevel) << column;
    }
}

TEST_F(Panels, AnalyserBandLabelsLeaveRoomBetweenThem) {
    // The labels stand level under every third column (the octave bands); each one's width
    // must fit the room between its neighbours.
    const frontend::AnalyserMetrics metrics = frontend::AnalyserMetrics::Handheld(9);
    EXPECT_FALSE(metrics.uprightBandLabels);
    const QFontMetrics font(metrics.bandFont);
    const double room = metrics.bandLabelStep * metrics.bandWidth;
    for (const char* label : {"31", "125", "1K", "16K"}) {
        EXPECT_LT(font.horizontalAdvance(QLatin1String(label)) + 2, room) << label;
    }
    // The last label stays inside the graph's columns.
    const int last =
        metrics.firstBandLabel + (frontend::CCtlRTA::kColumns - 1 - metrics.firstBandLabel) /
                                     metrics.bandLabelStep * metrics.bandLabelStep;
    EXPECT_EQ(last, 28);  // 16K
}

TEST_F(Panels, AnalyserFitsTheSmallScreen) {
    auto& analyser = Show(std::make_unique<CHandheldRTA>(*engine, *bridge, 9));
    EXPECT_LE(analyser.sizeHint().width(), 240);
    EXPECT_LE(analyser.sizeHint().height(), 130);
    for (QWidget* child : analyser.findChildren<QPushButton*>()) {
        EXPECT_FALSE(child->isVisible()) << child->objectName().toStdString();
    }
}

}  // namespace
}  // namespace kvt::handheld
