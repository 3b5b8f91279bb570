#include "history/history_hands.h"

#include <algorithm>
#include <array>
#include <memory>
#include <optional>

#include "app/run_settings.h"
#include "base/text.h"
#include "history/banners.h"
#include "history/hand_reading.h"
#include "history/line_scan.h"
#include "history/party_header.h"
#include "history/pattern.h"
#include "history/poker888.h"
#include "history/pokerstars_hand.h"
#include "history/pokerstars_header.h"
#include "history/source_reading.h"
#include "history/tiger_gaming.h"

namespace lumora {

using namespace std::string_view_literals;
namespace {

constexpr std::array<std::wstring_view, 4> kStarsMarkers = {
    L"PokerStars Hand #", L"PokerStars Zoom Hand #", L"PokerStars Home Game Hand #",
    L"PokerStars Game #"};

/// Whether the line opens a PokerStars hand. Asked of every line of a hand:
/// the room's name, common to the markers, rules most lines out at once.
bool OpensStarsHand(std::wstring_view line) {
  if (!StartsWith(line, L"PokerStars "sv)) return false;
  for (std::wstring_view marker : kStarsMarkers)
    if (StartsWith(line, marker)) return true;
  return false;
}

/// Lines that belong to no hand: chat and players sitting down.
bool IsNoise(std::wstring_view line) {
  // Asked of every line that holds one of kChatAndSeatingLeads, when that is
  // known. The phrases begin with letters rare in hand histories, so the
  // library's vector search for the first letter rules out most lines at
  // once. Like ContainsAfterStart, a phrase that starts the line does not
  // count.
  const auto afterStart = [&](std::wstring_view phrase) {
    const size_t at = line.find(phrase);
    return at != std::wstring_view::npos && at >= 1;
  };
  if (afterStart(L"joins the table at seat"sv) ||
      afterStart(L"will be allowed to play after the button"sv))
    return true;
  // A chat line holds " said, "; its comma is rare elsewhere and cheap to seek.
  if (line.find(L',') == std::wstring_view::npos ||
      FindText(line, L" said, "sv) == std::wstring_view::npos)
    return false;
  static const boost::wregex kChat(LR"re((.*) said, (.*))re");
  LineMatch match;
  return SearchLine(line, kChat, match);
}

/// A PartyPoker tournament: its hands are never read.
bool IsPartyTournament(std::wstring_view line) {
  return StartsWith(line, L"NL Texas Hold'em  Trny:"sv) ||
         StartsWith(line, L"Table Double or Nothing"sv) || StartsWith(line, L"Table WPT Step"sv);
}

/// The header values of the hand being collected.
struct HandHeaderValues {
  int64_t startTime = 0;
  int64_t bigBlindCents = 0;
  int32_t currency = 0;
  /// The line that opened the hand, whose number names it; written out only
  /// where the number is shown (see ShownHandNumber).
  std::wstring_view opening;
  /// Why the hand is not counted, from its header; none when it may be.
  std::optional<HandLeftOut> leftOut = HandLeftOut::kRefused;
};

}  // namespace

class HandSplitter {
 public:
  explicit HandSplitter(const SourceReading& reading) : m_reading(reading) {}

  /// Reads the next lines of the file, `last` when they end it (its last
  /// line belongs to the hand being collected, whatever it is).
  bool Read(const TextLines& lines, std::span<const uint8_t> mayBeChat, bool last);
  void KeepOpenHand();

 private:
  enum class Step { kGoOn, kAbandon };

  Step InHand(std::wstring_view line, size_t lineNumber);
  Step OpenHand(std::wstring_view line, size_t lineNumber);
  Step ReadPartyHeaderLine(std::wstring_view line, size_t lineNumber);
  Step Read888HeaderLine(std::wstring_view line, size_t lineNumber);
  Step OpenTigerHand(std::wstring_view line, size_t lineNumber);
  Step Abandon(FileSkip reason) {
    m_reading.out.skip = reason;
    return Step::kAbandon;
  }
  void ProcessHand();
  /// The header of a hand whose stakes and date line comes later.
  void OpenWithoutHeader(std::wstring_view line) {
    m_header = {0, 0, 0, line, HandLeftOut::kRefused};
    m_bannerSeen = false;
    Start(line);
  }
  std::optional<HandLeftOut> DateLeftOut(const HandHeader& header) const {
    if (!header.matched) return HandLeftOut::kRefused;
    if (!InRange(header.startTime)) return HandLeftOut::kOutsideDates;
    return std::nullopt;
  }
  bool InRange(int64_t time) const {
    return m_reading.filter.timeFrom <= time && time <= m_reading.filter.timeTo;
  }
  /// A header whose date cannot be: its hand is not counted, and the log
  /// says which line it was.
  std::optional<HandLeftOut> BadDate(size_t lineNumber, std::wstring_view line);
  void Start(std::wstring_view line) {
    m_inHand = true;
    m_buffer.clear();
    m_buffer.emplace_back(line);
  }

  const SourceReading m_reading;
  size_t m_linesBefore = 0;  // the file's lines read before these

  HandLines m_buffer;   // views into the file's lines, or into m_kept
  std::wstring m_kept;  // the open hand's lines from earlier text (see KeepOpenHand)
  bool m_inHand = false;
  HandHeaderValues m_header;
  LocalTimeMemo m_clock;              // the hands' local times, an hour at a time
  StarsHeaderScanner m_starsHeaders;  // PokerStars: the last header read in full
  bool m_bannerSeen = false;          // PartyPoker and 888: the hand's banner line was read
  int m_stage = 0;  // 888: 0 after "#Game No :", 1 after the banner, 2 after the header
};

std::optional<HandLeftOut> HandSplitter::BadDate(size_t lineNumber, std::wstring_view line) {
  m_reading.out.logNotes.push_back(Format(
      L"%s, line %d: the date of this hand header is out of range, the hand is not counted: %s",
      m_reading.path, static_cast<int>(lineNumber), std::wstring(line)));
  return HandLeftOut::kRefused;
}

HandSplitter::Step HandSplitter::ReadPartyHeaderLine(std::wstring_view line, size_t lineNumber) {
  const HandHeader header = ReadPartyHeader(line, &m_clock);
  m_header.startTime = header.startTime;
  m_header.bigBlindCents = header.bigBlindCents;
  m_header.currency = header.currency;
  // A hand outside the range, or with a date that cannot be, is skipped
  // alone, as it is in any other room: abandoning the file would lose the
  // hands of the session inside it.
  m_header.leftOut = header.badDate ? BadDate(lineNumber, line) : DateLeftOut(header);
  m_buffer.emplace_back(line);
  return Step::kGoOn;
}

HandSplitter::Step HandSplitter::Read888HeaderLine(std::wstring_view line, size_t lineNumber) {
  const HandHeader header = Read888Header(line, &m_clock);
  // A hand outside the range, or with a date that cannot be, is skipped
  // alone: abandoning the file would lose the hands of the session inside it.
  m_header = {header.startTime, header.bigBlindCents, header.currency, m_header.opening,
              header.badDate ? BadDate(lineNumber, line) : DateLeftOut(header)};
  m_buffer.emplace_back(line);
  m_stage = 2;
  return Step::kGoOn;
}

HandSplitter::Step HandSplitter::InHand(std::wstring_view line, size_t lineNumber) {
  switch (m_reading.filter.room) {
    case kPartyPoker:
      if (IsPartyTournament(line)) return Abandon(FileSkip::kTournament);
      if (ContainsAfterStart(line, L"NL Texas Hold'em -"sv) ||
          ContainsAfterStart(line, L"PL Omaha"sv))
        return ReadPartyHeaderLine(line, lineNumber);
      // A hand opens with "Game #N starts.", or in the client's later
      // format with "#Game No : N" or its banner: a second banner, or a
      // "#Game No :" after one, opens the next hand.
      if (StartsWith(line, L"Game #"sv) ||
          ((StartsWith(line, L"#Game No :"sv) || IsPartyBanner(line)) && m_bannerSeen)) {
        ProcessHand();
        return OpenHand(line, lineNumber);
      }
      if (IsPartyBanner(line)) m_bannerSeen = true;
      break;
    case kPokerStars:
      if (OpensStarsHand(line)) {
        ProcessHand();
        return OpenHand(line, lineNumber);
      }
      break;
    case k888Poker:
      if (StartsWith(line, L"Tournament"sv)) return Abandon(FileSkip::kTournament);
      if (m_stage == 1) return Read888HeaderLine(line, lineNumber);
      if (StartsWith(line, L"#Game No :"sv) || (Is888Banner(line) && m_bannerSeen)) {
        ProcessHand();
        return OpenHand(line, lineNumber);
      }
      if (Is888Banner(line)) {
        m_stage = 1;
        m_bannerSeen = true;
      }
      break;
    case kTigerGaming:
      if (StartsWith(line, L"Tiger Gaming Game #"sv)) {
        ProcessHand();
        return OpenHand(line, lineNumber);
      }
      break;
  }
  m_buffer.emplace_back(line);
  return Step::kGoOn;
}

HandSplitter::Step HandSplitter::OpenTigerHand(std::wstring_view line, size_t lineNumber) {
  const HandHeader header = ReadTigerHeader(line, &m_clock);
  // A hand outside the range, or with a date that cannot be, is skipped
  // alone, its lines with it.
  if (const std::optional<HandLeftOut> leftOut =
          header.badDate ? BadDate(lineNumber, line) : DateLeftOut(header)) {
    m_reading.out.LeaveOut(*leftOut);
    return Step::kGoOn;
  }
  m_header = {header.startTime, header.bigBlindCents, header.currency, line, std::nullopt};
  Start(line);
  return Step::kGoOn;
}

HandSplitter::Step HandSplitter::OpenHand(std::wstring_view line, size_t lineNumber) {
  const int32_t room = m_reading.filter.room;
  if (StartsWith(line, L"Game #"sv) || IsPartyBanner(line)) {
    if (room != kPartyPoker) return Abandon(FileSkip::kOtherRoom);
    OpenWithoutHeader(line);  // its stakes line comes later
    m_bannerSeen = IsPartyBanner(line);
    return Step::kGoOn;
  }
  for (std::wstring_view marker : kStarsMarkers) {
    const size_t at = line.find(marker);
    if (at == std::wstring_view::npos) continue;
    if (FindText(line, L"Tournament"sv) != std::wstring_view::npos) return Step::kGoOn;
    if (room != kPokerStars) return Abandon(FileSkip::kOtherRoom);
    line.remove_prefix(at);
    const PokerStarsHeader header =
        ReadPokerStarsHeader(line, m_reading.filter.games, &m_starsHeaders);
    const bool zoomFits =
        header.zoom == 1 ? m_reading.filter.zoom == 1 : m_reading.filter.nonZoom == 1;
    const bool stakesFit =
        m_reading.filter.cashLimit == 0 || header.bigBlindCents == m_reading.fileBigBlind;
    std::optional<HandLeftOut> leftOut;
    if (!header.taken)
      leftOut = HandLeftOut::kOtherGame;
    else if (!zoomFits)
      leftOut = HandLeftOut::kZoom;
    else if (!stakesFit)
      leftOut = HandLeftOut::kOtherLimit;
    else if (!InRange(header.startTime))
      leftOut = HandLeftOut::kOutsideDates;
    if (leftOut) {
      m_reading.out.LeaveOut(*leftOut);
      return Step::kGoOn;
    }
    m_header = {header.startTime, header.bigBlindCents, header.currency, line, std::nullopt};
    Start(line);
    return Step::kGoOn;
  }
  if (Is888Banner(line)) {
    if (room != k888Poker) return Abandon(FileSkip::kOtherRoom);
    OpenWithoutHeader(line);
    m_stage = 1;
    m_bannerSeen = true;
    return Step::kGoOn;
  }
  if (StartsWith(line, L"#Game No :"sv)) {
    // PartyPoker's later format and 888poker's both open with it.
    if (room != k888Poker && room != kPartyPoker) return Abandon(FileSkip::kOtherRoom);
    OpenWithoutHeader(line);
    m_stage = 0;
    return Step::kGoOn;
  }
  if (StartsWith(line, L"Tiger Gaming Game #"sv)) {
    if (room != kTigerGaming) return Abandon(FileSkip::kOtherRoom);
    return OpenTigerHand(line, lineNumber);
  }
  return Step::kGoOn;  // a line outside any hand
}

void HandSplitter::ProcessHand() {
  m_inHand = false;
  const int64_t bigBlind = m_header.bigBlindCents;
  // A hand whose header never came (or lay outside the range) has no date
  // or stakes to check: it is not counted.
  std::optional<HandLeftOut> leftOut = m_header.leftOut;
  if (!leftOut && m_header.currency != m_reading.filter.currency)
    leftOut = HandLeftOut::kOtherCurrency;
  if (!leftOut && m_reading.filter.cashLimit != 0 && m_reading.filter.cashLimit != bigBlind)
    leftOut = HandLeftOut::kOtherLimit;
  if (leftOut) {
    m_reading.out.LeaveOut(*leftOut);
    m_buffer.clear();
    return;
  }
  bool headerSeen = false;
  HandReading reading;
  switch (m_reading.filter.room) {
    case kPartyPoker:
    case kPokerStars:
      reading =
          ReadPokerStarsHand(m_reading.path, m_reading.filter, m_buffer, m_reading.filter.room,
                             m_reading.fileBigBlind, headerSeen, m_reading.engine);
      break;
    case k888Poker:
      reading = Read888Hand(m_reading.path, m_reading.filter, m_buffer, m_reading.filter.room,
                            m_reading.fileBigBlind, headerSeen, m_reading.engine);
      break;
    case kTigerGaming:
      reading = ReadTigerHand(m_reading.path, m_reading.filter, m_buffer, m_reading.filter.room,
                              m_reading.fileBigBlind, headerSeen, m_reading.engine);
      break;
  }
  m_buffer.clear();
  // The next hand's opening line sets a header of its own.
  std::wstring number = ShownHandNumber(reading, m_header.opening, m_reading.filter.handIds);
  AppendReading(std::move(reading),
                {std::move(number), m_header.startTime, bigBlind, 0.0, std::nullopt},
                m_reading.out);
}

bool HandSplitter::Read(const TextLines& lines, std::span<const uint8_t> mayBeChat, bool last) {
  if (mayBeChat.size() != lines.size()) mayBeChat = {};  // marks of other lines: any may be
  const size_t before = m_linesBefore;
  m_linesBefore += lines.size();
  const bool stars = m_reading.filter.room == kPokerStars;
  // The last line of the file is the one the loop below must see itself.
  const size_t plainEnd = last ? lines.size() - std::min<size_t>(lines.size(), 1) : lines.size();
  for (size_t i = 0; i < lines.size(); ++i) {
    if (stars && m_inHand && !mayBeChat.empty()) {
      // Most lines of a PokerStars hand only join it: those that hold none
      // of the chat's marked letters and cannot open the next hand (which
      // names the room first) are taken here, in a tight loop.
      for (; i < plainEnd && mayBeChat[i] == 0; ++i) {
        const std::wstring_view line = TrimView(lines[i]);
        if (!line.empty() && line[0] == L'P' && OpensStarsHand(line)) break;
        m_buffer.emplace_back(line);
      }
      if (i == lines.size()) break;
    }
    const std::wstring_view line = TrimView(lines[i]);
    if ((mayBeChat.empty() || mayBeChat[i] != 0) && IsNoise(line)) continue;
    const size_t lineNumber = before + i + 1;
    if (last && m_inHand && i + 1 == lines.size()) {
      // The last line belongs to the hand being collected, whatever it is.
      m_buffer.emplace_back(line);
      ProcessHand();
      break;
    }
    const Step step = m_inHand ? InHand(line, lineNumber) : OpenHand(line, lineNumber);
    if (step == Step::kAbandon) return false;
  }
  // A file that ends on a chat line still has its last hand to count.
  if (last && m_inHand) ProcessHand();
  return true;
}

void HandSplitter::KeepOpenHand() {
  if (!m_inHand) return;
  // Copied aside first: some of the lines may view the text kept before.
  std::wstring kept;
  for (const std::wstring_view line : m_buffer) kept += line;
  m_kept = std::move(kept);
  size_t at = 0;
  for (std::wstring_view& line : m_buffer) {
    line = std::wstring_view(m_kept.data() + at, line.size());
    at += line.size();
  }
  m_header.opening = m_buffer.front();  // the hand's first line, as Start made it
}

HistoryHandsReader::HistoryHandsReader(const std::wstring& path, const HandFilter& filter,
                                       int64_t fileBigBlind, const PokerLogic& engine,
                                       SourceResult& out)
    : m_path(path),
      m_splitter(std::make_unique<HandSplitter>(
          SourceReading{m_path, filter, fileBigBlind, engine, out})) {}

HistoryHandsReader::~HistoryHandsReader() = default;

bool HistoryHandsReader::Read(const TextLines& lines, std::span<const uint8_t> mayBeChat,
                              bool last) {
  return m_splitter->Read(lines, mayBeChat, last);
}

void HistoryHandsReader::KeepOpenHand() {
  m_splitter->KeepOpenHand();
}

std::wstring HandIdOf(std::wstring_view line) {
  size_t at = line.find(L'#');
  if (at == std::wstring_view::npos) at = FindText(line, L"Game "sv);
  if (at == std::wstring_view::npos) return {};
  const auto digit = [&](size_t k) { return line[k] >= L'0' && line[k] <= L'9'; };
  size_t begin = at;
  while (begin < line.size() && !digit(begin)) ++begin;
  if (begin == line.size()) return {};
  size_t end = begin;
  while (end < line.size() && digit(end)) ++end;
  return std::wstring(line.substr(begin, end - begin));
}

int32_t CountHands(const TextLines& lines) {
  int32_t hands = 0;
  std::wstring lastId;
  for (const std::wstring_view raw : lines) {
    const std::wstring_view line = TrimView(raw);
    // Every PokerStars marker names the room: one search rules most lines out.
    const bool stars = FindText(line, L"PokerStars "sv) != std::wstring_view::npos &&
                       std::any_of(kStarsMarkers.begin(), kStarsMarkers.end(), [&](auto marker) {
                         return line.find(marker) != std::wstring_view::npos;
                       });
    const bool opens = (stars && FindText(line, L"Tournament"sv) == std::wstring_view::npos) ||
                       StartsWith(line, L"Game #"sv) || StartsWith(line, L"#Game No :"sv) ||
                       IsPartyBanner(line) || Is888Banner(line) ||
                       StartsWith(line, L"Tiger Gaming Game #"sv);
    if (!opens) continue;
    std::wstring id = HandIdOf(line);
    if (hands > 0 && !id.empty() && id == lastId) continue;
    ++hands;
    lastId = std::move(id);
  }
  return hands;
}

bool ReadHistoryHands(const std::wstring& path, const HandFilter& filter, const TextLines& lines,
                      int64_t fileBigBlind, const PokerLogic& engine, SourceResult& out,
                      std::span<const uint8_t> mayBeChat) {
  return HandSplitter({path, filter, fileBigBlind, engine, out}).Read(lines, mayBeChat, true);
}

}  // namespace lumora
