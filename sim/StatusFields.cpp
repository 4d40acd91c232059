#include "StatusFields.h"

#include "UnitState.h"

namespace kvt::sim {

namespace {

constexpr uint32_t kWorking = 1;
constexpr uint32_t kFault = 2;

// The controller's version text ("021400") as the status word carries it; 0 when it is no number.
uint32_t ControllerVersionWord(const std::string& text) {
    uint32_t word = 0;
    for (const char c : text) {
        const int digit = c >= '0' && c <= '9' ? c - '0' : c >= 'A' && c <= 'F' ? c - 'A' + 10 : -1;
        if (digit < 0) {
            return 0;
        }
        word = word * 16 + static_cast<uint32_t>(digit);
    }
    return word;
}

// A processor the control card cannot reach reports a fault.
uint32_t ProcessorState(const UnitState& state, int block) {
    return state.processors[static_cast<size_t>(block - 1)].dead ? kFault : kWorking;
}

}  // namespace

std::vector<uint32_t> StatusFields(const UnitState& state) {
    const auto& memory = state.memory;
    const auto& panel = state.panel;
    std::vector<uint32_t> fields = {
        kWorking, ControllerVersionWord(state.controller.version), 0,  // 0 controller: firmware,
                                                                       // watchdog resets
        ProcessorState(state, 1), memory.Read(1, 18), 0,   // 1 preamp processor A: version, errors
        ProcessorState(state, 2), memory.Read(2, 18), 0,   // 2 preamp processor B
        ProcessorState(state, 3), memory.Read(3, 30), 0,   // 3 matrix processor
        ProcessorState(state, 4), memory.Read(4, 261), 0,  // 4 EQ processor A
        ProcessorState(state, 5), memory.Read(5, 261), 0,  // 5 EQ processor B
        kWorking, 0x000108, 0,                             // 6 output processor
        kWorking, 0x000215, 0,                             // 7 preamp controller
        kWorking, 0x000108, 0,                             // 8 output controller
        panel.aesEbuError ? kFault : kWorking, 48000, 0,   // 9 AES/EBU input: sample rate, errors
        state.cardPresent ? kWorking : 0, state.cardSerial, 0,  // 10 personality module
        kWorking, static_cast<uint32_t>(panel.button), static_cast<uint32_t>(panel.level),
        // 11 front panel: button, fader
        kWorking, 150, 150,                 // 12 power supply: +15 V, -15 V (0.1 V)
        kWorking, 38, 1800,                 // 13 cooling: temperature (C), fan (rpm)
        1234, state.powerOns, state.saves,  // 14 hours, power-ons, saves
    };
    return fields;
}

}  // namespace kvt::sim
