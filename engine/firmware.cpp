// Controller firmware: ParseHexFile checks a HEX file and writes the four memory images beside it
// for the download.
#include <filesystem>

#include "KVT80.h"
#include "files/FileIo.h"
#include "firmware/HexImage.h"
#include "text/Codepage.h"

namespace kvt {

namespace {

// Far more than the controller's memories need as HEX text; a larger file is not firmware.
constexpr size_t kHexFileLimit = 64u << 20;

}  // namespace

// 1 for a file that is not valid firmware (or whose images cannot be written): no image file is
// written or changed then.
int32_t KVT80::ParseHexFile(const std::u16string& fileName) {
    const std::string path = ToUtf8(fileName);
    const auto bytes = path.empty() ? std::nullopt : ReadRegularFile(path, kHexFileLimit + 1);
    if (!bytes || bytes->size() > kHexFileLimit) {
        return status::NoUnit;
    }
    const auto images =
        SplitHexFile(std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()));
    if (!images) {
        return status::NoUnit;
    }
    const size_t slash = path.rfind('/');
    const std::string folder =
        slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
    std::vector<FileContent> files;
    for (size_t r = 0; r < kFirmwareRegions; ++r) {
        files.push_back({folder + std::string(kFirmwareImageNames[r]), (*images)[r]});
    }
    if (!ReplaceFiles(files)) {
        return status::NoUnit;
    }
    // Kept as absolute paths: the download finds them even if the working folder changes.
    std::lock_guard lock(firmwareMutex_);
    for (size_t r = 0; r < kFirmwareRegions; ++r) {
        std::error_code error;
        const std::filesystem::path absolute = std::filesystem::absolute(files[r].path, error);
        firmwareImages_[r] = error ? files[r].path : absolute.string();
    }
    return status::Ok;
}

}  // namespace kvt
