// CFlowFrame: what the programs' main windows answer the connection and file flows alike: the
// Yes/No and save-changes questions, the warnings and errors as message boxes with the frame's
// caption, the Ctrl key, and the unattended mode the screenshot tours run in. StatusDialogs keeps
// a frame's progress dialogs, one of each kind.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <map>

#include "FlowView.h"

namespace kvt::frontend {

class CFlowFrame : public QMainWindow, public FlowView {
    Q_OBJECT

  public:
    explicit CFlowFrame(QWidget* parent = nullptr) : QMainWindow(parent) {}

    // Unattended: the disconnect prompt is answered Yes (without the personality module), other
    // questions No, and warnings and errors go to the log instead of a message box.
    void SetAnswerAutomatically(bool on) { answerAutomatically_ = on; }
    bool AnswersAutomatically() const { return answerAutomatically_; }

    SaveChangesAnswer AskSaveChanges(const QString& fileName) override;
    bool AskYesNo(const QString& text) override;
    void ShowWarning(const QString& text) override;
    void ShowError(const QString& text) override;
    bool ControlHeld() const override;

  protected:
    // The caption of the frame's message boxes.
    virtual QString Caption() const = 0;

    // Read by the frames' own questions (the disconnect prompt, the exit question).
    bool answerAutomatically_ = false;
};

// The progress dialogs a frame shows, by kind; a dialog that closed itself is gone from it.
// Dialog has CloseQuietly(), which closes it without asking the user.
template <class Dialog>
class StatusDialogs {
  public:
    Dialog* Find(StatusDialog kind) const {
        const auto found = dialogs_.find(kind);
        return found == dialogs_.end() ? nullptr : found->second.data();
    }
    void Add(StatusDialog kind, Dialog* dialog) { dialogs_[kind] = dialog; }
    // Forgets the dialog of the kind and hands it back (nothing when none is shown).
    Dialog* Take(StatusDialog kind) {
        Dialog* dialog = Find(kind);
        dialogs_.erase(kind);
        return dialog;
    }
    // The program ends: every dialog still shown closes without a question.
    void CloseAllQuietly() {
        for (auto& [kind, dialog] : dialogs_) {
            if (dialog) {
                dialog->CloseQuietly();
            }
        }
        dialogs_.clear();
    }

  private:
    std::map<StatusDialog, QPointer<Dialog>> dialogs_;
};

}  // namespace kvt::frontend
