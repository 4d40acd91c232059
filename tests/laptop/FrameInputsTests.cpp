// The Inputs page in the main frame: its tab and View item, the input-monitoring rule of the tab
// strip, format buttons reaching the format pane, the zoomed analyser on a double click, and the
// File menu's headroom and channel-configuration commands.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <memory>

#include "CCtlRTA.h"
#include "CMainFrame.h"
#include "EngineValues.h"
#include "KVT80.h"
#include "TestSupport.h"
#include "pages/CDlgZoomedSLA.h"

namespace kvt::laptop {
namespace {

constexpr int kViewInputs = 32771;
constexpr int kHeadroomAdjustment = 32820;
constexpr int kChannelConfiguration = 32821;

class FrameInputs : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(CreateEngine("KVT80.KVT80", engine), status::Ok);
        frame = std::make_unique<CMainFrame>(*engine, 9);
        frame->show();
    }

    void TearDown() override {
        frame.reset();
        engine->Cleanup();
        engine.reset();
    }

    bool Monitoring() const { return dynamic_cast<KVT80&>(*engine).InputMonitoring(); }

    // Answers the next modal dialog: checks the radio button and presses OK.
    static void AnswerModal(int radioId) {
        QTimer::singleShot(0, [radioId] {
            QWidget* dialog = QApplication::activeModalWidget();
            ASSERT_NE(dialog, nullptr);
            dialog->findChild<QRadioButton*>(QString::number(radioId))->setChecked(true);
            dialog->findChild<QPushButton*>("1")->click();
        });
    }

    testing::ScopedConfigHome config;
    std::unique_ptr<IKVT80> engine;
    std::unique_ptr<CMainFrame> frame;
};

TEST_F(FrameInputs, InputsTabWritesInputMonitoringWhileItIsShown) {
    QWidget* page = frame->PageWidget(CMainFrame::kInputsPage);
    ASSERT_NE(page, nullptr);
    const int index = frame->Tabs().indexOf(page);
    ASSERT_GE(index, 0);
    EXPECT_EQ(frame->Tabs().tabText(index), "Inputs");
    EXPECT_FALSE(Monitoring());

    frame->Action(kViewInputs)->trigger();
    EXPECT_EQ(frame->Tabs().currentWidget(), page);
    EXPECT_TRUE(Monitoring());
    EXPECT_TRUE(frame->Action(kViewInputs)->isChecked());

    frame->ShowPage(CMainFrame::kProfilePage);
    EXPECT_FALSE(Monitoring());
}

TEST_F(FrameInputs, FormatButtonsReachTheFormatPane) {
    QSignalSpy selected(frame.get(), &CMainFrame::selectFormat);
    frame->ShowPage(CMainFrame::kInputsPage);
    frame->PageWidget(CMainFrame::kInputsPage)->findChild<QPushButton*>("1358")->click();  // AUX
    EXPECT_EQ(frontend::IntProperty(*engine, &IKVT80::get_Mode), FormatAux);
    EXPECT_EQ(frame->findChild<QLabel*>("formatPane")->text(), "Aux");
    ASSERT_EQ(selected.count(), 1);
    EXPECT_EQ(selected.at(0).at(0).toInt(), FormatAux);
}

TEST_F(FrameInputs, DoubleClickOnTheAnalyserShowsTheZoomedWindow) {
    frame->ShowPage(CMainFrame::kInputsPage);
    auto* analyser = frame->PageWidget(CMainFrame::kInputsPage)->findChild<frontend::CCtlRTA*>();
    ASSERT_NE(analyser, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(frame.get()));
    EXPECT_FALSE(frame->ZoomedAnalyser().isVisible());
    QTest::mouseDClick(analyser, Qt::LeftButton, Qt::NoModifier, analyser->GraphRect().center());
    EXPECT_TRUE(frame->ZoomedAnalyser().isVisible());
    // The two displays run together.
    analyser->TogglePower();
    EXPECT_TRUE(frame->ZoomedAnalyser().Analyser().Running());
}

TEST_F(FrameInputs, HeadroomCommandWritesTheChoice) {
    AnswerModal(1511);
    frame->Action(kHeadroomAdjustment)->trigger();
    int32_t headroom = -1;
    engine->get_HeadroomAdjust(&headroom);
    EXPECT_EQ(headroom, 2);
}

TEST_F(FrameInputs, ChannelConfigurationCommandAnnouncesTheNewConfiguration) {
    ASSERT_EQ(engine->put_InputConfig(0), status::Ok);
    QSignalSpy changed(frame.get(), &CMainFrame::channelConfigChanged);
    AnswerModal(1518);
    frame->Action(kChannelConfiguration)->trigger();
    int32_t config = -1;
    engine->get_InputConfig(&config);
    EXPECT_EQ(config, 1);
    ASSERT_EQ(changed.count(), 1);
    EXPECT_EQ(changed.at(0).at(0).toInt(), 1);
}

}  // namespace
}  // namespace kvt::laptop
