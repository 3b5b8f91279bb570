#pragma once
// Entry points for coverage-guided fuzzing: each takes any bytes and reads
// them as one kind of outside input. A fault is a crash, a hang, a sanitizer
// report, or a result no input may give (the entry point aborts). libFuzzer
// calls them (fuzz/libfuzzer_entry.cpp), and the test suite replays the
// inputs kept in tests/data through them.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace lumora {

/// One fuzz target: its name as fuzz/targets.txt lists it, and its entry point.
struct FuzzTarget {
  std::string_view name;
  void (*read)(std::span<const uint8_t> input);
};

/// Every target.
std::span<const FuzzTarget> FuzzTargets();

}  // namespace lumora
