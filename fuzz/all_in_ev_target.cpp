// The all-in EV of a hand, from a hand written as text:
//   street hiLo bigBlindCents netResultCents rake totalPot
//   board
//   hero's cards
//   pots after the rake (main, side 1, ...)
//   name|cards|putInCents|stack       one line for each player; the first is the hero
// Amounts without "Cents" are in currency units, as the readers give them.

#include <cmath>
#include <cwchar>
#include <string>
#include <vector>

#include "base/history_file.h"
#include "base/text.h"
#include "equity/all_in_ev.h"
#include "fuzz/fuzz_support.h"

namespace lumora {
namespace {

/// The blank-separated fields of `line` (or those between `separator`s).
std::vector<std::wstring> Fields(std::wstring_view line, wchar_t separator = L' ') {
  std::vector<std::wstring> fields;
  size_t start = 0;
  for (size_t at = line.find(separator); at != std::wstring_view::npos;
       at = line.find(separator, start = at + 1))
    fields.emplace_back(line.substr(start, at - start));
  fields.emplace_back(line.substr(start));
  return fields;
}

/// A number as a reader could give it: finite, and no more than any table holds.
double Number(const std::vector<std::wstring>& fields, size_t i) {
  if (i >= fields.size()) return 0.0;
  const double value = std::wcstod(fields[i].c_str(), nullptr);
  return std::isfinite(value) && std::fabs(value) <= 1e12 ? value : 0.0;
}

}  // namespace

void EvaluateAllIn(std::span<const uint8_t> input) {
  const std::wstring text = Utf8ToWide(BytesOf(input));
  const TextLines lines = SplitLines(text);
  if (lines.size() < 5) return;
  AllInHandInput hand;
  const std::vector<std::wstring> head = Fields(lines[0]);
  hand.allInStreet = ParseInt(head[0]);
  hand.hiLo = head.size() > 1 && head[1] == L"1";
  hand.bigBlind = static_cast<int64_t>(Number(head, 2));
  hand.netResult = Number(head, 3);
  hand.rake = Number(head, 4);
  hand.totalPot = Number(head, 5);
  hand.board = lines[1];
  hand.heroCards = lines[2];
  const std::vector<std::wstring> pots = Fields(lines[3]);
  for (size_t i = 0; i < pots.size() && !pots[i].empty(); ++i) hand.pots.push_back(Number(pots, i));
  // No table seats more than ten.
  for (size_t i = 4; i < lines.size() && i < 14; ++i) {
    const std::vector<std::wstring> player = Fields(lines[i], L'|');
    if (i == 4) hand.nick = player[0];
    if (player.size() > 1 && !player[1].empty()) hand.showdown.push_back({player[0], player[1]});
    hand.putIn[player[0]] = Number(player, 2);
    hand.stacks[player[0]] = Number(player, 3);
  }
  hand.source = L"fuzz";
  hand.handNumber = L"1";
  if (const auto report = EvaluateAllInHand(hand, FuzzEngine())) {
    Require(std::isfinite(report->win) && std::isfinite(report->ev) && std::isfinite(report->diff));
    Require(!report->logLines.empty());
  }
}

}  // namespace lumora
