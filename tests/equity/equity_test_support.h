#pragma once
// Small helpers shared by the equity engine's tests.

#include <gtest/gtest.h>

#include <random>
#include <string_view>
#include <vector>

#include "equity/cards.h"
#include "equity/enumerator.h"

namespace lumora::testing {

/// Cards from a typed text ("AhAs Kd"); fails the test on a bad text.
inline std::vector<int> Cards(std::wstring_view text) {
  const TypedCards parsed = ParseTypedCards(text);
  EXPECT_TRUE(parsed.error.empty()) << "bad card text in a test";
  return parsed.cards;
}

/// A deal of `hands` hands of `perHand` cards, `boardCount` board cards and
/// `deadCount` dead cards, dealt from a shuffled deck.
inline Deal RandomDeal(std::mt19937& random, int perHand, int hands, int boardCount, int deadCount,
                       bool hiLo) {
  std::vector<int> deck(kCardCount);
  for (int card = 0; card < kCardCount; ++card) deck[card] = card;
  std::shuffle(deck.begin(), deck.end(), random);
  Deal deal;
  deal.cardsPerHand = perHand;
  deal.hiLo = hiLo;
  auto next = deck.begin();
  deal.hands.assign(next, next + perHand * hands);
  next += perHand * hands;
  deal.board.assign(next, next + boardCount);
  next += boardCount;
  deal.dead.assign(next, next + deadCount);
  return deal;
}

}  // namespace lumora::testing
