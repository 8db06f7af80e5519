#include "midi/SmfNotes.h"

#include <algorithm>
#include <deque>
#include <map>

namespace arvento::midi {

namespace {

constexpr int kNoteOff = 0x80;
constexpr int kNoteOn = 0x90;
constexpr int kProgramChange = 0xC0;

SmfNoteTrack ReadTrackNotes(const SmfTrack& track, int number) {
  SmfNoteTrack notes;
  notes.number = number;
  // The open notes of each channel and key, oldest first: indexes into notes.notes.
  std::map<int, std::deque<std::size_t>> open;
  std::map<int, int> programs; // the first program change of each channel
  for (const SmfEvent& event : track.events) {
    const int kind = event.Kind();
    if (kind == kProgramChange)
      programs.emplace(event.Channel(), event.data[0]);
    if (kind != kNoteOn && kind != kNoteOff)
      continue;
    const int slot = event.Channel() << 8 | event.data[0];
    if (kind == kNoteOn && event.data[1] != 0) {
      open[slot].push_back(notes.notes.size());
      notes.notes.push_back({event.tick, event.tick, event.data[0], event.data[1], event.Channel()});
    } else if (auto found = open.find(slot); found != open.end() && !found->second.empty()) {
      notes.notes[found->second.front()].end = event.tick;
      found->second.pop_front();
    }
  }
  const std::uint32_t trackEnd = track.events.empty() ? 0 : track.events.back().tick;
  for (const auto& [slot, indexes] : open) {
    for (const std::size_t index : indexes)
      notes.notes[index].end = trackEnd;
  }
  for (const SmfNote& note : notes.notes)
    notes.longest = std::max(notes.longest, note.end - note.start);
  if (!notes.notes.empty()) {
    notes.channel = notes.notes.front().channel;
    if (const auto program = programs.find(notes.channel); program != programs.end())
      notes.program = program->second;
  }
  std::stable_sort(notes.notes.begin(), notes.notes.end(), [](const SmfNote& a, const SmfNote& b) {
    return a.start != b.start ? a.start < b.start : a.key < b.key;
  });
  return notes;
}

} // namespace

SmfNotes ReadSmfNotes(const SmfFile& file) {
  SmfNotes notes;
  notes.division = file.division;
  notes.lowest = 127;
  for (std::size_t t = 0; t < file.tracks.size(); ++t) {
    const SmfTrack& track = file.tracks[t];
    if (!track.events.empty())
      notes.end = std::max(notes.end, track.events.back().tick);
    SmfNoteTrack read = ReadTrackNotes(track, static_cast<int>(t) + 1);
    if (read.notes.empty())
      continue;
    for (const SmfNote& note : read.notes) {
      notes.lowest = std::min(notes.lowest, note.key);
      notes.highest = std::max(notes.highest, note.key);
    }
    notes.tracks.push_back(std::move(read));
  }
  if (notes.Empty())
    notes.lowest = 0;
  return notes;
}

} // namespace arvento::midi
