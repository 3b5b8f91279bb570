#pragma once
// One "Make" analysis: collect the hero's result of every hand that passes
// the settings' filters, from a history folder or a tracker database, then
// report the totals, statistics and risk of ruin.

#include <cstddef>
#include <string>
#include <vector>

#include "app/hand_results.h"
#include "app/run_settings.h"
#include "history/hand_filter.h"

namespace lumora {

class CLumoraApp;
class UserInterface;

/// The counted hands of a run in run order. A caller keeps only what it
/// needs: their number, what the results graph draws (24 bytes a hand), or
/// every hand whole with the source it came from (some hundred bytes a hand).
struct RunHands {
  enum class Kept { kCount, kGraph, kWhole };
  Kept kept = Kept::kWhole;
  std::size_t count = 0;                  ///< hands counted, whatever is kept
  std::vector<GraphHand> graph;           ///< with kGraph, one per hand
  std::vector<std::wstring> sources;      ///< with kWhole: file paths, or the database's label
  std::vector<std::size_t> sourceOfHand;  ///< with kWhole: index into `sources`, one per hand
  HandResultStore hands;                  ///< with kWhole
};

/// The readers' filter from the run's settings, game selection and range.
HandFilter MakeHandFilter(const RunSettings& settings, const GameFlags& games,
                          const DateRange& range);

/// Runs one analysis with the settings held by `app`, reporting through
/// `ui` and the log. Returns true only when the run reached its end (the
/// statistics and risk of ruin were computed and stored); every early end
/// returns false after its message. When `runHands` is given it receives the
/// hands that reached the run store, also when the run ends after the totals.
bool RunAnalysis(CLumoraApp& app, UserInterface& ui, RunHands* runHands = nullptr);

}  // namespace lumora
