// OperatorConsole: a person at the simulated unit, typing on kvt80-sim's standard input while the
// unit serves: front-panel commands ("button 3", "mute", "fader 55", "projector 2"), the unit's
// condition ("aes-error on", "dsp-dead 3 on"), "power-cycle" (with "s5": holding S5 on the control
// card), "network" (the unit's network settings), "panel", "help". Each command answers one line,
// "ok ..." or "error: ...".
#pragma once

#include <string>
#include <string_view>
#include <thread>

#include "SimulatedUnit.h"
#include "UniqueFd.h"

namespace kvt::sim {

// Carries out one operator command line on the unit and returns its answer line (without the
// line end). An empty or blank line answers an empty string.
std::string RunOperatorCommand(SimulatedUnit& unit, std::string_view line);

// Reads operator commands from `input`, one per line, and writes each answer line to `output`,
// on a thread of its own. The end of the input ends the reading only; the unit serves on. Stop (or
// the destructor) wakes the thread and joins it whatever the input is doing. Neither descriptor is
// owned.
class OperatorConsole {
  public:
    OperatorConsole(SimulatedUnit& unit, int input, int output);
    ~OperatorConsole();
    OperatorConsole(const OperatorConsole&) = delete;
    OperatorConsole& operator=(const OperatorConsole&) = delete;

    void Stop();

  private:
    void Run();
    void Take(std::string_view bytes);
    void Answer(const std::string& text);

    SimulatedUnit& unit_;
    int input_;
    int output_;
    UniqueFd wakeRead_;
    UniqueFd wakeWrite_;
    std::string line_;       // the line typed so far
    bool overlong_ = false;  // the line typed so far was too long and is being skipped
    std::jthread thread_;
};

}  // namespace kvt::sim
