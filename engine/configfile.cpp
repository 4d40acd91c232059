// Configuration files (Save, Load, GetConfigurationPreview, ConfigFileDirty) and applying the
// image to the unit: a loaded or default configuration is queued whole and the worker reports
// the transfer's progress.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>

#include "KVT80.h"
#include "analyser/GeneratorWords.h"
#include "files/ConfigFile.h"
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

// Moves `size` bytes with `io`(offset) (a read or a write), going on after interruptions; returns
// how many were moved.
template <typename Io>
size_t MoveAll(size_t size, Io&& io) {
    size_t done = 0;
    while (done < size) {
        const ssize_t n = io(done);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            break;
        }
        done += static_cast<size_t>(n);
    }
    return done;
}

// Writes the whole file beside the target and renames it over the target only when every byte
// is on the disk, so a failed or interrupted save never leaves a half-written file, nor destroys
// the one it was to replace.
bool WriteWholeFile(const std::string& path, const std::vector<uint8_t>& bytes) {
    static std::atomic<uint32_t> serial{0};
    const std::string temporary =
        path + ".saving-" + std::to_string(::getpid()) + "-" + std::to_string(serial.fetch_add(1));
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) {
        return false;
    }
    const size_t written = MoveAll(
        bytes.size(), [&](size_t at) { return ::write(fd, bytes.data() + at, bytes.size() - at); });
    const bool ok = written == bytes.size() && ::fsync(fd) == 0;
    if (::close(fd) != 0 || !ok || ::rename(temporary.c_str(), path.c_str()) != 0) {
        ::unlink(temporary.c_str());
        return false;
    }
    return true;
}

// The first bytes of a regular file, opened for reading only (a read-only file loads). nullopt
// when it cannot be opened or is not a regular file.
std::optional<std::vector<uint8_t>> ReadFileStart(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return std::nullopt;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return std::nullopt;
    }
    std::vector<uint8_t> bytes(kReadLimit);
    const size_t got = MoveAll(
        bytes.size(), [&](size_t at) { return ::read(fd, bytes.data() + at, bytes.size() - at); });
    ::close(fd);
    bytes.resize(got);
    return bytes;
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
    if (!WriteWholeFile(path, bytes)) {
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
    const auto bytes = ReadFileStart(path);
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
    const auto bytes = ReadFileStart(path);
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
