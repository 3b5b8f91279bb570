#include "equity/cards.h"

#include <gtest/gtest.h>

namespace lumora {
namespace {

TEST(CardNames, EveryCardsNameReadsBackAsTheCard) {
  for (int card = 0; card < kCardCount; ++card) EXPECT_EQ(CardFromName(CardName(card)), card);
  EXPECT_EQ(CardName(52), L"??");
}

TEST(CardNames, HistoryNamesAreExact) {
  EXPECT_EQ(CardFromName(L"ah"), std::nullopt);
  EXPECT_EQ(CardFromName(L"AH"), std::nullopt);
  EXPECT_EQ(CardFromName(L"1c"), std::nullopt);
  EXPECT_EQ(CardFromName(L"A"), std::nullopt);
}

TEST(HistoryCards, ReadsTokensEveryThreeCharacters) {
  const HistoryCards board = ParseHistoryCards(L"2c 7h 9d Ts");
  EXPECT_EQ(board.cards, (std::vector<int>{0, 31, 20, 47}));
  EXPECT_FALSE(board.badToken);
  EXPECT_TRUE(ParseHistoryCards(L"").cards.empty());
}

TEST(HistoryCards, StopsAtATokenThatNamesNoCard) {
  const HistoryCards cards = ParseHistoryCards(L"Ah Xx Kd");
  EXPECT_EQ(cards.cards, std::vector<int>{CardFromName(L"Ah").value()});
  EXPECT_EQ(cards.badToken, L"Xx");
  EXPECT_EQ(ParseHistoryCards(L"Ah K").badToken, L"K");
}

TEST(TypedCards, AcceptsBlanksCommasCaseAndTen) {
  const std::vector<int> expected = {CardFromName(L"Ah").value(), CardFromName(L"Td").value()};
  for (const wchar_t* text : {L"AhTd", L"Ah Td", L" ah, td ", L"AH10D"})
    EXPECT_EQ(ParseTypedCards(text).cards, expected) << text;
  EXPECT_FALSE(ParseTypedCards(L"a h").error.empty());
  EXPECT_TRUE(ParseTypedCards(L"").cards.empty());
  EXPECT_TRUE(ParseTypedCards(L"").error.empty());
}

TEST(TypedCards, NamesTheBadTextOrTheRepeatedCard) {
  EXPECT_EQ(ParseTypedCards(L"AhZz Kd").error, L"\"Zz\" in \"AhZz Kd\" is not a card");
  EXPECT_EQ(ParseTypedCards(L"AhK").error, L"\"K\" in \"AhK\" is not a card");
  EXPECT_EQ(ParseTypedCards(L"Ah Kd ah").error, L"the card Ah is given twice");
  EXPECT_TRUE(ParseTypedCards(L"Ah Kd ah").cards.empty());
}

}  // namespace
}  // namespace lumora
