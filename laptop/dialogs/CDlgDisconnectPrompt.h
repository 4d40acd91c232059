// CDlgDisconnectPrompt: asks whether to store the changes in the unit before disconnecting, and
// whether to save them to the personality module as well.
#pragma once

#include <QDialog>

class QCheckBox;

namespace kvt::laptop {

class CDlgDisconnectPrompt : public QDialog {
    Q_OBJECT

  public:
    // The results of exec().
    static constexpr int kYes = 1;
    static constexpr int kCancel = 2;
    static constexpr int kDoNotSave = 1541;

    explicit CDlgDisconnectPrompt(QWidget* parent = nullptr);

    // The check box "Save to Personality Module" as the user left it (checked at the start).
    bool SavePersonalityModule() const { return savePersonalityModule_; }

  private:
    // Escape and the close box give kCancel.
    void reject() override;

    QCheckBox* saveToModule_ = nullptr;
    bool savePersonalityModule_ = true;
};

}  // namespace kvt::laptop
