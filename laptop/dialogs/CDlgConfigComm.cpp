#include "CDlgConfigComm.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <initializer_list>

#include "CDlgIPAddress.h"
#include "DialogControls.h"
#include "EngineValues.h"
#include "RemoteAddresses.h"

namespace kvt::laptop {

namespace {

// Port names other than device paths are the engine's own ("COM3", "com3:" and "COM3" are one
// port); device paths are file names and compare exactly.
QString PortKey(const QString& port) {
    if (port.startsWith('/')) {
        return port;
    }
    QString key = port.toUpper();
    if (key.endsWith(':')) {
        key.chop(1);
    }
    return key;
}

}  // namespace

CDlgConfigComm::CDlgConfigComm(IKVT80& engine, frontend::RemoteAddressStore& addresses,
                               QWidget* parent, const setip::SerialDeviceLister& listDevices)
    : QDialog(parent), engine_(engine), store_(addresses) {
    setWindowTitle(tr("Configure Communications"));

    auto* portLabel = new QLabel(tr("&Communications Port:"), this);
    ports_ = new QComboBox(this);
    ports_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    ports_->setMinimumContentsLength(16);
    IdentifyControl(ports_, 1003, portLabel->text());
    portLabel->setBuddy(ports_);

    addresses_ = new QListWidget(this);
    addresses_->setSelectionMode(QAbstractItemView::SingleSelection);
    IdentifyControl(addresses_, 1002, tr("Remote addresses"));

    insert_ = new QPushButton(tr("Insert..."), this);
    modify_ = new QPushButton(tr("Modify..."), this);
    delete_ = new QPushButton(tr("Delete"), this);
    IdentifyControl(insert_, 1001, insert_->text());
    IdentifyControl(modify_, 1567, modify_->text());
    IdentifyControl(delete_, 1004, delete_->text());
    for (QPushButton* button : {insert_, modify_, delete_}) {
        button->setAutoDefault(false);
    }

    auto* buttons = AddOkCancel(this);

    auto* addressButtons = new QVBoxLayout;
    addressButtons->addWidget(insert_);
    addressButtons->addWidget(modify_);
    addressButtons->addWidget(delete_);
    addressButtons->addStretch();
    auto* layout = new QGridLayout(this);
    layout->addWidget(portLabel, 0, 0);
    layout->addWidget(ports_, 0, 1);
    layout->addWidget(addresses_, 1, 0, 1, 2);
    layout->addLayout(addressButtons, 1, 2);
    layout->addWidget(buttons, 2, 0, 1, 3);
    layout->setColumnStretch(1, 1);

    FillPorts(listDevices);
    FillAddresses();
    UpdateAddressControls();

    connect(ports_, &QComboBox::currentTextChanged, this, &CDlgConfigComm::UpdateAddressControls);
    connect(insert_, &QPushButton::clicked, this, &CDlgConfigComm::InsertAddress);
    connect(modify_, &QPushButton::clicked, this, &CDlgConfigComm::ModifyAddress);
    connect(delete_, &QPushButton::clicked, this, &CDlgConfigComm::DeleteAddress);
}

bool CDlgConfigComm::IsNetworkPort(const QString& port) {
    return port.compare(kNetworkPort, Qt::CaseInsensitive) == 0;
}

QString CDlgConfigComm::SelectedAddress() const {
    const QList<QListWidgetItem*> selected = addresses_->selectedItems();
    return selected.isEmpty() ? QString() : selected.constFirst()->text();
}

void CDlgConfigComm::FillPorts(const setip::SerialDeviceLister& listDevices) {
    QStringList names;
    for (const std::string& port : setip::BuildPortList(listDevices)) {
        names.append(QString::fromStdString(port));
    }
    // The network port follows the COM ports, ahead of the devices found.
    const qsizetype firstDevice = names.indexOf(QStringLiteral("COM9")) + 1;
    names.insert(firstDevice, kNetworkPort);
    ports_->addItems(names);

    Variant value;
    const QString current =
        engine_.get_ComPort(&value) == status::Ok ? frontend::ToQString(value.StringValue()) : "";
    if (current.isEmpty()) {
        return;
    }
    for (int i = 0; i < ports_->count(); ++i) {
        if (PortKey(ports_->itemText(i)) == PortKey(current)) {
            ports_->setCurrentIndex(i);
            return;
        }
    }
    // A device that is not plugged in now, or a pseudo-terminal: still the engine's port.
    ports_->addItem(current);
    ports_->setCurrentIndex(ports_->count() - 1);
}

void CDlgConfigComm::FillAddresses() {
    addresses_->addItems(store_.List());
    std::u16string current;
    if (engine_.get_RemoteAddress(&current) == status::Ok && !current.empty()) {
        SelectAddress(frontend::ToQString(current), false);
    }
}

void CDlgConfigComm::UpdateAddressControls() {
    const bool network = IsNetworkPort(ports_->currentText());
    for (QWidget* control :
         std::initializer_list<QWidget*>{addresses_, insert_, modify_, delete_}) {
        control->setEnabled(network);
    }
}

QListWidgetItem* CDlgConfigComm::FindAddress(const QString& address) const {
    for (int i = 0; i < addresses_->count(); ++i) {
        if (addresses_->item(i)->text().compare(address, Qt::CaseInsensitive) == 0) {
            return addresses_->item(i);
        }
    }
    return nullptr;
}

bool CDlgConfigComm::SelectAddress(const QString& address, bool add) {
    QListWidgetItem* item = FindAddress(address);
    if (item == nullptr && add) {
        addresses_->addItem(address);
        item = addresses_->item(addresses_->count() - 1);
    }
    if (item == nullptr) {
        return false;
    }
    addresses_->setCurrentItem(item);
    addresses_->scrollToItem(item);
    return true;
}

std::optional<QString> CDlgConfigComm::EditAddress(const QString& address) {
    CDlgIPAddress editor(address, this);
    if (editor.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return editor.Address();
}

void CDlgConfigComm::InsertAddress() {
    const auto address = EditAddress({});
    if (!address) {
        return;
    }
    // An address listed already (in any case) is selected, not added twice; one that could
    // not be stored is not listed. Another running copy may have stored it since we opened.
    const bool added = store_.Insert(*address);
    SelectAddress(*address, added || store_.Contains(*address));
}

void CDlgConfigComm::ModifyAddress() {
    QListWidgetItem* item = addresses_->currentItem();
    if (item == nullptr || !item->isSelected()) {
        return;
    }
    const QString old = item->text();
    const auto address = EditAddress(old);
    if (!address || !store_.Replace(old, *address)) {
        return;
    }
    delete item;
    SelectAddress(*address, true);
}

void CDlgConfigComm::DeleteAddress() {
    QListWidgetItem* item = addresses_->currentItem();
    if (item == nullptr || !item->isSelected()) {
        return;
    }
    store_.Remove(item->text());
    if (!store_.Contains(item->text())) {
        delete item;
    }
}

void CDlgConfigComm::accept() {
    // A name the engine refuses is its concern; it keeps the port it had.
    engine_.put_ComPort(frontend::TextVariant(ports_->currentText()));
    engine_.put_RemoteAddress(frontend::ToU16(SelectedAddress()));
    QDialog::accept();
}

}  // namespace kvt::laptop
