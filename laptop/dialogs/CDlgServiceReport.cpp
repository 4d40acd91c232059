#include "CDlgServiceReport.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QDate>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QVBoxLayout>
#include <exception>

#include "EngineValues.h"
#include "ReportPdf.h"
#include "Version.h"

namespace kvt::laptop {

namespace {

QWidget* WithBrowse(QLineEdit* edit, QPushButton* browse, QWidget* parent) {
    auto* row = new QWidget(parent);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(edit, 1);
    layout->addWidget(browse);
    return row;
}

}  // namespace

CDlgServiceReport::CDlgServiceReport(IKVT80& engine, std::optional<ParameterImage> atConnect,
                                     QWidget* parent)
    : QDialog(parent), engine_(engine), atConnect_(std::move(atConnect)) {
    setWindowTitle(tr("Service Report"));
    auto* layout = new QVBoxLayout(this);
    auto* intro = new QLabel(
        tr("The report lists the unit, its profile, formats, equalizer curves, levels and "
           "delays, the recent event log, the result of Verify and the changes made since the "
           "unit was connected."),
        this);
    intro->setWordWrap(true);
    layout->addWidget(intro);

    auto* form = new QFormLayout;
    notes_ = new QPlainTextEdit(this);
    notes_->setObjectName(QStringLiteral("notes"));
    notes_->setPlaceholderText(tr("What was found and done during the visit"));
    notes_->setTabChangesFocus(true);
    form->addRow(tr("Technician's notes:"), notes_);

    roomEq_ = new QLineEdit(this);
    roomEq_->setObjectName(QStringLiteral("roomEqFile"));
    roomEq_->setPlaceholderText(tr("none"));
    auto* browseRoomEq = new QPushButton(tr("Browse..."), this);
    connect(browseRoomEq, &QPushButton::clicked, this, &CDlgServiceReport::BrowseRoomEq);
    form->addRow(tr("Room EQ report:"), WithBrowse(roomEq_, browseRoomEq, this));

    const QString serial = frontend::ReadText(engine_, &IKVT80::get_SerialNumber);
    output_ = new QLineEdit(SuggestedFile(serial), this);
    output_->setObjectName(QStringLiteral("outputFile"));
    auto* browseOutput = new QPushButton(tr("Browse..."), this);
    connect(browseOutput, &QPushButton::clicked, this, &CDlgServiceReport::BrowseOutput);
    form->addRow(tr("Report file:"), WithBrowse(output_, browseOutput, this));

    const bool connected = frontend::IsConnected(engine_);
    readLog_ = new QCheckBox(tr("Read the unit's event log"), this);
    readLog_->setObjectName(QStringLiteral("readLog"));
    verify_ = new QCheckBox(tr("Verify the unit (reads its whole configuration back)"), this);
    verify_->setObjectName(QStringLiteral("verify"));
    for (QCheckBox* box : {readLog_, verify_}) {
        box->setChecked(connected);
        box->setEnabled(connected);
        form->addRow(QString(), box);
    }
    layout->addLayout(form, 1);

    status_ = new QLabel(connected ? QString()
                                   : tr("The unit is not connected: the report shows the "
                                        "configuration the program holds."),
                         this);
    status_->setObjectName(QStringLiteral("status"));
    status_->setWordWrap(true);
    layout->addWidget(status_);

    auto* buttons = new QDialogButtonBox(this);
    write_ = buttons->addButton(tr("Write Report"), QDialogButtonBox::AcceptRole);
    write_->setObjectName(QStringLiteral("write"));
    write_->setDefault(true);
    close_ = buttons->addButton(tr("Close"), QDialogButtonBox::RejectRole);
    connect(write_, &QPushButton::clicked, this, &CDlgServiceReport::Write);
    connect(close_, &QPushButton::clicked, this, &CDlgServiceReport::reject);
    layout->addWidget(buttons);
    resize(560, 420);
}

CDlgServiceReport::~CDlgServiceReport() {
    if (job_.joinable()) {
        job_.join();
    }
}

QString CDlgServiceReport::SuggestedFile(const QString& serialNumber) {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty()) {
        folder = QDir::homePath();
    }
    QString serial = serialNumber.trimmed();
    serial.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9_.-]")), QStringLiteral("_"));
    const QString name = QStringLiteral("KVT-80 report %1%2.pdf")
                             .arg(serial.isEmpty() ? QString() : serial + QLatin1Char(' '),
                                  QDate::currentDate().toString(Qt::ISODate));
    return QDir(folder).filePath(name);
}

void CDlgServiceReport::BrowseOutput() {
    QFileDialog dialog(this, tr("Service Report"), output_->text(), tr("PDF Files (*.pdf)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()) {
        output_->setText(QDir::toNativeSeparators(dialog.selectedFiles().constFirst()));
    }
}

void CDlgServiceReport::BrowseRoomEq() {
    QFileDialog dialog(this, tr("Room EQ report"), roomEq_->text(), tr("Room EQ Reports (*.json)"));
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()) {
        roomEq_->setText(QDir::toNativeSeparators(dialog.selectedFiles().constFirst()));
    }
}

void CDlgServiceReport::Write() {
    if (busy_) {
        return;
    }
    const QString output = output_->text().trimmed();
    if (output.isEmpty()) {
        status_->setText(tr("Choose the file for the report."));
        return;
    }
    if (job_.joinable()) {
        job_.join();
    }
    report::GatherOptions options;
    options.readLog = readLog_->isEnabled() && readLog_->isChecked();
    options.verify = verify_->isEnabled() && verify_->isChecked();
    options.atConnect = atConnect_;
    options.roomEqPath = QDir::fromNativeSeparators(roomEq_->text().trimmed()).toStdString();
    options.notes = notes_->toPlainText().toStdString();
    options.program = (QStringLiteral("KVTExec ") + frontend::VersionText()).toStdString();
    SetBusy(true);
    status_->setText(options.verify ? tr("Reading the unit and verifying...")
                                    : tr("Writing the report..."));
    const std::string path = QDir::fromNativeSeparators(output).toStdString();
    emit reportStarted(options.readLog);
    // The dialog waits for this thread before it goes, so `this` outlives it.
    job_ = std::thread([this, options, path] {
        report::Gathered gathered;
        try {
            gathered = report::GatherReport(engine_, options);
        } catch (const std::exception& failure) {
            gathered.error = failure.what();
        }
        QString error = QString::fromStdString(gathered.error);
        QStringList notes;
        for (const std::string& note : gathered.notes) {
            notes << QString::fromStdString(note);
        }
        int pages = 0;
        QString verify;
        if (gathered.report) {
            report::PdfResult written;
            try {
                written = report::WriteReportPdf(*gathered.report, path);
            } catch (const std::exception& failure) {
                written.error = failure.what();
            }
            pages = written.pages;
            error = QString::fromStdString(written.error);
            const report::VerifyOutcome& outcome = gathered.report->verify;
            if (outcome.ran) {
                verify = outcome.status == status::Ok && outcome.mask == 0
                             ? tr("Verify passed.")
                             : tr("Verify found differences in: %1.")
                                   .arg(QString::fromStdString(
                                       report::VerifyMaskTextTranslated(outcome.mask)));
            }
        }
        QMetaObject::invokeMethod(
            this,
            [this, error, notes = notes.join(QStringLiteral("; ")), pages, verify] {
                Finished(error, notes, pages, verify);
            },
            Qt::QueuedConnection);
    });
}

void CDlgServiceReport::Finished(const QString& error, const QString& notes, int pages,
                                 const QString& verify) {
    if (job_.joinable()) {
        job_.join();
    }
    SetBusy(false);
    pagesWritten_ = pages;
    if (pages == 0) {
        status_->setText(tr("The report was not written: %1").arg(error));
        emit reportFinished(false);
        return;
    }
    QString text = tr("The report was written to %1 (%2 pages).")
                       .arg(QDir::toNativeSeparators(output_->text().trimmed()))
                       .arg(pages);
    if (!verify.isEmpty()) {
        text += QLatin1Char(' ') + verify;
    }
    if (!notes.isEmpty()) {
        text += QLatin1Char(' ') + tr("Not in the report: %1").arg(notes);
    }
    status_->setText(text);
    emit reportFinished(true);
}

void CDlgServiceReport::SetBusy(bool busy) {
    busy_ = busy;
    for (QWidget* widget : {static_cast<QWidget*>(write_), static_cast<QWidget*>(close_),
                            static_cast<QWidget*>(notes_), static_cast<QWidget*>(output_),
                            static_cast<QWidget*>(roomEq_)}) {
        widget->setEnabled(!busy);
    }
    setCursor(busy ? Qt::BusyCursor : Qt::ArrowCursor);
}

void CDlgServiceReport::reject() {
    if (!busy_) {
        QDialog::reject();
    }
}

void CDlgServiceReport::closeEvent(QCloseEvent* event) {
    if (busy_) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

}  // namespace kvt::laptop
