#include "CDlgIPAddress.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "DialogControls.h"

namespace kvt::laptop {

CDlgIPAddress::CDlgIPAddress(const QString& address, QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Insert/Modify IP Address"));

    auto* label = new QLabel(tr("IP address:"), this);
    edit_ = new QLineEdit(this);
    edit_->setMaxLength(kMaxAddressLength);
    edit_->setText(address);
    edit_->selectAll();
    IdentifyControl(edit_, 1566, label->text());
    label->setBuddy(edit_);

    auto* buttons = AddOkCancel(this);

    auto* row = new QHBoxLayout;
    row->addWidget(label);
    row->addWidget(edit_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(buttons);
    setMinimumWidth(320);
}

void CDlgIPAddress::accept() {
    address_ = edit_->text();
    QDialog::accept();
}

}  // namespace kvt::laptop
