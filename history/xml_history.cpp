// The hero's result in a game is worked out from the game's actions: what he
// put in (blinds, antes, calls, bets, raises as the total they raise to), less
// the part nobody matched, against what he won. The players' "bet" and "win"
// attributes cannot be trusted for it: clients from 2017 on count a raise
// over a blind twice in "bet" and leave the uncalled bet returned out of
// "win" (they say so with <uncalled_bet_enabled>); older clients count both
// rightly, and there the actions give "win - bet" exactly.

#include "history/xml_history.h"

#include <algorithm>
#include <optional>
#include <utility>
#include <vector>

#include "app/run_settings.h"
#include "base/local_time.h"
#include "base/text.h"
#include "history/all_in_input.h"
#include "history/amount.h"
#include "history/card_text.h"
#include "history/chip_ledger.h"
#include "history/hand_reading.h"
#include "history/header_date.h"
#include "history/pattern.h"
#include "history/source_reading.h"
#include "history/xml_bounds.h"
#include "history/xml_stream.h"

namespace lumora {

using namespace std::string_view_literals;
namespace {

/// The action types of a <round>'s <action> elements.
enum ActionType : int {
  kFold = 0,
  kSmallBlind = 1,
  kBigBlind = 2,
  kCall = 3,
  kBet = 5,
  kAllIn = 7,  ///< what the all-in adds
  kAnte = 15,
  kRaise = 23,  ///< the street total it raises to
};

/// The amount of an attribute written with its currency sign ("$2.50",
/// "€1,247.80").
std::optional<int64_t> AmountIn(std::wstring_view value, HandAmounts& amounts) {
  if (value.find_first_of(L"0123456789") == std::wstring_view::npos) return std::nullopt;
  return amounts.Cents(value);
}

/// A session's own general element.
struct SessionGeneral {
  bool realMoney = true;
  bool othersFile = false;
  /// Clients that return an uncalled bet apart leave it out of "win".
  bool winLeavesOutReturns = false;
  int64_t bigBlind = 0;  ///< cents, from the game type; 0 when not read
  bool hiLo = false;
};

class SessionReader {
 public:
  /// `linesBefore`: the file's lines before the session's document, so that
  /// notes name the file's line.
  SessionReader(const SourceReading& reading, int linesBefore)
      : m_reading(reading), m_linesBefore(linesBefore) {}

  /// Reads one child element of the <session>, in document order; false when
  /// the file is refused or the run must end.
  bool ReadChild(const XmlElement& child);

 private:
  SessionGeneral ReadGeneral(const XmlElement& general) const;
  /// Reads one game; false when the run must end (a date out of range).
  bool ReadGame(const XmlElement& game);
  void ReadHeroResult(const XmlElement& game, const XmlElement& players, HandResult hand);

  const SourceReading& m_reading;
  int m_linesBefore;
  SessionGeneral m_general;
  LocalTimeMemo m_clock;  // the games' local times, an hour at a time
};

SessionGeneral SessionReader::ReadGeneral(const XmlElement& general) const {
  static const boost::wregex kGameType(WithAmounts(LR"re(.*/[\$€£]?{A}.*)re"));
  SessionGeneral read;
  read.bigBlind = m_reading.fileBigBlind;
  for (const XmlElement child : general.Children()) {
    const std::string_view name = child.Name();
    if (name == "mode" && child.Text() != L"real") read.realMoney = false;
    if (name == "nickname" && child.Text() != m_reading.filter.nick) read.othersFile = true;
    if (name == "uncalled_bet_enabled") read.winLeavesOutReturns = child.Text() == L"true";
    if (name == "gametype") {
      const std::wstring_view type = child.Text();
      LineMatch match;
      if (MatchLine(type, kGameType, match))
        read.bigBlind = ReadAmountCents(CaptureView(match, 1)).value_or(0);
      read.hiLo = type.find(L"Hi-Lo") != std::wstring_view::npos ||
                  type.find(L"Hi/Lo") != std::wstring_view::npos;
    }
  }
  return read;
}

bool SessionReader::ReadGame(const XmlElement& game) {
  static const boost::wregex kDate(
      LR"re(([0-9]{4})-([0-9]{1,2})-([0-9]{1,2}) ([0-9]{2}):([0-9]{1,2}):([0-9]{1,2}))re");
  HandResult hand{std::wstring(game.Attribute("gamecode")), 0, m_general.bigBlind, 0.0,
                  std::nullopt};
  for (const XmlElement general : game.Children()) {
    if (general.Name() != "general") continue;
    for (const XmlElement child : general.Children()) {
      if (child.Name() == "startdate") {
        const std::wstring content(child.Text());
        LineMatch match;
        if (!SearchLine(content, kDate, match)) continue;
        const auto field = [&](int i) { return CaptureInt(match, i); };
        const CalendarFields fields{field(1), field(2), field(3), field(4), field(5), field(6)};
        const auto time = HeaderLocalTime(fields, &m_clock);
        if (!time) {
          // A date that cannot be leaves this game out, not the session.
          m_reading.out.logNotes.push_back(
              Format(L"%s, line %d: the start date of this game is out of range, the game is not "
                     L"counted: %s",
                     m_reading.path, m_linesBefore + child.Line(), content));
          m_reading.out.LeaveOut(HandLeftOut::kRefused);
          return true;
        }
        // Games count from the start of the range up to, not including, its end.
        if (*time < m_reading.filter.timeFrom || *time >= m_reading.filter.timeTo) {
          m_reading.out.LeaveOut(HandLeftOut::kOutsideDates);
          return true;
        }
        hand.startTime = *time;
      } else if (child.Name() == "players") {
        int players = 0;
        for ([[maybe_unused]] const XmlElement p : child.Children()) ++players;
        if (players < m_reading.filter.minPl || players > m_reading.filter.maxPl) {
          m_reading.out.LeaveOut(HandLeftOut::kPlayersSeated);
          return true;
        }
        ReadHeroResult(game, child, hand);
      }
    }
  }
  return true;
}

/// The game as its actions tell it: everybody's money, who folded, the cards
/// shown, the board, and the last round anybody acted in.
struct GameActions {
  ChipLedger ledger;
  std::vector<std::wstring> folded;
  /// The players' pocket cards and the board's (flop, turn, river as dealt),
  /// read as cards only for a game shown down after an all-in.
  std::vector<std::pair<std::wstring, XmlElement>> pockets;
  std::vector<XmlElement> board;
  int lastActionRound = 0;
  bool heroActed = false;
};

GameActions ReadActions(const XmlElement& game, const std::wstring& nick, int64_t bigBlind,
                        HandAmounts& amounts) {
  GameActions actions;
  for (const XmlElement round : game.Children()) {
    if (round.Name() != "round") continue;
    const int number = ParseInt(round.Attribute("no"));
    // The blinds (round 0) and the betting before the flop (round 1) are one street.
    if (number >= 2) actions.ledger.NextStreet();
    for (const XmlElement item : round.Children()) {
      const std::wstring_view player = item.Attribute("player");
      if (item.Name() == "cards") {
        if (item.Attribute("type") == L"Pocket")
          actions.pockets.emplace_back(player, item);
        else
          actions.board.push_back(item);
        continue;
      }
      if (item.Name() != "action") continue;
      if (number >= 1) actions.lastActionRound = number;
      if (player == nick) actions.heroActed = true;
      const int type = ParseInt(item.Attribute("type"));
      const std::wstring_view sum = item.Attribute("sum");
      const int64_t cents =
          sum.find_first_of(L"0123456789") != std::wstring_view::npos ? amounts.Cents(sum) : 0;
      PlayerMoney& money = actions.ledger[player];
      switch (type) {
        case kFold:
          actions.folded.emplace_back(player);
          break;
        case kSmallBlind:
          money.PostLive(cents);
          break;
        case kBigBlind:
          // More than the big blind: a returning player's dead small blind with it.
          if (bigBlind > 0 && cents > bigBlind)
            money.PostSmallAndBig(cents, bigBlind);
          else
            money.PostLive(cents);
          break;
        case kCall:
        case kBet:
        case kAllIn:
          money.Add(cents);
          break;
        case kRaise:
          money.RaiseTo(cents);
          break;
        case kAnte:
          money.PostDead(cents);
          break;
        default:
          break;
      }
    }
  }
  return actions;
}

void SessionReader::ReadHeroResult(const XmlElement& game, const XmlElement& players,
                                   HandResult hand) {
  std::optional<XmlElement> hero;
  for (const XmlElement p : players.Children())
    if (p.Attribute("name") == m_reading.filter.nick) hero = p;
  // Players sitting out are not listed: a game without the hero is not his.
  if (!hero) {
    m_reading.out.LeaveOut(HandLeftOut::kHeroNotSeated);
    return;
  }
  if (m_reading.filter.cashLimit != 0 && hand.bigBlindCents != m_reading.filter.cashLimit) {
    m_reading.out.LeaveOut(HandLeftOut::kOtherLimit);
    return;
  }
  HandAmounts amounts;
  const auto win = AmountIn(hero->Attribute("win"), amounts);
  const auto bet = AmountIn(hero->Attribute("bet"), amounts);
  if (!win || !bet) return;
  GameActions actions = ReadActions(game, m_reading.filter.nick, hand.bigBlindCents, amounts);
  HandReading reading;
  if (amounts.Failed()) {
    reading.LeaveOut(HandLeftOut::kBadAmount, BadAmountNote(amounts.FirstBad()));
    AppendReading(std::move(reading), std::move(hand), m_reading.out);
    return;
  }
  int64_t result = *win - *bet;
  if (actions.heroActed) {
    const int64_t unmatched = actions.ledger.Unmatched(m_reading.filter.nick);
    result = *win - actions.ledger[m_reading.filter.nick].Total() +
             (m_general.winLeavesOutReturns ? unmatched : 0);
  }
  reading.accepted = true;
  reading.resultCents = static_cast<double>(result);

  // The all-in evaluation: the river dealt after the last round anybody
  // acted in, and at least two hands shown by players still in.
  AllInHandInput allIn;
  const bool riverDealt = actions.board.size() >= 3;
  if (riverDealt && actions.lastActionRound >= 1 && actions.lastActionRound <= 3) {
    for (const auto& [name, node] : actions.pockets) {
      if (std::find(actions.folded.begin(), actions.folded.end(), name) != actions.folded.end())
        continue;
      std::wstring cards = IPokerCardText(node.Text());
      if (cards.empty()) continue;  // not shown
      if (name == m_reading.filter.nick) allIn.heroCards = cards;
      allIn.showdown.push_back({name, std::move(cards)});
    }
  }
  if (!allIn.heroCards.empty() && allIn.showdown.size() >= 2) {
    allIn.allInStreet = actions.lastActionRound;
    for (int s = 0; s + 1 < allIn.allInStreet; ++s) {
      if (s > 0) allIn.board += L' ';
      allIn.board += IPokerCardText(actions.board[static_cast<size_t>(s)].Text());
    }
    allIn.netResult = static_cast<double>(result);
    allIn.putIn = actions.ledger.Totals();
    // What the wins leave out of what was put in is the rake.
    int64_t matched = 0;
    int64_t won = 0;
    for (const auto& [name, cents] : allIn.putIn)
      matched += static_cast<int64_t>(cents) -
                 (m_general.winLeavesOutReturns ? actions.ledger.Unmatched(name) : 0);
    for (const XmlElement p : players.Children())
      won += AmountIn(p.Attribute("win"), amounts).value_or(0);
    allIn.rake = static_cast<double>(std::max<int64_t>(matched - won, 0)) * 0.01;
    reading.allIn = EvaluateAllInOf(
        allIn,
        {m_reading.path, hand.handId, m_reading.filter.nick, hand.bigBlindCents, m_general.hiLo},
        m_reading.engine);
  }
  AppendReading(std::move(reading), std::move(hand), m_reading.out);
}

bool SessionReader::ReadChild(const XmlElement& child) {
  if (child.Name() == "general") {
    m_general = ReadGeneral(child);
    if (!m_general.realMoney) m_reading.out.skip = FileSkip::kPlayMoney;
    if (m_general.othersFile) m_reading.out.skip = FileSkip::kOtherPlayer;
    if (m_reading.out.skip) return false;
  }
  return child.Name() != "game" || ReadGame(child);
}

/// What a source's result held before a session: its games are read as the
/// parser reaches them, and a session whose XML turns out broken further on
/// is taken back out whole, as if never read.
class ResultMark {
 public:
  explicit ResultMark(const SourceResult& out)
      : m_hands(out.hands.size()),
        m_allInValues(out.allInValues.size()),
        m_allInReports(out.allInReports.size()),
        m_paneNotes(out.paneNotes.size()),
        m_logNotes(out.logNotes.size()),
        m_leftOut(out.leftOut),
        m_skip(out.skip) {}

  void Restore(SourceResult& out) const {
    CutTo(out.hands, m_hands);
    CutTo(out.allInValues, m_allInValues);
    CutTo(out.allInReports, m_allInReports);
    CutTo(out.paneNotes, m_paneNotes);
    CutTo(out.logNotes, m_logNotes);
    out.leftOut = m_leftOut;
    out.skip = m_skip;
  }

 private:
  template <typename Items>
  static void CutTo(Items& items, size_t size) {
    items.erase(items.begin() + static_cast<std::ptrdiff_t>(size), items.end());
  }

  size_t m_hands;
  size_t m_allInValues;
  size_t m_allInReports;
  size_t m_paneNotes;
  size_t m_logNotes;
  HandLeftOutCounts m_leftOut;
  std::optional<FileSkip> m_skip;
};

/// The line breaks in `text`.
int LineBreaksIn(std::wstring_view text) {
  int breaks = 0;
  for (size_t i = 0; i < text.size(); ++i)
    breaks +=
        text[i] == L'\n' || (text[i] == L'\r' && (i + 1 == text.size() || text[i + 1] != L'\n'));
  return breaks;
}

/// One <session> document of a file, as UTF-8 text to parse on its own.
struct SessionDocument {
  std::string utf8;
  int linesBefore = 0;  ///< the file's lines before it
  bool cutOff = false;  ///< the file ends inside it: its last game was dropped
};

/// Calls `read` with each <session> document of a file in turn: a client may
/// append a session to a file that holds one already. A session cut off (a
/// truncated file) keeps the games that end before the cut. Each document is
/// made when it is read, so a file of many sessions is never held twice.
template <typename Read>
void ForEachSession(std::wstring_view text, Read read) {
  constexpr std::wstring_view kOpen = L"<session";
  constexpr std::wstring_view kClose = L"</session>";
  constexpr std::wstring_view kGameEnd = L"</game>";
  int linesBefore = 0;
  size_t counted = 0;  // line breaks are counted up to here
  size_t at = text.find(kOpen);
  while (at != std::wstring_view::npos) {
    const size_t next = text.find(kOpen, at + kOpen.size());
    const std::wstring_view rest =
        text.substr(at, next == std::wstring_view::npos ? next : next - at);
    linesBefore += LineBreaksIn(text.substr(counted, at - counted));
    counted = at;
    const size_t close = rest.find(kClose);
    if (close != std::wstring_view::npos) {
      if (!read(SessionDocument{WideToUtf8(rest.substr(0, close + kClose.size())), linesBefore,
                                false}))
        return;
    } else if (const size_t lastGame = rest.rfind(kGameEnd); lastGame != std::wstring_view::npos) {
      if (!read(
              SessionDocument{WideToUtf8(rest.substr(0, lastGame + kGameEnd.size())) + "</session>",
                              linesBefore, true}))
        return;
    }
    at = next;
  }
}

}  // namespace

bool ReadXmlHistoryFile(const std::wstring& path, std::wstring_view text, const HandFilter& filter,
                        int64_t fileBigBlind, const PokerLogic& engine, SourceResult& out) {
  if (const std::optional<FileSkip> beyond = XmlBeyondBounds(text)) {
    out.skip = beyond;
    return false;
  }
  const SourceReading reading{path, filter, fileBigBlind, engine, out};
  // Each session is parsed from the text that was checked above, never from
  // the file again.
  bool any = false;
  bool loaded = false;
  bool refused = false;
  ForEachSession(text, [&](const SessionDocument& session) {
    any = true;
    if (session.cutOff) {
      out.LeaveOut(HandLeftOut::kCutOff);
      out.logNotes.push_back(path + L": the file ends inside a game, which is not counted");
    }
    const ResultMark mark(out);
    SessionReader reader(reading, session.linesBefore);
    bool read = true;  // false once the file is refused
    const XmlDocumentRead parsed =
        ReadRootChildren(session.utf8, "session",
                         [&](const XmlElement& child) { return read = reader.ReadChild(child); });
    if (parsed == XmlDocumentRead::kBroken) mark.Restore(out);
    if (parsed != XmlDocumentRead::kRead) return true;
    loaded = true;
    refused = !read;
    return !refused;
  });
  if (refused) return false;
  if (!any) {
    out.skip = FileSkip::kUnreadable;
    return false;
  }
  if (!loaded) out.skip = FileSkip::kUnreadable;
  return loaded;
}

int32_t CountXmlGames(std::wstring_view text) {
  int32_t games = 0;
  for (size_t at = text.find(L"<game "); at != std::wstring_view::npos;
       at = text.find(L"<game ", at + 1))
    ++games;
  return games;
}

}  // namespace lumora
