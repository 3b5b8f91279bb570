#pragma once
// "lumora-cli equity": the exact all-in equity of two or more hands, as the
// all-in evaluation works it out: one line per hand with its share of the pot
// in percent.

#include <cstdio>
#include <string>
#include <vector>

namespace CLI {
class App;
}

namespace lumora {

struct EquityOptions {
  std::vector<std::string> hands;  ///< one text per hand, cards with or without blanks
  std::string board;               ///< 0, 3, 4 or 5 known board cards
  std::string dead;                ///< cards out of the deck
  bool hiLo = false;               ///< eight-or-better split (Omaha hands)
};

/// Adds the "equity" subcommand with its arguments to `cli`.
CLI::App* AddEquityCommand(CLI::App& cli, EquityOptions& options);

/// Prints each hand's cards and equity ("AhAs 81.25549"), in the order given;
/// returns 0, or 2 after a message on `err` when the cards cannot be dealt
/// (a malformed card, a card given twice, hands of different sizes …).
int RunEquityCommand(const EquityOptions& options, std::FILE* out, std::FILE* err);

}  // namespace lumora
