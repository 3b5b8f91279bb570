// The hand-written line matchers answer what their patterns answer, capture
// for capture: on every line of every fixture, on every line of the histories
// named by LUMORA_GENERATED_HISTORIES (a folder the generator wrote), and on
// damaged copies of the lines that match, most of which must not.

#include "history/line_scan.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "base/history_file.h"
#include "base/text.h"
#include "history/amount.h"
#include "history/pattern.h"

namespace lumora {
namespace {

namespace fs = std::filesystem;

struct Matcher {
  const char* name;
  boost::wregex pattern;
  bool (*scan)(std::wstring_view, ScanCaptures&);
  int matched = 0;
  int refused = 0;
  int disagreements = 0;
};

std::vector<Matcher> Matchers() {
  std::vector<Matcher> matchers;
  for (const LineScanner& scanner : LineScanners())
    matchers.push_back({scanner.name, boost::wregex(scanner.pattern), scanner.scan});
  return matchers;
}

/// Checks one line against one matcher; true when the pattern matches it.
bool Agree(Matcher& matcher, std::wstring_view line) {
  LineMatch match;
  ScanCaptures captures;
  const bool byPattern = MatchLine(line, matcher.pattern, match);
  const bool byScan = matcher.scan(line, captures);
  bool same = byPattern == byScan;
  for (int i = 0; same && byPattern && i <= static_cast<int>(matcher.pattern.mark_count()); ++i)
    same = match[i].matched == captures.Matched(i) && CaptureView(match, i) == captures[i];
  ++(byPattern ? matcher.matched : matcher.refused);
  if (!same && ++matcher.disagreements <= 10)
    ADD_FAILURE() << matcher.name << " disagrees (pattern " << byPattern
                  << ") on: " << WideToUtf8(line);
  return byPattern;
}

/// Copies of `line` with one fault each: a character dropped, doubled,
/// replaced or inserted, or the line cut short.
std::vector<std::wstring> Damaged(std::wstring_view line, std::mt19937& random) {
  static constexpr std::wstring_view kInserts = L" ()/:-#[]'$\u20AC\u00A30159aZ_.,\u00A0\t";
  std::vector<std::wstring> copies;
  for (int k = 0; k < 12 && !line.empty(); ++k) {
    std::wstring copy(line);
    const size_t at = random() % copy.size();
    const wchar_t insert = kInserts[random() % kInserts.size()];
    switch (k % 5) {
      case 0:
        copy.erase(at, 1);
        break;
      case 1:
        copy.insert(at, 1, copy[at]);
        break;
      case 2:
        copy[at] = insert;
        break;
      case 3:
        copy.insert(at, 1, insert);
        break;
      default:
        copy.resize(at);
        break;
    }
    copies.push_back(std::move(copy));
  }
  return copies;
}

/// The header scanner that remembers the last header it scanned in full
/// must answer as a fresh scan, with captures that view the line it is given.
void AgreeWithFreshScan(StarsHeaderScanner& scanner, std::wstring_view line) {
  ScanCaptures fresh;
  ScanCaptures remembered;
  const bool matched = ScanStarsHeader(line, fresh);
  EXPECT_TRUE(scanner.Scan(line, remembered) == matched && remembered == fresh)
      << "the remembered header scan differs on: " << WideToUtf8(line);
}

bool IsAsciiDigit(wchar_t c) {
  return c >= L'0' && c <= L'9';
}

/// `line` with each digit replaced by another: the same header to the scanner.
std::wstring OtherDigits(std::wstring_view line) {
  std::wstring copy(line);
  for (wchar_t& c : copy)
    if (IsAsciiDigit(c)) c = static_cast<wchar_t>(L'0' + (c - L'0' + 7) % 10);
  return copy;
}

/// A header scanned, then each copy of it with one digit become a letter or
/// one other character become a digit, right after it: none may pass for it.
void CheckReshapedHeaders(std::wstring_view header) {
  StarsHeaderScanner scanner;
  for (size_t k = 0; k < header.size(); ++k) {
    std::wstring copy(header);
    copy[k] = IsAsciiDigit(copy[k]) ? L'x' : L'7';
    AgreeWithFreshScan(scanner, header);
    AgreeWithFreshScan(scanner, copy);
  }
}

void CheckFolder(const fs::path& folder, std::vector<Matcher>& matchers, std::mt19937& random,
                 int& files) {
  HistoryText file;
  for (const auto& entry : fs::recursive_directory_iterator(folder)) {
    if (!entry.is_regular_file()) continue;
    ASSERT_EQ(ReadHistoryFileEx(entry.path(), file), kReadOk) << entry.path();
    ++files;
    StarsHeaderScanner headers;
    for (const std::wstring_view raw : file.lines) {
      const std::wstring_view line = TrimView(raw);
      for (Matcher& matcher : matchers) {
        if (!Agree(matcher, line)) continue;
        for (const std::wstring& copy : Damaged(line, random)) {
          Agree(matcher, copy);
          if (matcher.scan == ScanStarsHeader) AgreeWithFreshScan(headers, copy);
        }
        if (matcher.scan == ScanStarsHeader) CheckReshapedHeaders(line);
      }
      AgreeWithFreshScan(headers, line);
      AgreeWithFreshScan(headers, OtherDigits(line));
    }
  }
}

TEST(LineScan, AgreesWithItsPatternOnEveryLine) {
  std::vector<Matcher> matchers = Matchers();
  std::mt19937 random(13);
  int files = 0;
  CheckFolder(LUMORA_TEST_DATA_DIR, matchers, random, files);
  if (const char* generated = std::getenv("LUMORA_GENERATED_HISTORIES"))
    CheckFolder(generated, matchers, random, files);
  EXPECT_GT(files, 50);
  for (const Matcher& matcher : matchers) {
    // Both answers must have been given often, or the test proves little.
    EXPECT_GT(matcher.matched, 100) << matcher.name;
    EXPECT_GT(matcher.refused, 1000) << matcher.name;
    EXPECT_EQ(matcher.disagreements, 0) << matcher.name;
  }
}

TEST(LineScan, FollowsThePatternsChoicesOnOddLines) {
  std::vector<Matcher> matchers = Matchers();
  for (const wchar_t* line : {
           // a name holding the very text that ends it
           L"Seat 2: Al (x) (5 in chips) ($1.50 in chips)",
           L"Seat 2: Al ( (5 in chips)",
           L"Table 'It's' Here' 6-max Seat #1 is the button",
           L"Bob: posts big blind: posts small & big blinds $0.15",
           L"Bob: posts small & big blind 15",
           L"Bob: posts small blinds $0.05 extra",
           // the game empty, a stake with a slash in its cap, a date that is no date
           L"PokerStars Hand #1:  ($0.05/$0.10 USD) - 2024/03/05 12:34:56 ET",
           L"PokerStars Hand #1: Hold'em ($1/$2 - $40 Cap - USD) - 2024/03/05 12:34:56 ET",
           L"PokerStars Hand #1: Hold'em ($1/$2) - x) - 2024/3/5 1:2:3 ET [2024/03/05 1:02:03 ET]",
           L"PokerStars Zoom Hand #1: Hold'em (€1/€2) - 2024/03/05 12:34:56 ET [2024/03/05 x]",
           L"PokerStars Hand #1: Hold'em ($1/$2 (cap)) - 2024/03/05 12:34:56 ET",
           L"PokerStars Hand #1: Hold'em ($1/$2) - 2024/03/05 12:34:56 ET (x)",
           L"xx PokerStars Hand #2: PokerStars Game #3: Omaha ($1/$2) - 2024/03/05 12:34:56 ET",
           // names holding what follows them, amounts that run on
           L"A: bets 5: calls $2",
           L"A: calls 5: bets x",
           L": calls  5",
           L"A: raises 1 to 2: raises $3 to $4",
           L"A: raises 1) to 2 to 3",
           L"Tiger Gaming Game #1:  Limit ($1/2) - 2024/03/05 1:2:3 ET Limit ($5/6) - x",
           L"Tiger Gaming Game #1: NL Limit ($1/2/3)) - 2024/03/05 01:02:03 ",
           L"Tiger Gaming Game #1: NL Limit ($1x/2) - 2024/3/05 01:02:03 ET",
           L"Seat 1: Al (5 in chips) (6 in chips) is sitting out",
           L"Seat 1: Al ($5 in chips)",
           L"Seat 1:  (5 in chips)",
           L"Seat 1: A ( ( 5 ) )",
           L"Seat 1:  (  )",
           L"Seat 1: A ( )",
           L"A posts big blind [1] posts small blind [2].",
           L"A posts big blind [1]].",
           L" posts big blind []",
           L"A calls [1] raises [2]",
           L"A raises [1] calls [2] x]",
           L" bets []",
           L"$25 USD NL Texas Hold'em - Tuesday, April 02, 18:55:37 EDT 2024",
           L"$1 000 /$2 USD  - x - Tuesday, April 02, 18:55:37 EDT 2024",
           L"$0.10/$0.25 USD USD - Tuesday, April 2, 18:55:37 EDT 2024",
           L"$0.10/ USD x - Tuesday, April 02, 8:55:37 EDT 2024",
           L"$5  - Mon, May 1, 01:02:03 CET 2024",
           L"$0.05 /$0.10  Blinds No Limit Holdem - *** 02 04 2024 18:29:37",
           L"25 $/50 $ Blinds Pot Limit Omaha - *** 30 04 2015 09:13:22",
           L"1 000/2 000 $ Blinds x 1 02 04 2024 18:29:37",
           L"$1/$2 Blinds  2 04 2024 8:29:37",
           L"$1/$2 Blinds 102 04 2024 18:29:37",
           L"$1/$2 $Blinds 02 04 2024 18:29:37",
           L"A collected 5 from pot collected $2 from side pot-12",
           L"A collected $1 from side pot-",
           L"A collected $1 from side pot-1x",
           L"A collected  5 from main pot",
           L"Uncalled bet ($1)) returned to B: raises",
           L"Uncalled bet () returned to B",
           L"Seat 1: A showed [Ah] mucked [x",
           L"Seat 1: A (button) showed [Ah] (big blind) mucked [Kd] won",
           L"Seat 1:  showed []",
           L"Seat 1: (small blind) mucked [",
       }) {
    for (Matcher& matcher : matchers) Agree(matcher, line);
  }
  for (const Matcher& matcher : matchers) EXPECT_EQ(matcher.disagreements, 0) << matcher.name;
}

}  // namespace
}  // namespace lumora
