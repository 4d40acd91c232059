#include "StatusFields.h"

#include "UnitState.h"

namespace kvt::sim {

namespace {

constexpr uint32_t kWorking = 1;
constexpr uint32_t kFault = 2;

}  // namespace

std::vector<uint32_t> StatusFields(const UnitState& state) {
    const auto& memory = state.memory;
    const auto& panel = state.panel;
    std::vector<uint32_t> fields = {
        kWorking, 0x021400, 0,                            // 0 controller: firmware, watchdog resets
        kWorking, memory.Read(1, 18), 0,                  // 1 preamp processor A: version, errors
        kWorking, memory.Read(2, 18), 0,                  // 2 preamp processor B
        kWorking, memory.Read(3, 30), 0,                  // 3 matrix processor
        kWorking, memory.Read(4, 261), 0,                 // 4 EQ processor A
        kWorking, memory.Read(5, 261), 0,                 // 5 EQ processor B
        kWorking, 0x000108, 0,                            // 6 output processor
        kWorking, 0x000215, 0,                            // 7 preamp controller
        kWorking, 0x000108, 0,                            // 8 output controller
        panel.aesEbuError ? kFault : kWorking, 48000, 0,  // 9 AES/EBU input: sample rate, errors
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
