// CDlgCompareFile: the differences between the engine's configuration and a configuration file
// (".kvt" or its JSON form), one row per differing field: its name, its index, the engine's value
// and the file's value.
#pragma once

#include <QDialog>
#include <QString>
#include <vector>

#include "ConfigJson.h"
#include "IKVT80.h"

class QLabel;
class QTableWidget;

namespace kvt::laptop {

class CDlgCompareFile : public QDialog {
    Q_OBJECT

  public:
    // Reads the file and the engine's image at once (on the GUI thread: no unit traffic).
    CDlgCompareFile(IKVT80& engine, const QString& path, QWidget* parent = nullptr);

    QTableWidget& Table() const { return *table_; }
    QLabel& Summary() const { return *summary_; }
    // False when the file could not be read (the summary says why).
    bool Loaded() const { return loaded_; }

    // "EQBand[2][14]" -> "EQBand" and "2, 14"; a name without an index gives an empty index.
    static std::pair<QString, QString> SplitName(const QString& name);
    // A field value as the table shows it: texts without quotes, numbers as they are.
    static QString ValueText(const config::Json& value);

  private:
    void Fill(const std::vector<config::FieldDifference>& differences);

    QLabel* summary_ = nullptr;
    QLabel* notes_ = nullptr;
    QTableWidget* table_ = nullptr;
    bool loaded_ = false;
};

}  // namespace kvt::laptop
