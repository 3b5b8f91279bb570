#pragma once
// Street bookkeeping: what players put into the pot of one hand, in cents.
// The street being played holds each player's live money, which a raise
// sets when the room writes the total it raises to ("raises 0.20 to 0.30")
// and which a call, a bet, or a raise written as what it adds, adds to.
// Dead money (antes, the small part of a returning player's blinds) is kept
// apart: it belongs to the pot, matches no bet, and nothing on the street
// replaces it.

#include <cstdint>
#include <map>
#include <string>
#include <string_view>

namespace lumora {

/// One player's money in a hand.
class PlayerMoney {
 public:
  /// A live blind: it counts toward what he must put in on this street.
  void PostLive(int64_t cents) { m_street = cents; }
  /// Money that belongs to the pot and to no street's betting.
  void PostDead(int64_t cents) { m_dead += cents; }
  /// A returning player's "small & big blinds" `cents`: the big blind
  /// `bigBlind` is live and the rest dead. With no big blind known, the small
  /// blind is taken as half the big one.
  void PostSmallAndBig(int64_t cents, int64_t bigBlind);
  void Add(int64_t cents) { m_street += cents; }
  void RaiseTo(int64_t cents) { m_street = cents; }
  /// An uncalled bet comes back.
  void Return(int64_t cents) { m_street -= cents; }
  /// A new street begins.
  void NextStreet() {
    m_earlier += m_street;
    m_street = 0;
  }

  int64_t Street() const { return m_street; }
  /// The money that matches bets: every street's live money.
  int64_t Live() const { return m_earlier + m_street; }
  /// Everything he put in.
  int64_t Total() const { return m_earlier + m_street + m_dead; }

 private:
  int64_t m_street = 0;
  int64_t m_earlier = 0;
  int64_t m_dead = 0;
};

/// Every player's money in a hand, by name.
class ChipLedger {
 public:
  PlayerMoney& operator[](std::wstring_view name);
  /// A new street begins for everybody.
  void NextStreet();

  /// The part of `name`'s live money that no other player matched: a bet
  /// nobody called, which comes back to him.
  int64_t Unmatched(std::wstring_view name) const;
  /// Everybody's total, in cents.
  std::map<std::wstring, double> Totals() const;
  bool Empty() const { return m_players.empty(); }

 private:
  std::map<std::wstring, PlayerMoney, std::less<>> m_players;
};

}  // namespace lumora
