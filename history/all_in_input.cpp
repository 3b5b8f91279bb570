#include "history/all_in_input.h"

namespace lumora {

std::optional<AllInHandReport> EvaluateAllInOf(AllInHandInput& hand, const AllInSource& source,
                                               const PokerLogic& engine) {
  hand.source = source.source;
  hand.handNumber = std::wstring(source.handNumber);
  hand.nick = source.nick;
  hand.bigBlind = source.bigBlind;
  hand.hiLo = source.hiLo;
  return EvaluateAllInHand(hand, engine);
}

bool FillFromStreets(AllInHandInput& hand, const StreetTracker& streets, int64_t result,
                     std::wstring_view heroCards, const ChipLedger& ledger) {
  hand.allInStreet = streets.AllInStreet(hand.showdown.size());
  if (hand.allInStreet == 0) return false;
  hand.netResult = static_cast<double>(result);
  hand.board = streets.BoardAtAllIn(hand.allInStreet);
  hand.heroCards = std::wstring(heroCards);
  hand.putIn = ledger.Totals();
  return true;
}

}  // namespace lumora
