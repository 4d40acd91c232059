// The Inputs page against a real engine: gain routing by the format's kind (linked sliders for mic
// and non-sync), the slider ranges and what they write, the format buttons, the level
// indicators' band edges, the generator taking the format buttons away, and a gain moved on the
// page reaching the simulated unit's memory over a pseudo-terminal.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <memory>

#include "CCtlRTA.h"
#include "EngineBridge.h"
#include "EngineValues.h"
#include "KVT80.h"
#include "SimulatedUnit.h"
#include "TestSupport.h"
#include "UnitRig.h"
#include "pages/CDlgInputForm.h"
#include "widgets/CTrackbar.h"

namespace kvt::laptop {
namespace {

constexpr int kGuiTimeoutMs = 10000;

class InputsPage : public UnitRig {
  protected:
    void TearDown() override {
        page.reset();
        UnitRig::TearDown();
    }

    void OpenPage() {
        page = std::make_unique<CDlgInputForm>(*engine, *bridge, 9);
        // The frame hands the engine's format changes to the page.
        QObject::connect(bridge.get(), &frontend::EngineBridge::inputFormatChanged, page.get(),
                         &CDlgInputForm::OnInputFormatChanged);
        page->resize(755, 400);
        page->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(page.get(), kGuiTimeoutMs));
    }

    // The page shows the input levels: they are read.
    void ConnectToUnit() { UnitRig::ConnectToUnit(true); }

    void SelectFormat(int format) {
        ASSERT_EQ(engine->put_Mode(Variant::Int(format)), status::Ok);
        page->OnInputFormatChanged(format);
    }

    CTrackbar* Trackbar(int id) const { return page->findChild<CTrackbar*>(QString::number(id)); }
    QLabel* Label(int id) const { return page->findChild<QLabel*>(QString::number(id)); }
    QPushButton* Button(int id) const { return page->findChild<QPushButton*>(QString::number(id)); }

    // One step of an arrow key on the control, as a technician presses it.
    static void Press(QWidget* control, Qt::Key key) {
        control->setFocus();
        QTest::keyPress(control, key);
        QTest::keyRelease(control, key);
    }

    double Get(int32_t (IKVT80::*getter)(double*)) const {
        double value = -999;
        ((*engine).*getter)(&value);
        return value;
    }

    std::array<int, 4> Lamps(int first) const {
        std::array<int, 4> lamps{};
        for (int i = 0; i < 4; ++i) {
            lamps[i] = Label(first + i)->property("image").toInt();
        }
        return lamps;
    }

    testing::ScopedConfigHome config;
    std::unique_ptr<CDlgInputForm> page;
};

constexpr int kLeftGain = 1011;
constexpr int kRightGain = 1013;
constexpr int kSubFreq = 1023;

TEST_F(InputsPage, ControlsCarryTheirIdsAndRanges) {
    OpenPage();
    const std::array<std::tuple<int, int, int>, 8> ranges{{
        {1011, -119, 239},
        {1013, -119, 239},
        {1015, 10, 32},
        {1017, 6, 30},
        {1019, -220, -10},
        {1020, -60, 60},
        {1021, -60, 60},
        {1023, -8, -5},
    }};
    for (const auto& [id, minimum, maximum] : ranges) {
        ASSERT_NE(Trackbar(id), nullptr) << id;
        EXPECT_EQ(Trackbar(id)->minimum(), minimum) << id;
        EXPECT_EQ(Trackbar(id)->maximum(), maximum) << id;
        EXPECT_EQ(Trackbar(id)->pageStep(), 0) << id;
    }
    const QStringList buttons{"MONO",     "STEREO", "For SR", "EXT 1 (Analog)", "EXT 2 (Digital)",
                              "NON/SYNC", "AUX",    "MIC"};
    for (int i = 0; i < buttons.size(); ++i) {
        ASSERT_NE(Button(1352 + i), nullptr);
        EXPECT_EQ(Button(1352 + i)->text(), buttons[i]);
    }
    EXPECT_EQ(Button(1412)->text(), "Projector 1");
    EXPECT_EQ(Button(1413)->text(), "Projector 2");
    EXPECT_NE(page->findChild<frontend::CCtlRTA*>("1456"), nullptr);
    for (int id = 1478; id <= 1488; ++id) {
        EXPECT_NE(Label(id), nullptr) << id;
    }
}

TEST_F(InputsPage, MicFormatLinksTheGainSlidersAndWritesBothMicGains) {
    OpenPage();
    SelectFormat(FormatMicCenter);
    CTrackbar* left = Trackbar(kLeftGain);
    CTrackbar* right = Trackbar(kRightGain);
    EXPECT_FALSE(right->isEnabled());
    EXPECT_EQ(Label(1397)->text(), "\nGain");

    const int start = left->value();
    Press(left, Qt::Key_Up);  // the thumb up: one tenth of a dB more
    EXPECT_EQ(left->value(), start - 1);
    EXPECT_EQ(right->value(), left->value());
    const double expected = -left->value() / 10.0;
    EXPECT_DOUBLE_EQ(Get(&IKVT80::get_LeftMicGain), expected);
    EXPECT_DOUBLE_EQ(Get(&IKVT80::get_RightMicGain), expected);
    EXPECT_EQ(Label(1220)->text(), Label(1221)->text());
}

TEST_F(InputsPage, NonSyncFormatWidensTheGainRangeAndWritesNonSyncGain) {
    OpenPage();
    SelectFormat(FormatNonSync);
    for (int id : {kLeftGain, kRightGain}) {
        EXPECT_EQ(Trackbar(id)->minimum(), -60) << id;
        EXPECT_EQ(Trackbar(id)->maximum(), 240) << id;
    }
    CTrackbar* left = Trackbar(kLeftGain);
    left->setFocus();
    QTest::keyClick(left, Qt::Key_Home);  // the top: +6.0 dB
    EXPECT_EQ(left->value(), -60);
    EXPECT_DOUBLE_EQ(Get(&IKVT80::get_NonSyncGain), 6.0);
    EXPECT_EQ(Label(1220)->text(), "6.0");
    QTest::keyClick(left, Qt::Key_End);  // the bottom: -24.0 dB
    EXPECT_DOUBLE_EQ(Get(&IKVT80::get_NonSyncGain), -24.0);
    EXPECT_EQ(Trackbar(kRightGain)->value(), 240);

    SelectFormat(FormatMono);
    EXPECT_EQ(left->minimum(), -119);
    EXPECT_EQ(left->maximum(), 239);
}

TEST_F(InputsPage, SubwooferFrequencyTopIs80AndBottomIs50) {
    OpenPage();
    SelectFormat(FormatMono);
    CTrackbar* frequency = Trackbar(kSubFreq);
    ASSERT_TRUE(frequency->isEnabled());
    frequency->setFocus();
    QTest::keyClick(frequency, Qt::Key_Home);
    EXPECT_EQ(frequency->value(), -8);
    EXPECT_DOUBLE_EQ(Get(&IKVT80::get_SubwooferFreq), 80.0);
    EXPECT_EQ(Label(1226)->text(), "80\nHz");
    QTest::keyClick(frequency, Qt::Key_End);
    EXPECT_EQ(frequency->value(), -5);
    EXPECT_DOUBLE_EQ(Get(&IKVT80::get_SubwooferFreq), 50.0);
}

TEST_F(InputsPage, ProgramSetPositionsAreShownAndNotWritten) {
    OpenPage();
    SelectFormat(FormatMono);
    ASSERT_EQ(engine->put_LeftInputGain(Variant::Int(0), 2.3), status::Ok);
    ASSERT_EQ(engine->put_SurroundGain(-1.5), status::Ok);
    ASSERT_EQ(engine->put_Delay(35), status::Ok);
    ASSERT_EQ(engine->put_MonoEQ(7.5), status::Ok);
    page->Refresh();
    EXPECT_EQ(Trackbar(kLeftGain)->value(), -23);
    EXPECT_EQ(Label(1220)->text(), "2.3");
    EXPECT_EQ(Label(1223)->text(), "-1.5\ndB");
    EXPECT_EQ(Label(1222)->text(), "35\nmS");
    EXPECT_EQ(Label(1219)->text(), "7.5\nKHz");
    EXPECT_EQ(Label(1486)->text(), "Optical");
    // Reading did not write: the values are those put.
    EXPECT_DOUBLE_EQ(Get(&IKVT80::get_SurroundGain), -1.5);
}

TEST_F(InputsPage, FormatKindDecidesTheEnabledControlsAndTheModeText) {
    OpenPage();
    SelectFormat(FormatMono);
    EXPECT_TRUE(Button(1412)->isEnabled());
    EXPECT_TRUE(Button(1412)->isChecked());
    EXPECT_TRUE(Trackbar(1015)->isEnabled());
    EXPECT_TRUE(Trackbar(1019)->isEnabled());
    EXPECT_TRUE(Button(1352)->isChecked());

    SelectFormat(FormatAux);
    EXPECT_FALSE(Button(1412)->isEnabled());
    EXPECT_FALSE(Trackbar(1015)->isEnabled());
    EXPECT_FALSE(Trackbar(1021)->isEnabled());
    EXPECT_TRUE(Trackbar(kRightGain)->isEnabled());
    EXPECT_EQ(Label(1397)->text(), "Left\nGain");
    EXPECT_EQ(Label(1486)->text(), "Aux");
    EXPECT_TRUE(Button(1358)->isChecked());  // "AUX" shows format 5

    SelectFormat(FormatDigitalA);
    EXPECT_FALSE(Trackbar(kLeftGain)->isEnabled());
    EXPECT_FALSE(Trackbar(kRightGain)->isEnabled());
    EXPECT_EQ(Label(1486)->text(), "Digital");
    EXPECT_EQ(Label(1220)->text(), "0.0");  // no gain of its own
    EXPECT_TRUE(Button(1355)->isChecked());

    // A format no button shows checks none.
    SelectFormat(FormatU3);
    for (int id = 1352; id <= 1359; ++id) {
        EXPECT_FALSE(Button(id)->isChecked()) << id;
    }
}

// A retrieval may change the format without an event: a refresh shows the one the engine holds.
TEST_F(InputsPage, RefreshShowsTheFormatTheEngineHolds) {
    OpenPage();
    SelectFormat(FormatMono);
    ASSERT_TRUE(Trackbar(kRightGain)->isEnabled());
    ASSERT_EQ(engine->put_Mode(Variant::Int(FormatMicCenter)), status::Ok);
    page->Refresh();
    EXPECT_TRUE(Button(1359)->isChecked());
    EXPECT_FALSE(Button(1352)->isChecked());
    EXPECT_FALSE(Trackbar(kRightGain)->isEnabled());
    EXPECT_FALSE(Button(1412)->isEnabled());
    EXPECT_EQ(Label(1486)->text(), "Mic Center");
}

TEST_F(InputsPage, ProjectorButtonsSelectThePreampAndItsGains) {
    OpenPage();
    SelectFormat(FormatMono);
    ASSERT_EQ(engine->put_LeftInputGain(Variant::Int(1), -4.0), status::Ok);
    Button(1413)->click();
    Variant preamp;
    engine->get_SelectedPreamp(&preamp);
    EXPECT_EQ(preamp.Int32(), 1);
    EXPECT_TRUE(Button(1413)->isChecked());
    EXPECT_FALSE(Button(1412)->isChecked());
    EXPECT_EQ(Label(1220)->text(), "-4.0");

    Press(Trackbar(kLeftGain), Qt::Key_Down);
    double written = 0;
    engine->get_LeftInputGain(Variant::Int(1), &written);
    EXPECT_DOUBLE_EQ(written, -4.1);
}

// A format marked both projector and aux writes the projector's gains: it shows them too.
TEST_F(InputsPage, AFormatOfTwoKindsShowsTheGainsItWrites) {
    OpenPage();
    ASSERT_EQ(engine->put_FormatAux(Variant::Int(FormatMono), Variant::Bool(true)), status::Ok);
    ASSERT_EQ(engine->put_LeftInputGain(Variant::Int(0), 3.0), status::Ok);
    ASSERT_EQ(engine->put_LeftAuxGain(-2.0), status::Ok);
    SelectFormat(FormatMono);
    EXPECT_EQ(Label(1220)->text(), "3.0");
    Press(Trackbar(kLeftGain), Qt::Key_Up);
    double projector = 0;
    engine->get_LeftInputGain(Variant::Int(0), &projector);
    EXPECT_DOUBLE_EQ(projector, 3.1);
    EXPECT_DOUBLE_EQ(Get(&IKVT80::get_LeftAuxGain), -2.0);
}

TEST_F(InputsPage, AuxButtonWritesWhatTheSeventhButtonHolds) {
    OpenPage();
    ASSERT_EQ(engine->put_ButtonFormat(Variant::Int(6), FormatU4), status::Ok);
    QSignalSpy changed(page.get(), &CDlgInputForm::inputFormatChanged);
    QSignalSpy selected(page.get(), &CDlgInputForm::selectFormat);
    Button(1358)->click();
    EXPECT_EQ(frontend::IntProperty(*engine, &IKVT80::get_Mode), FormatU4);
    ASSERT_EQ(changed.count(), 1);
    EXPECT_EQ(changed.at(0).at(0).toInt(), FormatU4);
    ASSERT_EQ(selected.count(), 1);
    EXPECT_EQ(selected.at(0).at(0).toInt(), FormatU4);
    EXPECT_TRUE(Button(1358)->isChecked());
    EXPECT_FALSE(Button(1352)->isChecked());
}

TEST_F(InputsPage, LevelIndicatorBandEdges) {
    OpenPage();
    // Images: 0 outer lit, 1 outer unlit, 2 inner lit, 3 inner unlit; lamps top to bottom.
    page->ShowInputLevels(0.25, -0.25);
    EXPECT_EQ(Lamps(1478), (std::array<int, 4>{1, 2, 3, 1}));
    EXPECT_EQ(Lamps(1482), (std::array<int, 4>{1, 3, 2, 1}));
    EXPECT_EQ(Label(1487)->text(), "0.2");

    page->ShowInputLevels(0.1, -0.5);
    EXPECT_EQ(Lamps(1478), (std::array<int, 4>{1, 2, 2, 1}));
    EXPECT_EQ(Lamps(1482), (std::array<int, 4>{1, 3, 2, 1}));  // -0.5 is in the middle band

    page->ShowInputLevels(0.51, -0.51);
    EXPECT_EQ(Lamps(1478), (std::array<int, 4>{0, 3, 3, 1}));
    EXPECT_EQ(Lamps(1482), (std::array<int, 4>{1, 3, 3, 0}));
    EXPECT_EQ(Label(1488)->text(), "-0.5");

    page->ShowInputLevels(-80, -80);
    EXPECT_EQ(Lamps(1478), (std::array<int, 4>{1, 3, 3, 1}));
    EXPECT_EQ(Lamps(1482), (std::array<int, 4>{1, 3, 3, 1}));
    EXPECT_EQ(Label(1487)->text(), "-80.0");
    // One side at -80 alone is a low level, not silence.
    page->ShowInputLevels(-80, 0);
    EXPECT_EQ(Lamps(1478), (std::array<int, 4>{1, 3, 3, 0}));
    EXPECT_FALSE(Label(1478)->pixmap().isNull());
}

TEST_F(InputsPage, GeneratorTakesTheFormatButtonsAway) {
    OpenPage();
    emit bridge->signalGenState(TestToneModePink, GeneratorLeft);
    QCoreApplication::processEvents();
    for (int id = 1352; id <= 1359; ++id) {
        EXPECT_FALSE(Button(id)->isEnabled()) << id;
    }
    emit bridge->signalGenState(TestToneModePink, GeneratorOff);
    QCoreApplication::processEvents();
    for (int id = 1352; id <= 1359; ++id) {
        EXPECT_TRUE(Button(id)->isEnabled()) << id;
    }
}

TEST_F(InputsPage, AGainMovedOnThePageReachesTheUnitsMemory) {
    ConnectToUnit();
    OpenPage();
    SelectFormat(FormatMono);
    ASSERT_EQ(frontend::IntProperty(*engine, &IKVT80::get_SelectedPreamp), 0);
    CTrackbar* left = Trackbar(kLeftGain);
    Press(left, Qt::Key_Up);
    Press(left, Qt::Key_Up);
    double gain = 0;
    engine->get_LeftInputGain(Variant::Int(0), &gain);
    const uint32_t raw = static_cast<uint32_t>(std::lround(gain * 10)) & 0xFFFFFF;
    // Left input gain of projector 1: processor 1, address 2, in tenths of a dB.
    EXPECT_TRUE(testing::Eventually([&] { return unit.Memory(1, 2) == raw; }))
        << std::hex << unit.Memory(1, 2) << " " << raw;
}

TEST_F(InputsPage, TheUnitsInputLevelsLightTheIndicators) {
    ConnectToUnit();
    OpenPage();
    // The simulated unit's inputs sit at the calibration point.
    ASSERT_TRUE(QTest::qWaitFor([&] { return Lamps(1478) != kLampsDark; }, kGuiTimeoutMs));
    EXPECT_EQ(Lamps(1478)[0], 1);
    EXPECT_EQ(Lamps(1478)[3], 1);
}

TEST_F(InputsPage, AnalyserShowsPinkNoiseThroughTheSimulatedRoom) {
    ConnectToUnit();
    OpenPage();
    frontend::CCtlRTA& analyser = page->Analyser();
    ASSERT_EQ(engine->put_GeneratorMode(Variant::Int(TestToneModePink)), status::Ok);
    ASSERT_EQ(engine->put_GeneratorChannels(Variant::Int(GeneratorLeft)), status::Ok);
    ASSERT_TRUE(QTest::qWaitFor([&] { return analyser.Running(); }, kGuiTimeoutMs));
    const auto& left = analyser.FirstTrace();
    constexpr int k1kHz = 16;
    constexpr int k20kHz = 29;
    constexpr int k63Hz = 4;
    // Pink noise at unity gain reads about 0 dB from the low bass up; the room rolls off the top
    // octave; the generator routes to the left loudspeaker and both microphones hear it. (The
    // band averages start from zero and the low bands settle last, so the test waits for all.)
    const auto& right = analyser.SecondTrace();
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            return left[k1kHz] > -6.0 && left[k63Hz] > -6.0 && right[k1kHz] > -10.0 &&
                   left[k20kHz] < left[k1kHz] - 3.0;
        },
        kGuiTimeoutMs))
        << "1 kHz " << left[k1kHz] << ", 63 Hz " << left[k63Hz] << ", 20 kHz " << left[k20kHz]
        << ", second trace at 1 kHz " << right[k1kHz];
    EXPECT_LT(left[k1kHz], 6.0);
    EXPECT_FALSE(Button(1352)->isEnabled());
}

TEST(LevelLamps, RuleByLevel) {
    EXPECT_EQ(LampsForLevel(0.0), (LevelLamps{1, 2, 2, 1}));
    EXPECT_EQ(LampsForLevel(0.24), (LevelLamps{1, 2, 2, 1}));
    EXPECT_EQ(LampsForLevel(0.5), (LevelLamps{1, 2, 3, 1}));
    EXPECT_EQ(LampsForLevel(-0.26), (LevelLamps{1, 3, 2, 1}));
    EXPECT_EQ(LampsForLevel(12.0), (LevelLamps{0, 3, 3, 1}));
    EXPECT_EQ(LampsForLevel(-40.0), (LevelLamps{1, 3, 3, 0}));
}

}  // namespace
}  // namespace kvt::laptop
