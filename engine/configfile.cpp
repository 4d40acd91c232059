// Configuration files (Save, Load, GetConfigurationPreview, ConfigFileDirty) and applying the
// image to the unit: a loaded or default configuration is queued whole and the worker reports
// the transfer's progress.
#include "KVT80.h"
#include "analyser/GeneratorWords.h"

namespace kvt {

namespace {

constexpr int32_t kUploadEnd = 133;
constexpr int32_t kSaveMMCEnd = 126;

// The serial number belongs to the unit, not to a configuration: it is never sent with one.
bool IsSerialNumberByte(const RawWrite& write) {
    const ProfileFieldInfo& serial = InfoOf(ProfileField::SerialNumber);
    return write.block == 0 && write.address >= serial.eepromAddress &&
           write.address < serial.eepromAddress + 2 * serial.units;
}

}  // namespace

AnalyserRouting KVT80::RoutingOfLocked(const ParameterImage& image) const {
    const auto mode = static_cast<size_t>(frontPanel_.mode.load());
    return AnalyserRouting{RoutingWord(image.GetInt(Param::InputConfig), sumAndDiff_, slaRunning_,
                                       image.formats.records[mode].Flags()),
                           slaRunning_};
}

// The words go into the lists while the worker holds no line and is suspended, so it never sends
// half a configuration.
void KVT80::ApplyImageToUnit() {
    if (!link_.IsOpen()) {
        return;
    }
    WithLink([&](Link&, const LinkLock&, const EngineTimings&) {
        suspended_ = true;
        std::lock_guard lock(imageMutex_);
        for (const RawWrite& write : ImageWrites(image_, RoutingOfLocked(image_))) {
            if (!IsSerialNumberByte(write)) {
                QueueParameterWrite(write.block, write.address, write.value);
            }
        }
        suspended_ = false;
        return 0;
    });
    if (mmcTransfer_) {
        sinks_.Raise([](IKVTEvents& s) { s.SaveMMCProgress(UploadStateWaiting, 0, kSaveMMCEnd); });
    } else {
        sinks_.Raise([](IKVTEvents& s) { s.UploadProgress(UploadStateWaiting, 0, kUploadEnd); });
    }
    BeginTransfer(mmcTransfer_);
}

}  // namespace kvt
