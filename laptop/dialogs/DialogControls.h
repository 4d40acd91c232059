// How the dialogs name their controls: the object name is the control's numeric identifier,
// the accessible name its visible label. Tests and screen readers find controls by them.
#pragma once

#include <QDialogButtonBox>
#include <QString>

class QDialog;
class QPushButton;
class QWidget;

namespace kvt::laptop {

// The label as it reads on screen: "&Communications Port:" gives "Communications Port:".
QString WithoutMnemonic(const QString& label);

void IdentifyControl(QWidget* control, int id, const QString& label);

// A push button in the box with the given identifier (1 OK/Yes, 2 Cancel, or the dialog's own).
QPushButton* AddDialogButton(QDialogButtonBox* box, const QString& text, int id,
                             QDialogButtonBox::ButtonRole role);

// The dialog's OK (1, the default button) and Cancel (2) in a new box, accepting and rejecting
// the dialog. The caller places the box in its layout.
QDialogButtonBox* AddOkCancel(QDialog* dialog);

}  // namespace kvt::laptop
