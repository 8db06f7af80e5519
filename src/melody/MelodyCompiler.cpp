#include "melody/MelodyCompiler.h"

#include "core/CommaTokens.h"
#include "core/NoteValues.h"
#include "core/TextLines.h"
#include "core/Translate.h"
#include "melody/MelodyLines.h"
#include "melody/TokenReadings.h"
#include "midi/PartFile.h"
#include "midi/TrackBody.h"

#include <string_view>

namespace arvento::melody {

namespace {

// Plays the lines' tokens in order: each note's note-on carries the rests
// before it, its note-off the note's length.
class MelodyWriter {
public:
  MelodyWriter(int channel, int velocity, midi::TrackBody& track)
      : noteOn_(midi::StatusByte(midi::kNoteOn, channel)),
        noteOff_(midi::StatusByte(midi::kNoteOff, channel)), velocity_(midi::DataByte(velocity)),
        track_(track) {}

  // Lines without a comma or with "//" take no part.
  void Line(std::string_view line, std::size_t number) {
    // Each token is followed by a comma and the blank of the written form;
    // text after the last comma is not played.
    ForEachCommaToken(PlayedPart(line), 1, [&](std::string_view token) { Compile(token, number); });
  }

private:
  void Compile(std::string_view token, std::size_t lineNumber) {
    const MelodyToken& reading = readings_.For(token);
    if (!reading.problem.empty())
      throw TokenError(reading.problem, token, lineNumber);
    switch (reading.kind) {
      case MelodyToken::Kind::Rest:
        pendingRest_ += reading.ticks;
        if (pendingRest_ > kLongestTicks)
          throw TokenError(Tr("слишком длинная пауза"), token, lineNumber);
        break;
      case MelodyToken::Kind::Silent:
        break;
      case MelodyToken::Kind::Note: {
        const auto key = static_cast<std::uint8_t>(reading.key);
        track_.Event(pendingRest_, noteOn_, key, velocity_);
        track_.Event(reading.ticks, noteOff_, key, velocity_);
        pendingRest_ = 0;
        break;
      }
    }
  }

  std::uint8_t noteOn_;
  std::uint8_t noteOff_;
  std::uint8_t velocity_;
  midi::TrackBody& track_;
  long long pendingRest_ = 0;
  TokenReadings readings_;
};

void WriteLines(const std::vector<std::string>& lines, int channel, int velocity, midi::TrackBody& track) {
  // Reserving room for the whole part at once keeps a long melody from
  // copying its track again and again as it grows.
  std::size_t characters = 0;
  for (const std::string& line : lines)
    characters += line.size();
  track.Reserve(kEventBytesPerCharacter * characters);
  MelodyWriter writer(channel, velocity, track);
  for (std::size_t number = 0; number < lines.size(); ++number)
    writer.Line(lines[number], number + 1);
}

} // namespace

std::vector<std::uint8_t> MelodyEvents(const std::vector<std::string>& lines, int channel, int velocity) {
  midi::TrackBody track;
  WriteLines(lines, channel, velocity, track);
  return std::move(track).Take();
}

std::vector<std::uint8_t> CompileMelody(const std::vector<std::string>& lines,
                                        const SoundSettings& settings) {
  midi::TrackBody track = midi::StartPartFile(settings);
  WriteLines(lines, settings.channel, settings.volume, track);
  return midi::FinishPartFile(std::move(track));
}

std::vector<std::uint8_t> CompileMelodyText(const std::function<std::string_view()>& next,
                                            const SoundSettings& settings, std::vector<std::uint8_t> room) {
  midi::TrackBody track = midi::StartPartFile(settings, std::move(room));
  MelodyWriter writer(settings.channel, settings.volume, track);
  std::size_t number = 0;
  for (std::string_view piece = next(); !piece.empty(); piece = next())
    ForEachLine(piece, [&](std::string_view line) { writer.Line(line, ++number); });
  return midi::FinishPartFile(std::move(track));
}

} // namespace arvento::melody
