#include "equity/all_in_ev.h"

#include <algorithm>

#include "base/text.h"
#include "equity/cards.h"
#include "equity/enumerator.h"
#include "equity/poker_logic.h"

namespace lumora {
namespace {

/// The cards of a contest read from its texts, or why they cannot be.
struct Contest {
  std::vector<int> board;
  std::vector<int> packed;  ///< the hands' cards one hand after another
  int cardsPerHand = 0;
  std::wstring problem;  ///< empty when the cards can be dealt
};

/// Reads the board and the first `count` hand texts.
Contest ReadContest(std::wstring_view board, const std::vector<std::wstring>& hands, size_t count) {
  Contest contest;
  const auto badToken = [&](const HistoryCards& cards) {
    if (cards.badToken) contest.problem = L"\"" + *cards.badToken + L"\" is not a card";
    return cards.badToken.has_value();
  };
  const HistoryCards boardCards = ParseHistoryCards(board);
  if (badToken(boardCards)) return contest;
  contest.board = boardCards.cards;
  for (size_t h = 0; h < count && h < hands.size(); ++h) {
    const HistoryCards cards = ParseHistoryCards(hands[h]);
    if (badToken(cards)) return contest;
    // Hands of different sizes cannot be packed at one stride.
    if (h > 0 && static_cast<int>(cards.cards.size()) != contest.cardsPerHand) {
      contest.problem = L"the hands hold different numbers of cards";
      return contest;
    }
    contest.cardsPerHand = static_cast<int>(cards.cards.size());
    contest.packed.insert(contest.packed.end(), cards.cards.begin(), cards.cards.end());
  }
  if (count > hands.size()) {
    contest.problem = L"too few hands";
    return contest;
  }
  Deal deal;
  deal.cardsPerHand = contest.cardsPerHand;
  deal.hands = contest.packed;
  deal.board = contest.board;
  contest.problem = DealError(deal);
  return contest;
}

/// Calls the engine function of the board's street: `preflop(hands)` or
/// `withBoard(hands, board)`; 0.0 for a board of another size or unreadable
/// cards.
template <typename Preflop, typename WithBoard>
double ByStreet(std::wstring_view board, const std::vector<std::wstring>& hands, size_t count,
                Preflop preflop, WithBoard withBoard) {
  const Contest contest = ReadContest(board, hands, count);
  if (!contest.problem.empty()) return 0.0;
  const size_t size = contest.board.size();
  if (size == 0) return preflop(contest.packed.data(), contest.cardsPerHand);
  if (size == 3 || size == 4)
    return withBoard(contest.packed.data(), contest.cardsPerHand, contest.board.data(),
                     static_cast<int>(size));
  return 0.0;
}

/// Hands through the Hands functions of the engine, `contenders` of them in `mode`.
double PackedHands(const PokerLogic& logic, bool hiLo, std::wstring_view board,
                   const std::vector<std::wstring>& hands, int contenders, int mode) {
  return ByStreet(
      board, hands, 3,
      [&](const int* packed, int perHand) {
        return hiLo ? logic.RiverEquityHandsOnPreFlopCommonHL(packed, perHand, contenders, mode)
                    : logic.RiverEquityHandsOnPreFlopCommon(packed, perHand, contenders, mode);
      },
      [&](const int* packed, int perHand, const int* cards, int size) {
        if (size == 3)
          return hiLo
                     ? logic.RiverEquityHandsOnFlopCommonHL(packed, perHand, contenders, mode,
                                                            cards)
                     : logic.RiverEquityHandsOnFlopCommon(packed, perHand, contenders, mode, cards);
        return hiLo ? logic.RiverEquityHandsOnTurnCommonHL(packed, perHand, contenders, mode, cards)
                    : logic.RiverEquityHandsOnTurnCommon(packed, perHand, contenders, mode, cards);
      });
}

const std::wstring kOpening(57, L'+');
const std::wstring kClosing(57, L'-');

double StackOf(const AllInHandInput& hand, const std::wstring& name) {
  const auto found = hand.stacks.find(name);
  return found != hand.stacks.end() ? found->second : 0.0;
}

}  // namespace

double EquityHeadsUp(const PokerLogic& logic, bool hiLo, std::wstring_view board,
                     const std::vector<std::wstring>& hands) {
  if (hiLo) {
    return ByStreet(
        board, hands, 2,
        [&](const int* packed, int perHand) {
          return logic.RiverEquityHandsOnPreFlopCommonHL(packed, perHand, 2, PokerLogic::kModeAll);
        },
        [&](const int* packed, int perHand, const int* cards, int size) {
          return size == 3 ? logic.RiverEquityHandsOnFlopCommonHL(packed, perHand, 2,
                                                                  PokerLogic::kModeAll, cards)
                           : logic.RiverEquityHandsOnTurnCommonHL(packed, perHand, 2,
                                                                  PokerLogic::kModeAll, cards);
        });
  }
  return ByStreet(
      board, hands, 2,
      [&](const int* packed, int perHand) {
        return logic.RiverEquityHandVsHandOnPreFlopCommon(packed, perHand, packed + perHand);
      },
      [&](const int* packed, int perHand, const int* cards, int size) {
        return size == 3 ? logic.RiverEquityHandVsHandOnFlopCommon(packed, perHand,
                                                                   packed + perHand, cards, 3)
                         : logic.RiverEquityHandVsHandOnTurnCommon(packed, perHand,
                                                                   packed + perHand, cards, 4);
      });
}

double EquityThreeWay(const PokerLogic& logic, bool hiLo, std::wstring_view board,
                      const std::vector<std::wstring>& hands) {
  return PackedHands(logic, hiLo, board, hands, 3, PokerLogic::kModeAll);
}

double EquitySidePot(const PokerLogic& logic, bool hiLo, std::wstring_view board,
                     const std::vector<std::wstring>& hands) {
  return PackedHands(logic, hiLo, board, hands, 2, PokerLogic::kModeDeadHand);
}

std::optional<AllInHandReport> EvaluateAllInHand(const AllInHandInput& hand,
                                                 const PokerLogic& logic) {
  if (hand.allInStreet == 0 || hand.heroCards.empty() || hand.showdown.size() < 2 ||
      hand.board.size() >= 13)
    return std::nullopt;

  std::vector<std::wstring> names{hand.nick};
  std::vector<std::wstring> cards{hand.heroCards};
  for (const ShownHand& shown : hand.showdown) {
    if (shown.name == hand.nick) continue;
    names.push_back(shown.name);
    cards.push_back(shown.cards);
  }
  const size_t n = names.size();

  AllInHandReport report;
  report.win = hand.netResult * 0.01;
  report.bigBlind = hand.bigBlind * 0.01;
  std::vector<std::wstring>& log = report.logLines;
  log.push_back(kOpening);
  log.push_back(hand.source);
  log.push_back(
      Format(L"Hand #%s win = %.2lf Board = %s", hand.handNumber, report.win, hand.board));
  for (size_t i = 0; i < n; ++i) log.push_back(Format(L"%s has %s", names[i], cards[i]));

  const double heroMoney = hand.heroMoney * 0.01;
  // Cards that cannot be dealt give no equity; the block says why instead of
  // leaving the reader to guess.
  const auto noEquityReason = [&](size_t count) {
    const Contest contest = ReadContest(hand.board, cards, count);
    if (!contest.problem.empty()) log.push_back(L"No EV: " + contest.problem);
  };
  const auto setEv = [&](double ev) {
    report.hasEv = true;
    report.ev = ev;
    report.diff = report.win - ev;
  };

  if (n == 2) {
    log.push_back(Format(L"Pot =  %.2lf Rake = %.2lf Hero money = %.2lf ", hand.totalPot, hand.rake,
                         heroMoney));
    const double eq = EquityHeadsUp(logic, hand.hiLo, hand.board, cards);
    if (eq == 0.0) {
      noEquityReason(2);
    } else {
      setEv((hand.totalPot - hand.rake) * eq * 0.01 - heroMoney);
      log.push_back(
          Format(L"Equity = %.2lf%% EV = %.2lf  Diff = %.2lf", eq, report.ev, report.diff));
    }
  } else if (n == 3) {
    double mainPot = hand.mainPot;
    double sidePot = hand.sidePot;
    // A summary with a single pot names no main pot; all three contest the
    // whole pot less the rake, not a main pot of 0 (which would make the EV
    // minus the hero's money).
    if (mainPot == 0.0 && sidePot == 0.0) mainPot = hand.totalPot - hand.rake;
    log.push_back(Format(
        L"Total pot =  %.2lf Main pot = %.2lf Side pot = %.2lf Rake = %.2lf Hero money = %.2lf ",
        hand.totalPot, mainPot, sidePot, hand.rake, heroMoney));
    const double s0 = StackOf(hand, names[0]);
    const double s1 = StackOf(hand, names[1]);
    const double s2 = StackOf(hand, names[2]);
    const double eqMain = EquityThreeWay(logic, hand.hiLo, hand.board, cards);
    if (eqMain == 0.0) {
      noEquityReason(3);
    } else if (std::min(s1, s2) > s0) {
      // The hero is shortest: he can win the main pot only.
      setEv((eqMain * mainPot - hand.heroMoney) * 0.01);
      log.push_back(Format(L"Equity (Main pot) = %.2lf%% EV = %.2lf  Diff = %.2lf", eqMain,
                           report.ev, report.diff));
    } else {
      // The side pot is contested by the hero and the opponent with more
      // chips; the shorter opponent's cards are out of the deck.
      if (s2 > s1) std::swap(cards[1], cards[2]);
      log.push_back(Format(L"Side pot with = %s Dead = %s", cards[1], cards[2]));
      const double eqSide = EquitySidePot(logic, hand.hiLo, hand.board, cards);
      setEv((eqSide * sidePot + eqMain * mainPot - hand.heroMoney) * 0.01);
      log.push_back(Format(
          L"Equity (Main pot) = %.2lf%% Equity (Side pot) = %.2lf%% EV = %.2lf  Diff = %.2lf",
          eqMain, eqSide, report.ev, report.diff));
    }
  } else if (n >= 4) {
    log.push_back(Format(L"Total pot =  %.2lf Main pot = %.2lf Rake = %.2lf Hero money = %.2lf ",
                         hand.totalPot, hand.mainPot, hand.rake, heroMoney));
    for (size_t k = 1; k < hand.pots.size(); ++k)
      log.push_back(Format(L"Side pot-%d =  %.2lf", static_cast<int>(k), hand.pots[k]));
  }
  log.push_back(kClosing);
  return report;
}

}  // namespace lumora
