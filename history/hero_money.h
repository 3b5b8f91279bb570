#pragma once
// What the hero put into the pot, for rooms that write a raise as the total
// it raises to ("raises 0.20 to 0.30"): the street being played holds his
// live money, which a raise sets and a call or bet adds to; finished streets
// and dead money (antes, dead small blinds) are kept apart, since no later
// action on the street replaces them. Amounts in cents.

namespace lumora {

class HeroMoney {
 public:
  /// A live blind: it counts toward what he must put in on this street.
  void PostLive(double amount) { m_street = amount; }
  /// Money that belongs to the pot and to no street's betting.
  void PostDead(double amount) { m_earlier += amount; }
  /// A returning player's "small & big blinds" `amount`: the big blind
  /// `bigBlind` is live and the rest dead. With no big blind known, the
  /// small blind is taken as half the big one.
  void PostSmallAndBig(double amount, double bigBlind);
  void Add(double amount) { m_street += amount; }
  void RaiseTo(double amount) { m_street = amount; }
  /// An uncalled bet comes back.
  void Return(double amount) { m_street -= amount; }
  /// A new street begins.
  void NextStreet() {
    m_earlier += m_street;
    m_street = 0.0;
  }

  double street() const { return m_street; }
  double Total() const { return m_earlier + m_street; }

 private:
  double m_street = 0.0;
  double m_earlier = 0.0;
};

}  // namespace lumora
