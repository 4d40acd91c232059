// What a technician sets on the Formats and Outputs pages is still there after the disconnect
// flow stored it, the unit was switched off and on, and the connect flow read it back: the pages
// and the real flows against the simulated unit over a pseudo-terminal.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <memory>
#include <set>

#include "ConnectionFlows.h"
#include "EngineBridge.h"
#include "EngineValues.h"
#include "FlowView.h"
#include "KVT80.h"
#include "SimulatedUnit.h"
#include "TestSupport.h"
#include "pages/CDlgFormatsForm.h"
#include "pages/CDlgRoomLevels.h"
#include "widgets/CTrackbar.h"

namespace kvt::laptop {
namespace {

constexpr int kFlowTimeoutMs = 30000;

// The pages in place of the frame: disconnecting stores (without the personality module), every
// refresh reaches both pages, and any message fails the test.
class PagesView : public frontend::FlowView {
  public:
    std::function<void()> refreshPages;

    frontend::DisconnectChoice AskDisconnect() override {
        return {frontend::DisconnectAnswer::Yes, false};
    }
    frontend::SaveChangesAnswer AskSaveChanges(const QString&) override {
        return frontend::SaveChangesAnswer::No;
    }
    bool AskYesNo(const QString& text) override {
        ADD_FAILURE() << "asked: " << text.toStdString();
        return false;
    }
    std::optional<QString> AskSaveFileName(const QString&) override { return std::nullopt; }
    std::optional<QString> AskOpenFileName(const QString&) override { return std::nullopt; }
    void ShowWarning(const QString& text) override { ADD_FAILURE() << text.toStdString(); }
    void ShowError(const QString& text) override { ADD_FAILURE() << text.toStdString(); }
    void ShowStatus(frontend::StatusDialog dialog, const QString&) override {
        shown_.insert(dialog);
    }
    void CloseStatus(frontend::StatusDialog dialog) override { shown_.erase(dialog); }
    bool StatusShown(frontend::StatusDialog dialog) const override {
        return shown_.count(dialog) != 0;
    }
    void UpdateStatus(frontend::StatusDialog, const QString&, int, int) override {}
    void SetFrameEnabled(bool) override {}
    void ShowConnectionState(bool) override {}
    void RefreshAll() override {
        if (refreshPages) {
            refreshPages();
        }
    }
    void RefreshFrame() override {}
    bool ControlHeld() const override { return false; }
    void DestroyAll() override {}

  private:
    std::set<frontend::StatusDialog> shown_;
};

// The format page's rename question answered with a fixed name.
class NamingFormatsPage : public CDlgFormatsForm {
  public:
    using CDlgFormatsForm::CDlgFormatsForm;
    QString name;

  protected:
    std::optional<QString> AskFormatName(const QString&) override { return name; }
};

class StoredPages : public ::testing::Test {
  protected:
    void SetUp() override {
        const std::string port = unit.StartPty();
        ASSERT_EQ(CreateEngine("KVT80.KVT80", engine), status::Ok);
        dynamic_cast<KVT80&>(*engine).SetTimings(testing::FastTimings());
        ASSERT_EQ(engine->put_ComPort(frontend::TextVariant(QString::fromStdString(port))), 0);
        ASSERT_EQ(engine->put_UpdateInputs(Variant::Bool(false)), 0);
        bridge = std::make_unique<frontend::EngineBridge>(*engine);
        flows = std::make_unique<frontend::ConnectionFlows>(*engine, *bridge, view);
        formats = std::make_unique<NamingFormatsPage>(*engine, *bridge);
        outputs = std::make_unique<CDlgRoomLevels>(*engine, *bridge);
        view.refreshPages = [this] {
            formats->Refresh();
            outputs->Refresh();
        };
        for (QWidget* page :
             {static_cast<QWidget*>(formats.get()), static_cast<QWidget*>(outputs.get())}) {
            page->resize(755, 340);
            page->show();
        }
    }

    void TearDown() override {
        EXPECT_TRUE(QTest::qWaitFor([&] { return !flows->Busy(); }, kFlowTimeoutMs));
        outputs.reset();
        formats.reset();
        flows.reset();
        bridge.reset();
        engine->Disconnect();
        engine->Cleanup();
        engine.reset();
        unit.Stop();
    }

    void Run(bool (frontend::ConnectionFlows::*flow)(), bool connected) {
        ASSERT_TRUE((flows.get()->*flow)());
        ASSERT_TRUE(QTest::qWaitFor([&] { return !flows->Busy(); }, kFlowTimeoutMs));
        ASSERT_EQ(frontend::IsConnected(*engine), connected);
    }

    template <typename T = QWidget>
    T* On(QWidget* page, int id) const {
        return page->findChild<T*>(QString::number(id));
    }
    void Click(QWidget* page, int id) { QTest::mouseClick(On(page, id), Qt::LeftButton); }
    void Key(CTrackbar* slider, Qt::Key key) {
        slider->setFocus();
        QTest::keyClick(slider, key);
    }

    testing::ScopedConfigHome config;
    sim::SimulatedUnit unit;
    PagesView view;
    std::unique_ptr<IKVT80> engine;
    std::unique_ptr<frontend::EngineBridge> bridge;
    std::unique_ptr<frontend::ConnectionFlows> flows;
    std::unique_ptr<NamingFormatsPage> formats;
    std::unique_ptr<CDlgRoomLevels> outputs;
};

TEST_F(StoredPages, FormatsAndOutputsSurviveAStoreAPowerCycleAndAReconnection) {
    Run(&frontend::ConnectionFlows::Connect, true);
    QWidget* f = formats.get();
    QWidget* o = outputs.get();

    // Formats: the stereo format renamed, with a preset level and without noise reduction; the
    // unit starts in it; the digital format falls back to Non-Sync and has shorter delays.
    formats->name = "Main Feature 2";
    QContextMenuEvent menu(QContextMenuEvent::Mouse, QPoint(3, 3),
                           On(f, 1353)->mapToGlobal(QPoint(3, 3)));
    QApplication::sendEvent(On(f, 1353), &menu);
    Click(f, 1353);  // STEREO plays
    Click(f, 1557);  // Enable Preset
    Key(On<CTrackbar>(f, 1343), Qt::Key_PageUp);
    Click(f, 1471);  // power on: STEREO
    Click(f, 1556);  // advanced options
    auto* noiseReduction = On<QComboBox>(f, 1549);
    noiseReduction->setCurrentIndex(0);
    emit noiseReduction->activated(0);
    Click(f, 1356);                            // EXT 2 (Digital)
    Click(f, 1505);                            // fall back to NON/SYNC
    Key(On<CTrackbar>(f, 1519), Qt::Key_End);  // input delay 32 ms

    // Outputs: the sub 6 dB down, the right surround raised, channel 8's polarity inverted.
    Key(outputs->Slider(4), Qt::Key_PageDown);
    Key(outputs->Slider(4), Qt::Key_PageDown);
    Key(outputs->Slider(4), Qt::Key_PageDown);
    const int sub = outputs->Slider(4)->value();
    Key(outputs->Slider(5), Qt::Key_Home);
    Click(o, 1381);

    Run(&frontend::ConnectionFlows::Disconnect, false);
    unit.PowerCycle();
    // Whatever the engine still holds is replaced by what the unit stored.
    ASSERT_EQ(engine->put_FormatLevel(Variant::Int(1), 0), 0);
    ASSERT_EQ(engine->put_OutputGain(Variant::Int(4), 0.0), 0);
    Run(&frontend::ConnectionFlows::Connect, true);

    ASSERT_EQ(engine->put_Mode(Variant::Int(1)), 0);
    formats->SelectFormat(1);
    EXPECT_EQ(On<QPushButton>(f, 1353)->text(), "Main Feature 2");
    EXPECT_TRUE(On<QPushButton>(f, 1557)->isChecked());
    EXPECT_EQ(On<QLabel>(f, 1345)->text(), "8.0");
    EXPECT_TRUE(On<QRadioButton>(f, 1471)->isChecked());
    EXPECT_TRUE(On<QCheckBox>(f, 1556)->isChecked()) << "no noise reduction is not the standard";
    EXPECT_EQ(On<QComboBox>(f, 1549)->currentIndex(), 0);
    EXPECT_EQ(On<QLabel>(f, 1522)->text(), "32 mS");
    ASSERT_EQ(engine->put_Mode(Variant::Int(8)), 0);
    formats->SelectFormat(8);
    EXPECT_TRUE(On<QRadioButton>(f, 1505)->isChecked());

    EXPECT_EQ(outputs->Slider(4)->value(), sub);
    EXPECT_EQ(outputs->Slider(5)->value(), -16);
    EXPECT_EQ(On<QLabel>(o, 1330)->text(), "8.0");
    EXPECT_TRUE(On<QCheckBox>(o, 1381)->isChecked());
}

}  // namespace
}  // namespace kvt::laptop
