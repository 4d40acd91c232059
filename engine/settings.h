// The engine's persisted connection settings: the port name and bit rate, kept in
// $XDG_CONFIG_HOME/Rodmere/KVT80.conf (~/.config when XDG_CONFIG_HOME is unset) as an INI file:
//
//   [KVT80]
//   ComPort=COM1:
//   BitRate=38400
//
// The values are read only when the file already existed; on the first start the file is created
// empty, so the defaults stay in force until a ComPort or BitRate put writes both values.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

namespace kvt {

struct ConnectionSettings {
    std::u16string comPort = u"COM1:";
    uint32_t bitRate = 38400;
};

std::filesystem::path SettingsFilePath();

// Reads the settings file into `settings` when it exists (missing or unreadable values keep
// their defaults); creates the file when it does not. Errors are ignored.
void LoadSettings(ConnectionSettings& settings);

// Writes both values; the file is replaced whole (written beside it and renamed), so a failed
// write leaves the previous file. Errors are ignored.
void SaveSettings(const ConnectionSettings& settings);

}  // namespace kvt
