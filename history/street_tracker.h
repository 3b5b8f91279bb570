#pragma once
// Where the money went all in, for rooms whose street markers carry the
// cards they deal ("** Dealing Flop ** [ 4c, 3s, 7c ]"): the streets dealt,
// the board, and the last street anybody acted on. When the river came with
// nobody acting after some street, the money was all in before the next one.

#include <string>
#include <string_view>
#include <vector>

namespace lumora {

class StreetTracker {
 public:
  /// A street marker with its cards in brackets: the next street begins and
  /// its cards join the board. A marker without cards (the hole cards) is
  /// no street.
  void Marker(std::wstring_view line);
  /// Somebody acted (checked, bet, called, raised, folded) on the street.
  void Acted() { m_lastAction = m_street; }
  /// 0 before the flop, 1 on the flop, 2 on the turn, 3 on the river.
  int Street() const { return m_street; }

  /// 1, 2 or 3 when the board had 0, 3 or 4 cards at the all-in: the river
  /// was dealt, nobody acted after the street before, and `shownHands` (two
  /// at least) were shown; else 0.
  int AllInStreet(size_t shownHands) const {
    if (shownHands < 2 || m_street < 3 || m_lastAction >= 3) return 0;
    return m_lastAction + 1;
  }
  /// The board at the all-in of `allInStreet`, card names one blank apart.
  std::wstring BoardAtAllIn(int allInStreet) const;

 private:
  int m_street = 0;
  int m_lastAction = 0;
  std::vector<std::wstring> m_cards;  ///< each street's cards
};

}  // namespace lumora
