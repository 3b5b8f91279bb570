#pragma once
// Why a hand or a whole file contributes nothing to a run, so that the user
// is told instead of left to wonder at a short count.

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace lumora {

/// Why a hand that a source holds is not counted: the run's filters first,
/// in the order the report names them, then what is wrong with the hand.
enum class HandLeftOut : int {
  kOtherRoom,      ///< a hand of another room's kind or format
  kOtherCurrency,  ///< its currency is not the run's
  kOtherLimit,     ///< its big blind is not the run's
  kTableSize,      ///< the table's seat count is outside the run's bounds
  kPlayersSeated,  ///< the number of players seated is outside the run's bounds
  kOutsideDates,   ///< it started outside the date range
  kOtherGame,      ///< a game not selected, or one the readers do not take
  kZoom,           ///< a fast-fold hand while those are not taken, or an ordinary one
  kHeroNotSeated,  ///< the hero's nick is on no seat of the hand
  kNotDealtIn,     ///< the hero sat at the table but was not dealt in (sitting out, cancelled)
  kCutOff,         ///< the hand ends before its summary (a truncated file, a lost connection)
  kBadAmount,      ///< an amount that no table could hold
  kRefused,        ///< any other rule of the room's reader
  kCount
};

/// Hands left out, counted by reason.
using HandLeftOutCounts = std::array<int32_t, static_cast<size_t>(HandLeftOut::kCount)>;

/// The reason as the report's "Left out:" line names it ("big blind").
std::wstring_view HandLeftOutWords(HandLeftOut reason);

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

/// The reason the hands of a file refused whole are left out for: the
/// filter that refused it (room, currency, limit, table size; another
/// player's file is not the hero's), or none for a file refused for what it
/// is (a tournament, play money, unreadable).
std::optional<HandLeftOut> HandLeftOutOfFile(FileSkip reason);

}  // namespace lumora
