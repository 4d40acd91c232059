// The parameter image: every setting of the unit as the engine holds it, in engineering values.
// Property gets read it, puts change it and queue the raw words, the retrieval fills it from the
// unit, and configuration files are written from it and read into it.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "formats/FormatTable.h"
#include "image/AddressMap.h"

namespace kvt {

// Version and identification texts read from the unit (8-bit text, Windows-1252).
struct VersionTexts {
    std::string controller;           // "picver": PICVersion
    std::string matrix;               // MatrixVersion
    std::string nr1;                  // NRVersion (preamp processor A)
    std::string nr2;                  // preamp processor B
    std::string eq1;                  // EQVersion (EQ processor A)
    std::string eq2;                  // EQ processor B
    std::string outputController;     // OutputPICVersion
    std::string processorController;  // ProcessorPICVersion
};

struct ParameterImage {
    std::array<double, kValueSlots> values{};  // numeric parameters, by Slot()
    std::array<bool, kChannels> mute{};
    std::array<bool, kChannels> invert{};
    FormatTable formats;
    Profile profile;

    double Get(Param param, ParameterIndex at = {}) const { return values[Slot(param, at)]; }
    void Set(Param param, ParameterIndex at, double value) { values[Slot(param, at)] = value; }
    int32_t GetInt(Param param) const { return static_cast<int32_t>(Get(param)); }
};

// The image of a new engine object and of a default configuration.
ParameterImage FactoryImage();

}  // namespace kvt
