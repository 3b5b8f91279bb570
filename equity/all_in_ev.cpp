#include "equity/all_in_ev.h"

#include <algorithm>

#include "base/text.h"
#include "equity/cards.h"
#include "equity/enumerator.h"
#include "equity/poker_logic.h"

namespace lumora {
namespace {

const std::wstring kOpening(57, L'+');
const std::wstring kClosing(57, L'-');

/// The cards of the players shown down (the hero first) and of the board,
/// or why they cannot be dealt.
struct ShownCards {
  std::vector<std::vector<int>> hands;
  std::vector<int> board;
  std::wstring problem;  ///< empty when the cards can be dealt
};

ShownCards ReadShownCards(std::wstring_view board, const std::vector<std::wstring>& hands) {
  ShownCards shown;
  const auto read = [&](std::wstring_view text, std::vector<int>& cards) {
    const HistoryCards parsed = ParseHistoryCards(text);
    if (parsed.badToken) shown.problem = L"\"" + *parsed.badToken + L"\" is not a card";
    cards = parsed.cards;
    return !parsed.badToken;
  };
  if (!read(board, shown.board)) return shown;
  shown.hands.resize(hands.size());
  for (size_t h = 0; h < hands.size(); ++h) {
    if (!read(hands[h], shown.hands[h])) return shown;
    // Hands of different sizes cannot be dealt at one stride.
    if (shown.hands[h].size() != shown.hands[0].size()) {
      shown.problem = L"the hands hold different numbers of cards";
      return shown;
    }
  }
  Deal all;
  all.cardsPerHand = static_cast<int>(shown.hands[0].size());
  for (const auto& hand : shown.hands) all.hands.insert(all.hands.end(), hand.begin(), hand.end());
  all.board = shown.board;
  // Every hand at once: a card given twice anywhere shows here.
  if (shown.hands.size() <= static_cast<size_t>(kMaxHands)) shown.problem = DealError(all);
  return shown;
}

/// One layer of the pot: cents before the rake, and the players shown down
/// (indexes, the hero 0) who put in enough to win it.
struct LayeredPot {
  double cents = 0.0;
  std::vector<size_t> eligible;
};

struct Layers {
  std::vector<LayeredPot> pots;
  double heroExcess = 0.0;  ///< cents of the hero's that nobody matched and the room kept in
  std::wstring problem;
};

/// Cuts what everybody put in at the levels of the players shown down: each
/// level's pot holds every player's money up to it, and is won by those who
/// put in at least as much. A top pot that its one player paid alone is his
/// own money coming back, not a pot.
Layers LayerPots(const AllInHandInput& hand, const std::vector<std::wstring>& names) {
  Layers layers;
  std::vector<double> put(names.size());
  for (size_t i = 0; i < names.size(); ++i) {
    const auto found = hand.putIn.find(names[i]);
    if (found == hand.putIn.end()) {
      layers.problem = L"what " + names[i] + L" put in is not known";
      return layers;
    }
    put[i] = found->second;
  }
  std::vector<double> levels(put);
  std::sort(levels.begin(), levels.end());
  levels.erase(std::unique(levels.begin(), levels.end()), levels.end());
  double previous = 0.0;
  for (const double level : levels) {
    if (level <= 0.0) continue;
    LayeredPot pot;
    for (const auto& [name, cents] : hand.putIn)
      pot.cents += std::max(0.0, std::min(cents, level) - previous);
    for (size_t i = 0; i < put.size(); ++i)
      if (put[i] >= level) pot.eligible.push_back(i);
    layers.pots.push_back(std::move(pot));
    previous = level;
  }
  if (layers.pots.empty()) {
    layers.problem = L"nobody put anything in";
    return layers;
  }
  // Money above every level shown down (a folder's bet that nobody returned)
  // goes to whoever can win the top pot.
  for (const auto& [name, cents] : hand.putIn)
    layers.pots.back().cents += std::max(0.0, cents - previous);
  const LayeredPot& top = layers.pots.back();
  if (top.eligible.size() == 1 && layers.pots.size() > 1) {
    const double own = put[top.eligible[0]] - levels[levels.size() - 2];
    if (top.cents - own < 0.5) {
      if (top.eligible[0] == 0) layers.heroExcess = own;
      layers.pots.pop_back();
    }
  }
  return layers;
}

/// The pots after the rake, cents: as the summary printed them when it
/// printed one per layer, otherwise the rake taken from every pot alike.
std::vector<double> PotsAfterRake(const AllInHandInput& hand, const Layers& layers) {
  std::vector<double> amounts;
  if (hand.pots.size() == layers.pots.size()) {
    for (const double pot : hand.pots) amounts.push_back(pot * 100.0);
    return amounts;
  }
  double sum = 0.0;
  for (const LayeredPot& pot : layers.pots) sum += pot.cents;
  const double before = hand.totalPot > 0.0 ? hand.totalPot * 100.0 : sum;
  const double factor = sum > 0.0 ? (before - hand.rake * 100.0) / sum : 0.0;
  for (const LayeredPot& pot : layers.pots) amounts.push_back(pot.cents * factor);
  return amounts;
}

/// The hero's equity in percent among `contenders` (indexes into `cards`,
/// the hero first) with the other hands' cards dead, or nullopt with the
/// reason in `problem`.
std::optional<double> HeroEquity(const PokerLogic& logic, const AllInHandInput& hand,
                                 const ShownCards& cards, const std::vector<size_t>& contenders,
                                 std::wstring& problem) {
  if (contenders.size() == 1) return 100.0;
  Deal deal;
  deal.hiLo = hand.hiLo;
  deal.cardsPerHand = static_cast<int>(cards.hands[0].size());
  deal.board = cards.board;
  for (size_t i = 0; i < cards.hands.size(); ++i) {
    const bool contends = std::find(contenders.begin(), contenders.end(), i) != contenders.end();
    std::vector<int>& to = contends ? deal.hands : deal.dead;
    to.insert(to.end(), cards.hands[i].begin(), cards.hands[i].end());
  }
  const std::optional<EquityCounts> counts = logic.Equity(deal);
  if (!counts) {
    problem = DealError(deal);
    return std::nullopt;
  }
  return counts->Percent(0);
}

double StackOf(const AllInHandInput& hand, const std::wstring& name) {
  const auto found = hand.stacks.find(name);
  return found != hand.stacks.end() ? found->second : 0.0;
}

}  // namespace

std::optional<AllInHandReport> EvaluateAllInHand(const AllInHandInput& hand,
                                                 const PokerLogic& logic) {
  // Without his own deal in the file (a table observed, not played), the
  // hero's cards are the ones he showed down.
  std::wstring heroCards = hand.heroCards;
  for (const ShownHand& shown : hand.showdown)
    if (heroCards.empty() && shown.name == hand.nick) heroCards = shown.cards;
  if (hand.allInStreet == 0 || heroCards.empty() || hand.showdown.size() < 2 ||
      hand.board.size() >= 13)
    return std::nullopt;

  std::vector<std::wstring> names{hand.nick};
  std::vector<std::wstring> cardTexts{heroCards};
  for (const ShownHand& shown : hand.showdown) {
    if (shown.name == hand.nick) continue;
    names.push_back(shown.name);
    cardTexts.push_back(shown.cards);
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
  for (size_t i = 0; i < n; ++i) log.push_back(Format(L"%s has %s", names[i], cardTexts[i]));

  const Layers layers = LayerPots(hand, names);
  const std::vector<double> amounts = PotsAfterRake(hand, layers);
  const auto heroPut = hand.putIn.find(hand.nick);
  const double heroMoney =
      (heroPut != hand.putIn.end() ? heroPut->second : 0.0) - layers.heroExcess;
  double totalPot = hand.totalPot;
  if (totalPot == 0.0)
    for (const LayeredPot& pot : layers.pots) totalPot += pot.cents * 0.01;
  const auto amountOf = [&](size_t pot) {
    return pot < amounts.size() ? amounts[pot] * 0.01 : 0.0;
  };

  // The hero's equity in each pot he can win, and his EV from them.
  const ShownCards cards = ReadShownCards(hand.board, cardTexts);
  std::wstring problem = layers.problem.empty() ? cards.problem : layers.problem;
  std::vector<std::optional<double>> equities(layers.pots.size());
  double share = 0.0;
  for (size_t p = 0; p < layers.pots.size() && problem.empty(); ++p) {
    const std::vector<size_t>& eligible = layers.pots[p].eligible;
    if (eligible.empty() || eligible[0] != 0) continue;
    equities[p] = HeroEquity(logic, hand, cards, eligible, problem);
    if (equities[p]) share += amounts[p] * *equities[p] * 0.01;
  }
  const auto setEv = [&]() {
    report.hasEv = true;
    report.ev = (share - heroMoney) * 0.01;
    report.diff = report.win - report.ev;
  };
  const auto noEv = [&]() { log.push_back(L"No EV: " + problem); };

  if (n == 2) {
    log.push_back(Format(L"Pot =  %.2lf Rake = %.2lf Hero money = %.2lf ", totalPot, hand.rake,
                         heroMoney * 0.01));
    if (!problem.empty()) {
      noEv();
    } else {
      setEv();
      log.push_back(Format(L"Equity = %.2lf%% EV = %.2lf  Diff = %.2lf", equities[0].value_or(0.0),
                           report.ev, report.diff));
    }
  } else if (n == 3) {
    log.push_back(Format(
        L"Total pot =  %.2lf Main pot = %.2lf Side pot = %.2lf Rake = %.2lf Hero money = %.2lf ",
        totalPot, amountOf(0), amountOf(1), hand.rake, heroMoney * 0.01));
    const auto putOf = [&](size_t i) {
      const auto found = hand.putIn.find(names[i]);
      return found != hand.putIn.end() ? found->second : 0.0;
    };
    if (!problem.empty()) {
      noEv();
    } else if (putOf(0) < std::min(putOf(1), putOf(2))) {
      // The hero is shortest: he can win the main pot only.
      setEv();
      log.push_back(Format(L"Equity (Main pot) = %.2lf%% EV = %.2lf  Diff = %.2lf",
                           equities[0].value_or(0.0), report.ev, report.diff));
    } else {
      // The side pot is the hero's and the opponent's who put in more (or,
      // when both put in as much, had more chips); the other's cards are dead.
      size_t bigger = 1;
      size_t shorter = 2;
      if (putOf(2) > putOf(1) ||
          (putOf(2) == putOf(1) && StackOf(hand, names[2]) > StackOf(hand, names[1])))
        std::swap(bigger, shorter);
      log.push_back(Format(L"Side pot with = %s Dead = %s", cardTexts[bigger], cardTexts[shorter]));
      const std::optional<double> side = equities.size() > 1 && equities[1]
                                             ? equities[1]
                                             : HeroEquity(logic, hand, cards, {0, bigger}, problem);
      setEv();
      log.push_back(Format(
          L"Equity (Main pot) = %.2lf%% Equity (Side pot) = %.2lf%% EV = %.2lf  Diff = %.2lf",
          equities[0].value_or(0.0), side.value_or(0.0), report.ev, report.diff));
    }
  } else {
    log.push_back(Format(L"Total pot =  %.2lf Main pot = %.2lf Rake = %.2lf Hero money = %.2lf ",
                         totalPot, amountOf(0), hand.rake, heroMoney * 0.01));
    for (size_t p = 1; p < amounts.size(); ++p)
      log.push_back(Format(L"Side pot-%d =  %.2lf", static_cast<int>(p), amountOf(p)));
    if (!problem.empty()) {
      noEv();
    } else {
      setEv();
      std::wstring line;
      for (size_t p = 0; p < equities.size(); ++p) {
        if (!equities[p]) continue;
        const std::wstring pot = p == 0 ? L"Main pot" : Format(L"Side pot-%d", static_cast<int>(p));
        line += Format(L"Equity (%s) = %.2lf%% ", pot, *equities[p]);
      }
      log.push_back(line + Format(L"EV = %.2lf  Diff = %.2lf", report.ev, report.diff));
    }
  }
  log.push_back(kClosing);
  return report;
}

}  // namespace lumora
