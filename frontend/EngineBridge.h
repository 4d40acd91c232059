// The engine's events as Qt signals on the GUI thread.
//
// The engine raises its events on its own threads (the worker, a caller's flow thread, the
// receive thread). The bridge's sink copies each event's data and hands it to the bridge's thread
// as a queued call, which emits the signal there; pages and the frame connect to the signals and
// never see an engine thread. The analyser array, which the engine reuses for every update, is
// copied before the sink returns.
#pragma once

#include <QObject>
#include <QString>
#include <QVector>
#include <memory>

#include "IKVT80.h"

namespace kvt::frontend {

class EngineBridge : public QObject {
    Q_OBJECT

  public:
    // Advises a sink on the engine; the destructor unadvises it. Events raised while the bridge
    // is being destroyed are dropped.
    explicit EngineBridge(IKVT80& engine, QObject* parent = nullptr);
    ~EngineBridge() override;
    EngineBridge(const EngineBridge&) = delete;
    EngineBridge& operator=(const EngineBridge&) = delete;

    IKVT80& Engine() const { return engine_; }
    // False when the engine refused the sink: no signal will come.
    bool Attached() const { return cookie_ != 0; }

  signals:
    void connectionProgress(int state, int position, int end);
    void mainFaderUpdated(int level);
    void inputFormatChanged(int format);
    void unitDisappeared();
    void dspSaveProgress(int state, int position, int end);
    void picDownloadStateChange(int state);
    void uploadProgress(int state, int position, int end);
    void inputLevelsUpdated(double left, double right);
    void saveMMCProgress(int state, int position, int end);
    void selectedPreampChanged(int preamp);
    // 60 values in dB: band i (0 = 20 kHz ... 29 = 25 Hz) at 2i (right or difference) and 2i + 1
    // (left or sum).
    void slaUpdate(const QVector<double>& values);
    void systemMuteChanged(bool muted);
    void slaRunning(bool running, bool sumAndDifference);
    void signalGenState(int mode, int channels);
    void channelMuteUpdated();
    void aesEbuErrorTrigger(bool error);
    void dspDownloadStateChange(int state);
    void eventEntry(int date, int time, const QString& description);
    void terminalData(const QString& data);
    void downloadProgress(int state, int done, int total, const QString& note);

  private:
    class Sink;
    IKVT80& engine_;
    std::shared_ptr<Sink> sink_;
    uint32_t cookie_ = 0;
};

}  // namespace kvt::frontend
