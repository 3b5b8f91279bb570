#include "equity/cards.h"

#include <algorithm>
#include <array>
#include <cwctype>

namespace lumora {
namespace {

constexpr std::wstring_view kRankChars = L"23456789TJQKA";
constexpr std::wstring_view kSuitChars = L"cdhs";

/// Rank 0-12 of a rank character in either case, or -1.
int RankOf(wchar_t c) {
  const size_t at = kRankChars.find(static_cast<wchar_t>(std::towupper(static_cast<wint_t>(c))));
  return at == std::wstring_view::npos ? -1 : static_cast<int>(at);
}

/// Suit 0-3 of a suit character in either case, or -1.
int SuitOf(wchar_t c) {
  const size_t at = kSuitChars.find(static_cast<wchar_t>(std::towlower(static_cast<wint_t>(c))));
  return at == std::wstring_view::npos ? -1 : static_cast<int>(at);
}

bool IsSeparator(wchar_t c) {
  return c == L',' || std::iswspace(static_cast<wint_t>(c));
}

}  // namespace

std::wstring CardName(int card) {
  if (card < 0 || card >= kCardCount) return L"??";
  return {kRankChars[CardRank(card)], kSuitChars[CardSuit(card)]};
}

std::optional<int> CardFromName(std::wstring_view name) {
  if (name.size() != 2) return std::nullopt;
  const size_t rank = kRankChars.find(name[0]);
  const size_t suit = kSuitChars.find(name[1]);
  if (rank == std::wstring_view::npos || suit == std::wstring_view::npos) return std::nullopt;
  return MakeCard(static_cast<int>(rank), static_cast<int>(suit));
}

std::wstring CardsToText(const std::vector<int>& cards) {
  std::wstring text;
  for (int card : cards) text += CardName(card);
  return text;
}

HistoryCards ParseHistoryCards(std::wstring_view text) {
  HistoryCards parsed;
  // Every step advances by three characters, so a bad token can never hold
  // the reader in place.
  for (size_t at = 0; at < text.size(); at += 3) {
    const std::wstring_view token = text.substr(at, 2);
    const std::optional<int> card = CardFromName(token);
    if (!card) {
      parsed.badToken = std::wstring(token);
      break;
    }
    parsed.cards.push_back(*card);
  }
  return parsed;
}

TypedCards ParseTypedCards(std::wstring_view text) {
  TypedCards parsed;
  size_t at = 0;
  while (at < text.size()) {
    if (IsSeparator(text[at])) {
      ++at;
      continue;
    }
    const size_t start = at;
    int rank = -1;
    if (text.substr(at, 2) == L"10") {
      rank = RankOf(L'T');
      at += 2;
    } else {
      rank = RankOf(text[at]);
      ++at;
    }
    const int suit = at < text.size() ? SuitOf(text[at]) : -1;
    if (rank < 0 || suit < 0) {
      size_t end = start;
      while (end < text.size() && !IsSeparator(text[end])) ++end;
      parsed.error = L"\"" + std::wstring(text.substr(start, std::max(end, start + 1) - start)) +
                     L"\" in \"" + std::wstring(text) + L"\" is not a card";
      parsed.cards.clear();
      return parsed;
    }
    ++at;
    parsed.cards.push_back(MakeCard(rank, suit));
  }
  if (const std::optional<int> repeated = FindRepeatedCard(parsed.cards)) {
    parsed.error = L"the card " + CardName(*repeated) + L" is given twice";
    parsed.cards.clear();
  }
  return parsed;
}

std::optional<int> FindRepeatedCard(const std::vector<int>& cards) {
  std::array<bool, kCardCount> seen{};
  for (int card : cards) {
    if (card < 0 || card >= kCardCount) continue;
    if (seen[card]) return card;
    seen[card] = true;
  }
  return std::nullopt;
}

}  // namespace lumora
