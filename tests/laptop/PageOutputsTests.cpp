// The Outputs page against a real engine and the simulated unit: the levels it shows and writes,
// the generator following the focus the user gives a slider (and only that focus), the generator
// events, mute and polarity, the channel names, and a level surviving a store and a reconnection.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <memory>

#include "EngineBridge.h"
#include "EngineValues.h"
#include "KVT80.h"
#include "SimulatedUnit.h"
#include "TestSupport.h"
#include "UnitRig.h"
#include "pages/CDlgRoomLevels.h"
#include "widgets/CTrackbar.h"

namespace kvt::laptop {
namespace {

constexpr int kGuiTimeoutMs = 10000;

enum Channel { kLeft, kCenter, kRight, kLeftSurround, kSub, kRightSurround, kBack7, kBack8 };

class OutputsPage : public UnitRig {
  protected:
    void TearDown() override {
        if (tabs) {
            (void)page.release();  // the tab widget owns it
        }
        tabs.reset();
        page.reset();
        UnitRig::TearDown();
    }

    // The retrieval's generator state reaches the page before the test starts.
    void Connect() { ConnectToUnit(); }

    void OpenPage() {
        page = std::make_unique<CDlgRoomLevels>(*engine, *bridge);
        page->resize(755, 340);
        page->show();
        page->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(page.get(), kGuiTimeoutMs));
    }

    template <typename T = QWidget>
    T* Control(int id) const {
        return page->findChild<T*>(QString::number(id));
    }
    CTrackbar* Slider(int channel) const { return page->Slider(channel); }
    QCheckBox* Pink(int id) const { return Control<QCheckBox>(id); }

    // A click on the slider's thumb: it takes the focus without moving.
    void ClickSlider(int channel, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        CTrackbar* slider = Slider(channel);
        QTest::mouseClick(slider, Qt::LeftButton, modifiers, slider->ThumbRect().center());
    }

    int GeneratorChannels() const {
        return frontend::IntProperty(*engine, &IKVT80::get_GeneratorChannels);
    }
    double OutputGain(int channel) const {
        double gain = -99;
        engine->get_OutputGain(Variant::Int(channel), &gain);
        return gain;
    }
    bool WaitFor(const std::function<bool()>& condition) {
        return QTest::qWaitFor(condition, kGuiTimeoutMs);
    }

    testing::ScopedConfigHome config;
    std::unique_ptr<CDlgRoomLevels> page;
    std::unique_ptr<QTabWidget> tabs;
};

TEST(OutputLevelText, HalfDecibelsWithOneDecimal) {
    EXPECT_EQ(CDlgRoomLevels::LevelText(7), "-3.5");
    EXPECT_EQ(CDlgRoomLevels::LevelText(-16), "8.0");
    EXPECT_EQ(CDlgRoomLevels::LevelText(0), "0.0");
    EXPECT_EQ(CDlgRoomLevels::LevelText(1), "-0.5");
    EXPECT_EQ(CDlgRoomLevels::LevelText(-1), "0.5");
    EXPECT_EQ(CDlgRoomLevels::LevelText(44), "-22.0");
}

TEST_F(OutputsPage, ControlsInTheirColumnsWithTheirIds) {
    OpenPage();
    for (int channel = 0; channel < CDlgRoomLevels::kChannels; ++channel) {
        ASSERT_EQ(Control<CTrackbar>(1317 + channel), Slider(channel));
        EXPECT_EQ(Slider(channel)->minimum(), -16);
        EXPECT_EQ(Slider(channel)->maximum(), 44);
        EXPECT_EQ(Slider(channel)->TickInterval(), 4);
        ASSERT_NE(Control<QLabel>(1325 + channel), nullptr);
        ASSERT_NE(Control<QCheckBox>(1309 + channel), nullptr);
        ASSERT_NE(Control<QCheckBox>(1374 + channel), nullptr);
        ASSERT_NE(Pink(1382 + channel), nullptr);
    }
    // Shown left to right as L, C, R, Sub, LS, RS, 7, 8; the Pink boxes count by generator bit.
    const int order[] = {kLeft,         kCenter,        kRight, kSub,
                         kLeftSurround, kRightSurround, kBack7, kBack8};
    for (int i = 1; i < 8; ++i) {
        EXPECT_LT(Slider(order[i - 1])->x(), Slider(order[i])->x()) << i;
    }
    EXPECT_EQ(Pink(1385)->x(), Control(1313)->x()) << "the Sub's Pink box is under its Mute box";
    EXPECT_EQ(Pink(1386)->x(), Control(1312)->x());
    EXPECT_EQ(Control<QRadioButton>(1459)->text(), "Pink Noise");
    EXPECT_EQ(Control<QRadioButton>(1462)->text(), "10 kHz Tone");
    EXPECT_EQ(Control<QLabel>(1336)->text(), "Left\nSurround");
    EXPECT_EQ(Slider(kSub)->accessibleName(), "Sub");
}

TEST_F(OutputsPage, ShowsTheLevelsMuteAndPolarityOfTheEngine) {
    ASSERT_EQ(engine->put_OutputGain(Variant::Int(kLeft), -3.5), 0);
    ASSERT_EQ(engine->put_OutputGain(Variant::Int(kSub), 8.0), 0);
    ASSERT_EQ(engine->put_OutputGain(Variant::Int(kBack8), -22.0), 0);
    ASSERT_EQ(engine->put_Mute(Variant::Int(kRight), Variant::Bool(true)), 0);
    ASSERT_EQ(engine->put_Invert(Variant::Int(kCenter), Variant::Bool(true)), 0);
    OpenPage();
    EXPECT_EQ(Slider(kLeft)->value(), 7);
    EXPECT_EQ(Control<QLabel>(1325)->text(), "-3.5");
    EXPECT_EQ(Slider(kSub)->value(), -16);
    EXPECT_EQ(Control<QLabel>(1329)->text(), "8.0");
    EXPECT_EQ(Slider(kBack8)->value(), 44);
    EXPECT_EQ(Control<QLabel>(1332)->text(), "-22.0");
    EXPECT_TRUE(Control<QCheckBox>(1311)->isChecked());
    EXPECT_FALSE(Control<QCheckBox>(1309)->isChecked());
    EXPECT_TRUE(Control<QCheckBox>(1375)->isChecked());

    // Changed elsewhere: the page shows it at the next refresh, without writing anything.
    ASSERT_EQ(engine->put_OutputGain(Variant::Int(kLeft), 1.0), 0);
    page->Refresh();
    EXPECT_EQ(Slider(kLeft)->value(), -2);
    EXPECT_EQ(Control<QLabel>(1325)->text(), "1.0");
}

TEST_F(OutputsPage, MouseDragWritesEveryStepAndPageDownOnce) {
    OpenPage();
    CTrackbar* slider = Slider(kCenter);
    QSignalSpy writes(slider, &CTrackbar::positionWritten);
    const QPoint grab = slider->ThumbRect().center();
    QTest::mousePress(slider, Qt::LeftButton, {}, grab);
    for (int position : {2, 5, 9}) {
        const QPoint to(grab.x(), slider->PositionOffset(position));
        QMouseEvent move(QEvent::MouseMove, to, slider->mapToGlobal(to), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(slider, &move);
        EXPECT_EQ(slider->value(), position);
        EXPECT_DOUBLE_EQ(OutputGain(kCenter), -position / 2.0) << "written while dragging";
    }
    QTest::mouseRelease(slider, Qt::LeftButton, {}, QPoint(grab.x(), slider->PositionOffset(9)));
    EXPECT_EQ(writes.count(), 3);
    EXPECT_EQ(Control<QLabel>(1326)->text(), "-4.5");

    writes.clear();
    slider->setFocus();
    QTest::keyClick(slider, Qt::Key_PageDown);
    EXPECT_EQ(writes.count(), 1);
    EXPECT_EQ(slider->value(), 13);
    EXPECT_DOUBLE_EQ(OutputGain(kCenter), -6.5);

    // An arrow key held writes every step, as a drag does.
    writes.clear();
    QTest::keyPress(slider, Qt::Key_Up);
    QTest::keyPress(slider, Qt::Key_Up, Qt::NoModifier);
    EXPECT_EQ(writes.count(), 2);
    EXPECT_DOUBLE_EQ(OutputGain(kCenter), -5.5);
    QTest::keyRelease(slider, Qt::Key_Up);
    EXPECT_EQ(writes.count(), 2);
}

TEST_F(OutputsPage, SubWithoutModifierThenCtrlOnLeftSurroundAddsIt) {
    Connect();
    OpenPage();
    ASSERT_EQ(GeneratorChannels(), 0);
    ClickSlider(kSub);
    EXPECT_EQ(GeneratorChannels(), 8);
    ASSERT_TRUE(WaitFor([&] { return Pink(1385)->isChecked(); }));

    ClickSlider(kLeftSurround, Qt::ControlModifier);
    EXPECT_EQ(GeneratorChannels(), 24);
    ASSERT_TRUE(WaitFor([&] { return Pink(1386)->isChecked() && Pink(1385)->isChecked(); }));

    // A plain click on another channel moves the signal there alone.
    ClickSlider(kRight);
    EXPECT_EQ(GeneratorChannels(), 4);
    ASSERT_TRUE(WaitFor([&] { return !Pink(1385)->isChecked(); }));
    EXPECT_TRUE(Pink(1384)->isChecked());
}

TEST_F(OutputsPage, AllEightCheckedThenAPlainFocusTurnsTheGeneratorOff) {
    Connect();
    OpenPage();
    ASSERT_EQ(engine->put_GeneratorChannels(Variant::Int(0xFF)), 0);
    ASSERT_TRUE(WaitFor([&] {
        for (int id = 1382; id <= 1389; ++id) {
            if (!Pink(id)->isChecked()) {
                return false;
            }
        }
        return true;
    }));
    ClickSlider(kBack7);
    EXPECT_EQ(GeneratorChannels(), 0);
    ASSERT_TRUE(WaitFor([&] { return !Pink(1388)->isChecked(); }));
}

TEST_F(OutputsPage, PinkBoxGoesToItsChannelsSlider) {
    Connect();
    OpenPage();
    QTest::mouseClick(Pink(1384), Qt::LeftButton);
    EXPECT_TRUE(Slider(kRight)->hasFocus());
    EXPECT_EQ(GeneratorChannels(), 4);
    EXPECT_TRUE(Pink(1384)->isChecked());

    // Clicked again while its slider has the focus: still the right channel alone.
    QTest::mouseClick(Pink(1384), Qt::LeftButton);
    EXPECT_EQ(GeneratorChannels(), 4);
    EXPECT_TRUE(Pink(1384)->isChecked());
}

TEST_F(OutputsPage, SignalGenStateOfTheThumpKeepsTheRadiosAndChecksOnlyLeft) {
    OpenPage();
    ASSERT_EQ(engine->put_GeneratorMode(Variant::Int(2)), 0);
    ASSERT_TRUE(WaitFor([&] { return Control<QRadioButton>(1461)->isChecked(); }));
    EXPECT_EQ(Pink(1382)->text(), "1 kHz");
    Pink(1384)->setChecked(true);

    page->OnSignalGenState(4, 1);
    EXPECT_TRUE(Control<QRadioButton>(1461)->isChecked());
    EXPECT_TRUE(Pink(1382)->isChecked());
    for (int id = 1383; id <= 1389; ++id) {
        EXPECT_FALSE(Pink(id)->isChecked()) << id;
    }

    page->OnSignalGenState(0, 0);
    EXPECT_TRUE(Control<QRadioButton>(1459)->isChecked());
    EXPECT_FALSE(Pink(1382)->isChecked());
}

TEST_F(OutputsPage, GeneratorRadioWritesTheModeAndRenamesThePinkBoxes) {
    OpenPage();
    QTest::mouseClick(Control<QRadioButton>(1462), Qt::LeftButton);
    EXPECT_EQ(frontend::IntProperty(*engine, &IKVT80::get_GeneratorMode), 3);
    EXPECT_EQ(Pink(1389)->text(), "10 kHz");
    // The thump has no radio: none is checked while it plays.
    ASSERT_EQ(engine->put_GeneratorMode(Variant::Int(4)), 0);
    page->Refresh();
    EXPECT_EQ(Pink(1382)->text(), "Thump");
    for (int id = 1459; id <= 1462; ++id) {
        EXPECT_FALSE(Control<QRadioButton>(id)->isChecked()) << id;
    }
}

// The page shown by a tab change, a refresh or the window's return stays silent; only a focus the
// user gives starts the noise.
TEST_F(OutputsPage, PageShownByATabChangeStartsNoNoise) {
    Connect();
    page = std::make_unique<CDlgRoomLevels>(*engine, *bridge);
    tabs = std::make_unique<QTabWidget>();
    auto* other = new QLineEdit;
    tabs->addTab(other, "Profile");
    tabs->addTab(page.get(), "Outputs");
    tabs->resize(755, 380);
    tabs->show();
    tabs->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(tabs.get(), kGuiTimeoutMs));
    other->setFocus(Qt::MouseFocusReason);
    ASSERT_TRUE(other->hasFocus());

    tabs->setCurrentWidget(page.get());
    QWidget* focused = QApplication::focusWidget();
    ASSERT_NE(focused, nullptr);
    EXPECT_TRUE(page->isAncestorOf(focused));
    EXPECT_EQ(qobject_cast<CTrackbar*>(focused), nullptr) << "the first focus is not a slider";
    page->Refresh();
    QApplication::processEvents();
    EXPECT_EQ(GeneratorChannels(), 0);

    // The slider last used gets the focus back at the next visit: still no noise.
    ClickSlider(kCenter);
    ASSERT_EQ(GeneratorChannels(), 2);
    ASSERT_EQ(engine->put_GeneratorChannels(Variant::Int(0)), 0);
    tabs->setCurrentWidget(other);
    other->setFocus(Qt::MouseFocusReason);
    tabs->setCurrentWidget(page.get());
    EXPECT_TRUE(Slider(kCenter)->hasFocus());
    QApplication::processEvents();
    EXPECT_EQ(GeneratorChannels(), 0);

    // Tab into the next slider is the user's: it routes.
    QTest::keyClick(Slider(kCenter), Qt::Key_Tab);
    EXPECT_TRUE(Slider(kRight)->hasFocus());
    EXPECT_EQ(GeneratorChannels(), 4);
}

TEST_F(OutputsPage, ArrowKeysWalkTheSlidersInTheirColumnsOrderAndRouteTheGenerator) {
    Connect();
    OpenPage();
    ClickSlider(kRight);
    ASSERT_EQ(GeneratorChannels(), 4);
    QTest::keyClick(Slider(kRight), Qt::Key_Right);
    EXPECT_TRUE(Slider(kSub)->hasFocus());
    EXPECT_EQ(GeneratorChannels(), 8);
    QTest::keyClick(Slider(kSub), Qt::Key_Right);
    EXPECT_TRUE(Slider(kLeftSurround)->hasFocus());
    EXPECT_EQ(GeneratorChannels(), 16);
    // From the last channel round to the first and back.
    Slider(kBack8)->setFocus();
    QTest::keyClick(Slider(kBack8), Qt::Key_Right);
    EXPECT_TRUE(Slider(kLeft)->hasFocus());
    EXPECT_EQ(GeneratorChannels(), 1);
    QTest::keyClick(Slider(kLeft), Qt::Key_Left);
    EXPECT_TRUE(Slider(kBack8)->hasFocus());
    EXPECT_EQ(GeneratorChannels(), 128);
}

TEST_F(OutputsPage, NoUnitNoGeneratorAndTheFormatStays) {
    OpenPage();
    const int mode = frontend::IntProperty(*engine, &IKVT80::get_Mode);
    ClickSlider(kSub);
    EXPECT_TRUE(Slider(kSub)->hasFocus());
    EXPECT_EQ(GeneratorChannels(), 0);
    EXPECT_EQ(frontend::IntProperty(*engine, &IKVT80::get_Mode), mode);
    EXPECT_FALSE(Pink(1385)->isChecked());
}

TEST_F(OutputsPage, CompanionHearsTheChannelOfASliderOnly) {
    OpenPage();
    QSignalSpy selected(page.get(), &CDlgRoomLevels::channelSelected);
    ClickSlider(kLeftSurround);
    ASSERT_EQ(selected.count(), 1);
    EXPECT_EQ(selected.at(0).at(0).toInt(), kLeftSurround);
    QTest::mouseClick(Control(1313), Qt::LeftButton);  // the Sub's Mute box
    EXPECT_EQ(selected.count(), 1);
}

TEST_F(OutputsPage, MuteAndInvertBoxesWriteTheirChannel) {
    OpenPage();
    QTest::mouseClick(Control(1313), Qt::LeftButton);
    Variant value;
    engine->get_Mute(Variant::Int(kSub), &value);
    EXPECT_TRUE(value.IsTrue());
    QTest::mouseClick(Control(1377), Qt::LeftButton);
    engine->get_Invert(Variant::Int(kLeftSurround), &value);
    EXPECT_TRUE(value.IsTrue());
    engine->get_Mute(Variant::Int(kLeftSurround), &value);
    EXPECT_FALSE(value.IsTrue());

    ASSERT_EQ(engine->put_Mute(Variant::Int(kSub), Variant::Bool(false)), 0);
    page->OnChannelMuteUpdated();
    EXPECT_FALSE(Control<QCheckBox>(1313)->isChecked());
    EXPECT_TRUE(Control<QCheckBox>(1377)->isChecked());
}

TEST_F(OutputsPage, LevelOfAnotherPageIsShownWithoutWritingIt) {
    OpenPage();
    QSignalSpy moved(page.get(), &CDlgRoomLevels::channelLevelMoved);
    const double before = OutputGain(kRight);
    page->SyncChannelLevel(kRight, 12);
    EXPECT_EQ(Slider(kRight)->value(), 12);
    EXPECT_EQ(Control<QLabel>(1327)->text(), "-6.0");
    EXPECT_DOUBLE_EQ(OutputGain(kRight), before);
    EXPECT_EQ(moved.count(), 0) << "the level came from elsewhere; it is not passed back";

    // Our own moves are passed on while the page is shown.
    Slider(kRight)->setFocus();
    QTest::keyClick(Slider(kRight), Qt::Key_PageUp);
    ASSERT_EQ(moved.count(), 1);
    EXPECT_EQ(moved.at(0).at(0).toInt(), kRight);
    EXPECT_EQ(moved.at(0).at(1).toInt(), 8);
}

TEST_F(OutputsPage, BackChannelsAreNamedByTheChannelConfiguration) {
    OpenPage();
    EXPECT_EQ(Control<QLabel>(1339)->text(), "Back Surround Left");
    page->ChannelConfigChanged(1);
    EXPECT_EQ(Control<QLabel>(1339)->text(), "Left Center");
    EXPECT_EQ(Control<QLabel>(1340)->text(), "Right Center");
    EXPECT_EQ(Slider(kBack8)->accessibleName(), "Right Center");
    page->ChannelConfigChanged(2);
    EXPECT_EQ(Control<QLabel>(1340)->text(), "Back Surround Right");
    page->ChannelConfigChanged(4);
    EXPECT_EQ(Control<QLabel>(1339)->text(), "Left Center");

    // A unit set up for centre channels shows them as such from the start.
    ASSERT_EQ(engine->put_InputConfig(1), 0);
    page->Refresh();
    EXPECT_EQ(Control<QLabel>(1339)->text(), "Left Center");
    ASSERT_EQ(engine->put_InputConfig(0), 0);
    page->Refresh();
    EXPECT_EQ(Control<QLabel>(1339)->text(), "Back Surround Left");
}

TEST_F(OutputsPage, NothingIsClippedAtThePagesSize) {
    OpenPage();
    page->ChannelConfigChanged(0);
    EXPECT_LE(page->minimumSizeHint().width(), 755);
    EXPECT_LE(page->minimumSizeHint().height(), 340);
    for (QWidget* child : page->findChildren<QWidget*>()) {
        if (!child->isVisibleTo(page.get())) {
            continue;
        }
        const QRect inPage(child->mapTo(page.get(), QPoint(0, 0)), child->size());
        EXPECT_TRUE(page->rect().contains(inPage)) << child->objectName().toStdString();
        if (qobject_cast<QCheckBox*>(child) != nullptr) {
            EXPECT_GE(child->width(), child->sizeHint().width())
                << child->objectName().toStdString() << " is cut";
        }
    }
}

TEST_F(OutputsPage, LevelAndPolaritySurviveAStoreAndAReconnection) {
    Connect();
    OpenPage();
    Slider(kSub)->setFocus();
    QTest::keyClick(Slider(kSub), Qt::Key_End);
    EXPECT_DOUBLE_EQ(OutputGain(kSub), -22.0);
    // (The store unmutes every channel: a mute is never kept.)
    QTest::mouseClick(Control(1381), Qt::LeftButton);  // channel 8's Invert

    ASSERT_EQ(engine->SaveKVTParameters(), status::Ok);
    ASSERT_EQ(engine->Disconnect(), status::Ok);
    unit.PowerCycle();
    ASSERT_EQ(engine->put_OutputGain(Variant::Int(kSub), 0.0), 0);  // forgotten here
    ASSERT_EQ(engine->Connect(), status::Ok);
    ASSERT_EQ(engine->QueryKVT(), status::Ok);

    page->Refresh();
    EXPECT_EQ(Slider(kSub)->value(), 44);
    EXPECT_EQ(Control<QLabel>(1329)->text(), "-22.0");
    EXPECT_TRUE(Control<QCheckBox>(1381)->isChecked());
}

}  // namespace
}  // namespace kvt::laptop
