#include "CFlowFrame.h"

#include <QGuiApplication>
#include <QMessageBox>

namespace kvt::frontend {

SaveChangesAnswer CFlowFrame::AskSaveChanges(const QString& fileName) {
    if (answerAutomatically_) {
        return SaveChangesAnswer::No;
    }
    const auto answer = QMessageBox::question(
        this, Caption(), tr("Save changes to %1?").arg(fileName),
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
    if (answer == QMessageBox::Yes) {
        return SaveChangesAnswer::Yes;
    }
    return answer == QMessageBox::No ? SaveChangesAnswer::No : SaveChangesAnswer::Cancel;
}

bool CFlowFrame::AskYesNo(const QString& text) {
    if (answerAutomatically_) {
        return false;
    }
    return QMessageBox::question(this, Caption(), text, QMessageBox::Yes | QMessageBox::No) ==
           QMessageBox::Yes;
}

void CFlowFrame::ShowWarning(const QString& text) {
    if (answerAutomatically_) {
        qWarning("%s", qPrintable(text));
        return;
    }
    QMessageBox::warning(this, Caption(), text);
}

void CFlowFrame::ShowError(const QString& text) {
    if (answerAutomatically_) {
        qWarning("%s", qPrintable(text));
        return;
    }
    QMessageBox::critical(this, Caption(), text);
}

bool CFlowFrame::ControlHeld() const {
    return (QGuiApplication::queryKeyboardModifiers() & Qt::ControlModifier) != 0;
}

}  // namespace kvt::frontend
