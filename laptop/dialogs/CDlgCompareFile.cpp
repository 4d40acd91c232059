#include "CDlgCompareFile.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableWidget>
#include <QVBoxLayout>

#include "ConfigSources.h"
#include "ServiceReport.h"

namespace kvt::laptop {

CDlgCompareFile::CDlgCompareFile(IKVT80& engine, const QString& path, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(tr("Compare With File"));
    auto* layout = new QVBoxLayout(this);
    summary_ = new QLabel(this);
    summary_->setObjectName(QStringLiteral("summary"));
    summary_->setWordWrap(true);
    layout->addWidget(summary_);
    table_ = new QTableWidget(0, 4, this);
    table_->setObjectName(QStringLiteral("differences"));
    table_->setHorizontalHeaderLabels({tr("Field"), tr("Index"), tr("Engine"), tr("File")});
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->verticalHeader()->hide();
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table_->horizontalHeader()->setSectionResizeMode(2, QHeaderView::Stretch);
    table_->horizontalHeader()->setSectionResizeMode(3, QHeaderView::Stretch);
    table_->setAlternatingRowColors(true);
    layout->addWidget(table_, 1);
    notes_ = new QLabel(this);
    notes_->setObjectName(QStringLiteral("notes"));
    notes_->setWordWrap(true);
    notes_->hide();
    layout->addWidget(notes_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setText(tr("Close"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(640, 420);

    const QString shown = QDir::toNativeSeparators(path);
    const config::LoadedConfiguration file = config::LoadConfigurationFile(path.toStdString());
    const std::optional<ParameterImage> image = report::EngineImage(engine);
    if (!file.image || !image) {
        summary_->setText(
            tr("The file %1 could not be compared: %2")
                .arg(shown, QString::fromStdString(file.image ? std::string("no engine image")
                                                              : file.error)));
        table_->hide();
        return;
    }
    loaded_ = true;
    if (!file.notes.empty()) {
        QStringList lines;
        for (const std::string& note : file.notes) {
            lines << QString::fromStdString(note);
        }
        notes_->setText(tr("Not taken from the file: %1").arg(lines.join(QStringLiteral("; "))));
        notes_->show();
    }
    const std::vector<config::FieldDifference> differences =
        report::ReadableDifferences(config::Differences(*image, *file.image));
    if (differences.empty()) {
        summary_->setText(tr("The engine's configuration and %1 are the same.").arg(shown));
    } else {
        summary_->setText(tr("Fields in which the engine's configuration differs from %1: %2")
                              .arg(shown)
                              .arg(differences.size()));
    }
    Fill(differences);
}

std::pair<QString, QString> CDlgCompareFile::SplitName(const QString& name) {
    const qsizetype bracket = name.indexOf(QLatin1Char('['));
    if (bracket < 0) {
        return {name, QString()};
    }
    QStringList indexes;
    static const QRegularExpression kIndex(QStringLiteral("\\[(\\d+)\\]"));
    for (auto match = kIndex.globalMatch(name, bracket); match.hasNext();) {
        indexes << match.next().captured(1);
    }
    return {name.left(bracket), indexes.join(QStringLiteral(", "))};
}

QString CDlgCompareFile::ValueText(const config::Json& value) {
    if (value.is_string()) {
        return QString::fromStdString(value.get<std::string>());
    }
    if (value.is_null()) {
        return QString();
    }
    return QString::fromStdString(value.dump());
}

void CDlgCompareFile::Fill(const std::vector<config::FieldDifference>& differences) {
    table_->setRowCount(static_cast<int>(differences.size()));
    for (int row = 0; row < static_cast<int>(differences.size()); ++row) {
        const config::FieldDifference& difference = differences[static_cast<size_t>(row)];
        const auto [field, index] = SplitName(QString::fromStdString(difference.name));
        const QString values[] = {field, index, ValueText(difference.first),
                                  ValueText(difference.second)};
        for (int column = 0; column < 4; ++column) {
            auto* item = new QTableWidgetItem(values[column]);
            if (column == 1) {
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            }
            table_->setItem(row, column, item);
        }
    }
}

}  // namespace kvt::laptop
