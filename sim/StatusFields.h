// StatusFields: the 45 fields of the "status" answer, 15 groups of three.
//
// Groups 0..13 describe one part of the unit each as (state, version or reading, counter);
// state is 0 absent, 1 working, 2 in fault. Group 14 (fields 42..44) holds hours in service,
// power-on count and the number of parameter saves.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace kvt::sim {

struct UnitState;

constexpr size_t kStatusFieldCount = 45;

std::vector<uint32_t> StatusFields(const UnitState& state);

}  // namespace kvt::sim
