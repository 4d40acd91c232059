#include "UnitState.h"

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
