#include "DialogControls.h"

#include <QCoreApplication>
#include <QDialog>
#include <QPushButton>
#include <QWidget>

namespace kvt::laptop {

QString WithoutMnemonic(const QString& label) {
    QString shown;
    shown.reserve(label.size());
    for (qsizetype i = 0; i < label.size(); ++i) {
        // "&&" shows one ampersand.
        if (label[i] == '&' && i + 1 < label.size()) {
            ++i;
        }
        shown += label[i];
    }
    return shown;
}

void IdentifyControl(QWidget* control, int id, const QString& label) {
    control->setObjectName(QString::number(id));
    control->setAccessibleName(WithoutMnemonic(label));
}

QPushButton* AddDialogButton(QDialogButtonBox* box, const QString& text, int id,
                             QDialogButtonBox::ButtonRole role) {
    QPushButton* button = box->addButton(text, role);
    IdentifyControl(button, id, text);
    return button;
}

QDialogButtonBox* AddOkCancel(QDialog* dialog) {
    auto* box = new QDialogButtonBox(dialog);
    AddDialogButton(box, QCoreApplication::translate("DialogControls", "OK"), 1,
                    QDialogButtonBox::AcceptRole)
        ->setDefault(true);
    AddDialogButton(box, QCoreApplication::translate("DialogControls", "Cancel"), 2,
                    QDialogButtonBox::RejectRole);
    QObject::connect(box, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(box, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return box;
}

}  // namespace kvt::laptop
