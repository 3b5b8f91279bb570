#include "fuzz/fuzz_targets.h"

#include <array>
#include <cstdlib>

#include "app/game_kinds.h"
#include "app/run_settings.h"
#include "equity/poker_logic.h"
#include "fuzz/fuzz_support.h"

namespace lumora {

void ReadPokerStarsFile(std::span<const uint8_t> input);
void ReadPartyPokerFile(std::span<const uint8_t> input);
void Read888PokerFile(std::span<const uint8_t> input);
void ReadTigerGamingFile(std::span<const uint8_t> input);
void ReadIPokerFile(std::span<const uint8_t> input);
void ReadXmlSession(std::span<const uint8_t> input);
void ReadLines(std::span<const uint8_t> input);
void EvaluateAllIn(std::span<const uint8_t> input);

std::span<const FuzzTarget> FuzzTargets() {
  static constexpr std::array<FuzzTarget, 8> kTargets = {{
      {"pokerstars_file", ReadPokerStarsFile},
      {"partypoker_file", ReadPartyPokerFile},
      {"poker888_file", Read888PokerFile},
      {"tigergaming_file", ReadTigerGamingFile},
      {"ipoker_file", ReadIPokerFile},
      {"xml_reader", ReadXmlSession},
      {"line_parsers", ReadLines},
      {"all_in_ev", EvaluateAllIn},
  }};
  return kTargets;
}

const PokerLogic& FuzzEngine() {
  static const PokerLogic engine(1);
  return engine;
}

HandFilter FuzzFilter(int32_t room) {
  HandFilter filter;
  filter.nick = L"Hero";
  filter.room = room;
  filter.timeFrom = 0;
  filter.timeTo = 32503680000;  // the year 3000
  filter.numPl = kAllTableSizes;
  filter.minPl = 0;
  filter.maxPl = 1000;
  filter.zoom = 1;
  return filter;
}

void Require(bool holds) {
  if (!holds) std::abort();
}

}  // namespace lumora
