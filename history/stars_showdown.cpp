#include "history/stars_showdown.h"

#include "history/hero_name.h"
#include "history/line_scan.h"

namespace lumora {

using namespace std::string_view_literals;
namespace {

struct ShowdownPatterns {
  boost::wregex pot2{
      WithAmounts(LR"re(Total pot \D?{A} Main pot \D?{A}. Side pot \D?{A}. \| Rake \D?{A})re")};
  boost::wregex pot3{WithAmounts(
      LR"re(Total pot \D?{A} Main pot \D?{A}. Side pot-1 \D?{A}. (.*) \| Rake \D?{A})re")};
  boost::wregex furtherSidePot{WithAmounts(LR"re(Side pot-(\d+) \D?{A}.(.*))re")};
};

const ShowdownPatterns& P() {
  static const ShowdownPatterns kPatterns;
  return kPatterns;
}

}  // namespace

void StarsShowdown::Marker(std::wstring_view line, size_t index) {
  if (line.size() < 6) return;
  const wchar_t first = line[4];
  const wchar_t second = line[5];
  if (first == L'F' && second == L'L') {
    m_flop = index;
  } else if (first == L'F') {
    // A hand run twice ("*** FIRST FLOP ***"): the all-in came before the
    // street that was dealt twice.
    if (m_allInStreet == 0 && line.size() > 10) {
      if (line[10] == L'F') m_allInStreet = 1;
      if (line[10] == L'T') m_allInStreet = 2;
      if (line[10] == L'R') m_allInStreet = 3;
    }
  } else if (first == L'T') {
    m_turn = index;
  } else if (first == L'R') {
    m_river = index;
  } else if (first == L'S' && second == L'H') {
    m_showDown = index;
  } else if (first == L'S' && second == L'U') {
    m_summarySeen = true;
  }
}

void StarsShowdown::SeatLine(std::wstring_view line) {
  if (m_allInStreet == 0) return;
  std::wstring name;
  std::wstring cards;
  ScanCaptures match;
  if (ScanShownWithPosition(line, match)) {
    name = match[2];
    cards = match[5];
  } else if (ScanShown(line, match)) {
    name = match[2];
    cards = match[4];
  } else {
    return;
  }
  if (IsHeroSeatName(name, m_nick)) name = std::wstring(m_nick);
  m_showdown.push_back({std::move(name), std::move(cards)});
}

bool StarsShowdown::Pots(std::wstring_view line, HandAmounts& amounts) {
  const auto units = [&](const LineMatch& m, int i) {
    return static_cast<double>(amounts.Capture(m, i)) * 0.01;
  };
  // Most hands are played to one pot: the scanner reads their line.
  if (ScanCaptures single; ScanStarsPot(line, single)) {
    m_totalPot = static_cast<double>(amounts.Cents(single[1])) * 0.01;
    m_rake = static_cast<double>(amounts.Cents(single[2])) * 0.01;
  } else if (MatchLine(line, P().pot2, m_match)) {
    m_totalPot = units(m_match, 1);
    m_pots = {units(m_match, 2), units(m_match, 3)};
    m_rake = units(m_match, 4);
  } else if (MatchLine(line, P().pot3, m_match)) {
    m_totalPot = units(m_match, 1);
    m_rake = units(m_match, 5);
    m_pots = {units(m_match, 2), units(m_match, 3)};
    // "Side pot-2 $5. Side pot-3 $2.": each further pot, one after another.
    std::wstring rest = Capture(m_match, 4);
    LineMatch further;
    while (!rest.empty() && MatchLine(rest, P().furtherSidePot, further)) {
      m_pots.push_back(units(further, 2));
      rest = Capture(further, 3);
    }
  } else {
    return false;
  }
  return true;
}

int StarsShowdown::StreetWithoutAction() const {
  // Consecutive street markers mean nobody could act on the street between:
  // the money was all in before it.
  if (m_turn - m_flop == 1) return 1;
  if (m_river - m_turn == 1) return 2;
  if (m_showDown - m_river == 1) return 3;
  return 0;
}

void StarsShowdown::Board(std::wstring_view line) {
  if (m_allInStreet == 0) m_allInStreet = StreetWithoutAction();
  if (m_allInStreet <= 1) {
    m_board.clear();
    return;
  }
  // The board as it was at the all-in: 3 cards on the flop, 4 on the turn.
  const size_t open = line.find(L'[');
  if (open == std::wstring_view::npos) return;
  m_board = std::wstring(line.substr(open + 1, 3 * m_allInStreet + 2));
}

void StarsShowdown::Fill(AllInHandInput& hand) {
  hand.allInStreet = m_allInStreet;
  hand.board = std::move(m_board);
  hand.showdown = std::move(m_showdown);
  hand.totalPot = m_totalPot;
  hand.pots = std::move(m_pots);
  hand.rake = m_rake;
}

}  // namespace lumora
