// Configuration files (Save, Load, GetConfigurationPreview, ConfigFileDirty) and applying the
// image to the unit: a loaded or default configuration is queued whole and the worker reports
// the transfer's progress.
#include <algorithm>

#include "KVT80.h"
#include "analyser/GeneratorWords.h"
#include "files/ConfigFile.h"
#include "files/FileIo.h"
#include "text/Codepage.h"

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

// ---- Files ----------------------------------------------------------------------------------

namespace {

constexpr int32_t kCannotCreate = 82;
constexpr int32_t kCannotOpen = 110;
// More than any configuration file holds: the fields end at 3332 bytes.
constexpr size_t kReadLimit = kConfigFileBytes;

// The file name a member was given: a string (also one passed by reference); empty otherwise.
std::string FileNameOf(const Variant& fileName) {
    if ((fileName.Type() & ~VT_BYREF) != VT_BSTR) {
        return {};
    }
    return ToUtf8(fileName.StringValue());
}

}  // namespace

int32_t KVT80::Save(const Variant& fileName, const Variant& useDefaults) {
    const std::string path = FileNameOf(fileName);
    if (path.empty()) {
        return status::InvalidArgument;
    }
    const bool defaults = useDefaults.BoolField() == VARIANT_TRUE;
    std::vector<uint8_t> bytes;
    {
        std::lock_guard lock(imageMutex_);
        if (defaults) {
            image_ = FactoryImage();
        }
        bytes = EncodeConfiguration(image_);
    }
    if (!ReplaceFiles({{path, std::string_view(reinterpret_cast<const char*>(bytes.data()),
                                               bytes.size())}})) {
        return kCannotCreate;
    }
    if (defaults) {
        ApplyImageToUnit();
    }
    configDirty_ = false;
    return status::Ok;
}

int32_t KVT80::Load(const Variant& fileName) {
    const std::string path = FileNameOf(fileName);
    if (path.empty()) {
        return status::InvalidArgument;
    }
    const auto bytes = ReadRegularFile(path, kReadLimit);
    if (!bytes) {
        return kCannotOpen;
    }
    {
        std::lock_guard lock(imageMutex_);
        ParameterImage loaded = image_;
        if (!DecodeConfiguration(*bytes, loaded)) {
            return kCannotOpen;
        }
        image_ = std::move(loaded);
    }
    ApplyImageToUnit();
    configDirty_ = false;
    return status::Ok;
}

int32_t KVT80::GetConfigurationPreview(const Variant& fileName, Variant* digitalPlayer1,
                                       Variant* digitalPlayer2, Variant* projectName,
                                       Variant* theaterName, Variant* screenNumber,
                                       Variant* projectorModel, Variant* automationSystem,
                                       Variant* comments) {
    const std::array<Variant*, kPreviewFields> out{digitalPlayer1,   digitalPlayer2, projectName,
                                                   theaterName,      screenNumber,   projectorModel,
                                                   automationSystem, comments};
    const std::string path = FileNameOf(fileName);
    if (path.empty() || std::find(out.begin(), out.end(), nullptr) != out.end()) {
        return status::InvalidArgument;
    }
    const auto bytes = ReadRegularFile(path, kReadLimit);
    const auto texts = bytes ? PreviewConfiguration(*bytes) : std::nullopt;
    if (!texts) {
        return kCannotOpen;
    }
    for (size_t i = 0; i < kPreviewFields; ++i) {
        *out[i] = Variant::String((*texts)[i]);
    }
    return status::Ok;
}

}  // namespace kvt
