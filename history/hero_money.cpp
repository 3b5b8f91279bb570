#include "history/hero_money.h"

#include <algorithm>

namespace lumora {

void HeroMoney::PostSmallAndBig(double amount, double bigBlind) {
  const double live = bigBlind > 0.0 ? std::min(bigBlind, amount) : amount * 2.0 / 3.0;
  m_street = live;
  m_earlier += amount - live;
}

}  // namespace lumora
