// Where a configuration comes from for kvt80-config: a configuration file, its JSON form, or the
// unit itself through the engine.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "image/ParameterImage.h"

namespace kvt::config {

struct LoadedConfiguration {
    std::optional<ParameterImage> image;
    std::string error;               // why there is no image
    std::vector<std::string> notes;  // what the image does not hold of the source
};

// A ".kvt" file (recognised by its content) or the JSON form. For a configuration file the notes
// name the fields the engine would not take from it (an older or shorter file, or values it does
// not accept): those keep the factory values, as loading the file into the engine does.
LoadedConfiguration LoadConfigurationFile(const std::string& path);

// Connects to the unit on the port, retrieves its configuration and disconnects.
LoadedConfiguration RetrieveFromUnit(const std::string& port);

// "unit:PORT" or a file.
LoadedConfiguration LoadSource(const std::string& source);

// The configuration file of an image, written so that a failure leaves nothing behind.
bool WriteConfigurationFile(const std::string& path, const ParameterImage& image);
bool WriteTextFile(const std::string& path, const std::string& text);

}  // namespace kvt::config
