// CDlgProfileForm: the "Profile" tab. The theatre's information (players, theatre and screen,
// projector, automation, comments) and the unit's serial number are edited here, the firmware
// versions of the unit's parts and of this program are shown.
//
// A field goes to the engine when it loses the focus, and only when its text differs from what the
// engine holds, since every write queues a store in the unit's memory. The serial number belongs
// to the unit and can only be edited after the diagnostics unlock.
#pragma once

#include <QWidget>
#include <vector>

#include "IKVT80.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;

namespace kvt::laptop {

class CSvgPicture;
struct ProfileTextField;

// The picture beside the component versions.
inline constexpr const char* kProfilePicture = ":/icons/profile-picture.svg";

class CDlgProfileForm : public QWidget {
    Q_OBJECT

  public:
    explicit CDlgProfileForm(kvt::IKVT80& engine, QWidget* parent = nullptr);

  public slots:
    // Shows the engine's texts and versions again.
    void Refresh();
    void SetDiagnosticsUnlocked(bool unlocked);
    // Writes every field whose text differs from the engine's, as if each had lost the focus;
    // for callers that save or disconnect while a field may still hold the focus.
    void CommitEdits();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    struct Editor {
        const ProfileTextField* field = nullptr;
        QLineEdit* line = nullptr;       // one of these two
        QPlainTextEdit* text = nullptr;  //
    };

    void BuildLayout();
    QWidget* CreateEditor(const ProfileTextField& field);
    QLabel* CreateVersionLine(int id);
    QString ShownText(const Editor& editor) const;
    void Show(const Editor& editor, const QString& text);
    void Commit(const Editor& editor);
    void LimitComments(QPlainTextEdit* edit, int limit);
    void RefreshVersions();

    kvt::IKVT80& engine_;
    std::vector<Editor> editors_;
    QLineEdit* serialNumber_ = nullptr;
    QLabel* picVersion_ = nullptr;
    QLabel* matrixVersion_ = nullptr;
    QLabel* nrVersion_ = nullptr;
    QLabel* eqVersion_ = nullptr;
    QLabel* execVersion_ = nullptr;
    CSvgPicture* picture_ = nullptr;
};

}  // namespace kvt::laptop
