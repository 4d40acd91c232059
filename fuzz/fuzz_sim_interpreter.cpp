// Feeds arbitrary bytes to the simulated unit's command interpreter.
#include <cstddef>
#include <cstdint>

#include "InterpreterFuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    return kvt::sim::SimInterpreterFuzz(data, size);
}
