#pragma once
// What the card reader types for a swiped track: each character as the press and
// release of the key bearing it in the English column of the key display table,
// left Shift around capitals and the shifted symbols of the US layout.

#include <cstdint>
#include <string>
#include <string_view>

namespace vl::sim {

inline constexpr int kTrackCount = 4;

// The start and stop symbols of a track (1..4): '%' and '?' on track 1 (the
// alphanumeric track), ';' and '?' on the others.
char StartSymbol(int track);
inline constexpr char kStopSymbol = '?';

// The longitudinal redundancy check of the characters as the track codes them:
// the XOR of (c - 0x20) & 0x3F on track 1 (six bits) and of (c - 0x30) & 0x0F on
// the others (four bits), turned back into a character of the track.
char LrcCharacter(int track, std::string_view characters);

// The set-2 bytes for the characters read from the track: the start and stop
// symbols around them when outputFlags bit 0 is set, then the LRC character (over
// everything before it) when bit 1 is set. Characters no key bears are left out.
std::string CardTrackKeys(int track, std::string_view text, uint8_t outputFlags);

}  // namespace vl::sim
