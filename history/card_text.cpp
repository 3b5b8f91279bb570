#include "history/card_text.h"

#include <cwctype>

#include "base/text.h"
#include "equity/cards.h"

namespace lumora {
namespace {

std::wstring Joined(const std::vector<int>& cards) {
  std::wstring text;
  for (const int card : cards) {
    if (!text.empty()) text += L' ';
    text += CardName(card);
  }
  return text;
}

std::wstring_view WithoutBrackets(std::wstring_view text) {
  text = TrimView(text);
  if (text.starts_with(L'[')) text.remove_prefix(1);
  if (text.ends_with(L']')) text.remove_suffix(1);
  return TrimView(text);
}

}  // namespace

std::wstring CardText(std::wstring_view text) {
  const std::wstring_view inner = WithoutBrackets(text);
  const TypedCards cards = ParseTypedCards(inner);
  return cards.error.empty() ? Joined(cards.cards) : std::wstring(inner);
}

std::wstring IPokerCardText(std::wstring_view text) {
  std::wstring rankFirst;
  size_t at = 0;
  while (at < text.size()) {
    while (at < text.size() && text[at] == L' ') ++at;
    const size_t end = std::min(text.find(L' ', at), text.size());
    const std::wstring_view card = text.substr(at, end - at);
    at = end;
    if (card.empty()) continue;
    if (card == L"X") return {};
    // "D7" is the seven of diamonds, "H10" the ten of hearts.
    rankFirst += std::wstring(card.substr(1)) + static_cast<wchar_t>(std::towlower(card[0])) + L' ';
  }
  return CardText(rankFirst);
}

}  // namespace lumora
