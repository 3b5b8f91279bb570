// The equity engine's speed goals on a two-core machine, one benchmark each:
// heads-up Hold'em ≤ 5 ms, three-way Hold'em ≤ 5 ms, heads-up Omaha ≤ 30 ms,
// heads-up Omaha hi-lo ≤ 35 ms, three-way five-card Omaha ≤ 30 ms (all before
// the flop), any flop ≤ 1 ms. The enumerator is called directly, so neither
// the engine's memory of matchups nor the shipped heads-up table answers;
// those two are measured on their own.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <numeric>
#include <random>

#include "equity/cards.h"
#include "equity/enumerator.h"
#include "equity/poker_logic.h"
#include "equity/rank_tables.h"

namespace lumora {
namespace {

Deal MakeDeal(std::wstring_view hands, int perHand, std::wstring_view board = L"",
              bool hiLo = false) {
  Deal deal;
  deal.cardsPerHand = perHand;
  deal.hands = ParseTypedCards(hands).cards;
  deal.board = ParseTypedCards(board).cards;
  deal.hiLo = hiLo;
  return deal;
}

/// Enumerates `deal` on both cores each iteration.
void Enumerate(benchmark::State& state, const Deal& deal) {
  RankTables::Get();
  for (auto _ : state) benchmark::DoNotOptimize(EnumerateEquity(deal, 2));
  state.counters["equity"] = EnumerateEquity(deal, 2)->Percent(0);
}

void HoldemHeadsUpPreflopEnumerated(benchmark::State& state) {
  Enumerate(state, MakeDeal(L"AhAs KdKc", 2));
}
void HoldemHeadsUpPreflopShippedTable(benchmark::State& state) {
  const PokerLogic logic;
  const Deal deal = MakeDeal(L"AhAs KdKc", 2);
  for (auto _ : state) benchmark::DoNotOptimize(logic.Equity(deal));
}
void HoldemThreeWayPreflop(benchmark::State& state) {
  Enumerate(state, MakeDeal(L"AsKs QhQd JcTc", 2));
}
void OmahaHeadsUpPreflop(benchmark::State& state) {
  Enumerate(state, MakeDeal(L"AsAhKsKh JdTd9c8c", 4));
}
void OmahaHiLoHeadsUpPreflop(benchmark::State& state) {
  Enumerate(state, MakeDeal(L"AcAd2c3d KhQhJsTs", 4, L"", true));
}
void FiveCardOmahaThreeWayPreflop(benchmark::State& state) {
  Enumerate(state, MakeDeal(L"AsAhKsKhQd JdTd9c8c7h 2c3c4d5d6h", 5));
}
void HoldemHeadsUpFlop(benchmark::State& state) {
  Enumerate(state, MakeDeal(L"AhAs KdKc", 2, L"2c7h9d"));
}
void FiveCardOmahaHiLoThreeWayFlop(benchmark::State& state) {
  Enumerate(state, MakeDeal(L"AsAhKsKhQd JdTd9c8c7h 2c3c4d5d6h", 5, L"2d7s9s", true));
}
/// The same enumerations on one thread, to show what the second core adds.
void Enumerate(benchmark::State& state, std::wstring_view hands, unsigned threads) {
  Deal deal;
  deal.hands = ParseTypedCards(hands).cards;
  RankTables::Get();
  for (auto _ : state) benchmark::DoNotOptimize(EnumerateEquity(deal, threads));
}
void HoldemHeadsUpPreflopOneThread(benchmark::State& state) {
  Enumerate(state, L"AhAs KdKc", 1);
}
void HoldemThreeWayPreflopOneThread(benchmark::State& state) {
  Enumerate(state, L"AsKs QhQd JcTc", 1);
}

/// What a run with a thousand all-in hands asks of one engine: 600 heads-up
/// and 200 three-way Hold'em hands and 100 heads-up Omaha hands all in
/// before the flop, 100 heads-up Hold'em hands all in on the flop, dealt at
/// random (the same deals every iteration, a fresh engine each time).
void ThousandAllInHands(benchmark::State& state) {
  std::mt19937 random(1000);
  std::vector<Deal> deals;
  const auto add = [&](int count, int perHand, int hands, int boardCount) {
    for (int i = 0; i < count; ++i) {
      std::vector<int> deck(kCardCount);
      std::iota(deck.begin(), deck.end(), 0);
      std::shuffle(deck.begin(), deck.end(), random);
      Deal deal;
      deal.cardsPerHand = perHand;
      deal.hands.assign(deck.begin(), deck.begin() + perHand * hands);
      deal.board.assign(deck.begin() + perHand * hands,
                        deck.begin() + perHand * hands + boardCount);
      deals.push_back(deal);
    }
  };
  add(600, 2, 2, 0);
  add(200, 2, 3, 0);
  add(100, 4, 2, 0);
  add(100, 2, 2, 3);
  for (auto _ : state) {
    const PokerLogic logic;
    for (const Deal& deal : deals) benchmark::DoNotOptimize(logic.Equity(deal));
  }
}

/// A matchup asked again: the engine's memory answers.
void RememberedMatchup(benchmark::State& state) {
  const PokerLogic logic;
  const Deal deal = MakeDeal(L"AsAhKsKh JdTd9c8c", 4);
  logic.Equity(deal);
  for (auto _ : state) benchmark::DoNotOptimize(logic.Equity(deal));
}

BENCHMARK(HoldemHeadsUpPreflopEnumerated)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(HoldemHeadsUpPreflopShippedTable)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(HoldemThreeWayPreflop)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(OmahaHeadsUpPreflop)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(OmahaHiLoHeadsUpPreflop)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(FiveCardOmahaThreeWayPreflop)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(HoldemHeadsUpFlop)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(FiveCardOmahaHiLoThreeWayFlop)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(HoldemHeadsUpPreflopOneThread)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(HoldemThreeWayPreflopOneThread)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(ThousandAllInHands)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(RememberedMatchup)->Unit(benchmark::kMicrosecond)->UseRealTime();

}  // namespace
}  // namespace lumora

BENCHMARK_MAIN();
