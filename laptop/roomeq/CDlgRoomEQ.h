// CDlgRoomEQ: the room EQ assistant as a wizard of three pages. Setup chooses the channels, the
// target (the X-curve moved by an offset, or a target file) and the limits; Run measures and
// equalises with a progress bar and Cancel, the assistant working on a thread of its own so the
// window never waits for the unit; Results shows each channel's curves before and after against
// the target, undoes a channel in one step and stores the settings in the unit when asked.
//
// A unit lost during the run leaves the generator and analyser to be put back: the wizard says
// so and puts them back as soon as the unit is connected and ready again.
#pragma once

#include <QDialog>
#include <array>
#include <atomic>
#include <memory>
#include <optional>
#include <thread>
#include <vector>

#include "Assistant.h"
#include "IKVT80.h"

class QCheckBox;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class QTimer;

namespace kvt::laptop {

class CRoomEQPlot;

class CDlgRoomEQ : public QDialog {
    Q_OBJECT

  public:
    enum class Stage { Setup, Running, Results };

    explicit CDlgRoomEQ(IKVT80& engine, QWidget* parent = nullptr);
    ~CDlgRoomEQ() override;

    Stage CurrentStage() const;
    // The measuring times the run uses (tests shorten the room's settling).
    roomeq::MeasureOptions& Measuring() { return measuring_; }

    // Setup: the channels ticked, the target and the limits as the page shows them.
    void SetChannels(const std::vector<int>& channels);
    std::vector<int> Channels() const;
    void SetTargetFile(const QString& path);  // an empty path chooses the X-curve
    void SetXCurveOffset(double db);
    void SetLimits(double maxBoostDb, double maxCutDb);

    // Starts the run; false (with the reason shown) when the setup cannot be used.
    bool Start();
    // Asks the running assistant to stop; it switches the generator off and puts the analyser
    // back before the Results page shows the run as cancelled.
    void Cancel();

    const roomeq::AssistantResult& Result() const { return result_; }
    // Results: the channel shown, undo of a channel (index into Result().channels) and storing.
    void ShowChannel(int index);
    int ShownChannel() const;
    bool Undo(int index);
    bool Undone(int index) const;
    void Store();
    bool Storing() const { return storing_; }
    // A run or a store talks to the unit now: the frame holds its connection and file commands.
    bool Busy() const { return !workerDone_; }
    // A put-back of the generator and analyser waits for the unit (it was lost during the run).
    bool RestorePending() const { return pendingRestore_.has_value(); }

  signals:
    void runFinished(bool completed);
    // A run or a store started (true) or ended (false).
    void busyChanged(bool busy);
    void storeFinished(bool stored);
    void analyserPutBack();

  protected:
    void reject() override;

  private:
    QWidget* CreateSetupPage();
    QWidget* CreateRunPage();
    QWidget* CreateResultsPage();
    void UpdateSetup();
    void OnProgress(const QString& text);
    void OnSteps(int done, int total);
    void OnRunFinished(const roomeq::AssistantResult& result);
    void FillResults();
    QString ChannelLine(int index) const;
    void UpdateResultButtons();
    void CheckPendingRestore();
    void JoinWorker();

    IKVT80& engine_;
    roomeq::MeasureOptions measuring_;
    roomeq::AssistantResult result_;
    std::vector<bool> undone_;
    std::optional<roomeq::AnalyserState> pendingRestore_;
    std::thread worker_;
    std::atomic<bool> cancel_{false};
    std::atomic<bool> workerDone_{true};
    bool closeWhenFinished_ = false;
    bool storing_ = false;

    QStackedWidget* pages_ = nullptr;
    // Setup
    std::array<QCheckBox*, roomeq::kChannels> channels_{};
    QRadioButton* xcurve_ = nullptr;
    QRadioButton* file_ = nullptr;
    QDoubleSpinBox* offset_ = nullptr;
    QLineEdit* path_ = nullptr;
    QPushButton* browse_ = nullptr;
    QDoubleSpinBox* maxBoost_ = nullptr;
    QDoubleSpinBox* maxCut_ = nullptr;
    QLabel* setupMessage_ = nullptr;
    QPushButton* start_ = nullptr;
    // Run
    QLabel* runStatus_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QPlainTextEdit* log_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
    // Results
    QLabel* summary_ = nullptr;
    QListWidget* list_ = nullptr;
    CRoomEQPlot* plot_ = nullptr;
    QLabel* figures_ = nullptr;
    QPushButton* undo_ = nullptr;
    QPushButton* store_ = nullptr;
    QPushButton* again_ = nullptr;
    QPushButton* close_ = nullptr;
    QTimer* restoreTimer_ = nullptr;
};

}  // namespace kvt::laptop
