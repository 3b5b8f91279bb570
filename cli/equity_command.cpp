#include "cli/equity_command.h"

#include <CLI/CLI.hpp>

#include "base/text.h"
#include "cli/console_ui.h"
#include "equity/cards.h"
#include "equity/enumerator.h"
#include "equity/poker_logic.h"

namespace lumora {
namespace {

/// The deal the options describe, or why there is none.
struct OptionDeal {
  Deal deal;
  std::wstring error;
};

OptionDeal ReadDeal(const EquityOptions& options) {
  OptionDeal read;
  Deal& deal = read.deal;
  // Reads one card text; false (with the message) when it is malformed.
  const auto cards = [&](const std::string& text, std::vector<int>& into) {
    const TypedCards typed = ParseTypedCards(Utf8ToWide(text));
    if (!typed.error.empty()) read.error = typed.error;
    into.insert(into.end(), typed.cards.begin(), typed.cards.end());
    return typed.error.empty();
  };
  for (const std::string& text : options.hands) {
    std::vector<int> hand;
    if (!cards(text, hand)) return read;
    if (&text != &options.hands.front() && static_cast<int>(hand.size()) != deal.cardsPerHand) {
      read.error = L"every hand must hold as many cards as the first (" +
                   std::to_wstring(deal.cardsPerHand) + L"), not \"" + Utf8ToWide(text) + L"\"";
      return read;
    }
    deal.cardsPerHand = static_cast<int>(hand.size());
    deal.hands.insert(deal.hands.end(), hand.begin(), hand.end());
  }
  if (!cards(options.board, deal.board) || !cards(options.dead, deal.dead)) return read;
  if (deal.board.size() == 1 || deal.board.size() == 2) {
    read.error = L"a board holds 0, 3, 4 or 5 cards, not " + std::to_wstring(deal.board.size());
    return read;
  }
  deal.hiLo = options.hiLo;
  read.error = DealError(deal);
  return read;
}

}  // namespace

CLI::App* AddEquityCommand(CLI::App& cli, EquityOptions& options) {
  CLI::App* equity = cli.add_subcommand(
      "equity",
      "Exact equity of two or more hands (2 cards Hold'em, 4 Omaha, 5 five-card Omaha), "
      "every board enumerated.");
  equity
      ->add_option("hands", options.hands,
                   "The hands, e.g. AhAs KdKc (blanks between cards allowed)")
      ->required()
      ->expected(2, kMaxHands);
  equity->add_option("--board", options.board, "Known board cards: 3, 4 or 5, e.g. 2c7h9d");
  equity->add_option("--dead", options.dead, "Cards out of the deck, e.g. QsQh");
  equity->add_flag("--hilo", options.hiLo,
                   "Split each pot with the best eight-or-better low (Omaha)");
  return equity;
}

int RunEquityCommand(const EquityOptions& options, std::FILE* out, std::FILE* err) {
  const OptionDeal read = ReadDeal(options);
  if (!read.error.empty()) {
    WriteUtf8(err, L"lumora-cli equity: " + read.error + L"\n");
    return 2;
  }
  const PokerLogic logic;
  const std::optional<EquityCounts> counts = logic.Equity(read.deal);
  if (!counts) {
    WriteUtf8(err, L"lumora-cli equity: the hands cannot be dealt\n");
    return 2;
  }
  const Deal& deal = read.deal;
  for (int h = 0; h < deal.HandCount(); ++h) {
    const auto first = deal.hands.begin() + h * deal.cardsPerHand;
    const std::vector<int> hand(first, first + deal.cardsPerHand);
    WriteUtf8(out, Format(L"%s %.5f\n", CardsToText(hand), counts->Percent(h)));
  }
  return 0;
}

}  // namespace lumora
