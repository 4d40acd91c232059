#include "ConfigSources.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string_view>

#include "ConfigJson.h"
#include "IKVT80.h"
#include "files/ConfigFile.h"
#include "files/FileIo.h"
#include "text/Codepage.h"

namespace kvt::config {

namespace {

// Larger than any configuration or its JSON form; a bigger file is refused, not cut short.
constexpr size_t kReadLimit = 4 * 1024 * 1024;
constexpr std::string_view kUnitPrefix = "unit:";

bool IsConfigurationFile(const std::vector<uint8_t>& bytes) {
    return PreviewConfiguration(bytes).has_value();
}

// An image in which every field differs from the factory image, so that decoding a file over
// both shows which fields the file supplied.
ParameterImage ContrastImage() {
    ParameterImage image = FactoryImage();
    for (const ParameterRow& row : AddressMap()) {
        for (size_t i = 0; i < ValueCount(row.index); ++i) {
            double& value = image.values[FirstSlot(row.param) + i];
            value = value == row.min ? row.max : row.min;
        }
    }
    for (size_t c = 0; c < kChannels; ++c) {
        image.mute[c] = !image.mute[c];
        image.invert[c] = !image.invert[c];
    }
    FormatTable& formats = image.formats;
    formats.powerOnFormat = formats.powerOnFormat == kNoPowerOnFormat ? 0 : kNoPowerOnFormat;
    for (int32_t& format : formats.buttonFormat) {
        format = (format + 1) % kFormats;
    }
    formats.formatCount = formats.formatCount == 0 ? kFormats : 0;
    for (FormatRecord& record : formats.records) {
        for (uint8_t& byte : record.bytes) {
            byte = static_cast<uint8_t>(~byte);
        }
    }
    for (std::u16string& units : image.profile.fields) {
        for (char16_t& unit : units) {
            unit = static_cast<char16_t>(~unit);
        }
    }
    return image;
}

LoadedConfiguration DecodeFile(const std::string& path, const std::vector<uint8_t>& bytes) {
    ParameterImage image = FactoryImage();
    const auto read = DecodeConfiguration(bytes, image);
    LoadedConfiguration loaded{image, {}, {}};
    if (EncodeConfiguration(image) == bytes) {
        return loaded;
    }
    if (read->version != kConfigVersion || !read->complete) {
        loaded.notes.push_back(path + ": an older or shorter configuration file (version " +
                               std::to_string(read->version) +
                               "); fields it does not hold have the factory values");
        return loaded;
    }
    ParameterImage contrast = ContrastImage();
    DecodeConfiguration(bytes, contrast);
    for (const FieldDifference& field : Differences(image, contrast)) {
        loaded.notes.push_back(path + ": " + field.name +
                               " is not taken from the file (missing, or a value the engine "
                               "does not accept); it has the factory value " +
                               field.first.dump());
    }
    if (loaded.notes.empty()) {
        loaded.notes.push_back(path +
                               ": bytes outside the fields (or channel flags other than 0 and 1) "
                               "are written in the engine's usual form");
    }
    return loaded;
}

}  // namespace

LoadedConfiguration LoadConfigurationFile(const std::string& path) {
    const auto bytes = ReadRegularFile(path, kReadLimit + 1);
    if (!bytes) {
        return {std::nullopt, path + ": cannot be read", {}};
    }
    if (bytes->size() > kReadLimit) {
        return {std::nullopt, path + ": too large for a configuration", {}};
    }
    if (IsConfigurationFile(*bytes)) {
        return DecodeFile(path, *bytes);
    }
    ImportResult imported =
        FromJsonText(std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()));
    if (!imported.image) {
        return {std::nullopt, path + ": " + imported.error, {}};
    }
    return {std::move(imported.image), {}, {}};
}

LoadedConfiguration RetrieveFromUnit(const std::string& port) {
    const std::optional<std::u16string> portName = FromUtf8Strict(port);
    if (!portName || port.empty()) {
        return {std::nullopt, "unit:" + port + ": not a port name", {}};
    }
    std::unique_ptr<IKVT80> engine;
    if (const int32_t created = CreateEngine("KVT80.KVT80", engine);
        created != status::Ok || !engine) {
        return {std::nullopt,
                "the engine could not be created (status " + std::to_string(created) + ")",
                {}};
    }
    const std::string where = "unit:" + port;
    LoadedConfiguration loaded;
    std::string saved = (std::filesystem::temp_directory_path() / "kvt80-config-XXXXXX").string();
    if (const int32_t put = engine->put_ComPort(Variant::String(*portName)); put != status::Ok) {
        loaded.error = where + ": the port cannot be used (status " + std::to_string(put) + ")";
    } else if (const int32_t connected = engine->Connect(); connected != status::Ok) {
        loaded.error = where + ": cannot connect (status " + std::to_string(connected) + ")";
    } else {
        const int32_t retrieved = engine->QueryKVT();
        const int descriptor = retrieved == status::Ok ? mkstemp(saved.data()) : -1;
        if (retrieved != status::Ok) {
            loaded.error = where + ": the configuration could not be read (status " +
                           std::to_string(retrieved) + ")";
        } else if (descriptor < 0) {
            loaded.error = "no temporary file for the unit's configuration";
        } else {
            close(descriptor);
            const int32_t written =
                engine->Save(Variant::String(FromUtf8(saved)), Variant::Bool(false));
            loaded = written == status::Ok
                         ? LoadConfigurationFile(saved)
                         : LoadedConfiguration{std::nullopt,
                                               where +
                                                   ": the configuration could not be kept "
                                                   "(status " +
                                                   std::to_string(written) + ")",
                                               {}};
            std::filesystem::remove(saved);
            for (std::string& note : loaded.notes) {
                if (note.starts_with(saved)) {
                    note.replace(0, saved.size(), where);
                }
            }
        }
        engine->Disconnect();
    }
    engine->Cleanup();
    return loaded;
}

LoadedConfiguration LoadSource(const std::string& source) {
    if (source.starts_with(kUnitPrefix)) {
        return RetrieveFromUnit(source.substr(kUnitPrefix.size()));
    }
    return LoadConfigurationFile(source);
}

bool WriteConfigurationFile(const std::string& path, const ParameterImage& image) {
    const std::vector<uint8_t> bytes = EncodeConfiguration(image);
    return ReplaceFiles(
        {{path, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size())}});
}

bool WriteTextFile(const std::string& path, const std::string& text) {
    return ReplaceFiles({{path, text}});
}

}  // namespace kvt::config
