#pragma once

// A small Standard MIDI File reader: enough to check part files and to show
// any SMF as readable lines.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace arvento::midi {

struct SmfEvent {
  std::uint32_t tick = 0;         // absolute, from the start of the track
  std::uint8_t status = 0;        // status byte; FF for meta, F0/F7 for sysex
  std::uint8_t metaType = 0;      // meta events only
  std::vector<std::uint8_t> data; // data bytes (meta and sysex: the payload)

  int Channel() const { return (status & 0x0F) + 1; }
  int Kind() const { return status & 0xF0; }
};

struct SmfTrack {
  std::size_t offset = 0; // of the "MTrk" tag in the file
  std::uint32_t length = 0;
  std::vector<SmfEvent> events;
};

struct SmfFile {
  int format = 0;
  int trackCount = 0; // as the header says
  int division = 0;
  std::vector<SmfTrack> tracks;
};

// Reads a whole file; throws arvento::Error naming what is wrong and where.
SmfFile ReadSmf(std::span<const std::uint8_t> bytes);

// Readable lines: the header, then each track's events with absolute tick,
// channel, kind and data.
std::string DumpSmf(const SmfFile& file);

} // namespace arvento::midi
