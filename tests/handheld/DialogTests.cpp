// The handheld's dialogs on the offscreen platform, with a real engine: Copy EQ without channel 5,
// the digital delays, the communication settings with serial ports only, About, and the laptop's
// dialogs fitted to the small screen.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <memory>

#include "EngineValues.h"
#include "KVT80.h"
#include "PanelSlider.h"
#include "TestSupport.h"
#include "Version.h"
#include "dialogs/CDlgHandheld.h"
#include "dialogs/CDlgHeadroomAdjust.h"
#include "dialogs/CDlgInputConfiguration.h"
#include "dialogs/CDlgSaveMMCStatus.h"
#include "dialogs/CDlgUploadStatus.h"

namespace kvt::handheld {
namespace {

class Dialogs : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(CreateEngine("KVT80CE.KVT80CE", engine), status::Ok);
        frame.resize(240, 320);
        frame.show();
    }
    void TearDown() override {
        engine->Cleanup();
        engine.reset();
    }
    double Band(int channel, int band) const {
        double value = -99;
        engine->get_EQBand(Variant::Int(channel), Variant::Int(band), &value);
        return value;
    }
    int Delay(int32_t (IKVT80::*get)(Variant*)) const {
        return frontend::IntProperty(*engine, get);
    }

    testing::ScopedConfigHome config;
    std::unique_ptr<IKVT80> engine;
    QWidget frame;
};

TEST_F(Dialogs, CopyEQOffersEveryChannelButTheFifth) {
    CDlgCopyEQ dialog(0);
    QStringList sources;
    QStringList destinations;
    for (QRadioButton* radio : dialog.findChildren<QRadioButton*>()) {
        sources << radio->text();
    }
    for (QCheckBox* box : dialog.findChildren<QCheckBox*>()) {
        destinations << box->text();
    }
    const QStringList expected{"Channel 1", "Channel 2", "Channel 3", "Channel 4",
                               "Channel 6", "Channel 7", "Channel 8"};
    EXPECT_EQ(sources, expected);
    EXPECT_EQ(destinations, expected);
    EXPECT_EQ(dialog.SourceButton(CDlgCopyEQ::kSubwoofer), nullptr);
    EXPECT_TRUE(dialog.SourceButton(0)->isChecked());
    EXPECT_TRUE(dialog.CopyButton()->isEnabled());

    // Opened on the subwoofer: no source, and "Copy >>" waits for one.
    CDlgCopyEQ fromSub(CDlgCopyEQ::kSubwoofer);
    EXPECT_EQ(fromSub.SourceChannel(), -1);
    EXPECT_FALSE(fromSub.CopyButton()->isEnabled());
    EXPECT_EQ(fromSub.Apply(*engine), status::InvalidArgument);
    fromSub.SourceButton(7)->click();
    EXPECT_TRUE(fromSub.CopyButton()->isEnabled());
}

TEST_F(Dialogs, CopyEQCopiesTheSourceToTheChosenChannelsOnly) {
    ASSERT_EQ(engine->put_EQBand(Variant::Int(1), Variant::Int(14), -3.0), status::Ok);
    ASSERT_EQ(engine->put_Bass(Variant::Int(1), 2.0), status::Ok);
    ASSERT_EQ(engine->put_EQBand(Variant::Int(5), Variant::Int(14), 1.5), status::Ok);
    CDlgCopyEQ dialog(1);
    dialog.DestinationBox(2)->click();
    dialog.DestinationBox(7)->click();
    EXPECT_EQ(dialog.Destinations(),
              (std::array<bool, 8>{false, false, true, false, false, false, false, true}));
    ASSERT_EQ(dialog.Apply(*engine), status::Ok);
    EXPECT_DOUBLE_EQ(Band(2, 14), -3.0);
    EXPECT_DOUBLE_EQ(Band(7, 14), -3.0);
    double bass = 0;
    engine->get_Bass(Variant::Int(7), &bass);
    EXPECT_DOUBLE_EQ(bass, 2.0);
    EXPECT_DOUBLE_EQ(Band(5, 14), 1.5);
}

TEST_F(Dialogs, DigitalDelaysShowWriteOnOkAndKeepWhatWasNotTouched) {
    ASSERT_EQ(engine->put_DigitalInputDelay(Variant::Int(40)), status::Ok);
    ASSERT_EQ(engine->put_DigitalSurroundDelay(Variant::Int(12)), status::Ok);
    {
        CDlgDigitalDelays dialog(*engine);
        EXPECT_EQ(dialog.InputDelay()->Position(), -40);
        EXPECT_EQ(dialog.InputDelay()->ValueText(), "40 mS");
        EXPECT_EQ(dialog.SurroundDelay()->Position(), -12);
        EXPECT_TRUE(dialog.findChild<QLabel*>("note")->text().startsWith("Digital input"));
        dialog.InputDelay()->Slider()->setValue(-100);
        EXPECT_EQ(dialog.InputDelay()->ValueText(), "100 mS");
        // Nothing reaches the engine before OK.
        EXPECT_EQ(Delay(&IKVT80::get_DigitalInputDelay), 40);
        dialog.reject();
        EXPECT_EQ(Delay(&IKVT80::get_DigitalInputDelay), 40);
    }
    {
        CDlgDigitalDelays dialog(*engine);
        dialog.SurroundDelay()->Slider()->setValue(-30);
        dialog.accept();
        EXPECT_EQ(Delay(&IKVT80::get_DigitalSurroundDelay), 30);
        EXPECT_EQ(Delay(&IKVT80::get_DigitalInputDelay), 40);
    }
    // The sliders' ends: 32 to 140 ms and 0 to 100 ms.
    CDlgDigitalDelays dialog(*engine);
    dialog.InputDelay()->Slider()->triggerAction(QAbstractSlider::SliderToMinimum);
    dialog.SurroundDelay()->Slider()->triggerAction(QAbstractSlider::SliderToMinimum);
    dialog.accept();
    EXPECT_EQ(Delay(&IKVT80::get_DigitalInputDelay), 140);
    EXPECT_EQ(Delay(&IKVT80::get_DigitalSurroundDelay), 100);
}

TEST_F(Dialogs, CommunicationSettingsOfferSerialPortsOnly) {
    ASSERT_EQ(engine->put_ComPort(frontend::TextVariant("/dev/pts/7")), status::Ok);
    CDlgCommSettings dialog(*engine, nullptr, [] {
        return std::vector<std::string>{"/dev/ttyUSB0", "COM3"};
    });
    QStringList ports;
    for (int i = 0; i < dialog.PortList()->count(); ++i) {
        ports << dialog.PortList()->itemText(i);
    }
    EXPECT_FALSE(ports.contains("USB"));
    EXPECT_FALSE(ports.contains("TCP/IP"));
    EXPECT_EQ(ports.first(), "COM1");
    EXPECT_EQ(ports.count("COM3"), 1);
    EXPECT_TRUE(ports.contains("/dev/ttyUSB0"));
    // The engine's port is listed and chosen even when no device has its name.
    EXPECT_EQ(dialog.PortList()->currentText(), "/dev/pts/7");

    dialog.PortList()->setCurrentText("/dev/ttyUSB0");
    dialog.reject();
    Variant port;
    engine->get_ComPort(&port);
    EXPECT_EQ(frontend::ToQString(port.StringValue()), "/dev/pts/7");
    dialog.accept();
    engine->get_ComPort(&port);
    EXPECT_EQ(frontend::ToQString(port.StringValue()), "/dev/ttyUSB0");
}

TEST_F(Dialogs, AboutNamesTheProgramAndItsVersion) {
    CDlgAbout dialog;
    EXPECT_EQ(dialog.windowTitle(), "About KVTExecCE");
    EXPECT_TRUE(dialog.Text().startsWith("KVTExecCE\n"));
    EXPECT_TRUE(dialog.Text().contains(frontend::VersionText()));
}

TEST_F(Dialogs, EveryDialogFitsTheSmallScreenWithNothingClipped) {
    std::vector<std::unique_ptr<QDialog>> dialogs;
    dialogs.push_back(std::make_unique<CDlgAbout>(&frame));
    dialogs.push_back(std::make_unique<CDlgCommSettings>(*engine, &frame));
    dialogs.push_back(std::make_unique<CDlgCopyEQ>(0, &frame));
    dialogs.push_back(std::make_unique<CDlgDigitalDelays>(*engine, &frame));
    dialogs.push_back(std::make_unique<laptop::CDlgHeadroomAdjust>(*engine, &frame));
    dialogs.push_back(std::make_unique<laptop::CDlgInputConfiguration>(*engine, &frame));
    // The progress dialogs ask for a laptop width of their own; the laptop's buttons are made
    // finger-sized.
    dialogs.push_back(std::make_unique<laptop::CDlgUploadStatus>(&frame));
    dialogs.push_back(std::make_unique<laptop::CDlgSaveMMCStatus>(&frame));
    for (auto& dialog : dialogs) {
        FitToSmallScreen(dialog.get(), &frame);
        dialog->show();
        QApplication::processEvents();
        const QString name = dialog->metaObject()->className();
        EXPECT_LE(dialog->width(), 240) << name.toStdString();
        EXPECT_LE(dialog->height(), 320) << name.toStdString();
        const QSize needed = dialog->layout()->minimumSize();
        EXPECT_LE(needed.width(), dialog->width()) << name.toStdString();
        EXPECT_LE(needed.height(), dialog->height()) << name.toStdString();
        // Buttons a finger can hit.
        for (QPushButton* button : dialog->findChildren<QPushButton*>()) {
            if (button->isVisible()) {
                EXPECT_GE(button->height(), 24)
                    << name.toStdString() << " " << button->text().toStdString();
            }
        }
        dialog->hide();
    }
}

}  // namespace
}  // namespace kvt::handheld
