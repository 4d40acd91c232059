// What the connection and file flows need from a front end's windows: the questions they ask,
// the progress dialogs they show, the message boxes, and the frame's state. The laptop frame and
// the handheld implement it with widgets; tests answer it from a script.
//
// Every call is made on the GUI thread.
#pragma once

#include <QString>
#include <optional>

namespace kvt::frontend {

// The four progress dialogs; at most one of each is shown.
enum class StatusDialog { Connection, Save, Upload, PersonalityModule };

enum class DisconnectAnswer { Yes, DoNotSave, Cancel };
struct DisconnectChoice {
    DisconnectAnswer answer = DisconnectAnswer::Cancel;
    bool savePersonalityModule = true;  // the prompt's check box
};

enum class SaveChangesAnswer { Yes, No, Cancel };

class FlowView {
  public:
    virtual ~FlowView() = default;

    // The disconnect prompt ("Disconnect and save changes to the KVT-80?").
    virtual DisconnectChoice AskDisconnect() = 0;
    // "Save changes to %s?" with Yes, No and Cancel.
    virtual SaveChangesAnswer AskSaveChanges(const QString& fileName) = 0;
    // A Yes/No question; true for Yes.
    virtual bool AskYesNo(const QString& text) = 0;
    // The file dialogs, starting in the given folder; nothing when the user cancelled. The open
    // dialog shows the configuration preview.
    virtual std::optional<QString> AskSaveFileName(const QString& startFolder) = 0;
    virtual std::optional<QString> AskOpenFileName(const QString& startFolder) = 0;

    virtual void ShowWarning(const QString& text) = 0;
    virtual void ShowError(const QString& text) = 0;

    // Showing a progress dialog disables the frame, closing it enables the frame again. A title
    // replaces the dialog's own (the connection dialog becomes "Verifying...").
    virtual void ShowStatus(StatusDialog dialog, const QString& title = {}) = 0;
    virtual void CloseStatus(StatusDialog dialog) = 0;
    virtual bool StatusShown(StatusDialog dialog) const = 0;
    // The dialog's text line and progress bar (0...end), when the dialog is shown.
    virtual void UpdateStatus(StatusDialog dialog, const QString& text, int position, int end) = 0;

    virtual void SetFrameEnabled(bool enabled) = 0;
    // The connection state reached the frame: toolbar, fader and connection pane follow it.
    virtual void ShowConnectionState(bool connected) = 0;
    // Every page re-reads its values from the engine, and the frame refreshes (fader, mute,
    // title).
    virtual void RefreshAll() = 0;
    // The frame alone refreshes (after a file was saved: the title).
    virtual void RefreshFrame() = 0;
    // Ctrl held at this moment.
    virtual bool ControlHeld() const = 0;
    // The program ends: the engine is cleaned up, the windows go.
    virtual void DestroyAll() = 0;
};

}  // namespace kvt::frontend
