#include "CDlgTerminalForm.h"

#include <QApplication>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QVBoxLayout>
#include <algorithm>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

#include "EngineBridge.h"
#include "EngineValues.h"
#include "text/Codepage.h"

namespace kvt::laptop {

namespace {

constexpr int kConsoleId = 1417;

constexpr QChar kBackspace(0x08);
constexpr QChar kBell(0x07);
constexpr QChar kEscape(0x1B);
constexpr QChar kDeleteCharacter(0x7F);

// What a character the unit sent looks like on the console when it is not printable text: the
// control characters as their pictures (ESC as the symbol for escape, and so on), others as their
// code in angle brackets. Printable text is shown as it is.
QString Visible(QChar c) {
    const ushort code = c.unicode();
    if (code < 0x20) {
        return QString(QChar(0x2400 + code));
    }
    if (code == 0x7F) {
        return QString(QChar(0x2421));
    }
    if (!c.isPrint()) {
        return QStringLiteral("<%1>")
            .arg(code, code > 0xFF ? 4 : 2, 16, QLatin1Char('0'))
            .toUpper();
    }
    return QString(c);
}

}  // namespace

// Runs the page's engine calls one after another on a thread of its own, so the GUI thread never
// waits for the link or the unit.
class CDlgTerminalForm::Sender {
  public:
    Sender() : thread_([this](std::stop_token stop) { Run(stop); }) {}

    ~Sender() {
        {
            // Under the lock, so the thread cannot miss the stop between its test and its wait.
            std::lock_guard lock(mutex_);
            jobs_.clear();
            thread_.request_stop();
        }
        wake_.notify_all();
    }

    void Post(std::function<void()> job) {
        {
            std::lock_guard lock(mutex_);
            jobs_.push_back(std::move(job));
        }
        wake_.notify_all();
    }

    // Drops what has not been started yet.
    void DropPending() {
        std::lock_guard lock(mutex_);
        jobs_.clear();
    }

    // Keys sent to the unit, on the sender thread only: how many characters stand in the unit's
    // line since its last carriage return, as far as they tell.
    void Sent(std::u16string_view keys) {
        for (const char16_t key : keys) {
            if (key == u'\r' || key == 0x1B) {
                unitLine_ = 0;
            } else if (key == 0x08) {
                unitLine_ = unitLine_ > 0 ? unitLine_ - 1 : 0;
            } else {
                ++unitLine_;
            }
        }
    }

    // Takes back a line left half typed, so that the engine's next command is not appended to
    // it. Backspaces beyond the line's start do no harm.
    void EraseUnitLine(IKVT80& engine) {
        while (unitLine_ > 0) {
            const size_t count = std::min<size_t>(unitLine_, kMaxDirectText);
            engine.WriteStringDirect(std::u16string(count, u'\b'));
            unitLine_ -= count;
        }
    }

  private:
    static constexpr size_t kMaxDirectText = 255;

    void Run(const std::stop_token& stop) {
        std::unique_lock lock(mutex_);
        while (!stop.stop_requested()) {
            wake_.wait(lock, [&] { return stop.stop_requested() || !jobs_.empty(); });
            if (stop.stop_requested()) {
                break;
            }
            std::function<void()> job = std::move(jobs_.front());
            jobs_.pop_front();
            lock.unlock();
            job();
            lock.lock();
        }
    }

    std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<std::function<void()>> jobs_;
    size_t unitLine_ = 0;
    std::jthread thread_;  // last: started once the queue exists, joined before it goes
};

CDlgTerminalForm::CDlgTerminalForm(IKVT80& engine, frontend::EngineBridge& bridge, QWidget* parent)
    : QWidget(parent), engine_(engine), sender_(std::make_unique<Sender>()) {
    console_ = new QPlainTextEdit(this);
    console_->setObjectName(QString::number(kConsoleId));
    console_->setAccessibleName(tr("Terminal"));
    // The unit's echo shows what was typed: nothing is edited in the console itself.
    console_->setReadOnly(true);
    console_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    console_->setFocusPolicy(Qt::StrongFocus);
    console_->setAttribute(Qt::WA_InputMethodEnabled, false);
    console_->setUndoRedoEnabled(false);
    console_->setMaximumBlockCount(kMaxLines);
    console_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    console_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    console_->installEventFilter(this);

    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("terminalStatus"));
    typedLine_ = new QLabel(this);
    typedLine_->setObjectName(QStringLiteral("typedLine"));
    typedLine_->setTextFormat(Qt::PlainText);

    // Long texts wrap or are cut at the page's edge; they never widen the window.
    status_->setWordWrap(true);
    status_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    typedLine_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    typedLine_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    auto* footer = new QHBoxLayout;
    footer->addWidget(status_, 3);
    footer->addWidget(typedLine_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(console_, 1);
    layout->addLayout(footer);

    connect(&bridge, &frontend::EngineBridge::terminalData, this, &CDlgTerminalForm::ShowUnitText);
    TrackTypedLine({});
    Refresh();
}

CDlgTerminalForm::~CDlgTerminalForm() {
    // The sender finishes the call it is in (the engine bounds every wait) and starts no other.
    sender_.reset();
}

// ---- Terminal mode ------------------------------------------------------------------------------

void CDlgTerminalForm::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // A minimised window keeps its session; a tab change starts or ends it.
    if (!event->spontaneous()) {
        shown_ = true;
        UpdateSession();
        console_->setFocus();
    }
}

void CDlgTerminalForm::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    if (!event->spontaneous()) {
        shown_ = false;
        UpdateSession();
    }
}

void CDlgTerminalForm::Refresh() {
    UpdateSession();
}

void CDlgTerminalForm::UpdateSession() {
    const bool connected = frontend::IsConnected(engine_);
    if (!connected && sessionActive_) {
        // Disconnect already ended terminal mode in the engine; switching it off again would
        // declare a unit ready that is not there.
        sessionActive_ = false;
        sender_->DropPending();
    }
    if (shown_ && connected && !sessionActive_) {
        StartSession();
    } else if (!shown_ && sessionActive_) {
        EndSession();
    }
    if (!connected) {
        ShowStatus(tr("Not connected.  The terminal works while the unit is connected."));
    }
}

// Terminal mode goes on and off on the sender thread, in order with the keys typed between.
void CDlgTerminalForm::StartSession() {
    sessionActive_ = true;
    ShowStatus(tr("Reaching the unit's command prompt..."));
    // The page outlives the call: its destructor waits for the sender.
    CDlgTerminalForm* page = this;
    Sender* sender = sender_.get();
    IKVT80& engine = engine_;
    sender_->Post([page, sender, &engine] {
        engine.put_TerminalLogging(Variant::Bool(true));
        const bool reached = engine.EnterCommandInterpreter() == status::Ok;
        sender->Sent(u"\r");
        // The prompt the exchange found is not shown; a carriage return lets the unit show it
        // again on the console, as pressing Enter would.
        if (reached) {
            engine.WriteStringDirect(u"\r");
        }
        QMetaObject::invokeMethod(
            page,
            [page, reached] {
                if (!page->sessionActive_) {
                    return;
                }
                page->ShowStatus(reached ? tr("Connected to the unit's command interpreter.  "
                                              "Type a command and press Enter.")
                                         : tr("The unit did not show its command prompt.  What "
                                              "you type is still sent to it."));
                emit page->promptAttemptFinished(reached);
            },
            Qt::QueuedConnection);
    });
}

void CDlgTerminalForm::EndSession() {
    sessionActive_ = false;
    Sender* sender = sender_.get();
    IKVT80& engine = engine_;
    sender_->Post([sender, &engine] {
        sender->EraseUnitLine(engine);
        // The worker resumes its writes and polls at once.
        engine.put_TerminalLogging(Variant::Bool(false));
    });
    TrackTypedLine(QString(QChar(u'\r')));
    ShowStatus(tr("Terminal closed; the unit is back in normal operation."));
}

void CDlgTerminalForm::ShowStatus(const QString& text) {
    status_->setText(text);
}

// ---- Typing -------------------------------------------------------------------------------------

bool CDlgTerminalForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == console_ && event->type() == QEvent::KeyPress) {
        return HandleConsoleKey(static_cast<const QKeyEvent&>(*event));
    }
    return QWidget::eventFilter(watched, event);
}

bool CDlgTerminalForm::HandleConsoleKey(const QKeyEvent& key) {
    switch (key.key()) {
        // The caret stays where the unit's output goes; nothing can be deleted from the keyboard.
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
        case Qt::Key_End:
        case Qt::Key_Home:
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_Delete:
            return true;
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            return false;  // moves the focus, as everywhere in the program
        case Qt::Key_Return:
        case Qt::Key_Enter:
            Send(QStringLiteral("\r"));
            return true;
        case Qt::Key_Backspace:
            Send(QString(kBackspace));
            return true;
        case Qt::Key_Escape:
            // Also what brings the unit's port back from its menu to the prompt.
            Send(QString(kEscape));
            return true;
        default:
            break;
    }
    // With text selected, the usual copy and select-all; otherwise Ctrl+C goes to the unit.
    if (key.matches(QKeySequence::SelectAll)) {
        console_->selectAll();
        return true;
    }
    if (key.matches(QKeySequence::Copy) && console_->textCursor().hasSelection()) {
        console_->copy();
        return true;
    }
    const QString text = key.text();
    if (text.isEmpty()) {
        return false;
    }
    Send(text);
    return true;
}

void CDlgTerminalForm::Send(const QString& text) {
    if (!sessionActive_) {
        QApplication::beep();
        return;
    }
    const std::u16string characters = frontend::ToU16(text);
    // A character the unit's 8-bit text cannot carry is not sent at all.
    if (!ToCp1252(characters)) {
        QApplication::beep();
        return;
    }
    TrackTypedLine(text);
    Sender* sender = sender_.get();
    IKVT80& engine = engine_;
    sender_->Post([sender, &engine, characters] {
        if (engine.WriteStringDirect(characters) == status::Ok) {
            sender->Sent(characters);
        }
    });
}

// The line the unit is being given, as far as the keys sent tell: a unit that echoes only whole
// lines shows nothing while a person types.
void CDlgTerminalForm::TrackTypedLine(const QString& text) {
    for (const QChar c : text) {
        if (c == u'\r' || c == kEscape) {
            typed_.clear();
        } else if (c == kBackspace) {
            typed_.chop(1);
        } else {
            for (const QChar shown : Visible(c)) {
                typed_ += shown;
            }
        }
    }
    typedLine_->setText(typed_.isEmpty() ? QString() : tr("Typed: %1").arg(typed_.right(60)));
}

// ---- The unit's output --------------------------------------------------------------------------

void CDlgTerminalForm::ShowUnitText(const QString& data) {
    QScrollBar* scroll = console_->verticalScrollBar();
    const bool following = scroll->value() == scroll->maximum();
    bool bell = false;
    QString plain;
    const auto flush = [&] {
        AppendPlain(plain);
        plain.clear();
    };
    for (const QChar c : data) {
        if (c == u'\n' && afterReturn_) {
            afterReturn_ = false;
            continue;
        }
        afterReturn_ = c == u'\r';
        if (c == u'\r' || c == u'\n') {
            flush();
            BreakLine();
        } else if (c == kBackspace) {
            flush();
            EraseLastCharacter();
        } else if (c == kBell) {
            bell = true;
        } else if (c == u'\t') {
            plain += c;
        } else {
            plain += Visible(c);
        }
    }
    flush();
    if (bell) {
        QApplication::beep();
    }
    if (following) {
        scroll->setValue(scroll->maximum());
    }
}

void CDlgTerminalForm::AppendPlain(const QString& text) {
    QTextCursor end(console_->document());
    end.movePosition(QTextCursor::End);
    qsizetype from = 0;
    while (from < text.size()) {
        if (lineLength_ >= kMaxLineLength) {
            // A line without end is folded, so no single line grows without limit either.
            end.insertBlock();
            lineLength_ = 0;
        }
        const qsizetype room = kMaxLineLength - lineLength_;
        const QString piece = text.mid(from, room);
        end.insertText(piece);
        lineLength_ += static_cast<int>(piece.size());
        from += piece.size();
    }
}

void CDlgTerminalForm::BreakLine() {
    QTextCursor end(console_->document());
    end.movePosition(QTextCursor::End);
    end.insertBlock();
    lineLength_ = 0;
}

void CDlgTerminalForm::EraseLastCharacter() {
    // Only within the line: a backspace never joins the line to the one above.
    if (lineLength_ == 0) {
        return;
    }
    QTextCursor end(console_->document());
    end.movePosition(QTextCursor::End);
    end.deletePreviousChar();
    --lineLength_;
}

}  // namespace kvt::laptop
