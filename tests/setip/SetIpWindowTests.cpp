// The network tool's window, driven with the keyboard and mouse against the simulated unit.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QWheelEvent>
#include <cstdlib>
#include <memory>

#include "GuiTestSupport.h"
#include "IpAddressEdit.h"
#include "SetIpTestSupport.h"
#include "SetIpWindow.h"
#include "SimulatedUnit.h"

namespace kvt::setip::test {
namespace {

struct ShownMessage {
    QMessageBox::Icon icon;
    QString caption;
    QString text;
};

const QStringList kFixedPorts = {"USB",  "COM1", "COM2", "COM3", "COM4",
                                 "COM5", "COM6", "COM7", "COM8", "COM9"};

class NetworkToolWindow : public ::testing::Test {
  protected:
    // A window whose port list ends with `extraPorts`; devices as the lister gives them.
    void Open(
        const QStringList& extraPorts = {},
        const SerialDeviceLister& listDevices = [] { return std::vector<std::string>{}; }) {
        window = std::make_unique<SetIpWindow>(extraPorts, listDevices);
        window->setMessageHook(
            [this](QMessageBox::Icon icon, const QString& caption, const QString& text) {
                messages.push_back({icon, caption, text});
            });
        ASSERT_TRUE(ShowActive(*window));
    }

    // Opens the window with the simulated unit's port selected.
    void OpenOnSimulatedUnit() {
        const QString port = QString::fromStdString(unit.StartPty());
        Open({port});
        window->portList()->setCurrentIndex(window->portList()->findText(port));
        ASSERT_EQ(window->portList()->currentText(), port);
    }

    void EnterAddress(const QString& address) {
        window->ipEdit()->setFocus();
        Type(address);
        Press(Qt::Key_Tab);
    }

    bool WaitForMessage() {
        return QTest::qWaitFor([&] { return !messages.empty(); }, kGuiTimeoutMs);
    }

    sim::SimulatedUnit unit;
    std::unique_ptr<SetIpWindow> window;
    std::vector<ShownMessage> messages;
};

TEST_F(NetworkToolWindow, TitleAndFixedSizeScaledToTheScreen) {
    Open();
    EXPECT_EQ(window->windowTitle(), "KVT-80 SetIP");
    const double scale = window->screen()->logicalDotsPerInch() / 96.0;
    EXPECT_EQ(window->size(), QSize(qRound(245 * scale), qRound(190 * scale)));
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
}

TEST_F(NetworkToolWindow, CentredOnTheScreen) {
    Open();
    const QPoint offset =
        window->frameGeometry().center() - window->screen()->availableGeometry().center();
    EXPECT_LE(offset.manhattanLength(), 2) << offset.x() << ", " << offset.y();
}

TEST_F(NetworkToolWindow, LabelsAndButtonsReadAsTheyShould) {
    Open();
    QStringList labels;
    for (const QLabel* label : window->findChildren<QLabel*>()) {
        if (!label->text().isEmpty() && label->text() != ".") {
            labels << label->text();
        }
    }
    EXPECT_EQ(labels,
              (QStringList{"IP Address:", "Subnet Mask:", "Gateway:", "Communication Port:"}));
    EXPECT_EQ(window->setIpButton()->text(), "Set IP");
    EXPECT_EQ(window->doneButton()->text(), "Done");
}

// Every control lies inside the window at no less than the size it asks for.
TEST_F(NetworkToolWindow, NothingIsClipped) {
    Open({"/dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0"});
    const QRect inside = window->rect();
    for (const QWidget* child : window->findChildren<QWidget*>()) {
        if (!child->isVisible() || child->parentWidget() != window.get()) {
            continue;
        }
        EXPECT_TRUE(inside.contains(child->geometry())) << child->metaObject()->className();
        EXPECT_GE(child->width(), child->minimumSizeHint().width())
            << child->metaObject()->className();
        EXPECT_GE(child->height(), child->minimumSizeHint().height())
            << child->metaObject()->className();
    }
}

TEST_F(NetworkToolWindow, PortListHasFixedNamesThenDevicesThenExtras) {
    Open({"/dev/pts/77"}, [] {
        return std::vector<std::string>{"/dev/serial/by-id/usb-FTDI-if00-port0", "/dev/ttyUSB0",
                                        "/dev/ttyACM0"};
    });
    QStringList ports;
    for (int i = 0; i < window->portList()->count(); ++i) {
        ports << window->portList()->itemText(i);
    }
    const QStringList found = {"/dev/serial/by-id/usb-FTDI-if00-port0", "/dev/ttyUSB0",
                               "/dev/ttyACM0", "/dev/pts/77"};
    EXPECT_EQ(ports, kFixedPorts + found);
    EXPECT_EQ(window->portList()->currentText(), "USB");
    EXPECT_FALSE(window->portList()->isEditable());
}

TEST_F(NetworkToolWindow, TabVisitsTheControlsInOrder) {
    Open();
    window->ipEdit()->setFocus();
    const std::vector<QWidget*> expected = {window->maskEdit(),   window->gatewayEdit(),
                                            window->portList(),   window->setIpButton(),
                                            window->doneButton(), window->ipEdit()};
    for (QWidget* next : expected) {
        Press(Qt::Key_Tab);
        EXPECT_TRUE(HasFocusWithin(next)) << next->metaObject()->className();
    }
}

TEST_F(NetworkToolWindow, WheelDoesNotChangeThePort) {
    Open();
    window->portList()->setCurrentIndex(3);
    const QPointF centre = QRectF(window->portList()->rect()).center();
    for (int delta : {120, -120}) {
        QWheelEvent wheel(centre, window->portList()->mapToGlobal(centre), QPoint(),
                          QPoint(0, delta), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(window->portList(), &wheel);
    }
    EXPECT_EQ(window->portList()->currentIndex(), 3);
}

TEST_F(NetworkToolWindow, LeavingTheAddressFillsMaskAndGateway) {
    Open();
    EnterAddress("10.1.2.3");
    EXPECT_TRUE(HasFocusWithin(window->maskEdit()));
    EXPECT_EQ(window->ipEdit()->text(), "10.1.2.3");
    EXPECT_EQ(window->maskEdit()->text(), "255.0.0.0");
    EXPECT_EQ(window->gatewayEdit()->text(), "10.1.2.1");
}

TEST_F(NetworkToolWindow, EveryNewAddressOverwritesMaskAndGateway) {
    Open();
    EnterAddress("10.1.2.3");
    window->gatewayEdit()->setText("10.9.9.9");
    window->ipEdit()->clear();
    EnterAddress("192.168.1.20");
    EXPECT_EQ(window->maskEdit()->text(), "255.255.255.0");
    EXPECT_EQ(window->gatewayEdit()->text(), "192.168.1.1");
}

TEST_F(NetworkToolWindow, AddressStartingWithZeroLeavesMaskAndGateway) {
    Open();
    window->maskEdit()->setText("255.255.0.0");
    window->gatewayEdit()->setText("172.16.0.1");
    EnterAddress("0.1.2.3");
    EXPECT_EQ(window->maskEdit()->text(), "255.255.0.0");
    EXPECT_EQ(window->gatewayEdit()->text(), "172.16.0.1");
}

TEST_F(NetworkToolWindow, SetIpConfiguresTheUnitAndSaysSo) {
    OpenOnSimulatedUnit();
    EnterAddress("192.168.1.20");
    QTest::mouseClick(window->setIpButton(), Qt::LeftButton);
    EXPECT_TRUE(window->setUpRunning());
    EXPECT_FALSE(window->setIpButton()->isEnabled());
    EXPECT_FALSE(window->doneButton()->isEnabled());
    EXPECT_NE(QApplication::overrideCursor(), nullptr);

    ASSERT_TRUE(WaitForMessage());
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].icon, QMessageBox::Information);
    EXPECT_EQ(messages[0].caption, "KVT-80 SetIP");
    EXPECT_EQ(messages[0].text, "KVT-80 IP address information was successfully configured");
    EXPECT_FALSE(window->setUpRunning());
    EXPECT_TRUE(window->setIpButton()->isEnabled());
    EXPECT_TRUE(window->doneButton()->isEnabled());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(unit.ReceivedLines(), kClassCLines);
    EXPECT_FALSE(unit.Network().dhcp);
}

TEST_F(NetworkToolWindow, SilentUnitShowsTheResponseWarning) {
    OpenOnSimulatedUnit();
    unit.InjectFault(FaultOn(sim::FaultKind::StopAnswering));
    EnterAddress("192.168.1.20");
    QTest::mouseClick(window->setIpButton(), Qt::LeftButton);

    ASSERT_TRUE(WaitForMessage());
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].icon, QMessageBox::Warning);
    EXPECT_EQ(messages[0].caption, "KVT-80 SetIP");
    EXPECT_EQ(messages[0].text, "Failed to receive a valid response from a KVT-80 unit");
    EXPECT_EQ(unit.ReceivedLines(), std::vector<std::string>{"close"});
    EXPECT_TRUE(window->setIpButton()->isEnabled());
}

TEST_F(NetworkToolWindow, PortThatCannotBeOpenedShowsTheOpenWarning) {
    Open({"/dev/kvt80-no-such-port"});
    window->portList()->setCurrentIndex(window->portList()->count() - 1);
    EnterAddress("192.168.1.20");
    QTest::mouseClick(window->setIpButton(), Qt::LeftButton);

    ASSERT_TRUE(WaitForMessage());
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].icon, QMessageBox::Warning);
    EXPECT_EQ(messages[0].text, "Failed to open communication port");
}

TEST_F(NetworkToolWindow, CloseDuringTheSetUpWaitsForItsResult) {
    OpenOnSimulatedUnit();
    unit.InjectFault(FaultOn(sim::FaultKind::StopAnswering));
    QTest::mouseClick(window->setIpButton(), Qt::LeftButton);
    window->close();
    EXPECT_TRUE(window->isVisible());
    ASSERT_TRUE(WaitForMessage());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !window->isVisible(); }, kGuiTimeoutMs));
}

TEST_F(NetworkToolWindow, DoneClosesTheWindow) {
    Open();
    QTest::mouseClick(window->doneButton(), Qt::LeftButton);
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(messages.empty());
}

TEST_F(NetworkToolWindow, EscapeClosesTheWindow) {
    Open();
    window->ipEdit()->setFocus();
    Press(Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible());
}

// With KVT_SCREENSHOT_DIR set, the window with an address entered is saved as kvtsetip.png
// there (for the documentation).
TEST_F(NetworkToolWindow, RendersWithAnAddressEntered) {
    Open();
    EnterAddress("192.168.1.20");
    window->setIpButton()->setFocus();
    const QPixmap picture = window->grab();
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(picture.deviceIndependentSize().toSize(), window->size());
    if (const char* directory = std::getenv("KVT_SCREENSHOT_DIR")) {
        const QString path = QString::fromLocal8Bit(directory) + "/kvtsetip.png";
        EXPECT_TRUE(picture.save(path, "PNG")) << path.toStdString();
    }
}

}  // namespace
}  // namespace kvt::setip::test
