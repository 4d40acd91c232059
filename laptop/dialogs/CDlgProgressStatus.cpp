#include "CDlgProgressStatus.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>

#include "DialogControls.h"
#include "Texts.h"

namespace kvt::laptop {

namespace {

bool AskToCancel(QWidget* dialog) {
    return QMessageBox::question(
               dialog, frontend::ProgramTitle(),
               CDlgProgressStatus::tr("Are you sure you want to cancel this action?"),
               QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) == QMessageBox::Yes;
}

}  // namespace

CDlgProgressStatus::CDlgProgressStatus(const QString& title, const QString& text, QWidget* parent)
    : QDialog(parent), cancelQuestion_(AskToCancel) {
    setWindowTitle(title);
    setModal(false);
    setAttribute(Qt::WA_DeleteOnClose);

    text_ = new QLabel(text, this);
    text_->setWordWrap(true);
    IdentifyControl(text_, 1385, text);
    progress_ = new QProgressBar(this);
    progress_->setTextVisible(false);
    progress_->setRange(0, 100);
    progress_->setValue(0);
    IdentifyControl(progress_, 1362, tr("Progress"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text_);
    layout->addWidget(progress_);
    setMinimumWidth(340);
}

void CDlgProgressStatus::SetProgress(const QString& text, int position, int end) {
    if (text_->text().compare(text, Qt::CaseInsensitive) != 0) {
        text_->setText(text);
        text_->setAccessibleName(text);
    }
    if (progress_->maximum() != end) {
        progress_->setRange(0, end);
    }
    // The engine's counts may run past the end the front end scales by; the bar stays full.
    progress_->setValue(std::clamp(position, progress_->minimum(), progress_->maximum()));
}

QString CDlgProgressStatus::Text() const {
    return text_->text();
}

int CDlgProgressStatus::Position() const {
    return progress_->value();
}

int CDlgProgressStatus::End() const {
    return progress_->maximum();
}

void CDlgProgressStatus::CloseQuietly() {
    closingQuietly_ = true;
    close();
}

void CDlgProgressStatus::SetCancelQuestion(CancelQuestion question) {
    cancelQuestion_ = std::move(question);
}

void CDlgProgressStatus::closeEvent(QCloseEvent* event) {
    if (closingQuietly_) {
        event->accept();
        return;
    }
    if (!cancelQuestion_ || !cancelQuestion_(this)) {
        event->ignore();
        return;
    }
    event->accept();
    emit cancelledByUser();
}

void CDlgProgressStatus::reject() {
    close();
}

}  // namespace kvt::laptop
