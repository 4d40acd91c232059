#include "CDlgChangeFormatName.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "DialogControls.h"

namespace kvt::laptop {

CDlgChangeFormatName::CDlgChangeFormatName(const QString& name, QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Change Format Name"));

    auto* label = new QLabel(tr("Format Name:"), this);
    edit_ = new QLineEdit(this);
    edit_->setMaxLength(kMaxNameLength);
    edit_->setText(name.left(kMaxNameLength));
    edit_->selectAll();
    IdentifyControl(edit_, 1568, label->text());
    label->setBuddy(edit_);

    auto* buttons = AddOkCancel(this);

    auto* layout = new QGridLayout(this);
    layout->addWidget(label, 0, 0);
    layout->addWidget(edit_, 0, 1);
    layout->addWidget(buttons, 1, 0, 1, 2);
    setMinimumWidth(300);
    edit_->setFocus();
}

void CDlgChangeFormatName::accept() {
    name_ = edit_->text();
    QDialog::accept();
}

}  // namespace kvt::laptop
