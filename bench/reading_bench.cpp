// Reading throughput of the hand-history readers: hands per second for a
// PokerStars session, without and with hands that need the equity engine.
// Run a Release build: bench/reading_bench --benchmark_counters_tabular=true

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "app/run_settings.h"
#include "base/history_file.h"
#include "base/text.h"
#include "equity/poker_logic.h"
#include "history/history_hands.h"
#include "run/process_file.h"

namespace lumora {
namespace {

const PokerLogic& Engine() {
  static const PokerLogic engine;
  return engine;
}

/// A six-max hand in which Hero folds, calls down or goes all in before the
/// flop against a random hand. The blinds move round the table as they do in
/// play: Hero posts one in a third of the hands.
std::wstring Hand(int number, int kind, std::mt19937& random) {
  static const wchar_t* kSmall[] = {L"Hero",      L"Ann",         L"Cy",
                                    L"glaine 59", L"I.C.U-2-Win", L"Heroine"};
  std::wstring text = Format(
      L"PokerStars Hand #%d:  Hold'em No Limit ($0.05/$0.10 USD) - 2024/03/05 12:%02d:00 CET "
      L"[2024/03/05 6:%02d:00 ET]\n"
      L"Table 'Halley' 6-max Seat #1 is the button\n"
      L"Seat 1: Ann ($10 in chips) \nSeat 2: Hero ($10 in chips) \nSeat 3: Heroine ($10 in chips) "
      L"\n"
      L"Seat 4: glaine 59 ($10 in chips) \nSeat 5: I.C.U-2-Win ($10 in chips) \n"
      L"Seat 6: Cy ($10 in chips) \n"
      L"%s: posts small blind $0.05\nHeroine: posts big blind $0.10\n*** HOLE CARDS ***\n"
      L"Dealt to Hero [Ah Kd]\nglaine 59: folds \nI.C.U-2-Win: folds \n",
      number, number % 60, number % 60, std::wstring(kSmall[number % 6]));
  if (kind == 0)
    return text +
           L"Cy: folds \nAnn: raises $0.20 to $0.30\nHero: folds \n"
           L"Heroine: folds \nUncalled bet ($0.20) returned to Ann\n"
           L"Ann collected $0.25 from pot\n*** SUMMARY ***\n"
           L"Total pot $0.25 | Rake $0\n\n\n";
  if (kind == 1)
    return text +
           L"Cy: folds \nAnn: folds \nHero: raises $0.20 to $0.30\nHeroine: calls $0.20\n"
           L"*** FLOP *** [4d 9h 9s]\nHero: bets $0.40\nHeroine: calls $0.40\n"
           L"*** TURN *** [4d 9h 9s] [Qc]\nHero: checks \nHeroine: checks \n"
           L"*** RIVER *** [4d 9h 9s Qc] [2d]\nHero: checks \nHeroine: checks \n"
           L"*** SHOW DOWN ***\nHero: shows [Ah Kd] (a pair of Nines)\n"
           L"Heroine: mucks hand \nHero collected $1.35 from pot\n*** SUMMARY ***\n"
           L"Total pot $1.40 | Rake $0.05\nBoard [4d 9h 9s Qc 2d]\n"
           L"Seat 2: Hero (small blind) showed [Ah Kd] and won ($1.35)\n\n\n";
  // All in before the flop against a random pair.
  static const wchar_t* kRanks = L"23456789TJQ";
  const wchar_t rank = kRanks[random() % 11];
  const std::wstring villain = std::wstring(1, rank) + L"c " + std::wstring(1, rank) + L"s";
  return text +
         L"Cy: folds \nAnn: folds \nHero: raises $9.90 to $10 and is all-in\n"
         L"Heroine: calls $9.90 and is all-in\n*** FLOP *** [4d 9h 9s]\n"
         L"*** TURN *** [4d 9h 9s] [Qc]\n*** RIVER *** [4d 9h 9s Qc] [2d]\n"
         L"*** SHOW DOWN ***\nHero: shows [Ah Kd]\nHeroine: shows [" +
         villain +
         L"]\nHeroine collected $19.50 from pot\n*** SUMMARY ***\n"
         L"Total pot $20 | Rake $0.50\nBoard [4d 9h 9s Qc 2d]\n"
         L"Seat 2: Hero (small blind) showed [Ah Kd] and lost\n"
         L"Seat 3: Heroine (big blind) showed [" +
         villain + L"] and won ($19.50)\n\n\n";
}

/// `hands` hands, one in `allInEvery` all in (0: none), as the text of a file.
std::wstring Session(int hands, int allInEvery) {
  std::mt19937 random(1);
  std::wstring text;
  for (int i = 0; i < hands; ++i)
    text += Hand(100000 + i, allInEvery != 0 && i % allInEvery == 0 ? 2 : i % 2, random);
  return text;
}

void ReadSession(benchmark::State& state, int allInEvery) {
  const int hands = 10000;
  const std::wstring text = Session(hands, allInEvery);
  const TextLines lines = SplitLines(text);
  HandFilter filter;
  filter.nick = L"Hero";
  filter.room = 1;
  filter.timeTo = 32503680000;
  filter.numPl = 4;
  filter.cashLimit = 10;  // a run that measures a win rate reads one limit
  Engine();
  for (auto _ : state) {
    SourceResult out;
    ReadHistoryHands(L"bench.txt", filter, lines, 10, Engine(), out);
    benchmark::DoNotOptimize(out.hands.data());
  }
  state.SetItemsProcessed(state.iterations() * hands);
  state.counters["hands/s"] =
      benchmark::Counter(static_cast<double>(hands), benchmark::Counter::kIsIterationInvariantRate);
}

void BM_PokerStarsNoAllIn(benchmark::State& state) {
  ReadSession(state, 0);
}
void BM_PokerStarsOneInTwentyAllIn(benchmark::State& state) {
  ReadSession(state, 20);
}

void BM_DecodeAndSplit(benchmark::State& state) {
  std::mt19937 random(1);
  std::wstring text;
  for (int i = 0; i < 10000; ++i) text += Hand(i, i % 2, random);
  const std::string bytes = "\xEF\xBB\xBF" + WideToUtf8(text);
  HistoryText file;  // reused from file to file, as a reading thread does
  for (auto _ : state) {
    DecodeHistoryInto(bytes, file);
    benchmark::DoNotOptimize(file.lines.size());
  }
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(bytes.size()));
}

/// A whole file as a run reads it: decoding, detection and the hands.
void BM_PokerStarsFile(benchmark::State& state) {
  std::mt19937 random(1);
  std::wstring text;
  const int hands = 10000;
  for (int i = 0; i < hands; ++i) text += Hand(100000 + i, i % 2, random);
  const std::filesystem::path path =
      std::filesystem::temp_directory_path() / "lumora-reading-bench.txt";
  std::ofstream(path, std::ios::binary) << "\xEF\xBB\xBF" << WideToUtf8(text);
  HandFilter filter;
  filter.nick = L"Hero";
  filter.room = 1;
  filter.timeTo = 32503680000;
  filter.numPl = 4;
  filter.cashLimit = 10;
  Engine();
  for (auto _ : state) benchmark::DoNotOptimize(ProcessHistoryFile(path, filter, Engine()));
  state.counters["hands/s"] =
      benchmark::Counter(static_cast<double>(hands), benchmark::Counter::kIsIterationInvariantRate);
  std::filesystem::remove(path);
}

/// A Tiger Gaming or 888poker session of `hands` hands in which Hero folds or
/// calls down, as the lines of a file of room `room`.
std::wstring OtherRoomSession(int32_t room, int hands) {
  std::wstring text;
  for (int i = 0; i < hands; ++i) {
    const bool folds = i % 2 == 0;
    if (room == kTigerGaming) {
      text += Format(
          L"Tiger Gaming Game #%d: Hold'em No Limit ($0.05/0.10) - 2024/03/05 12:%02d:00 ET\n"
          L"Table 'Koala' 6-Max, Seat #1 is the button\n"
          L"Seat 1: Ann (10 in chips)\nSeat 2: Hero (10 in chips)\nSeat 3: Heroine (10 in chips)\n"
          L"Seat 4: Cy (10 in chips)\nSeat 5: Dee (10 in chips)\nSeat 6: Eve (10 in chips)\n"
          L"Ann: posts small blind 0.05\nHeroine: posts big blind 0.10\n*** HOLE CARDS ***\n"
          L"Dealt to Hero [Ah Kd]\nCy: folds\nDee: folds\nEve: folds\n",
          300000 + i, i % 60);
      text += folds ? L"Hero: folds\nAnn: folds\nHeroine collected 0.15\n\n"
                    : L"Hero: raises 0.20 to 0.30\nAnn: folds\nHeroine: calls 0.20\n"
                      L"*** FLOP *** [4d 9h 9s]\nHeroine: checks\nHero: bets 0.40\nHeroine: folds\n"
                      L"Uncalled bet (0.40) returned to Hero\nHero collected 0.65\n\n";
    } else {
      text += Format(
          L"#Game No : %d\n***** 888poker Hand History for Game %d *****\n"
          L"$0.05/$0.10 Blinds No Limit Holdem - *** 05 03 2024 12:%02d:00\n"
          L"Table Lyon 6 Max (Real Money)\nSeat 1 is the button\nTotal number of players : 6\n"
          L"Seat 1: Ann ( $10 )\nSeat 2: Hero ( $10 )\nSeat 3: Heroine ( $10 )\nSeat 4: Cy ( $10 "
          L")\n"
          L"Seat 5: Dee ( $10 )\nSeat 6: Eve ( $10 )\n"
          L"Ann posts small blind [$0.05]\nHeroine posts big blind [$0.10]\n"
          L"** Dealing down cards **\nDealt to Hero [ Ah, Kd ]\nCy folds\nDee folds\nEve folds\n",
          400000 + i, 400000 + i, i % 60);
      text += folds ? L"Hero folds\nAnn folds\nHeroine collected [ $0.15 ]\n\n"
                    : L"Hero raises [$0.30]\nAnn folds\nHeroine calls [$0.20]\n"
                      L"** Dealing flop ** [ 4d, 9h, 9s ]\nHeroine checks\nHero bets [$0.40]\n"
                      L"Heroine folds\nHero collected [ $0.65 ]\n\n";
    }
  }
  return text;
}

void ReadOtherRoom(benchmark::State& state, int32_t room) {
  const int hands = 10000;
  const std::wstring text = OtherRoomSession(room, hands);
  const TextLines lines = SplitLines(text);
  HandFilter filter;
  filter.nick = L"Hero";
  filter.room = room;
  filter.timeTo = 32503680000;
  filter.numPl = 4;
  filter.cashLimit = 10;
  for (auto _ : state) {
    SourceResult out;
    ReadHistoryHands(L"bench.txt", filter, lines, 10, Engine(), out);
    benchmark::DoNotOptimize(out.hands.data());
  }
  state.counters["hands/s"] =
      benchmark::Counter(static_cast<double>(hands), benchmark::Counter::kIsIterationInvariantRate);
}

void BM_TigerGaming(benchmark::State& state) {
  ReadOtherRoom(state, kTigerGaming);
}
void BM_Poker888(benchmark::State& state) {
  ReadOtherRoom(state, k888Poker);
}

/// An XML session of 2000 games as a run reads it.
void BM_XmlSession(benchmark::State& state) {
  const int games = 2000;
  std::string xml =
      "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<session><general><mode>real</mode>"
      "<gametype>Holdem NL $0.05/$0.10</gametype><nickname>Hero</nickname></general>\n";
  for (int i = 0; i < games; ++i)
    xml += "<game gamecode=\"" + std::to_string(500000 + i) +
           "\"><general><startdate>2024-03-05 12:00:00</startdate><players>"
           "<player name=\"Ann\" win=\"$0\" bet=\"$0.05\"/><player name=\"Hero\" win=\"$0.15\" "
           "bet=\"$0.10\"/><player name=\"Cy\" win=\"$0\" bet=\"$0\"/></players></general>"
           "<round no=\"0\"><action sum=\"$0.05\" player=\"Ann\" no=\"1\" "
           "type=\"1\"/></round></game>\n";
  xml += "</session>\n";
  const std::filesystem::path path =
      std::filesystem::temp_directory_path() / "lumora-reading-bench.xml";
  std::ofstream(path, std::ios::binary) << xml;
  HandFilter filter;
  filter.nick = L"Hero";
  filter.room = kIPoker;
  filter.timeTo = 32503680000;
  filter.numPl = 4;
  for (auto _ : state) benchmark::DoNotOptimize(ProcessHistoryFile(path, filter, Engine()));
  state.counters["games/s"] =
      benchmark::Counter(static_cast<double>(games), benchmark::Counter::kIsIterationInvariantRate);
  std::filesystem::remove(path);
}

BENCHMARK(BM_PokerStarsNoAllIn)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PokerStarsOneInTwentyAllIn)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DecodeAndSplit)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PokerStarsFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TigerGaming)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Poker888)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_XmlSession)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace lumora

BENCHMARK_MAIN();
