#pragma once
// The command line's CSV files: one row per counted hand, and the two
// risk-of-ruin curves.

#include <filesystem>

#include "app/ror_curve.h"
#include "run/run_analysis.h"

namespace lumora {

/// Header "file,hand,time,bb_cents,result_cents,allin_ev", then one row per
/// hand in run order: source path, hand id, start time (seconds since 1970),
/// big blind in cents, result in cents, all-in EV in currency units (empty
/// when none was computed). Returns false when the file cannot be written.
bool WriteHandsCsv(const std::filesystem::path& path, const RunHands& hands);

/// Header "point,bankroll_bb,ror_percent,roru_percent", then the 100 points.
bool WriteCurveCsv(const std::filesystem::path& path, const RorCurve& curve);

}  // namespace lumora
