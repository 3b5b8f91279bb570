#pragma once
// Reading the amounts of hand histories: the one place where a reader turns
// the text of an amount into money. Amounts are whole cents in 64 bits, so
// no amount is rounded on the way and none can overflow. Clients write them
// as their players' customs have it: "1,013.50", "1 000", "1'000",
// "1.000,50", and where a room localises, a decimal comma ("0,50 $").

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "history/pattern.h"

namespace lumora {

/// The largest amount a table could hold, in cents (ten billion units of any
/// currency). A larger figure is a misread, never money.
inline constexpr int64_t kMaxAmountCents = 1'000'000'000'000;

/// The pattern fragments of one amount as a capture; currency signs stay
/// outside them. "{A}" is a digit and what follows it up to a blank: cheap to
/// match, for lines where an amount ends at a blank or at a fixed text
/// ("$1,013.50 in chips", "($0.05)"), which the whole-line match gives back.
/// "{S}" lets blanks, no-break spaces among them, group the thousands ("1 000
/// $"), for the stakes lines that localise. ReadAmountCents reads either
/// capture no further than its last digit.
inline constexpr std::wstring_view kAmountCapture = L"(\\d\\S*)";
inline constexpr std::wstring_view kSpacedAmountCapture = L"(\\d[\\d.,' \\x{A0}\\x{C2}]*)";

/// `pattern` with every "{A}" replaced by kAmountCapture and every "{S}" by
/// kSpacedAmountCapture, so that the patterns read as the lines they match.
std::wstring WithAmounts(std::wstring_view pattern);

/// The amount at the start of `text`, in cents. Leading blanks and currency
/// signs ($ € £) are skipped; the number ends at the first character that
/// cannot continue it. The last "." or "," is the decimal mark when one or
/// two digits follow it; every other separator groups thousands and must be
/// followed by exactly three digits. nullopt when there is no number, the
/// grouping is not one a client writes ("0.125", "1,00,0"), or the amount
/// exceeds kMaxAmountCents.
std::optional<int64_t> ReadAmountCents(std::wstring_view text);

/// Reads the amounts of one hand and keeps the first that could not be read,
/// so that the reader can refuse the hand, and say why, once it is read.
class HandAmounts {
 public:
  /// The amount in `text` in cents; 0 when it cannot be read.
  int64_t Cents(std::wstring_view text);
  /// The amount in capture `i` of `match`.
  int64_t Capture(const LineMatch& match, int i) { return Cents(CaptureView(match, i)); }

  bool Failed() const { return m_failed; }
  /// The first text that could not be read.
  const std::wstring& FirstBad() const { return m_firstBad; }

 private:
  bool m_failed = false;
  std::wstring m_firstBad;
};

}  // namespace lumora
