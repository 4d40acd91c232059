// The File menu's headroom and channel-configuration dialogs against a real engine: the choice
// shown on opening, what OK and Cancel write, and a configuration the engine refuses.
#include <gtest/gtest.h>

#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <memory>

#include "KVT80.h"
#include "TestSupport.h"
#include "dialogs/CDlgHeadroomAdjust.h"
#include "dialogs/CDlgInputConfiguration.h"

namespace kvt::laptop {
namespace {

class ChannelConfigurationUnderTest : public CDlgInputConfiguration {
  public:
    using CDlgInputConfiguration::CDlgInputConfiguration;
    QStringList refusals;

  protected:
    void ShowRefusal(const QString& text) override { refusals << text; }
};

class InputDialogs : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_EQ(CreateEngine("KVT80.KVT80", engine), status::Ok); }
    void TearDown() override {
        engine->Cleanup();
        engine.reset();
    }

    static void Ok(QWidget& dialog) { dialog.findChild<QPushButton*>("1")->click(); }
    static void Cancel(QWidget& dialog) { dialog.findChild<QPushButton*>("2")->click(); }
    static QRadioButton* Radio(QWidget& dialog, int id) {
        return dialog.findChild<QRadioButton*>(QString::number(id));
    }
    int32_t Headroom() const {
        int32_t value = -1;
        engine->get_HeadroomAdjust(&value);
        return value;
    }
    int32_t Config() const {
        int32_t value = -1;
        engine->get_InputConfig(&value);
        return value;
    }

    testing::ScopedConfigHome config;
    std::unique_ptr<IKVT80> engine;
};

TEST_F(InputDialogs, HeadroomShowsTheEnginesChoiceAndOkWritesTheNewOne) {
    ASSERT_EQ(engine->put_HeadroomAdjust(1), status::Ok);
    CDlgHeadroomAdjust dialog(*engine);
    EXPECT_EQ(Radio(dialog, 1509)->text(), "26 db of Headroom (THX)");
    EXPECT_EQ(Radio(dialog, 1511)->text(), "32 db of Headroom");
    EXPECT_TRUE(Radio(dialog, 1510)->isChecked());
    Radio(dialog, 1511)->setChecked(true);
    EXPECT_FALSE(Radio(dialog, 1510)->isChecked());
    Ok(dialog);
    EXPECT_EQ(Headroom(), 2);
}

TEST_F(InputDialogs, HeadroomCancelWritesNothing) {
    ASSERT_EQ(engine->put_HeadroomAdjust(0), status::Ok);
    CDlgHeadroomAdjust dialog(*engine);
    Radio(dialog, 1510)->setChecked(true);
    Cancel(dialog);
    EXPECT_EQ(Headroom(), 0);
}

TEST_F(InputDialogs, ChannelConfigurationWritesAndAnnouncesTheChoice) {
    ASSERT_EQ(engine->put_InputConfig(1), status::Ok);
    ChannelConfigurationUnderTest dialog(*engine);
    EXPECT_TRUE(Radio(dialog, 1518)->isChecked());
    EXPECT_EQ(Radio(dialog, 1517)->text(), "Back Surround Channels");
    QSignalSpy announced(&dialog, &CDlgInputConfiguration::channelConfigChanged);
    Radio(dialog, 1517)->setChecked(true);
    Ok(dialog);
    EXPECT_EQ(Config(), 0);
    ASSERT_EQ(announced.count(), 1);
    EXPECT_EQ(announced.at(0).at(0).toInt(), 0);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_TRUE(dialog.refusals.isEmpty());
}

TEST_F(InputDialogs, ChannelConfigurationCancelWritesNothing) {
    ASSERT_EQ(engine->put_InputConfig(0), status::Ok);
    ChannelConfigurationUnderTest dialog(*engine);
    QSignalSpy announced(&dialog, &CDlgInputConfiguration::channelConfigChanged);
    Radio(dialog, 1518)->setChecked(true);
    Cancel(dialog);
    EXPECT_EQ(Config(), 0);
    EXPECT_EQ(announced.count(), 0);
}

// The engine holds 0 (7.1) or 1 (LCRC) only: a refused choice is said so, not announced.
TEST_F(InputDialogs, ChannelConfigurationTheEngineRefusesIsNotAnnounced) {
    ASSERT_EQ(engine->put_InputConfig(1), status::Ok);
    ChannelConfigurationUnderTest dialog(*engine);
    dialog.show();
    QSignalSpy announced(&dialog, &CDlgInputConfiguration::channelConfigChanged);
    Radio(dialog, 1520)->setChecked(true);
    Ok(dialog);
    EXPECT_EQ(Config(), 1);
    EXPECT_EQ(announced.count(), 0);
    ASSERT_EQ(dialog.refusals.size(), 1);
    EXPECT_TRUE(dialog.refusals.front().contains("LCR/Mono Surround"));
    EXPECT_TRUE(dialog.isVisible());
}

}  // namespace
}  // namespace kvt::laptop
