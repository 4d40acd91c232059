// CDlgServiceReport: writes the service report of the visit as a PDF. The technician types the
// notes, may add the room EQ assistant's JSON report and chooses the file; the event log is read,
// Verify runs and the PDF is written on a thread of the dialog's own, so the GUI never waits for
// the unit. The dialog cannot be closed while that runs.
#pragma once

#include <QDialog>
#include <QString>
#include <atomic>
#include <optional>
#include <thread>

#include "IKVT80.h"
#include "ServiceReport.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace kvt::laptop {

class CDlgServiceReport : public QDialog {
    Q_OBJECT

  public:
    // atConnect: the configuration the engine held when the visit's connection was made.
    CDlgServiceReport(IKVT80& engine, std::optional<ParameterImage> atConnect,
                      QWidget* parent = nullptr);
    ~CDlgServiceReport() override;

    QPlainTextEdit& Notes() const { return *notes_; }
    QLineEdit& OutputFile() const { return *output_; }
    QLineEdit& RoomEqFile() const { return *roomEq_; }
    QCheckBox& ReadLog() const { return *readLog_; }
    QCheckBox& RunVerify() const { return *verify_; }
    QPushButton& WriteButton() const { return *write_; }
    QLabel& Status() const { return *status_; }
    bool Busy() const { return busy_; }
    // Pages of the last report written (0 until one was).
    int PagesWritten() const { return pagesWritten_; }

    // A file name for the report: the serial number and today's date, in the user's documents.
    static QString SuggestedFile(const QString& serialNumber);

  signals:
    // A report is being gathered; readsLog: it reads the unit's event log.
    void reportStarted(bool readsLog);
    void reportFinished(bool written);

  public slots:
    void Write();
    // Refused while the report is being written.
    void reject() override;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void BrowseOutput();
    void BrowseRoomEq();
    void Finished(const QString& error, const QString& notes, int pages, const QString& verify);
    void SetBusy(bool busy);

    IKVT80& engine_;
    std::optional<ParameterImage> atConnect_;
    QPlainTextEdit* notes_ = nullptr;
    QLineEdit* output_ = nullptr;
    QLineEdit* roomEq_ = nullptr;
    QCheckBox* readLog_ = nullptr;
    QCheckBox* verify_ = nullptr;
    QPushButton* write_ = nullptr;
    QPushButton* close_ = nullptr;
    QLabel* status_ = nullptr;
    bool busy_ = false;
    int pagesWritten_ = 0;
    std::thread job_;
};

}  // namespace kvt::laptop
