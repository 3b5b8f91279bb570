#pragma once
// Cutting an accepted text history file into hands, filtering each by its
// header and handing it to its room's reader.

#include <cstdint>
#include <string>
#include <vector>

#include "app/hand_results.h"
#include "history/hand_filter.h"

namespace lumora {

/// Reads the hands of one file into `out` (hands, all-in reports and values,
/// pane notes). `fileBigBlind` is the big blind in cents that detection
/// found. Returns true when every line was handled, false when the file was
/// abandoned; an abandoned file's results must not be used.
bool ReadHistoryHands(const std::wstring& path, const HandFilter& filter,
                      const std::vector<std::wstring>& lines, int32_t fileBigBlind,
                      SourceResult& out);

}  // namespace lumora
