// CDlgTerminalForm: the "Terminal" tab, a plain console on the unit's command interpreter.
//
// While the page is shown and the unit connected, the engine is in terminal mode: its worker stays
// quiet, every key typed in the console goes to the unit at once, and whatever the unit sends comes
// back as TerminalData and is shown as it arrives. Leaving the page (or losing the connection)
// ends terminal mode and the engine resumes its normal work. On entering, the page brings the
// unit's serial port to its command prompt.
//
// The console is bounded: it keeps the last kMaxLines lines of at most kMaxLineLength characters
// each, so a long session or a unit that floods the line never grows it without end. Bytes that
// are not printable text are shown as visible symbols and never act on the console; only line
// ends, tabs, the backspace (which takes back the last character of the line) and the bell (a
// beep) keep their meaning.
//
// Every engine call of the page that may wait for the unit (reaching the prompt, sending typed
// text, which waits for the link) runs on the page's own sender thread, in the order the user
// caused them, and so do the switches of terminal mode between them. A line left half typed when
// the page is left is taken back at the unit, so the engine's next command is not appended to it.
#pragma once

#include <QString>
#include <QWidget>
#include <memory>

#include "IKVT80.h"

class QLabel;
class QPlainTextEdit;

namespace kvt::frontend {
class EngineBridge;
}

namespace kvt::laptop {

class CDlgTerminalForm : public QWidget {
    Q_OBJECT

  public:
    static constexpr int kMaxLines = 3000;
    static constexpr int kMaxLineLength = 512;

    CDlgTerminalForm(IKVT80& engine, frontend::EngineBridge& bridge, QWidget* parent = nullptr);
    ~CDlgTerminalForm() override;

    QPlainTextEdit& Console() const { return *console_; }
    // Whether this page holds the engine in terminal mode.
    bool SessionActive() const { return sessionActive_; }

  public slots:
    // The connection may have changed: terminal mode follows the page's visibility and the
    // connection.
    void Refresh();
    // Text the unit sent, as it arrived.
    void ShowUnitText(const QString& data);

  signals:
    // The attempt to reach the unit's command prompt ended (reached or not).
    void promptAttemptFinished(bool reached);

  protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    class Sender;

    void StartSession();
    void EndSession();
    void UpdateSession();
    // A key in the console: sends it, or swallows it; true when handled.
    bool HandleConsoleKey(const QKeyEvent& key);
    void Send(const QString& text);
    void TrackTypedLine(const QString& text);
    void ShowStatus(const QString& text);

    // The console's editing, all at its end.
    void AppendPlain(const QString& text);
    void BreakLine();
    void EraseLastCharacter();

    IKVT80& engine_;
    QPlainTextEdit* console_ = nullptr;
    QLabel* status_ = nullptr;
    QLabel* typedLine_ = nullptr;
    QString typed_;
    bool shown_ = false;
    bool sessionActive_ = false;
    int lineLength_ = 0;        // characters on the console's last line
    bool afterReturn_ = false;  // the last character shown was a carriage return
    std::unique_ptr<Sender> sender_;
};

}  // namespace kvt::laptop
