#pragma once
// PokerStars names its history files after the table and the stakes, e.g.
// "HH20200505 Halley - $0.01-$0.02 - USD No Limit Hold'em.txt"; the folder
// walk reads the stakes from the name so that files of other limits are never
// opened.

#include <cstdint>
#include <string_view>

namespace lumora {

/// Reads the big blind (cents) and currency index from a PokerStars file
/// name (with or without an ante). False when the name has neither form.
bool ParseStarsFileName(std::wstring_view fileName, int64_t& bigBlindCents, int32_t& currency);

}  // namespace lumora
