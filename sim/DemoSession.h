// The simulated unit of a program's demo mode, with the private settings directory its engine
// uses.
//
// The demo's port is a pseudo-terminal that exists only while the program runs. Storing it in the
// user's settings would replace the port they use with the real unit, so a demo engine keeps its
// settings (XDG_CONFIG_HOME) in a private directory that goes away at exit. A program that keeps
// settings of its own must find their folder before Start.
#pragma once

#include <filesystem>
#include <memory>
#include <string>

#include "SimulatedUnit.h"

namespace kvt::sim {

class DemoSession {
  public:
    DemoSession() = default;
    ~DemoSession();
    DemoSession(const DemoSession&) = delete;
    DemoSession& operator=(const DemoSession&) = delete;

    // Returns why the demo could not start, or an empty text.
    std::string Start();

    bool Running() const { return unit_ != nullptr; }
    SimulatedUnit& Unit() { return *unit_; }
    // The pseudo-terminal the engine opens.
    const std::string& Port() const { return port_; }

  private:
    std::filesystem::path settings_;
    std::unique_ptr<SimulatedUnit> unit_;
    std::string port_;
};

}  // namespace kvt::sim
