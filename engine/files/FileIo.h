// Reading and writing the files the engine keeps on the service computer, so that a failure never
// leaves a half-written file behind.
#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kvt {

// At most `limit` bytes from the start of a regular file, opened for reading only (a read-only
// file reads). nullopt when it cannot be opened or is not a regular file (a folder, a device).
std::optional<std::vector<uint8_t>> ReadRegularFile(const std::string& path, size_t limit);

struct FileContent {
    std::string path;
    std::string_view bytes;
};

// Writes each file beside its target and renames them over their targets only when every one of
// them is completely on the disk: a failure to write leaves every target as it was and nothing
// behind.
bool ReplaceFiles(std::initializer_list<FileContent> files);
bool ReplaceFiles(const std::vector<FileContent>& files);

}  // namespace kvt
