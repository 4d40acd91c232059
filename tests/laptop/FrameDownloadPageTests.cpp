// The Download page in the frame: its tab after the diagnostics unlock, and the frame's
// connection state while a download holds the port, against the simulated unit.
#include <gtest/gtest.h>

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <deque>
#include <memory>

#include "CMainFrame.h"
#include "ConnectionFlows.h"
#include "EngineValues.h"
#include "KVT80.h"
#include "SimulatedUnit.h"
#include "SourceTree.h"
#include "TestSupport.h"
#include "pages/CDlgDownloadPIC.h"

namespace kvt::laptop {
namespace {

constexpr int kTimeoutMs = 30000;
constexpr int kConnect = 32778;
constexpr int kDisconnect = 32779;
constexpr int kUnlockDiagnostics = 32790;

QString Example(const char* name) {
    return QString::fromStdString((kvt::testing::SourceTree() / "examples" / name).string());
}

// The frame with the password given and no question expected.
class UnlockingFrame : public CMainFrame {
  public:
    using CMainFrame::CMainFrame;

    int passwordPrompts = 0;
    std::vector<QString> messages;

    std::optional<QString> AskPassword() override {
        ++passwordPrompts;
        return QStringLiteral("mivok");
    }
    void ShowWarning(const QString& text) override { messages.push_back(text); }
    void ShowError(const QString& text) override { messages.push_back(text); }
    frontend::DisconnectChoice AskDisconnect() override {
        ADD_FAILURE() << "a disconnect prompt while a download runs";
        return {};
    }
};

class FrameDownload : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        port = unit.StartPty();
        ASSERT_EQ(CreateEngine("KVT80.KVT80", engine), status::Ok);
        dynamic_cast<KVT80&>(*engine).SetTimings(testing::FastTimings());
        ASSERT_EQ(engine->put_ComPort(frontend::TextVariant(QString::fromStdString(port))),
                  status::Ok);
        frame = std::make_unique<UnlockingFrame>(*engine, 9);
        frame->show();
        page = qobject_cast<CDlgDownloadPIC*>(frame->PageWidget(CMainFrame::kDownloadPage));
        ASSERT_NE(page, nullptr);
    }

    void TearDown() override {
        EXPECT_TRUE(QTest::qWaitFor([&] { return !page->Downloading() && !frame->Flows().Busy(); },
                                    kTimeoutMs));
        frame.reset();
        engine->Disconnect();
        engine->Cleanup();
        engine.reset();
        unit.Stop();
    }

    QString ConnectionPane() const {
        return frame->findChild<QLabel*>(QStringLiteral("connectionPane"))->text();
    }
    bool Enabled(int id) const { return frame->Action(id)->isEnabled(); }
    void ClickDownload() { page->findChild<QPushButton*>(QStringLiteral("1390"))->click(); }

    testing::ScopedConfigHome config;
    QTemporaryDir folder;
    sim::SimulatedUnit unit;
    std::string port;
    std::unique_ptr<IKVT80> engine;
    std::unique_ptr<UnlockingFrame> frame;
    CDlgDownloadPIC* page = nullptr;
};

TEST_F(FrameDownload, UnlockShowsTheDownloadTabOnceInItsPlace) {
    QTabWidget& tabs = frame->Tabs();
    EXPECT_EQ(tabs.indexOf(page), -1);
    // Nothing of it shows over the other pages before the unlock.
    QTest::qWait(0);
    EXPECT_FALSE(page->isVisible());
    // The tabs of the pages before it, in their order.
    int before = 0;
    for (int place = CMainFrame::kProfilePage; place < CMainFrame::kDownloadPage; ++place) {
        before += frame->PageWidget(static_cast<CMainFrame::Page>(place)) != nullptr ? 1 : 0;
    }
    ASSERT_EQ(tabs.count(), before);

    frame->UnlockDiagnostics();
    ASSERT_TRUE(frame->DiagnosticsUnlocked());
    EXPECT_EQ(tabs.indexOf(page), before);
    EXPECT_EQ(tabs.tabText(before), "Download");
    EXPECT_FALSE(tabs.tabIcon(before).isNull());

    // A second unlock (the menu item is grayed; called all the same) adds nothing.
    EXPECT_FALSE(Enabled(kUnlockDiagnostics));
    const int count = tabs.count();
    frame->UnlockDiagnostics();
    EXPECT_EQ(tabs.count(), count);
    int downloadTabs = 0;
    for (int index = 0; index < tabs.count(); ++index) {
        downloadTabs += tabs.widget(index) == page ? 1 : 0;
    }
    EXPECT_EQ(downloadTabs, 1);
    EXPECT_EQ(frame->passwordPrompts, 1);

    frame->ShowPage(CMainFrame::kDownloadPage);
    EXPECT_EQ(tabs.currentWidget(), page);
}

TEST_F(FrameDownload, PaneAndMenusFollowThePortADownloadOpensAndCloses) {
    frame->UnlockDiagnostics();
    frame->ShowPage(CMainFrame::kDownloadPage);
    EXPECT_EQ(ConnectionPane(), "Disconnected");

    page->SelectTarget(CDlgDownloadPIC::kEQ1);
    page->ChooseFile(Example("eq1.EQ"));
    ClickDownload();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !page->Downloading(); }, kTimeoutMs));
    EXPECT_EQ(page->DownloadState(), DSPDownloadStateCompleted);

    // The download closed the port: the frame says so and connects as usual.
    EXPECT_EQ(ConnectionPane(), "Disconnected");
    EXPECT_TRUE(Enabled(kConnect));
    EXPECT_FALSE(Enabled(kDisconnect));
    EXPECT_FALSE(frame->Flows().Busy());
    ASSERT_TRUE(frame->Flows().Connect());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !frame->Flows().Busy(); }, kTimeoutMs));
    EXPECT_EQ(ConnectionPane(), "Connected");
    EXPECT_EQ(unit.Memory(4, 261), 0x000062u);
    EXPECT_TRUE(frame->messages.empty());
}

TEST_F(FrameDownload, DisconnectStopsARunningDownloadWithoutAskingToStore) {
    // Long enough that only the Disconnect can end the wait for the boot loader.
    EngineTimings timings = testing::FastTimings();
    timings.bootWaitLimit = std::chrono::minutes(5);
    dynamic_cast<KVT80&>(*engine).SetTimings(timings);
    frame->UnlockDiagnostics();
    const QString hex = folder.filePath("fw.hex");
    ASSERT_TRUE(QFile::copy(Example("fw.hex"), hex));
    page->ChooseFile(hex);
    ASSERT_TRUE(page->FileChosen());
    // The unit was not powered up holding S5: the download waits for its boot loader.
    ClickDownload();
    ASSERT_TRUE(QTest::qWaitFor([&] { return frame->Flows().DownloadRunning(); }, kTimeoutMs));
    EXPECT_EQ(ConnectionPane(), "Connected");
    EXPECT_FALSE(Enabled(kConnect));
    EXPECT_TRUE(Enabled(kDisconnect));
    // Nothing else may use the port meanwhile.
    EXPECT_FALSE(frame->Flows().Connect());
    EXPECT_FALSE(frame->Flows().Open());

    frame->Action(kDisconnect)->trigger();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !page->Downloading(); }, kTimeoutMs));
    EXPECT_EQ(page->DownloadState(), PICDownloadStateFailed);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !frame->Flows().Busy(); }, kTimeoutMs));
    EXPECT_EQ(ConnectionPane(), "Disconnected");
    EXPECT_TRUE(Enabled(kConnect));
    EXPECT_FALSE(frontend::IsConnected(*engine));
}

}  // namespace
}  // namespace kvt::laptop
