#pragma once
// What the fuzz targets share: the input as text, the engine, a filter that
// lets every hand through to its reader, and the check that stops on a
// result no input may give.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "history/hand_filter.h"

namespace lumora {

class PokerLogic;

/// The input's bytes as they arrive.
inline std::string_view BytesOf(std::span<const uint8_t> input) {
  return {reinterpret_cast<const char*>(input.data()), input.size()};
}

/// One engine for every input, on one thread: fuzzing runs one input at a time.
const PokerLogic& FuzzEngine();

/// Hero's filter for `room` that takes every date, limit, table size and game.
HandFilter FuzzFilter(int32_t room);

/// Stops the run, as a crash would, when `holds` is false: the input gave a
/// result no input may give, and libFuzzer keeps it.
void Require(bool holds);

}  // namespace lumora
