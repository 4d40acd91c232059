#include "CDlgPassword.h"

#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>

#include "DialogControls.h"

namespace kvt::laptop {

CDlgPassword::CDlgPassword(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Password Required"));

    auto* note = new QLabel(tr("A password is required to access the diagnostic features.  These "
                               "features should only be accessed if instructed by RDM support "
                               "personel."),
                            this);
    note->setWordWrap(true);
    auto* label = new QLabel(tr("Password:"), this);
    edit_ = new QLineEdit(this);
    edit_->setEchoMode(QLineEdit::Password);
    edit_->setMaxLength(kMaxPasswordLength);
    IdentifyControl(edit_, 1386, label->text());
    label->setBuddy(edit_);

    auto* buttons = AddOkCancel(this);

    auto* layout = new QGridLayout(this);
    layout->addWidget(note, 0, 0, 1, 2);
    layout->addWidget(label, 1, 0);
    layout->addWidget(edit_, 1, 1);
    layout->addWidget(buttons, 2, 0, 1, 2);
    setMinimumWidth(360);
    edit_->setFocus();
}

void CDlgPassword::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // The prompt comes up in the middle of other work; the beep draws the eye to it.
    if (!event->spontaneous()) {
        QApplication::beep();
    }
}

void CDlgPassword::accept() {
    password_ = edit_->text();
    QDialog::accept();
}

}  // namespace kvt::laptop
