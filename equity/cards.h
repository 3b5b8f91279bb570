#pragma once
// Cards as the engine counts them: 52 indexes, index = suit × 13 + rank, ranks
// "23456789TJQKA" (0 to 12), suits clubs, diamonds, hearts, spades (0 to 3),
// so "2c" = 0, "Ac" = 12, "2d" = 13 and "As" = 51. Card texts of hand
// histories ("Ah Kd 7c") and of the command line ("AhKd7c", "ah kd 7c") are
// read here.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lumora {

inline constexpr int kCardCount = 52;
inline constexpr int kRankCount = 13;
inline constexpr int kSuitCount = 4;

/// Rank 0 ("2") to 12 ("A") of a card index 0-51.
constexpr int CardRank(int card) {
  return card % kRankCount;
}
/// Suit 0 (clubs) to 3 (spades) of a card index 0-51.
constexpr int CardSuit(int card) {
  return card / kRankCount;
}
constexpr int MakeCard(int rank, int suit) {
  return suit * kRankCount + rank;
}

/// The two-character name of a card index 0-51 ("Ah"); "??" outside that range.
std::wstring CardName(int card);

/// The index of an exact two-character card name ("2c" … "As"; the rank
/// upper-case, the suit lower-case, as hand histories write them), or nullopt.
std::optional<int> CardFromName(std::wstring_view name);

/// The names of the cards, one after another without blanks ("AhAs").
std::wstring CardsToText(const std::vector<int>& cards);

/// A hand history's card text read as the all-in evaluation reads it: the
/// text is cut into two-character tokens at positions 0, 3, 6 … and each token
/// must be an exact card name. Reading stops at the first token that names no
/// card; `badToken` then holds that token, and `cards` the cards before it.
struct HistoryCards {
  std::vector<int> cards;
  std::optional<std::wstring> badToken;
};
HistoryCards ParseHistoryCards(std::wstring_view text);

/// Cards typed by a person: with or without blanks or commas between them,
/// rank and suit in either case, "10" for a ten ("AhKd", "ah kd", "10c,9c").
/// On success `cards` holds them in order; otherwise `error` says which text
/// is no card or which card comes twice, and `cards` is empty.
struct TypedCards {
  std::vector<int> cards;
  std::wstring error;  ///< empty on success
};
TypedCards ParseTypedCards(std::wstring_view text);

/// The first card that occurs twice in `cards`, if any.
std::optional<int> FindRepeatedCard(const std::vector<int>& cards);

}  // namespace lumora
