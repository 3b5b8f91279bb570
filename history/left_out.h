#pragma once
// Why a hand or a whole file contributes nothing to a run, so that the user
// is told instead of left to wonder at a short count.

#include <array>
#include <cstdint>
#include <string_view>

namespace lumora {

/// Why a hand that a source holds is not counted.
enum class HandLeftOut : int {
  kOutsideDates,   ///< it started outside the date range
  kOtherLimit,     ///< its big blind is not the run's
  kOtherCurrency,  ///< its currency is not the run's
  kOtherGame,      ///< a game not selected, or one the readers do not take
  kTableSize,      ///< a table or players-seated count outside the run's bounds
  kNotDealtIn,     ///< the hero was not dealt in: not seated, sitting out, or a cancelled hand
  kCutOff,         ///< the hand ends before its summary (a truncated file, a lost connection)
  kBadAmount,      ///< an amount that no table could hold
  kRefused,        ///< any other rule of the room's reader
  kCount
};

/// Hands left out, counted by reason.
using HandLeftOutCounts = std::array<int32_t, static_cast<size_t>(HandLeftOut::kCount)>;

/// Why a file gives nothing. The order is the order of the report line.
enum class FileSkip : int {
  kTournament,
  kPlayMoney,
  kOtherCurrency,
  kTableSize,
  kOtherLimit,
  kOtherGame,
  kOtherRoom,
  kOtherPlayer,
  kOutsideDates,
  kNoHeroHand,
  kTruncated,
  kUnreadable,
  kCannotOpen,        ///< no permission, or gone since the walk listed it
  kTooLarge,          ///< over the largest file read
  kNotReadWhole,      ///< a read error part way
  kFolderCannotOpen,  ///< a folder whose files could not be listed
  kXmlTooDeep,        ///< elements nested deeper than any session writes them
  kXmlTooLarge,       ///< a text, tag or element count far beyond any session's
  kXmlDocumentType,   ///< a document type, whose entities could expand without end
  kCount
};

/// Files skipped, counted by reason.
using FileSkipCounts = std::array<int32_t, static_cast<size_t>(FileSkip::kCount)>;

/// The reason as the report names it ("tournament", "other currency" …).
std::wstring_view FileSkipWords(FileSkip reason);

/// Why a file that was read to its end gave no hand: the reason that left
/// out most of its hands, or "no hand of the hero" when it held none.
FileSkip FileSkipOfHands(const HandLeftOutCounts& leftOut);

}  // namespace lumora
