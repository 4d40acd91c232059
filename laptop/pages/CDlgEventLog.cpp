#include "CDlgEventLog.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <array>
#include <tuple>

#include "EngineBridge.h"
#include "EngineValues.h"
#include "Texts.h"
#include "text/Codepage.h"

namespace kvt::laptop {

namespace {

constexpr int kListId = 1535;
constexpr int kUpdateId = 1536;
constexpr int kClearId = 1537;
constexpr int kSetDateTimeId = 1538;
constexpr int kSaveId = 1553;

constexpr std::array<int, CDlgEventLog::kColumnCount> kColumnWidths{100, 100, 400};

// The packed date or time of an entry, as the list item keeps it.
constexpr int kPackedRole = Qt::UserRole;

int Field(int32_t packed, int shift) {
    return (packed >> shift) & 0xFF;
}

QString TwoDigits(int value) {
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

// "MM/DD/YY" or "HH:MM:SS" read back as its three numbers.
std::array<int, 3> ShownFields(const QString& text, QChar separator) {
    std::array<int, 3> fields{};
    const QStringList parts = text.split(separator);
    for (size_t i = 0; i < fields.size() && i < static_cast<size_t>(parts.size()); ++i) {
        fields[i] = parts[static_cast<qsizetype>(i)].toInt();
    }
    return fields;
}

// The list's order by column: dates by year (YY + 2000), month and day; times by hour, minute
// and second; descriptions as text regardless of case.
bool ShownBefore(int column, const QString& left, const QString& right) {
    switch (column) {
        case CDlgEventLog::kDateColumn: {
            const auto a = ShownFields(left, QLatin1Char('/'));
            const auto b = ShownFields(right, QLatin1Char('/'));
            return std::tuple(a[2] + 2000, a[0], a[1]) < std::tuple(b[2] + 2000, b[0], b[1]);
        }
        case CDlgEventLog::kTimeColumn:
            return ShownFields(left, QLatin1Char(':')) < ShownFields(right, QLatin1Char(':'));
        default:
            return QString::compare(left, right, Qt::CaseInsensitive) < 0;
    }
}

class EntryItem : public QTableWidgetItem {
  public:
    EntryItem(const QString& text, int32_t packed) : QTableWidgetItem(text) {
        setData(kPackedRole, packed);
        setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    }

    bool operator<(const QTableWidgetItem& other) const override {
        return ShownBefore(column(), text(), other.text());
    }
};

// The unit's 8-bit code page; a character it cannot carry (none the unit sent) becomes "?".
QByteArray ToUnitText(const QString& text) {
    QByteArray bytes;
    bytes.reserve(text.size());
    for (const QChar c : text) {
        const std::u16string one(1, static_cast<char16_t>(c.unicode()));
        if (const auto converted = ToCp1252(one)) {
            bytes.append(converted->data(), static_cast<qsizetype>(converted->size()));
        } else if (c.unicode() >= 0x80 && c.unicode() < 0xA0) {
            // The bytes the code page leaves undefined came in as these characters.
            bytes.append(static_cast<char>(c.unicode()));
        } else {
            bytes.append('?');
        }
    }
    return bytes;
}

QString CsvField(const QString& text) {
    const bool quoted = text.contains(QLatin1Char(',')) || text.contains(QLatin1Char('"')) ||
                        text.contains(QLatin1Char('\r')) || text.contains(QLatin1Char('\n')) ||
                        text.startsWith(QLatin1Char(' ')) || text.endsWith(QLatin1Char(' '));
    if (!quoted) {
        return text;
    }
    QString doubled = text;
    doubled.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + doubled + QLatin1Char('"');
}

QString IsoDate(int32_t date) {
    return QStringLiteral("%1-%2-%3")
        .arg(2000 + Field(date, 16))
        .arg(TwoDigits(Field(date, 8)), TwoDigits(Field(date, 0)));
}

}  // namespace

CDlgEventLog::CDlgEventLog(IKVT80& engine, frontend::EngineBridge& bridge, QWidget* parent)
    : QWidget(parent), engine_(engine) {
    auto* title = new QLabel(tr("Event Log:"), this);

    list_ = new QTableWidget(0, kColumnCount, this);
    list_->setObjectName(QString::number(kListId));
    list_->setAccessibleName(tr("Event Log"));
    list_->setHorizontalHeaderLabels({tr("Date"), tr("Time"), tr("Description")});
    list_->setShowGrid(true);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->setWordWrap(false);
    list_->verticalHeader()->hide();
    list_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    list_->verticalHeader()->setDefaultSectionSize(list_->fontMetrics().height() + 6);
    QHeaderView* header = list_->horizontalHeader();
    for (int column = 0; column < kColumnCount; ++column) {
        header->resizeSection(column, kColumnWidths[column]);
    }
    header->setStretchLastSection(true);
    header->setHighlightSections(false);
    header->setSectionsClickable(true);
    connect(header, &QHeaderView::sectionClicked, this, &CDlgEventLog::SortByColumn);
    title->setBuddy(list_);

    const auto button = [this](int id, const QString& text) {
        auto* pushButton = new QPushButton(text, this);
        pushButton->setObjectName(QString::number(id));
        pushButton->setAccessibleName(text);
        return pushButton;
    };
    update_ = button(kUpdateId, tr("Update"));
    clear_ = button(kClearId, tr("Clear"));
    setDateTime_ = button(kSetDateTimeId, tr("Set Date/Time..."));
    save_ = button(kSaveId, tr("Save to Disk..."));
    connect(update_, &QPushButton::clicked, this, &CDlgEventLog::Update);
    connect(clear_, &QPushButton::clicked, this, &CDlgEventLog::ClearLog);
    connect(setDateTime_, &QPushButton::clicked, this, &CDlgEventLog::setDateTimeRequested);
    connect(save_, &QPushButton::clicked, this, &CDlgEventLog::SaveToDisk);

    readStatus_ = new QLabel(this);
    readStatus_->setObjectName(QStringLiteral("readStatus"));
    // A long status wraps; it never widens the window.
    readStatus_->setWordWrap(true);
    readStatus_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    progress_ = new QProgressBar(this);
    progress_->setObjectName(QStringLiteral("readProgress"));
    progress_->setRange(0, 0);
    progress_->setTextVisible(false);
    progress_->setMaximumWidth(160);
    progress_->hide();
    readSettle_ = new QTimer(this);
    readSettle_->setSingleShot(true);
    connect(readSettle_, &QTimer::timeout, this, &CDlgEventLog::FinishReading);

    auto* buttons = new QHBoxLayout;
    for (QPushButton* pushButton : {update_, clear_, setDateTime_, save_}) {
        buttons->addWidget(pushButton);
    }
    buttons->addSpacing(12);
    buttons->addWidget(readStatus_, 1);
    buttons->addWidget(progress_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title);
    layout->addWidget(list_, 1);
    layout->addLayout(buttons);

    saveFolder_ = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (saveFolder_.isEmpty() || !QFileInfo(saveFolder_).isDir()) {
        saveFolder_ = QDir::homePath();
    }

    connect(&bridge, &frontend::EngineBridge::eventEntry, this, &CDlgEventLog::TakeEntry);
    Refresh();
}

void CDlgEventLog::Refresh() {
    const bool connected = frontend::IsConnected(engine_);
    update_->setEnabled(connected && !reportReadingLog_);
    setDateTime_->setEnabled(connected);
    // The engine keeps a clear request until the unit is ready: pressed while not connected, it
    // would erase the log at the next connection without anyone having been asked then.
    clear_->setEnabled(connected);
    if (!connected) {
        // The engine drops a dump it has not served when the unit goes.
        dumpAwaited_ = false;
        if (reading_) {
            FinishReading();
        }
    }
}

// ---- Reading ------------------------------------------------------------------------------------

void CDlgEventLog::Update() {
    if (!frontend::IsConnected(engine_) || reportReadingLog_) {
        return;
    }
    VariantBool ready = VARIANT_FALSE;
    engine_.get_Initialized(&ready);
    if (ready != VARIANT_TRUE) {
        // The engine drops a dump asked for while the unit is not ready.
        readStatus_->setText(tr("The unit is not ready; the event log cannot be read now."));
        return;
    }
    engine_.QueryEventLog();
    reading_ = true;
    dumpAwaited_ = true;
    entriesRead_ = 0;
    progress_->show();
    ShowReadStatus();
    readSettle_->start(noEntriesLimitMs_);
}

void CDlgEventLog::AddEntry(int date, int time, const QString& description) {
    const QString dateText =
        QStringLiteral("%1/%2/%3")
            .arg(TwoDigits(Field(date, 8)), TwoDigits(Field(date, 0)), TwoDigits(Field(date, 16)));
    const QString timeText =
        QStringLiteral("%1:%2:%3")
            .arg(TwoDigits(Field(time, 16)), TwoDigits(Field(time, 8)), TwoDigits(Field(time, 0)));
    const int row = list_->rowCount();
    list_->insertRow(row);
    list_->setItem(row, kDateColumn, new EntryItem(dateText, date));
    list_->setItem(row, kTimeColumn, new EntryItem(timeText, time));
    list_->setItem(row, kDescriptionColumn, new EntryItem(description, 0));
    // The list is in no column's order any more once an entry is added at its end.
    list_->horizontalHeader()->setSortIndicatorShown(false);
}

void CDlgEventLog::TakeEntry(int date, int time, const QString& description) {
    if (!dumpAwaited_) {
        return;
    }
    AddEntry(date, time, description);
    ++entriesRead_;
    // A dump that comes after the read was given up is still the one asked for.
    reading_ = true;
    progress_->show();
    readSettle_->start(entriesSettleMs_);
    ShowReadStatus();
}

void CDlgEventLog::SetReportReadingLog(bool reading) {
    reportReadingLog_ = reading;
    if (reading && dumpAwaited_) {
        if (entriesRead_ > 0) {
            // The engine raises a dump whole: the page's has come.
            FinishReading();
        } else {
            // The report's request may be served by the page's dump or follow it: nothing that
            // arrives now can be told to be the page's alone.
            dumpAwaited_ = false;
            FinishReading();
            readStatus_->setText(
                tr("The service report is reading the event log; press Update "
                   "again once the report is written."));
        }
    }
    Refresh();
}

void CDlgEventLog::ShowReadStatus() {
    readStatus_->setText(
        tr("Reading the event log from the unit...  Entries so far: %1").arg(entriesRead_));
}

void CDlgEventLog::FinishReading() {
    reading_ = false;
    if (entriesRead_ > 0) {
        dumpAwaited_ = false;
    }
    readSettle_->stop();
    progress_->hide();
    readStatus_->setText(entriesRead_ > 0 ? tr("Entries read: %1").arg(entriesRead_)
                                          : tr("No entries arrived from the unit: its log is "
                                               "empty, or it did not answer."));
}

std::vector<CDlgEventLog::ListedEntry> CDlgEventLog::Entries() const {
    std::vector<ListedEntry> entries;
    entries.reserve(static_cast<size_t>(list_->rowCount()));
    for (int row = 0; row < list_->rowCount(); ++row) {
        const QTableWidgetItem* date = list_->item(row, kDateColumn);
        const QTableWidgetItem* time = list_->item(row, kTimeColumn);
        const QTableWidgetItem* description = list_->item(row, kDescriptionColumn);
        entries.push_back({date->data(kPackedRole).toInt(), time->data(kPackedRole).toInt(),
                           date->text(), time->text(), description->text()});
    }
    return entries;
}

// ---- Sorting ------------------------------------------------------------------------------------

void CDlgEventLog::SortByColumn(int column) {
    if (column < 0 || column >= kColumnCount) {
        return;
    }
    ascending_ = column != sortColumn_ ? true : !ascending_;
    sortColumn_ = column;
    const Qt::SortOrder order = ascending_ ? Qt::AscendingOrder : Qt::DescendingOrder;
    list_->sortItems(column, order);
    list_->horizontalHeader()->setSortIndicatorShown(true);
    list_->horizontalHeader()->setSortIndicator(column, order);
}

// ---- Clearing -----------------------------------------------------------------------------------

void CDlgEventLog::ClearLog() {
    if (!frontend::IsConnected(engine_) || !AskClearLog()) {
        return;
    }
    engine_.ClearLog();
    if (reading_ && entriesRead_ > 0) {
        // The dump has come whole; what follows is no longer the page's.
        FinishReading();
    }
    list_->setRowCount(0);
    entriesRead_ = 0;
    readStatus_->setText(tr("The unit's event log is being cleared."));
}

bool CDlgEventLog::AskClearLog() {
    return QMessageBox::question(this, frontend::ProgramTitle(),
                                 tr("Clear the event log in the KVT unit?  Its entries are erased "
                                    "and cannot be read again; save them to disk first if they "
                                    "are needed."),
                                 QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) == QMessageBox::Yes;
}

// ---- Saving -------------------------------------------------------------------------------------

CDlgEventLog::FileFormat CDlgEventLog::FormatOfFile(const QString& path) {
    return QFileInfo(path).suffix().compare(QLatin1String("csv"), Qt::CaseInsensitive) == 0
               ? FileFormat::Csv
               : FileFormat::EventLog;
}

QByteArray CDlgEventLog::FileText(const std::vector<ListedEntry>& entries, FileFormat format) {
    QByteArray text;
    if (format == FileFormat::EventLog) {
        for (const ListedEntry& entry : entries) {
            text += ToUnitText(entry.dateText + QLatin1Char(' ') + entry.timeText +
                               QLatin1Char(' ') + entry.description);
            text += "\r\n";
        }
        return text;
    }
    // The byte-order mark tells spreadsheets the file is UTF-8.
    QString csv = QString(QChar(0xFEFF)) + QStringLiteral("Date,Time,Description\r\n");
    for (const ListedEntry& entry : entries) {
        csv += IsoDate(entry.date) + QLatin1Char(',') + entry.timeText + QLatin1Char(',') +
               CsvField(entry.description) + QStringLiteral("\r\n");
    }
    return csv.toUtf8();
}

bool CDlgEventLog::SaveEntries(const QString& path, QString* error) const {
    QSaveFile file(path);
    const QByteArray text = FileText(Entries(), FormatOfFile(path));
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size() || !file.commit()) {
        if (error != nullptr) {
            *error = file.errorString();
        }
        return false;
    }
    return true;
}

void CDlgEventLog::SaveToDisk() {
    const std::optional<QString> path = AskSaveFileName(saveFolder_);
    if (!path) {
        return;
    }
    QString error;
    if (!SaveEntries(*path, &error)) {
        ShowError(tr("The event log could not be saved to %1.\n\n%2")
                      .arg(QDir::toNativeSeparators(*path), error));
        return;
    }
    saveFolder_ = QFileInfo(*path).absolutePath();
}

std::optional<QString> CDlgEventLog::AskSaveFileName(const QString& startFolder) {
    const QString logFilter = tr("Event Logs (*.log)");
    const QString csvFilter = tr("CSV Files (*.csv)");
    QFileDialog dialog(this, tr("Save to Disk"), startFolder);
    dialog.setNameFilters({logFilter, csvFilter});
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("log"));
    connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog, csvFilter](const QString& f) {
        dialog.setDefaultSuffix(f == csvFilter ? QStringLiteral("csv") : QStringLiteral("log"));
    });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().constFirst();
}

void CDlgEventLog::ShowError(const QString& text) {
    QMessageBox::critical(this, frontend::ProgramTitle(), text);
}

}  // namespace kvt::laptop
