// CDlgProgressStatus: the modeless progress window shown while a flow talks to the unit: a text
// line and a progress bar the frame drives from the engine's progress events.
//
// Closing it from the window (close box, Escape) asks the user first; on Yes it emits
// cancelledByUser() and goes away (it deletes itself on close), while the flow it belonged to
// runs on. The frame ends it with CloseQuietly().
#pragma once

#include <QDialog>
#include <QString>
#include <functional>

class QLabel;
class QProgressBar;

namespace kvt::laptop {

class CDlgProgressStatus : public QDialog {
    Q_OBJECT

  public:
    // True when the user confirms closing; the default asks with a Yes/No message box.
    using CancelQuestion = std::function<bool(QWidget* dialog)>;

    CDlgProgressStatus(const QString& title, const QString& text, QWidget* parent = nullptr);

    // Shows a step: the text only when it differs other than in case, the range 0...end only
    // when end changed, then the position (kept inside the range).
    void SetProgress(const QString& text, int position, int end);

    QString Text() const;
    int Position() const;
    int End() const;

    // Closes without asking and without cancelledByUser().
    void CloseQuietly();

    void SetCancelQuestion(CancelQuestion question);

  signals:
    // The user closed the window and confirmed it.
    void cancelledByUser();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void reject() override;

    QLabel* text_ = nullptr;
    QProgressBar* progress_ = nullptr;
    CancelQuestion cancelQuestion_;
    bool closingQuietly_ = false;
};

}  // namespace kvt::laptop
