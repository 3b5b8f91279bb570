#include "history/chip_ledger.h"

#include <algorithm>

namespace lumora {

void PlayerMoney::PostSmallAndBig(int64_t cents, int64_t bigBlind) {
  const int64_t live = bigBlind > 0 ? std::min(bigBlind, cents) : cents * 2 / 3;
  m_street = live;
  m_dead += cents - live;
}

PlayerMoney& ChipLedger::operator[](std::wstring_view name) {
  const auto found = m_players.find(name);
  if (found != m_players.end()) return found->second;
  return m_players.emplace(std::wstring(name), PlayerMoney()).first->second;
}

void ChipLedger::NextStreet() {
  for (auto& [name, money] : m_players) money.NextStreet();
}

int64_t ChipLedger::Unmatched(std::wstring_view name) const {
  int64_t own = 0;
  int64_t largestOther = 0;
  for (const auto& [player, money] : m_players) {
    if (player == name)
      own = money.Live();
    else
      largestOther = std::max(largestOther, money.Live());
  }
  return std::max<int64_t>(own - largestOther, 0);
}

std::map<std::wstring, double> ChipLedger::Totals() const {
  std::map<std::wstring, double> totals;
  for (const auto& [name, money] : m_players) totals[name] = static_cast<double>(money.Total());
  return totals;
}

}  // namespace lumora
