// Fuzz entry point for the command interpreter: any byte sequence must leave it answering in the
// wire format. A libFuzzer target calls this from LLVMFuzzerTestOneInput.
#pragma once

#include <cstddef>
#include <cstdint>

namespace kvt::sim {

// Always returns 0; aborts when a reply breaks the wire format.
int SimInterpreterFuzz(const uint8_t* data, size_t size);

}  // namespace kvt::sim
