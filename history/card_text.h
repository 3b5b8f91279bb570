#pragma once
// The rooms' ways of writing cards, turned into the notation the all-in
// evaluation reads: two-character names one blank apart ("Ah Kd 7c").

#include <string>
#include <string_view>

namespace lumora {

/// Cards written rank first, with or without brackets, commas and blanks
/// ("[ 4c, 3s, 7c ]", " Ah 4d 5d Qc ", "10h"). A text that names no card
/// comes back trimmed of its brackets, so the evaluation can say which.
std::wstring CardText(std::wstring_view text);

/// iPoker's cards, suit first ("D7 H10 S9 CK"). Hidden cards ("X X") give an
/// empty text.
std::wstring IPokerCardText(std::wstring_view text);

}  // namespace lumora
