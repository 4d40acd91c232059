// CDlgConfigPreview: the Open dialog for configuration files. Below the file list a small pane
// shows the project name, theatre name and screen number of the highlighted file, read from the
// file without loading it.
#pragma once

#include <QFileDialog>
#include <QString>
#include <optional>

#include "IKVT80.h"

class QLineEdit;

namespace kvt::laptop {

// The profile texts the pane shows.
struct ConfigPreview {
    QString projectName;
    QString theaterName;
    QString screenNumber;

    bool operator==(const ConfigPreview&) const = default;
};

class CDlgConfigPreview : public QFileDialog {
    Q_OBJECT

  public:
    CDlgConfigPreview(IKVT80& engine, const QString& startFolder, QWidget* parent = nullptr);

    // The file chosen with Open; nothing when the dialog was cancelled or is still open.
    std::optional<QString> SelectedFile() const;

    // Whether a highlighted path is one the pane previews (its name carries ".kvt").
    static bool IsConfigurationPath(const QString& path);
    // The file's texts, or nothing when the engine cannot read it as a configuration.
    static std::optional<ConfigPreview> ReadPreview(IKVT80& engine, const QString& path);

    // What the highlighted path shows: its texts, empty fields when they cannot be read; a path
    // that is no configuration file leaves the pane as it is.
    void ShowPreviewFor(const QString& path);
    ConfigPreview ShownPreview() const;

  private:
    QWidget* CreatePreviewPane();

    IKVT80& engine_;
    QLineEdit* projectName_ = nullptr;
    QLineEdit* theaterName_ = nullptr;
    QLineEdit* screenNumber_ = nullptr;
};

}  // namespace kvt::laptop
