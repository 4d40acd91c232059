// The Equalizer page against a real engine: the channel layout with the subwoofer's parametric
// band, "Flat", the value texts, pink noise following the channel, the companion program's channel,
// the gain shared with the Outputs page, the generator routed elsewhere, format buttons, and an
// adjustment that reaches the simulated unit and survives a disconnect with a store.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <deque>
#include <memory>

#include "ConnectionFlows.h"
#include "EngineBridge.h"
#include "EngineValues.h"
#include "FlowView.h"
#include "KVT80.h"
#include "SimulatedUnit.h"
#include "TestSupport.h"
#include "UnitRig.h"
#include "image/AddressMap.h"
#include "pages/CDlgEQForm.h"
#include "pages/CDlgSubParametricForm.h"
#include "widgets/CTrackbar.h"

namespace kvt::laptop {
namespace {

constexpr int kGuiTimeoutMs = 10000;
constexpr int kFlowTimeoutMs = 20000;

constexpr int kLeft = 0;
constexpr int kCenter = 1;
constexpr int kRight = 2;
constexpr int kLeftSurround = 3;
constexpr int kSubwoofer = 4;

// The page with the "Flat" question answered by the test.
class TestEQForm : public CDlgEQForm {
  public:
    using CDlgEQForm::CDlgEQForm;

    std::deque<bool> flatAnswers;
    int flatQuestions = 0;

  protected:
    bool AskFlat() override {
        ++flatQuestions;
        if (flatAnswers.empty()) {
            ADD_FAILURE() << "unexpected Flat question";
            return false;
        }
        const bool answer = flatAnswers.front();
        flatAnswers.pop_front();
        return answer;
    }
};

class EqualizerPage : public UnitRig {
  protected:
    void TearDown() override {
        page.reset();
        UnitRig::TearDown();
    }

    void OpenPage() {
        page = std::make_unique<TestEQForm>(*engine, *bridge);
        page->resize(755, 400);
        page->show();
        page->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(page.get(), kGuiTimeoutMs));
    }

    void Connect() { ConnectToUnit(); }

    template <typename T = QWidget>
    T* Control(int id) const {
        T* found = page->findChild<T*>(QString::number(id));
        EXPECT_NE(found, nullptr) << id;
        return found;
    }
    CTrackbar* Slider(int id) const { return Control<CTrackbar>(id); }
    CTrackbar* Band(int band) const { return Slider(1122 + band); }
    QString Display(const char* name) const {
        return page->findChild<QLabel*>(QLatin1String(name))->text();
    }
    QString Display(int id) const { return Control<QLabel>(id)->text(); }

    void SelectChannel(int radioId) {
        auto* radio = Control<QRadioButton>(radioId);
        ASSERT_NE(radio, nullptr);
        radio->click();
    }

    void Key(QWidget* target, Qt::Key key) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(target, &press);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
        QApplication::sendEvent(target, &release);
    }

    double EngineBand(int channel, int band) const {
        double value = -99;
        engine->get_EQBand(Variant::Int(channel), Variant::Int(band), &value);
        return value;
    }
    double EngineValue(int32_t (IKVT80::*get)(const Variant&, double*), int channel) const {
        double value = -99;
        ((*engine).*get)(Variant::Int(channel), &value);
        return value;
    }
    int Generator() const { return frontend::IntProperty(*engine, &IKVT80::get_GeneratorChannels); }

    // The unit's 24-bit word for a value in tenths.
    static uint32_t Word(int tenths) { return static_cast<uint32_t>(tenths) & 0xFFFFFFU; }
    static uint32_t BandAddress(int channel, int band) {
        return ChannelMap(channel).region + kRegionTopBand - static_cast<uint32_t>(band);
    }

    testing::ScopedConfigHome config;
    std::unique_ptr<TestEQForm> page;
};

// ---- Layout by channel --------------------------------------------------------------------------

TEST_F(EqualizerPage, OpensOnCenterWithTheBandsShown) {
    OpenPage();
    EXPECT_EQ(page->SelectedChannel(), kCenter);
    EXPECT_TRUE(Control<QRadioButton>(1491)->isChecked());
    for (int band = 0; band < CDlgEQForm::kBands; ++band) {
        EXPECT_TRUE(Band(band)->isVisible()) << band;
        EXPECT_TRUE(Control<QLabel>(1277 + band)->isVisible()) << band;
        EXPECT_TRUE(Control<QLabel>(1424 + band)->isVisible()) << band;
    }
    EXPECT_EQ(Control<QLabel>(1424)->text(), "40");
    EXPECT_EQ(Control<QLabel>(1438)->text(), "1k");
    EXPECT_EQ(Control<QLabel>(1450)->text(), "16k");
    EXPECT_FALSE(page->SubParametric().isVisible());
    EXPECT_TRUE(Control(1308)->isEnabled());
}

TEST_F(EqualizerPage, SubwooferShowsTheParametricBandInsteadOfTheBandsAndDisablesFlat) {
    OpenPage();
    SelectChannel(1497);
    EXPECT_EQ(page->SelectedChannel(), kSubwoofer);
    EXPECT_TRUE(page->SubParametric().isVisible());
    EXPECT_FALSE(Control(1308)->isEnabled());
    for (int band = 0; band < CDlgEQForm::kBands; ++band) {
        EXPECT_FALSE(Band(band)->isVisible()) << band;
        EXPECT_FALSE(Control<QLabel>(1277 + band)->isVisible()) << band;
        EXPECT_FALSE(Control<QLabel>(1424 + band)->isVisible()) << band;
    }
    EXPECT_FALSE(Slider(1009)->isVisible());
    EXPECT_FALSE(Slider(1010)->isVisible());
    EXPECT_FALSE(Control<QLabel>(1454)->isVisible());
    EXPECT_TRUE(Slider(1150)->isVisible());
    EXPECT_TRUE(page->findChild<QLabel*>("gainLabel")->isVisible());

    SelectChannel(1490);
    EXPECT_FALSE(page->SubParametric().isVisible());
    EXPECT_TRUE(Control(1308)->isEnabled());
    EXPECT_TRUE(Band(13)->isVisible());
    EXPECT_TRUE(Slider(1009)->isVisible());
}

TEST_F(EqualizerPage, ArrowKeysCrossBetweenFlatTrebleAndTheParametricBand) {
    OpenPage();
    const auto focusAfter = [&](int from, Qt::Key key) {
        QWidget* start = page->findChild<QWidget*>(QString::number(from));
        start->setFocus();
        Key(start, key);
        QWidget* focused = QApplication::focusWidget();
        return focused != nullptr ? focused->objectName().toInt() : 0;
    };
    EXPECT_EQ(focusAfter(1308, Qt::Key_Left), 1010);
    EXPECT_EQ(focusAfter(1010, Qt::Key_Right), 1308);
    SelectChannel(1497);
    EXPECT_EQ(focusAfter(1420, Qt::Key_Left), 1150);
    EXPECT_EQ(focusAfter(1452, Qt::Key_Right), 1489);
}

// ---- Values and writes --------------------------------------------------------------------------

TEST_F(EqualizerPage, ShowsTheSelectedChannelsValues) {
    ASSERT_EQ(engine->put_EQBand(Variant::Int(kRight), Variant::Int(14), -3.0), status::Ok);
    ASSERT_EQ(engine->put_Bass(Variant::Int(kRight), 4.5), status::Ok);
    ASSERT_EQ(engine->put_Treble(Variant::Int(kRight), -0.3), status::Ok);
    ASSERT_EQ(engine->put_OutputGain(Variant::Int(kRight), -3.5), status::Ok);
    OpenPage();
    SelectChannel(1492);
    EXPECT_EQ(Band(14)->value(), 30);
    EXPECT_EQ(Display(1291), "-3.0");
    EXPECT_EQ(Slider(1009)->value(), -45);
    EXPECT_EQ(Display("bassValue"), "4.5");
    EXPECT_EQ(Slider(1010)->value(), 3);
    EXPECT_EQ(Display("trebleValue"), "-0.3");
    EXPECT_EQ(Slider(1150)->value(), 7);
    EXPECT_EQ(Display("gainValue"), "-3.5");

    // Another channel shows its own values; showing them writes nothing.
    SelectChannel(1490);
    EXPECT_EQ(Band(14)->value(), 0);
    EXPECT_EQ(Display(1291), "0.0");
    EXPECT_DOUBLE_EQ(EngineBand(kRight, 14), -3.0);
}

TEST_F(EqualizerPage, GainRunsFromPlusEightAtTheTopToMinusTwentyTwo) {
    OpenPage();
    Slider(1150)->SetPosition(-16, true);
    EXPECT_EQ(Display("gainValue"), "8.0");
    EXPECT_DOUBLE_EQ(EngineValue(&IKVT80::get_OutputGain, kCenter), 8.0);
    Slider(1150)->SetPosition(44, true);
    EXPECT_EQ(Display("gainValue"), "-22.0");
    EXPECT_DOUBLE_EQ(EngineValue(&IKVT80::get_OutputGain, kCenter), -22.0);
}

TEST_F(EqualizerPage, ArrowKeysOnABandWriteEachStepToTheSelectedChannel) {
    OpenPage();
    SelectChannel(1493);
    CTrackbar* band = Band(20);
    band->setFocus();
    Key(band, Qt::Key_Up);
    Key(band, Qt::Key_Up);
    EXPECT_EQ(band->value(), -2);
    EXPECT_EQ(Display(1297), "0.2");
    EXPECT_DOUBLE_EQ(EngineBand(kLeftSurround, 20), 0.2);
    Key(band, Qt::Key_Down);
    EXPECT_DOUBLE_EQ(EngineBand(kLeftSurround, 20), 0.1);
    Key(band, Qt::Key_End);
    EXPECT_DOUBLE_EQ(EngineBand(kLeftSurround, 20), -6.0);
    EXPECT_DOUBLE_EQ(EngineBand(kCenter, 20), 0.0);
}

TEST_F(EqualizerPage, DraggingABandWritesEveryStepAndEndsWhereThePointerStops) {
    OpenPage();
    CTrackbar* band = Band(3);
    std::vector<int> written;
    QObject::connect(band, &CTrackbar::positionWritten, [&](int p) { written.push_back(p); });
    const QPoint grab = band->ThumbRect().center();
    QMouseEvent press(QEvent::MouseButtonPress, grab, band->mapToGlobal(grab), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(band, &press);
    for (const int position : {5, 12, 20}) {
        const QPoint to(grab.x(), band->PositionOffset(position));
        QMouseEvent move(QEvent::MouseMove, to, band->mapToGlobal(to), Qt::NoButton, Qt::LeftButton,
                         Qt::NoModifier);
        QApplication::sendEvent(band, &move);
    }
    const QPoint end(grab.x(), band->PositionOffset(20));
    QMouseEvent release(QEvent::MouseButtonRelease, end, band->mapToGlobal(end), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(band, &release);
    EXPECT_EQ(written, (std::vector<int>{5, 12, 20}));
    EXPECT_DOUBLE_EQ(EngineBand(kCenter, 3), -2.0);
}

TEST_F(EqualizerPage, FlatAnsweredNoChangesNothing) {
    ASSERT_EQ(engine->put_EQBand(Variant::Int(kCenter), Variant::Int(5), 2.5), status::Ok);
    ASSERT_EQ(engine->put_Bass(Variant::Int(kCenter), -1.0), status::Ok);
    OpenPage();
    int writes = 0;
    for (CTrackbar* slider : page->findChildren<CTrackbar*>()) {
        QObject::connect(slider, &CTrackbar::positionWritten, [&] { ++writes; });
    }
    page->flatAnswers = {false};
    Control<QPushButton>(1308)->click();
    EXPECT_EQ(page->flatQuestions, 1);
    EXPECT_EQ(writes, 0);
    EXPECT_DOUBLE_EQ(EngineBand(kCenter, 5), 2.5);
    EXPECT_DOUBLE_EQ(EngineValue(&IKVT80::get_Bass, kCenter), -1.0);
    EXPECT_EQ(Band(5)->value(), -25);
}

TEST_F(EqualizerPage, FlatAnsweredYesWritesBassTrebleAndEveryBandToTheUnit) {
    Connect();
    OpenPage();
    SelectChannel(1492);
    // Some bands away from 0 dB and some already there: every one is written all the same.
    for (const int band : {0, 13, 26}) {
        Band(band)->SetPosition(-40, true);
    }
    Slider(1009)->SetPosition(30, true);
    const ChannelPlace& place = ChannelMap(kRight);
    ASSERT_TRUE(testing::Eventually(
        [&] { return unit.Memory(place.block, BandAddress(kRight, 13)) == Word(40); }));

    std::map<int, int> writes;
    for (CTrackbar* slider : page->findChildren<CTrackbar*>()) {
        const int id = slider->objectName().toInt();
        QObject::connect(slider, &CTrackbar::positionWritten, [&writes, id] { ++writes[id]; });
    }
    unit.ClearReceivedLines();
    page->flatAnswers = {true};
    Control<QPushButton>(1308)->click();

    EXPECT_EQ(writes.size(), 29u);
    EXPECT_EQ(writes[1009], 1);
    EXPECT_EQ(writes[1010], 1);
    for (int band = 0; band < CDlgEQForm::kBands; ++band) {
        EXPECT_EQ(writes[1122 + band], 1) << band;
        EXPECT_DOUBLE_EQ(EngineBand(kRight, band), 0.0) << band;
    }
    EXPECT_EQ(writes.count(1150), 0u);
    EXPECT_TRUE(testing::Eventually([&] {
        for (const int band : {0, 13, 26}) {
            if (unit.Memory(place.block, BandAddress(kRight, band)) != 0) {
                return false;
            }
        }
        return unit.Memory(place.block, place.region + kRegionBass) == 0;
    }));
    EXPECT_DOUBLE_EQ(EngineBand(kCenter, 13), 0.0);
}

TEST_F(EqualizerPage, SubParametricValuesAndTheirTexts) {
    OpenPage();
    SelectChannel(1497);
    CTrackbar* q = Slider(1422);
    EXPECT_EQ(q->minimum(), -40);
    EXPECT_EQ(q->maximum(), -2);
    q->SetPosition(-2, true);
    EXPECT_EQ(Display(1451), "0.50");
    double value = 0;
    engine->get_SubParametricQ(&value);
    EXPECT_DOUBLE_EQ(value, 0.5);
    q->SetPosition(-40, true);
    EXPECT_EQ(Display(1451), "10.00");
    engine->get_SubParametricQ(&value);
    EXPECT_DOUBLE_EQ(value, 10.0);
    q->SetPosition(-7, false);
    EXPECT_EQ(Display(1451), "1.75");

    Slider(1420)->SetPosition(119, true);
    EXPECT_EQ(Display(1421), "-11.9\ndB");
    engine->get_SubParametricGain(&value);
    EXPECT_DOUBLE_EQ(value, -11.9);
    Slider(1452)->SetPosition(-20, true);
    EXPECT_EQ(Display(1453), "20.0\nHz");
    engine->get_SubParametricFreq(&value);
    EXPECT_DOUBLE_EQ(value, 20.0);

    // A refresh shows what the engine holds, without writing it back.
    ASSERT_EQ(engine->put_SubParametricFreq(80.0), status::Ok);
    ASSERT_EQ(engine->put_SubParametricQ(2.25), status::Ok);
    page->Refresh();
    EXPECT_EQ(Slider(1452)->value(), -80);
    EXPECT_EQ(Display(1453), "80.0\nHz");
    EXPECT_EQ(Display(1451), "2.25");
}

// ---- Pink noise ---------------------------------------------------------------------------------

TEST_F(EqualizerPage, PinkNoiseFollowsTheChannelAndUncheckingStopsIt) {
    Connect();
    OpenPage();
    auto* pink = Control<QPushButton>(1489);
    pink->click();
    EXPECT_TRUE(pink->isChecked());
    EXPECT_EQ(frontend::IntProperty(*engine, &IKVT80::get_GeneratorMode), TestToneModePink);
    EXPECT_EQ(Generator(), GeneratorCenter);

    SelectChannel(1492);
    EXPECT_EQ(Generator(), GeneratorRight);
    SelectChannel(1493);
    EXPECT_EQ(Generator(), GeneratorLeftSurround);
    SelectChannel(1497);
    EXPECT_EQ(Generator(), GeneratorSubwoofer);
    QSignalSpy generatorEvents(bridge.get(), &frontend::EngineBridge::signalGenState);
    SelectChannel(1496);
    EXPECT_EQ(Generator(), GeneratorRightEX);
    // The generator's own events (mode, then channels) leave the page where the user put it.
    ASSERT_TRUE(QTest::qWaitFor([&] { return generatorEvents.count() >= 2; }, kGuiTimeoutMs));
    EXPECT_EQ(page->SelectedChannel(), 7);
    EXPECT_TRUE(pink->isChecked());

    pink->click();
    EXPECT_FALSE(pink->isChecked());
    EXPECT_EQ(Generator(), GeneratorOff);
    SelectChannel(1490);
    EXPECT_EQ(Generator(), GeneratorOff);
}

TEST_F(EqualizerPage, GeneratorRoutedElsewhereSelectsItsChannelWithoutRoutingItAgain) {
    Connect();
    OpenPage();
    page->hide();
    // The Outputs page plays the subwoofer, then adds the left surround.
    ASSERT_EQ(engine->put_GeneratorChannels(Variant::Int(GeneratorSubwoofer)), status::Ok);
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return page->SelectedChannel() == kSubwoofer; }, kGuiTimeoutMs));
    EXPECT_TRUE(Control<QRadioButton>(1497)->isChecked());
    ASSERT_EQ(
        engine->put_GeneratorChannels(Variant::Int(GeneratorSubwoofer | GeneratorLeftSurround)),
        status::Ok);
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return page->SelectedChannel() == kLeftSurround; }, kGuiTimeoutMs));
    EXPECT_EQ(Generator(), GeneratorSubwoofer | GeneratorLeftSurround);
    EXPECT_TRUE(Control<QPushButton>(1489)->isChecked());
    for (int id = 1352; id <= 1359; ++id) {
        EXPECT_FALSE(Control(id)->isEnabled()) << id;
    }

    // Fewer channels select nothing.
    QSignalSpy generatorEvents(bridge.get(), &frontend::EngineBridge::signalGenState);
    ASSERT_EQ(engine->put_GeneratorChannels(Variant::Int(GeneratorSubwoofer)), status::Ok);
    ASSERT_TRUE(QTest::qWaitFor([&] { return generatorEvents.count() >= 1; }, kGuiTimeoutMs));
    EXPECT_EQ(page->SelectedChannel(), kLeftSurround);

    // Shown again with the noise on, the page plays its own channel.
    page->show();
    EXPECT_EQ(Generator(), GeneratorLeftSurround);

    ASSERT_EQ(engine->put_GeneratorChannels(Variant::Int(GeneratorOff)), status::Ok);
    ASSERT_TRUE(QTest::qWaitFor([&] { return Control(1352)->isEnabled(); }, kGuiTimeoutMs));
    EXPECT_FALSE(Control<QPushButton>(1489)->isChecked());
}

// ---- The companion program and the Outputs page -------------------------------------------------

TEST_F(EqualizerPage, CompanionChannelOutsideOneToSevenSelectsLeft) {
    OpenPage();
    QSignalSpy chosen(page.get(), &CDlgEQForm::channelChosen);
    page->SelectCompanionChannel(9);
    EXPECT_EQ(page->SelectedChannel(), kLeft);
    EXPECT_TRUE(Control<QRadioButton>(1490)->isChecked());
    page->SelectCompanionChannel(4);
    EXPECT_EQ(page->SelectedChannel(), kSubwoofer);
    EXPECT_TRUE(page->SubParametric().isVisible());
    page->SelectCompanionChannel(7);
    EXPECT_EQ(page->SelectedChannel(), 7);
    page->SelectCompanionChannel(-1);
    EXPECT_EQ(page->SelectedChannel(), kLeft);
    // The companion is not told of its own choice.
    EXPECT_EQ(chosen.count(), 0);

    SelectChannel(1492);
    ASSERT_EQ(chosen.count(), 1);
    EXPECT_EQ(chosen.at(0).at(0).toInt(), kRight);
}

TEST_F(EqualizerPage, GainMovesAreSharedAndLevelsFromElsewhereAreNotWrittenAgain) {
    OpenPage();
    QSignalSpy moved(page.get(), &CDlgEQForm::channelLevelMoved);
    // The frame hands every move to every page, this one included.
    QObject::connect(page.get(), &CDlgEQForm::channelLevelMoved, page.get(),
                     &CDlgEQForm::SyncChannelLevel);
    CTrackbar* gain = Slider(1150);
    gain->setFocus();
    Key(gain, Qt::Key_Down);
    ASSERT_EQ(moved.count(), 1);
    EXPECT_EQ(moved.at(0).at(0).toInt(), kCenter);
    EXPECT_EQ(moved.at(0).at(1).toInt(), 1);
    EXPECT_DOUBLE_EQ(EngineValue(&IKVT80::get_OutputGain, kCenter), -0.5);

    int writes = 0;
    QObject::connect(gain, &CTrackbar::positionWritten, [&] { ++writes; });
    page->SyncChannelLevel(kCenter, 7);
    EXPECT_EQ(gain->value(), 7);
    EXPECT_EQ(Display("gainValue"), "-3.5");
    page->SyncChannelLevel(kRight, 20);
    EXPECT_EQ(gain->value(), 7);
    EXPECT_EQ(writes, 0);
    EXPECT_DOUBLE_EQ(EngineValue(&IKVT80::get_OutputGain, kCenter), -0.5);

    // A hidden page keeps its moves to itself.
    page->hide();
    gain->SetPosition(3, false);
    EXPECT_EQ(moved.count(), 1);
}

// ---- Formats, names and mutes -------------------------------------------------------------------

TEST_F(EqualizerPage, FormatButtonsSelectThroughTheButtonTable) {
    OpenPage();
    ASSERT_EQ(engine->put_ButtonFormat(Variant::Int(6), 11), status::Ok);
    QSignalSpy chosen(page.get(), &CDlgEQForm::formatChosen);
    Control<QPushButton>(1358)->click();
    EXPECT_EQ(frontend::IntProperty(*engine, &IKVT80::get_Mode), 11);
    ASSERT_EQ(chosen.count(), 1);
    EXPECT_EQ(chosen.at(0).at(0).toInt(), 11);
    EXPECT_TRUE(Control<QPushButton>(1358)->isChecked());

    // A refresh shows the format the unit plays.
    ASSERT_EQ(engine->put_Mode(Variant::Int(8)), status::Ok);
    page->Refresh();
    EXPECT_TRUE(Control<QPushButton>(1356)->isChecked());
    EXPECT_FALSE(Control<QPushButton>(1358)->isChecked());
    page->ShowInputFormat(6);
    EXPECT_TRUE(Control<QPushButton>(1359)->isChecked());
    page->ShowInputFormat(8);
    EXPECT_TRUE(Control<QPushButton>(1356)->isChecked());
    EXPECT_FALSE(Control<QPushButton>(1358)->isChecked());
    page->ShowInputFormat(4);
    EXPECT_TRUE(Control<QPushButton>(1357)->isChecked());
    for (const int format : {7, 9, 15}) {
        page->ShowInputFormat(format);
        for (int id = 1352; id <= 1359; ++id) {
            EXPECT_FALSE(Control<QPushButton>(id)->isChecked()) << format << " " << id;
        }
    }
}

TEST_F(EqualizerPage, FormatButtonsAreNamedByTheFormatTable) {
    ASSERT_EQ(engine->put_FormatTxt1(Variant::Int(8), u"Dolby "), status::Ok);
    ASSERT_EQ(engine->put_FormatTxt2(Variant::Int(8), u"Digital"), status::Ok);
    OpenPage();
    EXPECT_EQ(Control<QPushButton>(1356)->text(), "Dolby Digital");
}

TEST_F(EqualizerPage, LastTwoChannelsAreNamedByTheChannelConfiguration) {
    OpenPage();
    page->SetChannelConfig(1);
    EXPECT_EQ(Control<QRadioButton>(1495)->text(), "Left Center");
    EXPECT_EQ(Control<QRadioButton>(1496)->text(), "Right Center");
    page->SetChannelConfig(0);
    EXPECT_EQ(Control<QRadioButton>(1495)->text(), "Back Surround Left");
    EXPECT_EQ(Control<QRadioButton>(1496)->text(), "Back Surround Right");
    // A refresh names them as the unit is set up.
    ASSERT_EQ(engine->put_InputConfig(1), status::Ok);
    page->Refresh();
    EXPECT_EQ(Control<QRadioButton>(1496)->text(), "Right Center");
}

TEST_F(EqualizerPage, MutedChannelsShowWhiteOnRed) {
    ASSERT_EQ(engine->put_Mute(Variant::Int(kLeftSurround), Variant::Bool(true)), status::Ok);
    OpenPage();
    auto* muted = Control<QRadioButton>(1493);
    auto* open = Control<QRadioButton>(1494);
    const QImage mutedImage = muted->grab().toImage();
    const QImage openImage = open->grab().toImage();
    const QPoint corner(mutedImage.width() - 2, mutedImage.height() / 2);
    EXPECT_EQ(mutedImage.pixelColor(corner), QColor(255, 0, 0));
    EXPECT_NE(openImage.pixelColor(QPoint(openImage.width() - 2, openImage.height() / 2)),
              QColor(255, 0, 0));

    ASSERT_EQ(engine->put_Mute(Variant::Int(kLeftSurround), Variant::Bool(false)), status::Ok);
    page->Refresh();
    const QImage unmuted = muted->grab().toImage();
    EXPECT_NE(unmuted.pixelColor(corner), QColor(255, 0, 0));
}

// ---- Survival over a disconnect with a store ----------------------------------------------------

// Answers the disconnect prompt with Yes (store, no personality module) and refreshes the page.
class StoringView : public frontend::FlowView {
  public:
    explicit StoringView(CDlgEQForm*& page) : page_(page) {}

    std::vector<QString> messages;

    frontend::DisconnectChoice AskDisconnect() override {
        return {frontend::DisconnectAnswer::Yes, false};
    }
    frontend::SaveChangesAnswer AskSaveChanges(const QString&) override {
        return frontend::SaveChangesAnswer::No;
    }
    bool AskYesNo(const QString& text) override {
        messages.push_back(text);
        return false;
    }
    std::optional<QString> AskSaveFileName(const QString&) override { return std::nullopt; }
    std::optional<QString> AskOpenFileName(const QString&) override { return std::nullopt; }
    void ShowWarning(const QString& text) override { messages.push_back(text); }
    void ShowError(const QString& text) override { messages.push_back(text); }
    void ShowStatus(frontend::StatusDialog, const QString&) override {}
    void CloseStatus(frontend::StatusDialog) override {}
    bool StatusShown(frontend::StatusDialog) const override { return false; }
    void UpdateStatus(frontend::StatusDialog, const QString&, int, int) override {}
    void SetFrameEnabled(bool) override {}
    void ShowConnectionState(bool) override {}
    void RefreshAll() override {
        if (page_ != nullptr) {
            page_->Refresh();
        }
    }
    void RefreshFrame() override {}
    bool ControlHeld() const override { return false; }
    void DestroyAll() override {}

  private:
    CDlgEQForm*& page_;
};

TEST_F(EqualizerPage, AdjustmentsSurviveADisconnectWithAStoreAndAReconnect) {
    const std::string port = unit.StartPty();
    ASSERT_EQ(engine->put_ComPort(frontend::TextVariant(QString::fromStdString(port))), status::Ok);
    CDlgEQForm* shown = nullptr;
    StoringView view(shown);
    frontend::ConnectionFlows flows(*engine, *bridge, view);
    const auto runFlow = [&](bool started) {
        ASSERT_TRUE(started);
        ASSERT_TRUE(QTest::qWaitFor([&] { return !flows.Busy(); }, kFlowTimeoutMs));
    };
    runFlow(flows.Connect());
    ASSERT_TRUE(frontend::IsConnected(*engine));
    OpenPage();
    shown = page.get();

    // Left: band 14 (1 kHz) up 2.5 dB, treble down 1.0 dB, gain -4.5 dB; the subwoofer's Q 3.00.
    SelectChannel(1490);
    Band(14)->SetPosition(-25, true);
    Slider(1010)->SetPosition(10, true);
    Slider(1150)->SetPosition(9, true);
    SelectChannel(1497);
    Slider(1422)->SetPosition(-12, true);

    runFlow(flows.Disconnect());
    ASSERT_FALSE(frontend::IsConnected(*engine));
    EXPECT_TRUE(view.messages.empty()) << view.messages.front().toStdString();
    const ChannelPlace& left = ChannelMap(kLeft);
    EXPECT_EQ(unit.StoredMemory(left.block, BandAddress(kLeft, 14)), Word(25));
    EXPECT_EQ(unit.StoredMemory(left.block, left.region + kRegionTreble), Word(-10));
    EXPECT_EQ(unit.StoredMemory(6, left.outputGainAddress), Word(-45));
    EXPECT_EQ(unit.StoredMemory(4, 230), 3U * 65536U);

    // A fresh engine image: a new configuration, then the unit read again.
    ASSERT_EQ(engine->put_EQBand(Variant::Int(kLeft), Variant::Int(14), 0.0), status::Ok);
    ASSERT_EQ(engine->put_OutputGain(Variant::Int(kLeft), 0.0), status::Ok);
    unit.PowerCycle();
    runFlow(flows.Connect());
    ASSERT_TRUE(frontend::IsConnected(*engine));
    EXPECT_EQ(Slider(1422)->value(), -12);
    EXPECT_EQ(Display(1451), "3.00");
    SelectChannel(1490);
    EXPECT_EQ(Band(14)->value(), -25);
    EXPECT_EQ(Display(1291), "2.5");
    EXPECT_EQ(Slider(1010)->value(), 10);
    EXPECT_EQ(Slider(1150)->value(), 9);
    EXPECT_EQ(Display("gainValue"), "-4.5");

    runFlow(flows.Disconnect());
    shown = nullptr;
}

}  // namespace
}  // namespace kvt::laptop
