#pragma once

// The part record: a text file beside each part file with the kind of the
// part, its six sound settings and the source text it was compiled from.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace arvento::project {

enum class PartKind { Melody, Accompaniment };

struct PartRecord {
  PartKind kind = PartKind::Melody;
  int family = 0;     // list index from 0
  int instrument = 0; // list index from 0
  int channel = 1;    // as the channel list shows it, 1..16
  int voice = 1;      // as the voice list shows it, 1..16
  int modulation = 50;
  int volume = 100;
  std::vector<std::string> rhythmLines; // melody: the rhythm text
  std::vector<std::string> melodyLines; // melody: the RTTTL-E text
  std::vector<std::string> chordLines;  // accords: the chord sequence text
};

// The record's bytes: code page 1251, CR LF line ends.
std::string FormatPartRecord(const PartRecord& record);

// Reads a record written by FormatPartRecord (LF line ends are accepted too).
// A first line "accords" makes an accompaniment record, any other a melody
// record. Numbers that do not parse or are out of range throw arvento::Error
// naming the file and the line; counts larger than the lines that follow give
// empty lines for the missing ones, a count larger than all the lines of the
// file is refused.
PartRecord ParsePartRecord(std::string_view bytes, const std::string& fileName);

// Reads a record for a page that shows parts of the expected kind: the first
// line decides before anything else is read. A first line that names the
// other kind gives nullopt, whatever the rest of the record holds; any other
// first line is read as the expected kind.
std::optional<PartRecord> ParsePartRecordAs(std::string_view bytes, const std::string& fileName,
                                            PartKind expected);

// Both refuse a directory by name.
PartRecord ReadPartRecord(const std::filesystem::path& file);
std::optional<PartRecord> ReadPartRecordAs(const std::filesystem::path& file, PartKind expected);
// Written to a temporary name and renamed into place.
void WritePartRecord(const std::filesystem::path& file, const PartRecord& record);

} // namespace arvento::project
