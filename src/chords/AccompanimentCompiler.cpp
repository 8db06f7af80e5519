#include "chords/AccompanimentCompiler.h"

#include "chords/EntryWriter.h"
#include "core/Error.h"
#include "midi/PartFile.h"

#include <exception>
#include <optional>

namespace arvento::chords {

namespace {

// Entries become events as soon as they are voiced, so that the expanded
// chord list of a long text is never held whole unless the caller keeps it.
// The first entry that cannot become events stops the events, yet the rest
// of the text is still expanded for what the caller shows of it.
std::vector<std::uint8_t> Compile(const std::vector<std::string>& lines,
                                  const AccompanimentSettings& settings, const SoundSettings& sound,
                                  AccompanimentResult& result, bool keepListing) {
  midi::TrackBody track = midi::StartPartFile(sound);
  // A guitar chord such as "4(Am), " gives six tones, about 48 bytes, from
  // seven characters: reserving eight bytes a character at once keeps a long
  // accompaniment from copying its track again and again as it grows.
  std::size_t characters = 0;
  for (const std::string& line : lines)
    characters += line.size();
  track.Reserve(8 * characters);
  std::exception_ptr failure;
  std::optional<EntryWriter> writer;
  try {
    writer.emplace(settings, sound.channel, sound.volume, track);
  } catch (const Error&) {
    failure = std::current_exception();
  }
  result = ExpandChordLines(lines, settings, keepListing, [&](const std::string& entry) {
    if (failure)
      return;
    try {
      writer->Write(entry);
    } catch (const Error&) {
      failure = std::current_exception();
    }
  });
  if (failure)
    std::rethrow_exception(failure);
  return midi::FinishPartFile(std::move(track));
}

} // namespace

std::vector<std::uint8_t> CompileAccompaniment(const std::vector<std::string>& lines,
                                               const AccompanimentSettings& settings,
                                               const SoundSettings& sound,
                                               std::vector<std::string>& skipped) {
  AccompanimentResult result;
  std::vector<std::uint8_t> bytes;
  try {
    bytes = Compile(lines, settings, sound, result, false);
  } catch (...) {
    skipped = std::move(result.skipped);
    throw;
  }
  skipped = std::move(result.skipped);
  return bytes;
}

std::vector<std::uint8_t> CompileAccompaniment(const std::vector<std::string>& lines,
                                               const AccompanimentSettings& settings,
                                               const SoundSettings& sound, AccompanimentResult* details) {
  AccompanimentResult own;
  AccompanimentResult& result = details != nullptr ? *details : own;
  return Compile(lines, settings, sound, result, details != nullptr);
}

} // namespace arvento::chords
