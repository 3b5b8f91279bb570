#pragma once
// Hand-written matchers for the fixed-format lines that every hand repeats:
// the PokerStars header, table and seat lines, the blind, bet and raise
// lines, and the shown hands of a showdown. A regular expression costs more
// than reading the rest of the hand, so these lines are read by a plain walk
// over their characters instead. Each pattern stays
// beside its matcher as its definition: a matcher answers exactly what
// regex_match of its pattern against the whole line answers, with the same
// captures under the same numbers (the tests hold them to it on every
// fixture line and on generated ones).

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace lumora {

/// The captures of a matched line, numbered as in the pattern (0 is the
/// whole line). Each views the line.
class ScanCaptures {
 public:
  static constexpr int kCount = 19;

  /// The text of capture `i`; empty when it did not take part.
  std::wstring_view operator[](int i) const {
    return Matched(i) ? std::wstring_view(m_text[i].data, m_text[i].size) : std::wstring_view();
  }
  /// Whether capture `i` took part in the match (it may still be empty).
  bool Matched(int i) const { return (m_matched >> i) & 1u; }

  void Clear() { m_matched = 0; }
  void Set(int i, std::wstring_view text) {
    m_text[i] = {text.data(), text.size()};
    m_matched |= 1u << i;
  }
  void Unset(int i) { m_matched &= ~(1u << i); }
  /// The same captures taking part, each viewing the same characters.
  friend bool operator==(const ScanCaptures& a, const ScanCaptures& b) {
    if (a.m_matched != b.m_matched) return false;
    for (uint32_t bits = a.m_matched; bits != 0; bits &= bits - 1) {
      const int i = std::countr_zero(bits);
      if (a.m_text[i].data != b.m_text[i].data || a.m_text[i].size != b.m_text[i].size)
        return false;
    }
    return true;
  }
  /// The captures of `other`, which view the text at `from`, at the same
  /// places in the text at `to`, as long as that one. Only those that took
  /// part are copied: a copy of all would cost more than the scan it spares.
  void CopyMoved(const ScanCaptures& other, const wchar_t* from, const wchar_t* to) {
    m_matched = other.m_matched;
    for (uint32_t bits = m_matched; bits != 0; bits &= bits - 1) {
      const int i = std::countr_zero(bits);
      m_text[i] = {to + (other.m_text[i].data - from), other.m_text[i].size};
    }
  }

 private:
  struct Text {
    const wchar_t* data;
    size_t size;
  };
  // Lines are scanned by the million, and most scans fail early: clearing is
  // one store, and a capture's text is read only once it has been set.
  std::array<Text, kCount> m_text;
  uint32_t m_matched = 0;
};

/// A PokerStars hand header, in every form the clients wrote: "Hand #" or
/// the older "Game #", a Zoom marker, the stakes with or without signs and
/// currency word, the table's date and, in most files, the Eastern one in
/// brackets. Captures: 1 Zoom, 2 game, 3 the sign of the small blind, 4 what
/// follows the "/" (the big blind, a cap, the currency word), 5-10 the first
/// date, 11 its zone, 12-17 the bracketed date, 18 its zone.
inline constexpr std::wstring_view kStarsHeaderPattern =
    LR"re(.*PokerStars (Zoom )?(?:Hand|Game) #\d+:\s+(.*) \((\D?)\d.*?/(.*?)\) - (\d{4})/(\d{1,2})/(\d{1,2}) (\d+):(\d+):(\d+) (\w+)(?: \[(\d{4})/(\d{1,2})/(\d{1,2}) (\d+):(\d+):(\d+) (\w+)\])?)re";
bool ScanStarsHeader(std::wstring_view line, ScanCaptures& captures);

/// ScanStarsHeader for the headers of a file, one after another. Consecutive
/// headers differ mostly in their digits (the hand number, the times), and
/// the header pattern cannot tell one digit from another: it holds no digit
/// of its own, and each of its classes takes all ten digits or none. So a
/// header that differs from the last one scanned only where both hold a
/// digit matches as that one did, its captures at the same places.
class StarsHeaderScanner {
 public:
  bool Scan(std::wstring_view line, ScanCaptures& captures);

 private:
  std::wstring m_line;      // the last header scanned in full
  ScanCaptures m_captures;  // its captures, viewing m_line
  bool m_matched = false;
};

/// "Table 'Halley' 6-max Seat #3 is the button": capture 1 the seat count.
inline constexpr std::wstring_view kStarsTablePattern =
    LR"re(Table '.*' (\d+)-max Seat #\d+ is the button)re";
bool ScanStarsTable(std::wstring_view line, ScanCaptures& captures);

/// "Seat 3: Hero ($10.35 in chips)": captures 1 seat, 2 name, 3 stack. "{A}"
/// is an amount (see WithAmounts).
inline constexpr std::wstring_view kStarsSeatPattern =
    LR"re(Seat (\d+): (.*) \(\D?{A} in chips\))re";
bool ScanStarsSeat(std::wstring_view line, ScanCaptures& captures);

/// Tiger Gaming's hand header: "Tiger Gaming Game #3452000258: Hold'em No
/// Limit ($0.05/0.10) - 2024/04/03 03:31:33 ET". Captures 1 game, 2 the big
/// blind, 3-8 the date and time, 9 the rest (the zone).
inline constexpr std::wstring_view kTigerHeaderPattern =
    LR"re(Tiger Gaming Game #\d+: (.*) Limit \(\$\d[^/]*/{A}\) - (\d{4})/(\d{2})/(\d{2}) (\d+):(\d+):(\d+) (.*))re";
bool ScanTigerHeader(std::wstring_view line, ScanCaptures& captures);

/// "Table 'Bilby 1' 6-Max, Seat #6 is the button": capture 1 the seat count.
inline constexpr std::wstring_view kTigerTablePattern =
    LR"re(Table '.*' (\d+)-Max, Seat #\d+ is the button)re";
bool ScanTigerTable(std::wstring_view line, ScanCaptures& captures);

/// "Seat 4: Hero (10 in chips)", maybe with more after it: captures 1 name,
/// 2 stack, 3 the rest.
inline constexpr std::wstring_view kTigerSeatPattern =
    LR"re(Seat \d+: (.*) \({A} in chips\)(.*))re";
bool ScanTigerSeat(std::wstring_view line, ScanCaptures& captures);

/// 888poker's stakes line, the sign before or after each amount: "$0.05/$0.10
/// Blinds No Limit Holdem - *** 02 04 2024 18:29:37", "25 $/50 $ Blinds ...".
/// Captures 1 sign, 2 small blind, 3 sign after it, 4 big blind; "{S}" is an
/// amount that may hold blanks (see WithAmounts).
inline constexpr std::wstring_view k888StakesPattern =
    LR"re(([\$€£]?) ?{S} ?([\$€£]?)/[\$€£]? ?{S} ?[\$€£]? Blinds .*)re";
/// The date that ends the stakes line of a hand's header: captures 5 day,
/// 6 month, 7 year, 8-10 the time.
inline constexpr std::wstring_view k888DatePattern =
    LR"re( ([0-9]{1,2}) ([0-9]{1,2}) ([0-9]{4}) ([0-9]{1,2}):([0-9]{1,2}):([0-9]{1,2}))re";
bool Scan888Stakes(std::wstring_view line, ScanCaptures& captures);
/// k888StakesPattern followed by k888DatePattern.
bool Scan888Header(std::wstring_view line, ScanCaptures& captures);

/// PartyPoker's hand header: the blinds ("$0.10/$0.25 USD") or the table's
/// buy-in ("$25 USD"), the game, then the weekday, date, time, zone and year.
/// Captures 1 sign, 2 first amount, 3 second amount (when there is one),
/// 4 game, 5 month, 6 day, 7-9 the time, 10 zone, 11 year.
inline constexpr std::wstring_view kPartyHeaderPattern =
    LR"re(([\$€£]){S}(?:/[\$€£]?{S})?(?: (?:USD|EUR|GBP))? (.+?) - \w+, (\w+) (\d{1,2}), (\d{2}):(\d{2}):(\d{2}) (\w+) (\d{4}))re";
bool ScanPartyHeader(std::wstring_view line, ScanCaptures& captures);

// The lines PartyPoker and 888poker write alike: a seat with its stack in
// parentheses, and a name, what the player does and the amount in brackets,
// the sign before or after it ("posts small blind [$0.10 USD].", "calls [25
// $]"). Each amount is what the action adds to the pot.

/// "Seat 2: Hero ( $25 USD )": captures 1 name, 2 stack.
inline constexpr std::wstring_view kBracketSeatPattern = LR"re(Seat \d+: (.+) \( (.*) \))re";
bool ScanBracketSeat(std::wstring_view line, ScanCaptures& captures);

/// "Hero posts small blind [$0.10 USD].": captures 1 name, 2 small or big,
/// 3 amount; PartyPoker ends the line with a full stop.
inline constexpr std::wstring_view kBracketBlindPattern =
    LR"re((.+) posts (small|big) blind \[(.*)\]\.?)re";
bool ScanBracketBlind(std::wstring_view line, ScanCaptures& captures);

/// "Hero calls [$0.25 USD]", bets or raises: captures 1 name, 2 amount.
inline constexpr std::wstring_view kBracketActionPattern =
    LR"re((.+) (?:calls|bets|raises) \[(.*)\])re";
bool ScanBracketAction(std::wstring_view line, ScanCaptures& captures);

/// "Hero: posts small blind $0.05" (PokerStars and Tiger Gaming, whose
/// amounts go without a sign): captures 1 name, 2 small, big or small & big,
/// 3 amount.
inline constexpr std::wstring_view kBlindPattern =
    LR"re((.*): posts (small|big|small & big) blinds? \D?{A})re";
bool ScanBlind(std::wstring_view line, ScanCaptures& captures);

/// "Hero: calls $0.10" or "Hero: bets 20": captures 1 name, 2 amount.
inline constexpr std::wstring_view kCallOrBetPattern = LR"re((.*): (?:calls|bets) \D?{A})re";
bool ScanCallOrBet(std::wstring_view line, ScanCaptures& captures);

/// "Hero: raises $0.20 to $0.30": captures 1 name, 2 the raise, 3 the total.
inline constexpr std::wstring_view kRaisePattern = LR"re((.*): raises \D?{A} to \D?{A})re";
bool ScanRaise(std::wstring_view line, ScanCaptures& captures);

/// "Hero collected $0.53 from pot" (or a main or side pot): captures 1 name,
/// 2 amount.
inline constexpr std::wstring_view kStarsCollectPattern =
    LR"re((.*) collected \D?{A} from (?:pot|side pot|main pot|side pot-\d+))re";
bool ScanStarsCollect(std::wstring_view line, ScanCaptures& captures);

/// "Total pot $0.55 | Rake $0.02", the summary of a hand played to one pot:
/// captures 1 the pot, 2 the rake.
inline constexpr std::wstring_view kStarsPotPattern = LR"re(Total pot \D?{A} \| Rake \D?{A})re";
bool ScanStarsPot(std::wstring_view line, ScanCaptures& captures);

/// "Uncalled bet ($0.20) returned to Hero": captures 1 amount, 2 name.
inline constexpr std::wstring_view kUncalledPattern =
    LR"re(Uncalled bet \(\D?{A}\) returned to (.*))re";
bool ScanUncalled(std::wstring_view line, ScanCaptures& captures);

/// A summary seat line of a shown or mucked hand, for a player on the button
/// or a blind: "Seat 1: Hero (button) showed [Ah Kd] and won ($2)".
/// Captures 1 seat, 2 name, 3 position, 4 showed or mucked, 5 cards, 6 the rest.
inline constexpr std::wstring_view kShownWithPositionPattern =
    LR"re(Seat (\d+): (.*) \((button|small blind|big blind)\) (showed|mucked) \[(.*)\](.*))re";
bool ScanShownWithPosition(std::wstring_view line, ScanCaptures& captures);

/// The same line of any other player: captures 1 seat, 2 name, 3 showed or
/// mucked, 4 cards, 5 the rest.
inline constexpr std::wstring_view kShownPattern =
    LR"re(Seat (\d+): (.*) (showed|mucked) \[(.*)\](.*))re";
bool ScanShown(std::wstring_view line, ScanCaptures& captures);

/// A scanner and the pattern that defines it, its amounts written out, for
/// the checks that hold each to the other.
struct LineScanner {
  const char* name;
  std::wstring pattern;
  bool (*scan)(std::wstring_view line, ScanCaptures& captures);
};

/// Every scanner above with its pattern.
std::vector<LineScanner> LineScanners();

}  // namespace lumora
