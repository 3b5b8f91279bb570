#pragma once
// What the all-in evaluation needs from a hand written the PokerStars way
// (PokerStars and Tiger Gaming): the street of the all-in from the street
// markers, the board, the hands shown in the summary, and the pots and rake
// the summary prints.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "equity/all_in_ev.h"
#include "history/amount.h"
#include "history/pattern.h"

namespace lumora {

class StarsShowdown {
 public:
  /// `match` is the reader's, reused: a match object allocates on first use.
  StarsShowdown(std::wstring_view nick, LineMatch& match) : m_nick(nick), m_match(match) {}

  /// A street marker ("*** FLOP *** [...]") at line `index` of the hand.
  void Marker(std::wstring_view line, size_t index);
  bool SummarySeen() const { return m_summarySeen; }
  /// A seat line of the summary: a hand shown or mucked, kept once an
  /// all-in street is known.
  void SeatLine(std::wstring_view line);
  /// A "Total pot" line; false when it has none of the forms the pots are
  /// read from.
  bool Pots(std::wstring_view line, HandAmounts& amounts);
  /// The summary's "Board [...]" (or "FIRST Board [...]" of a hand run twice).
  void Board(std::wstring_view line);

  /// 0 when no all-in before the river was recognised, else 1, 2 or 3: the
  /// board had 0, 3 or 4 cards when the money was all in.
  int AllInStreet() const { return m_allInStreet; }
  /// Moves the all-in street, board, shown hands, pots and rake into `hand`.
  void Fill(AllInHandInput& hand);

 private:
  int StreetWithoutAction() const;

  std::wstring_view m_nick;
  size_t m_flop = 0, m_turn = 0, m_river = 0, m_showDown = 0;
  int m_allInStreet = 0;
  bool m_summarySeen = false;
  std::wstring m_board;
  std::vector<ShownHand> m_showdown;
  double m_totalPot = 0.0, m_rake = 0.0;
  std::vector<double> m_pots;
  LineMatch& m_match;
};

}  // namespace lumora
