#include "history/street_tracker.h"

#include "history/card_text.h"

namespace lumora {

void StreetTracker::Marker(std::wstring_view line) {
  const size_t open = line.find(L'[');
  if (open == std::wstring_view::npos) return;
  ++m_street;
  m_cards.push_back(CardText(line.substr(open)));
}

std::wstring StreetTracker::BoardAtAllIn(int allInStreet) const {
  std::wstring board;
  for (int s = 0; s + 1 < allInStreet && s < static_cast<int>(m_cards.size()); ++s) {
    if (!board.empty()) board += L' ';
    board += m_cards[static_cast<size_t>(s)];
  }
  return board;
}

}  // namespace lumora
