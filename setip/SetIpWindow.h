// SetIpWindow: the network configuration tool's one window. The user enters the unit's address
// (mask and gateway follow it), picks the serial port and presses "Set IP"; the set-up runs on a
// worker thread while the buttons are disabled, and its result is shown in a message box. The
// window has a fixed size and opens in the middle of the screen.
#pragma once

#include <QMessageBox>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <thread>

#include "PortList.h"
#include "SetIpSequence.h"

class QComboBox;
class QPushButton;

namespace kvt::setip {

class IpAddressEdit;

class SetIpWindow : public QWidget {
    Q_OBJECT

  public:
    // Shows a message to the user; the default is a modal message box.
    using MessageHook =
        std::function<void(QMessageBox::Icon icon, const QString& caption, const QString& text)>;

    // extraPorts are listed after the ports found, for a port the lister cannot know (the
    // simulated unit's pseudo-terminal in the tests).
    explicit SetIpWindow(const QStringList& extraPorts = {},
                         const SerialDeviceLister& listDevices = ListSerialDevices,
                         QWidget* parent = nullptr);
    ~SetIpWindow() override;

    void setMessageHook(MessageHook hook);

    IpAddressEdit* ipEdit() const { return ipEdit_; }
    IpAddressEdit* maskEdit() const { return maskEdit_; }
    IpAddressEdit* gatewayEdit() const { return gatewayEdit_; }
    QComboBox* portList() const { return portList_; }
    QPushButton* setIpButton() const { return setIpButton_; }
    QPushButton* doneButton() const { return doneButton_; }

    // True from "Set IP" until its result has been shown.
    bool setUpRunning() const { return setUpRunning_; }

  signals:
    // The set-up has ended and closed the port; raised on the set-up's own thread.
    void setUpEnded(const kvt::setip::SetIpResult& result);

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

  private:
    void buildLayout();
    void fillPortList(const QStringList& extraPorts, const SerialDeviceLister& listDevices);
    void fitToScreen();
    void completeAddresses();
    void startSetUp();
    void finishSetUp(const SetIpResult& result);
    void setBusy(bool busy);
    void showMessage(QMessageBox::Icon icon, const QString& text);

    IpAddressEdit* ipEdit_ = nullptr;
    IpAddressEdit* maskEdit_ = nullptr;
    IpAddressEdit* gatewayEdit_ = nullptr;
    QComboBox* portList_ = nullptr;
    QPushButton* setIpButton_ = nullptr;
    QPushButton* doneButton_ = nullptr;
    MessageHook messageHook_;
    bool setUpRunning_ = false;
    bool closeWhenFinished_ = false;
    bool centred_ = false;
    // The set-up's thread; joined when its result arrives, or at the latest by the destructor.
    std::jthread setUp_;
};

}  // namespace kvt::setip
