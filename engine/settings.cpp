#include "settings.h"

#include <atomic>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <system_error>

#include <unistd.h>

#include "text/Codepage.h"

namespace kvt {

namespace fs = std::filesystem;

namespace {

constexpr const char* kSection = "[KVT80]";

std::string Trim(std::string text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

}  // namespace

fs::path SettingsFilePath() {
    fs::path base;
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg != nullptr && xdg[0] == '/') {
        base = xdg;
    } else if (const char* home = std::getenv("HOME"); home != nullptr && home[0] != '\0') {
        base = fs::path(home) / ".config";
    } else {
        base = fs::temp_directory_path();
    }
    return base / "Rodmere" / "KVT80.conf";
}

void LoadSettings(ConnectionSettings& settings) {
    const fs::path path = SettingsFilePath();
    std::error_code error;
    if (!fs::exists(path, error)) {
        fs::create_directories(path.parent_path(), error);
        std::ofstream create(path);
        create << kSection << '\n';
        return;
    }
    std::ifstream in(path);
    std::string line;
    bool inSection = false;
    while (std::getline(in, line)) {
        line = Trim(line);
        if (line.empty() || line[0] == ';' || line[0] == '#') {
            continue;
        }
        if (line.front() == '[') {
            inSection = line == kSection;
            continue;
        }
        const auto equals = line.find('=');
        if (!inSection || equals == std::string::npos) {
            continue;
        }
        const std::string key = Trim(line.substr(0, equals));
        const std::string value = Trim(line.substr(equals + 1));
        if (key == "ComPort" && !value.empty()) {
            settings.comPort = FromUtf8(value);
        } else if (key == "BitRate") {
            char* end = nullptr;
            const unsigned long rate = std::strtoul(value.c_str(), &end, 10);
            if (end != value.c_str() && *end == '\0' && rate <= 0xFFFFFFFFul) {
                settings.bitRate = static_cast<uint32_t>(rate);
            }
        }
    }
}

void SaveSettings(const ConnectionSettings& settings) {
    const fs::path path = SettingsFilePath();
    std::error_code error;
    fs::create_directories(path.parent_path(), error);
    fs::path temporary = path;
    static std::atomic<unsigned> counter{0};
    temporary += ".tmp" + std::to_string(::getpid()) + "." + std::to_string(counter++);
    {
        std::ofstream out(temporary, std::ios::trunc);
        out << kSection << '\n'
            << "ComPort=" << ToUtf8(settings.comPort) << '\n'
            << "BitRate=" << settings.bitRate << '\n';
        out.flush();
        if (!out) {
            fs::remove(temporary, error);
            return;
        }
    }
    fs::rename(temporary, path, error);
    if (error) {
        fs::remove(temporary, error);
    }
}

}  // namespace kvt
