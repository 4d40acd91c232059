#include "DemoSession.h"

#include <cstdlib>
#include <exception>
#include <system_error>

namespace kvt::sim {

DemoSession::~DemoSession() {
    // The unit first: the engine's port is closed by then, the pseudo-terminal can go.
    unit_.reset();
    if (!settings_.empty()) {
        std::error_code ignored;
        std::filesystem::remove_all(settings_, ignored);
    }
}

std::string DemoSession::Start() {
    std::error_code error;
    std::filesystem::path base = std::filesystem::temp_directory_path(error);
    if (error) {
        base = "/tmp";
    }
    std::string pattern = base / "kvt80-demo-XXXXXX";
    if (mkdtemp(pattern.data()) == nullptr) {
        return "cannot create a settings directory for the demo";
    }
    settings_ = pattern;
    if (setenv("XDG_CONFIG_HOME", settings_.c_str(), 1) != 0) {
        return "cannot point the demo's settings at " + settings_.string();
    }
    try {
        unit_ = std::make_unique<SimulatedUnit>();
        port_ = unit_->StartPty();
    } catch (const std::exception& e) {
        unit_.reset();
        return std::string("the simulated unit could not be started: ") + e.what();
    }
    return {};
}

}  // namespace kvt::sim
