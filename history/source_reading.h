#pragma once
// What the reader of one source works with: where it reads, the run's
// filter, the big blind detection found, the equity engine for all-in hands,
// and where its results go.

#include <cstdint>
#include <string>

#include "history/hand_filter.h"
#include "history/source_result.h"

namespace lumora {

class PokerLogic;

struct SourceReading {
  const std::wstring& path;  ///< the file path, for reports
  const HandFilter& filter;
  int64_t fileBigBlind;  ///< cents
  const PokerLogic& engine;
  SourceResult& out;
};

}  // namespace lumora
