#pragma once
// The win rate and deviation of every limit analysed, kept for the limit
// comparison. The desktop program keeps the map for its lifetime; the command
// line keeps it in a small file beside the profile so that a comparison works
// across runs.

#include <cstdint>
#include <filesystem>
#include <map>

namespace lumora {

/// A limit: big blind in cents (0 = all), table-size code, currency code.
struct LimitKey {
  int32_t CashLimit = 0;
  int32_t NumPl = 0;
  int32_t Currency = 0;
  auto operator<=>(const LimitKey&) const = default;
};

struct LimitResult {
  int64_t bigBlind = 0;  ///< the run big blind in cents of the entry's first run
  LimitKey key;
  double winRate = 0.0;  ///< big blinds per 100 hands
  double sd = 0.0;       ///< standard deviation, big blinds per 100 hands
};

using LimitResultMap = std::map<LimitKey, LimitResult>;

/// Records a finished run: a known limit takes the new win rate and
/// deviation and keeps its first big blind; a new one is inserted.
void UpdateLimitResult(LimitResultMap& map, const LimitKey& key, int64_t bigBlind, double winRate,
                       double sd);

/// Reads the map written by SaveLimitResults; a missing or unreadable file
/// gives an empty map, a malformed line is skipped.
LimitResultMap LoadLimitResults(const std::filesystem::path& path);

/// Writes the map (one line per limit, full double precision) through a
/// temporary file, so that a failed write leaves the old file whole.
/// Returns false when the file cannot be written.
bool SaveLimitResults(const std::filesystem::path& path, const LimitResultMap& map);

}  // namespace lumora
