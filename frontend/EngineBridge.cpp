#include "EngineBridge.h"

#include <QMetaObject>
#include <mutex>

#include "EngineValues.h"

namespace kvt::frontend {

// Runs on the engine's threads. The bridge pointer is cleared under the lock before the bridge
// goes, so a call in flight never reaches a destroyed bridge.
class EngineBridge::Sink : public IKVTEvents {
  public:
    explicit Sink(EngineBridge* bridge) : bridge_(bridge) {}

    void Detach() {
        std::lock_guard lock(mutex_);
        bridge_ = nullptr;
    }

    void ConnectionProgress(int32_t state, int32_t position, int32_t end) override {
        Post(&EngineBridge::connectionProgress, state, position, end);
    }
    void MainFaderUpdated(int32_t level) override { Post(&EngineBridge::mainFaderUpdated, level); }
    void InputFormatChanged(int32_t format) override {
        Post(&EngineBridge::inputFormatChanged, format);
    }
    void UnitDisappeared() override { Post(&EngineBridge::unitDisappeared); }
    void DSPSaveProgress(int32_t state, int32_t position, int32_t end) override {
        Post(&EngineBridge::dspSaveProgress, state, position, end);
    }
    void PICDownloadStateChange(int32_t state) override {
        Post(&EngineBridge::picDownloadStateChange, state);
    }
    void UploadProgress(int32_t state, int32_t position, int32_t end) override {
        Post(&EngineBridge::uploadProgress, state, position, end);
    }
    void InputLevelsUpdated(double left, double right) override {
        Post(&EngineBridge::inputLevelsUpdated, left, right);
    }
    void SaveMMCProgress(int32_t state, int32_t position, int32_t end) override {
        Post(&EngineBridge::saveMMCProgress, state, position, end);
    }
    void SelectedPreampChanged(int32_t preamp) override {
        Post(&EngineBridge::selectedPreampChanged, preamp);
    }
    void SLAUpdate(const Variant& data) override {
        QVector<double> values;
        if (const auto* array = data.ArrayValue()) {
            values.reserve(static_cast<qsizetype>(array->elements.size()));
            for (const Variant& element : array->elements) {
                values.push_back(element.DoubleValue());
            }
        }
        Post(&EngineBridge::slaUpdate, values);
    }
    void SystemMuteChanged(VariantBool muted) override {
        Post(&EngineBridge::systemMuteChanged, muted == VARIANT_TRUE);
    }
    void SLARunning(VariantBool running, VariantBool sumAndDifference) override {
        Post(&EngineBridge::slaRunning, running == VARIANT_TRUE, sumAndDifference == VARIANT_TRUE);
    }
    void SignalGenState(int32_t mode, int32_t channels) override {
        Post(&EngineBridge::signalGenState, mode, channels);
    }
    void ChannelMuteUpdated() override { Post(&EngineBridge::channelMuteUpdated); }
    void AESEBUErrorTrigger(VariantBool error) override {
        Post(&EngineBridge::aesEbuErrorTrigger, error == VARIANT_TRUE);
    }
    void DSPDownloadStateChange(int32_t state) override {
        Post(&EngineBridge::dspDownloadStateChange, state);
    }
    void EventEntry(int32_t date, int32_t time, const std::u16string& description) override {
        Post(&EngineBridge::eventEntry, date, time, ToQString(description));
    }
    void TerminalData(const std::u16string& data) override {
        Post(&EngineBridge::terminalData, ToQString(data));
    }
    void DownloadProgress(int32_t state, int32_t done, int32_t total,
                          const std::u16string& note) override {
        Post(&EngineBridge::downloadProgress, state, done, total, ToQString(note));
    }

  private:
    // The arguments are copied into the queued call; the signal is emitted on the bridge's thread.
    template <typename Signal, typename... Args>
    void Post(Signal signal, Args... args) {
        std::lock_guard lock(mutex_);
        if (bridge_ == nullptr) {
            return;
        }
        EngineBridge* bridge = bridge_;
        QMetaObject::invokeMethod(
            bridge, [bridge, signal, args...] { (bridge->*signal)(args...); },
            Qt::QueuedConnection);
    }

    std::mutex mutex_;
    EngineBridge* bridge_;
};

EngineBridge::EngineBridge(IKVT80& engine, QObject* parent)
    : QObject(parent), engine_(engine), sink_(std::make_shared<Sink>(this)) {
    uint32_t cookie = 0;
    if (engine_.Advise(sink_, &cookie) == status::Ok) {
        cookie_ = cookie;
    }
}

EngineBridge::~EngineBridge() {
    sink_->Detach();
    if (cookie_ != 0) {
        engine_.Unadvise(cookie_);
    }
}

}  // namespace kvt::frontend
