#pragma once

// The two entry points of a libFuzzer target; replay_main.cpp calls them without
// libFuzzer, so that the gathered inputs run as ordinary regression tests.

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv);
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);
