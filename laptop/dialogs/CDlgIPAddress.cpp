#include "CDlgIPAddress.h"

#include <QDialogButtonBox>
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

    auto* buttons = new QDialogButtonBox(this);
    AddDialogButton(buttons, tr("OK"), 1, QDialogButtonBox::AcceptRole)->setDefault(true);
    AddDialogButton(buttons, tr("Cancel"), 2, QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &CDlgIPAddress::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CDlgIPAddress::reject);

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
