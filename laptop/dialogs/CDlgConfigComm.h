// CDlgConfigComm: the communication settings. The user picks the port the engine connects
// through and, for "TCP/IP", the unit's network address from the list of addresses entered
// before (kept in the settings folder, edited here with CDlgIPAddress). OK hands both to the
// engine; Cancel changes nothing in the engine.
#pragma once

#include <QDialog>
#include <QString>
#include <optional>

#include "IKVT80.h"
#include "PortList.h"

class QComboBox;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace kvt::frontend {
class RemoteAddressStore;
}

namespace kvt::laptop {

class CDlgConfigComm : public QDialog {
    Q_OBJECT

  public:
    static inline const QString kNetworkPort = QStringLiteral("TCP/IP");

    // The port list holds "USB", "COM1" ... "COM9", "TCP/IP", then the serial devices the lister
    // finds, and the engine's current port when it is none of these.
    CDlgConfigComm(IKVT80& engine, frontend::RemoteAddressStore& addresses,
                   QWidget* parent = nullptr,
                   const setip::SerialDeviceLister& listDevices = setip::ListSerialDevices);

    QComboBox* PortList() const { return ports_; }
    QListWidget* AddressList() const { return addresses_; }
    // The selected address; empty when none is.
    QString SelectedAddress() const;

    // Whether a port name means the network link (the address controls apply to it).
    static bool IsNetworkPort(const QString& port);

  private:
    void FillPorts(const setip::SerialDeviceLister& listDevices);
    void FillAddresses();
    void UpdateAddressControls();
    void InsertAddress();
    void ModifyAddress();
    void DeleteAddress();
    // Selects the listed entry for the address (adding it when `add`); false when none.
    bool SelectAddress(const QString& address, bool add);
    QListWidgetItem* FindAddress(const QString& address) const;
    // The address the user entered, or nothing when the editor was cancelled.
    std::optional<QString> EditAddress(const QString& address);
    void accept() override;

    IKVT80& engine_;
    frontend::RemoteAddressStore& store_;
    QComboBox* ports_ = nullptr;
    QListWidget* addresses_ = nullptr;
    QPushButton* insert_ = nullptr;
    QPushButton* modify_ = nullptr;
    QPushButton* delete_ = nullptr;
};

}  // namespace kvt::laptop
