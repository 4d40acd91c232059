#include "UnitState.h"

#include <algorithm>
#include <array>

namespace kvt::sim {

namespace {

struct SelectionBlock {
    Selection selection;
    int block;
};

// Controllers (9/F, 6/F) are selectable but carry no parameter block.
constexpr std::array<SelectionBlock, 8> kSelections{{
    {{9, 1}, 1},
    {{9, 2}, 2},
    {{9, 3}, 3},
    {{6, 1}, 4},
    {{6, 2}, 5},
    {{6, 0xB}, 6},
    {{9, 0xF}, -1},
    {{6, 0xF}, -1},
}};

}  // namespace

std::optional<int> FormatOfButton(const UnitMemory& memory, int button) {
    if (button < 1 || button > kPanelButtons) {
        return std::nullopt;
    }
    const uint32_t entry = memory.Read(0, kEepromButtonTable + static_cast<uint32_t>(button - 1));
    if (entry >= kFormatCount) {
        return std::nullopt;
    }
    return static_cast<int>(entry);
}

void PressPanelButton(UnitState& state, int button) {
    if (button < 1 || button > kNoButton) {
        return;
    }
    state.panel.button = button;
    if (const auto format = FormatOfButton(state.memory, button)) {
        state.panel.format = *format;
    }
}

uint32_t StoredWord(const UnitState& state, int block, uint32_t address) {
    return block == 0 ? state.memory.Read(block, address) : state.stored.Read(block, address);
}

void PresetWord(UnitState& state, int block, uint32_t address, uint32_t value) {
    state.memory.Write(block, address, value);
    state.stored.Write(block, address, value);
}

void PresetMemory(UnitState& state, const UnitMemory& memory) {
    state.memory = memory;
    state.stored = memory;
}

constexpr int kOutputBlock = 6;

void StoreProcessorMemory(UnitState& state, int block) {
    if (block > 0) {
        state.stored.CopyBlock(block, state.memory);
    }
}

void WriteWord(UnitState& state, int block, uint32_t address, uint32_t value) {
    if (!UnitMemory::Contains(block, address)) {
        return;
    }
    if (state.cardOpen) {
        state.cardImage[{block, address}] = value & UnitMemory::ValueMask(block);
        return;
    }
    state.memory.Write(block, address, value);
    // The output card's controller keeps what it is given at once; it needs no "savevals".
    if (block == kOutputBlock) {
        state.stored.Write(block, address, value);
    }
}

void StartControllerFirmware(ControllerState& controller) {
    controller.bootLoaderRunning = false;
    controller.version = ControllerVersion(controller);
}

std::string ControllerVersion(const ControllerState& controller) {
    constexpr size_t kVersionLength = 6;
    const auto& userId = controller.memories.userId;
    const bool printable = std::all_of(userId.begin(), userId.begin() + kVersionLength,
                                       [](uint8_t byte) { return byte >= 0x20 && byte < 0x7F; });
    if (!printable) {
        return controller.version;
    }
    return {userId.begin(), userId.begin() + kVersionLength};
}

SignalProcessor* ProcessorOfBlock(UnitState& state, int block) {
    const bool known = block >= 1 && block <= kProgramProcessors;
    return known ? &state.processors[static_cast<size_t>(block - 1)] : nullptr;
}

const SignalProcessor* ProcessorOfBlock(const UnitState& state, int block) {
    const bool known = block >= 1 && block <= kProgramProcessors;
    return known ? &state.processors[static_cast<size_t>(block - 1)] : nullptr;
}

void PowerCycleUnit(UnitState& state) {
    for (int block = 1; block < UnitMemory::kBlockCount; ++block) {
        state.memory.CopyBlock(block, state.stored);
    }
    for (auto& processor : state.processors) {
        processor.stage = ProcessorStage::Running;
        processor.programMemory = {};
        processor.wordsWritten = 0;
    }
    // Without firmware there is nothing to start, so the boot loader keeps the serial line.
    if (state.controller.firmwareMissing) {
        state.controller.bootLoaderRunning = true;
    } else {
        StartControllerFirmware(state.controller);
    }
    state.selection.reset();
    state.cardOpen = false;
    state.menuMode = false;
    state.tornFrames = 0;
    state.saves = 0;
    ++state.powerOns;
    const uint32_t entry = state.memory.Read(0, kEepromPowerOnEntry);
    if (entry < kPanelButtons) {
        PressPanelButton(state, static_cast<int>(entry) + 1);
    }
}

void PowerCycleUnitHoldingS5(UnitState& state) {
    PowerCycleUnit(state);
    state.controller.bootLoaderRunning = true;
}

int BlockOfSelection(const std::optional<Selection>& selection) {
    if (!selection) {
        return -1;
    }
    for (const auto& row : kSelections) {
        if (row.selection == *selection) {
            return row.block;
        }
    }
    return -1;
}

bool IsKnownSelection(const Selection& selection) {
    for (const auto& row : kSelections) {
        if (row.selection == selection) {
            return true;
        }
    }
    return false;
}

}  // namespace kvt::sim
