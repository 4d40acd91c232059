// The Equalizer page inside the frame: its tab and View item, the Copy EQ command with the page's
// channel as the source, and the frame's messages between the page, the Outputs page's level, the
// companion program, the channel configuration and the Formats page.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <memory>

#include "CMainFrame.h"
#include "EngineValues.h"
#include "KVT80.h"
#include "TestSupport.h"
#include "dialogs/CDlgCopyEQ.h"
#include "pages/CDlgEQForm.h"
#include "widgets/CTrackbar.h"

namespace kvt::laptop {
namespace {

constexpr int kCopyEQ = 32772;
constexpr int kViewEqualizer = 32792;
constexpr int kTimeoutMs = 10000;

class FrameEqualizer : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(CreateEngine("KVT80.KVT80", engine), status::Ok);
        dynamic_cast<KVT80&>(*engine).SetTimings(testing::FastTimings());
        frame = std::make_unique<CMainFrame>(*engine, 9);
        frame->show();
        page = qobject_cast<CDlgEQForm*>(frame->PageWidget(CMainFrame::kEqualizerPage));
        ASSERT_NE(page, nullptr);
    }

    void TearDown() override {
        frame.reset();
        engine->Cleanup();
        engine.reset();
    }

    template <typename T = QWidget>
    T* Control(int id) const {
        return page->findChild<T*>(QString::number(id));
    }

    double Band(int channel, int band) const {
        double value = -99;
        engine->get_EQBand(Variant::Int(channel), Variant::Int(band), &value);
        return value;
    }

    testing::ScopedConfigHome config;
    std::unique_ptr<IKVT80> engine;
    std::unique_ptr<CMainFrame> frame;
    CDlgEQForm* page = nullptr;
};

TEST_F(FrameEqualizer, TabAndViewItem) {
    const int index = frame->Tabs().indexOf(page);
    ASSERT_GE(index, 0);
    EXPECT_EQ(frame->Tabs().tabText(index), "Equalizer");
    frame->Action(kViewEqualizer)->trigger();
    EXPECT_EQ(frame->Tabs().currentWidget(), page);
    EXPECT_TRUE(page->isVisible());
    EXPECT_EQ(frame->Action(kCopyEQ)->shortcut(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    EXPECT_TRUE(frame->Action(kCopyEQ)->isEnabled());
}

TEST_F(FrameEqualizer, FaderValueStaysOnTheToolbarAtTheFramesWidth) {
    frame->resize(frame->FrameSizeForClient(QSize(755, 430)));
    frame->ShowPage(CMainFrame::kEqualizerPage);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(frame.get(), kTimeoutMs));
    // The Equalizer page needs no more room than the frame gives it.
    EXPECT_EQ(frame->width(), 755);
    auto* value = frame->findChild<QLabel*>("faderValue");
    ASSERT_NE(value, nullptr);
    EXPECT_TRUE(value->isVisible());
    const QRect onFrame(value->mapTo(frame.get(), QPoint(0, 0)), value->size());
    EXPECT_TRUE(frame->rect().contains(onFrame)) << onFrame.x() << "," << onFrame.width();
}

TEST_F(FrameEqualizer, CopyEQOffersThePagesChannelAndShowsTheCopy) {
    ASSERT_EQ(engine->put_EQBand(Variant::Int(2), Variant::Int(10), -4.0), status::Ok);
    ASSERT_EQ(engine->put_Bass(Variant::Int(2), 2.0), status::Ok);
    frame->ShowPage(CMainFrame::kEqualizerPage);
    Control<QRadioButton>(1490)->click();  // Left is shown while the copy goes to it

    // The dialog opens on the page's channel; the technician picks Right and checks Left.
    int offered = -2;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<CDlgCopyEQ*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        offered = dialog->SourceChannel();
        dialog->findChild<QRadioButton*>("1102")->click();
        dialog->findChild<QCheckBox*>("1025")->click();
        dialog->findChild<QPushButton*>("1")->click();
    });
    frame->Action(kCopyEQ)->trigger();
    EXPECT_EQ(offered, 0);
    EXPECT_DOUBLE_EQ(Band(0, 10), -4.0);
    double bass = 0;
    engine->get_Bass(Variant::Int(0), &bass);
    EXPECT_DOUBLE_EQ(bass, 2.0);
    EXPECT_DOUBLE_EQ(Band(1, 10), 0.0);
    EXPECT_EQ(Control<CTrackbar>(1132)->value(), 40);

    // Cancelled, nothing is copied.
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<CDlgCopyEQ*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->findChild<QCheckBox*>("1026")->click();
        dialog->reject();
    });
    frame->Action(kCopyEQ)->trigger();
    EXPECT_DOUBLE_EQ(Band(1, 10), 0.0);
}

TEST_F(FrameEqualizer, CompanionChannelReachesThePage) {
    emit frame->companionChannelChange(9);
    EXPECT_EQ(page->SelectedChannel(), 0);
    emit frame->companionChannelChange(5);
    EXPECT_EQ(page->SelectedChannel(), 5);
}

TEST_F(FrameEqualizer, ChannelLevelIsSharedThroughTheFrameWithoutASecondWrite) {
    frame->ShowPage(CMainFrame::kEqualizerPage);
    QSignalSpy synced(frame.get(), &CMainFrame::syncChannelLevel);
    auto* gain = Control<CTrackbar>(1150);
    gain->setFocus();
    QTest::keyClick(gain, Qt::Key_Down);
    ASSERT_EQ(synced.count(), 1);
    EXPECT_EQ(synced.at(0).at(0).toInt(), 1);
    EXPECT_EQ(synced.at(0).at(1).toInt(), 1);
    EXPECT_EQ(gain->value(), 1);

    // The Outputs page moved the centre level: the slider follows, the engine is not written.
    int writes = 0;
    QObject::connect(gain, &CTrackbar::positionWritten, [&] { ++writes; });
    emit frame->syncChannelLevel(1, 12);
    EXPECT_EQ(gain->value(), 12);
    EXPECT_EQ(writes, 0);
    double level = 0;
    engine->get_OutputGain(Variant::Int(1), &level);
    EXPECT_DOUBLE_EQ(level, -0.5);
}

TEST_F(FrameEqualizer, ChannelConfigurationRenamesTheLastTwoChannels) {
    emit frame->channelConfigChanged(1);
    EXPECT_EQ(Control<QRadioButton>(1495)->text(), "Left Center");
    emit frame->channelConfigChanged(0);
    EXPECT_EQ(Control<QRadioButton>(1495)->text(), "Back Surround Left");
}

TEST_F(FrameEqualizer, FormatButtonGoesToTheFormatsPageAndThePane) {
    ASSERT_EQ(engine->put_ButtonFormat(Variant::Int(1), 9), status::Ok);
    ASSERT_EQ(engine->put_FormatTxt1(Variant::Int(9), u"Club "), status::Ok);
    ASSERT_EQ(engine->put_FormatTxt2(Variant::Int(9), u"Night"), status::Ok);
    QSignalSpy selected(frame.get(), &CMainFrame::selectFormat);
    QSignalSpy changed(frame.get(), &CMainFrame::inputFormatChanged);
    frame->ShowPage(CMainFrame::kEqualizerPage);
    Control<QPushButton>(1353)->click();
    ASSERT_EQ(selected.count(), 1);
    EXPECT_EQ(selected.at(0).at(0).toInt(), 9);
    ASSERT_EQ(changed.count(), 1);
    EXPECT_EQ(frame->findChild<QLabel*>("formatPane")->text(), "Club Night");
    // Format 9 has no button of its own: none stays checked.
    EXPECT_FALSE(Control<QPushButton>(1353)->isChecked());
}

}  // namespace
}  // namespace kvt::laptop
