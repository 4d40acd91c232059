// CDlgEventLog: the "Event Log" tab. It reads the unit's event log into a three-column list
// (date, time, description), sorts it by a click on a column's header, saves it to disk, clears the
// log in the unit after asking, and opens the unit clock dialog through the frame.
//
// Reading is done by the engine's worker: "Update" only asks for the log, and the entries arrive
// as EventEntry events while the page stays usable. The unit does not say how many entries it
// holds, so the page shows a running count and calls the read done once the entries have stopped
// arriving. A second "Update" appends the log again, as the unit sends it.
//
// The engine raises the entries of every dump, whoever asked for it: the page takes them only while
// a read of its own awaits its dump. A service report reads the log too; while it does, the frame
// says so, "Update" waits for it, and a read of the page's own that has had no entries yet is given
// up (the two dumps could not be told apart).
//
// Saving writes either the event-log text file (one entry a line, "MM/DD/YY HH:MM:SS text", in the
// unit's 8-bit code page) or, for a name ending in ".csv", a CSV file with a header row that
// spreadsheets open directly (ISO dates, UTF-8). A file is replaced only once it is completely
// written; a failure is reported.
#pragma once

#include <QByteArray>
#include <QString>
#include <QWidget>
#include <optional>
#include <vector>

#include "IKVT80.h"

class QLabel;
class QProgressBar;
class QPushButton;
class QTableWidget;
class QTimer;

namespace kvt::frontend {
class EngineBridge;
}

namespace kvt::laptop {

class CDlgEventLog : public QWidget {
    Q_OBJECT

  public:
    enum Column : int { kDateColumn, kTimeColumn, kDescriptionColumn, kColumnCount };

    // One entry as listed: the packed values of the EventEntry event and the texts shown.
    struct ListedEntry {
        int32_t date = 0;  // (YY << 16) | (MM << 8) | DD
        int32_t time = 0;  // (HH << 16) | (MM << 8) | SS
        QString dateText;  // MM/DD/YY
        QString timeText;  // HH:MM:SS
        QString description;
    };

    enum class FileFormat { EventLog, Csv };

    // Entries have stopped arriving once none came for this long (the engine raises a whole dump
    // at once); without any entry the page waits as long as the engine waits for a silent unit.
    static constexpr int kEntriesSettleMs = 1000;
    static constexpr int kNoEntriesLimitMs = 35000;
    // Other waits (tests use short ones).
    void SetReadWaits(int entriesSettleMs, int noEntriesLimitMs) {
        entriesSettleMs_ = entriesSettleMs;
        noEntriesLimitMs_ = noEntriesLimitMs;
    }

    CDlgEventLog(IKVT80& engine, frontend::EngineBridge& bridge, QWidget* parent = nullptr);

    QTableWidget& List() const { return *list_; }
    // The entries in list order.
    std::vector<ListedEntry> Entries() const;
    bool Reading() const { return reading_; }

    // The texts of a file in either format.
    static QByteArray FileText(const std::vector<ListedEntry>& entries, FileFormat format);
    // The format a file name asks for: ".csv" gives CSV, anything else the event-log text.
    static FileFormat FormatOfFile(const QString& path);
    // Writes the list to the file; on failure the file is left as it was and the reason given.
    bool SaveEntries(const QString& path, QString* error) const;

  public slots:
    // The connection may have changed: the buttons that need the unit follow it.
    void Refresh();
    // An entry the unit sent: appended at the end of the list.
    void AddEntry(int date, int time, const QString& description);
    // A service report is reading the unit's log (true) or has done so (false).
    void SetReportReadingLog(bool reading);
    // The buttons.
    void Update();
    void ClearLog();
    void SaveToDisk();
    // A click on a column's header: ascending first, then the other way on each further click.
    void SortByColumn(int column);

  signals:
    // "Set Date/Time...": the frame opens the unit clock dialog.
    void setDateTimeRequested();

  protected:
    // The questions and messages; tests answer them without windows.
    virtual bool AskClearLog();
    virtual std::optional<QString> AskSaveFileName(const QString& startFolder);
    virtual void ShowError(const QString& text);

  private:
    // An entry the engine raised: the page's only while it awaits a dump it asked for.
    void TakeEntry(int date, int time, const QString& description);
    void FinishReading();
    void ShowReadStatus();

    IKVT80& engine_;
    QTableWidget* list_ = nullptr;
    QPushButton* update_ = nullptr;
    QPushButton* clear_ = nullptr;
    QPushButton* setDateTime_ = nullptr;
    QPushButton* save_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QLabel* readStatus_ = nullptr;
    QTimer* readSettle_ = nullptr;
    int entriesSettleMs_ = kEntriesSettleMs;
    int noEntriesLimitMs_ = kNoEntriesLimitMs;
    bool reading_ = false;
    // A dump the page asked for has not come yet; it may come after the read has been given up.
    bool dumpAwaited_ = false;
    bool reportReadingLog_ = false;
    int entriesRead_ = 0;
    int sortColumn_ = -1;
    bool ascending_ = true;
    QString saveFolder_;
};

}  // namespace kvt::laptop
