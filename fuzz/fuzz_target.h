#pragma once

// The two entry points of a libFuzzer target; replay_main.cpp calls them without
// libFuzzer, so that the gathered inputs run as ordinary regression tests.

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv);
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

// Ends what LLVMFuzzerInitialize began (the program's shutdown, the framework runtime).
// libFuzzer never returns to call it, so there the runtime lives until the process ends;
// replay_main.cpp calls it after the last input, so that a leak check finds nothing left.
void fuzzTargetEnd();
