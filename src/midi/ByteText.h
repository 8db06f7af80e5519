#pragma once

// MIDI byte text: a byte stream held as hexadecimal tokens, each followed by
// exactly one blank. The compilers produce it, the part file writer consumes it.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace arvento::midi {

// A value with the fewest upper-case hexadecimal digits (at least one): 0, A, 64.
std::string HexText(unsigned value);

// A value destined for a MIDI data byte, limited to 0..127 so that it can
// never set the status bit, written as HexText.
std::string DataByteText(int value);

// The one hexadecimal digit of a channel 1..16 (channel - 1).
char ChannelDigit(int channel);

// Standard MIDI File variable-length quantity, two upper-case digits per byte.
std::string VlqText(std::uint32_t value);

// Delta time of an event: a negative value counts as 0.
std::string DeltaText(std::int32_t ticks);

// Chunk tag "MTrk" and the byte count of body as four bytes, most significant first.
std::string TrackHeaderText(std::string_view body);

// Number of bytes a byte text stands for: its blank count.
std::size_t ByteCount(std::string_view text);

// Reads the token at cursor, moves the cursor past it and its blank, and
// returns its value. Reading with a cursor keeps a whole track linear.
unsigned NextHexByte(std::string_view text, std::size_t& cursor);

} // namespace arvento::midi
