// What the server asks of the engine apart from single property puts: the whole state as the page
// shows it, and the connect and disconnect flows.
#pragma once

#include <nlohmann/json.hpp>
#include <string>

#include "IKVT80.h"

namespace kvt::web {

// The engine's image as one JSON object: connection, per-channel equaliser, bass, treble, output
// gain and mute, generator and analyser, the current format and fader, the format table and the
// profile. Reads the image only.
nlohmann::json ReadState(IKVT80& engine);

// Opens the port, reads the unit and starts the level and analyser reads; returns why it failed,
// or an empty text. Talks to the unit: never on the network thread.
std::string ConnectFlow(IKVT80& engine);

// Stores the settings in the unit (store) or abandons the unsaved changes (not store), verifies
// them when asked, and disconnects. A failed store or verification leaves the unit connected and
// says so.
std::string DisconnectFlow(IKVT80& engine, bool store, bool verify);

}  // namespace kvt::web
