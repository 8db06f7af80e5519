// The classic ringtone reader, line by line. A ringtone that is read opens as RTTTL-E text that the melody
// compiler plays, with a tempo setting within 10..100; written back as a classic line it reads as the same
// notes and the same tempo setting, and the written line is one line.

#include "FuzzInput.h"
#include "melody/MelodyCompiler.h"
#include "ringtone/ClassicRingtone.h"
#include "ringtone/RingtoneExport.h"
#include "ringtone/RingtoneImport.h"

void arvento::fuzz::Check(std::string_view text) {
  for (const std::string_view line : ringtone::RingtoneLines(text)) {
    const auto original = Attempt([&] { return ringtone::ReadClassicRingtone(line); });
    if (!original)
      continue;
    const ringtone::ImportedRingtone imported = ringtone::ImportRingtone(line);
    Expect(imported.tempo >= 10 && imported.tempo <= 100, "the tempo setting is within 10..100");
    SoundSettings settings;
    settings.tempo = imported.tempo;
    ExpectPartFile(melody::CompileMelody(imported.lines, settings), imported.tempo);
    const std::string written = ringtone::ExportRingtone(imported.lines, original->name, imported.tempo).line;
    Expect(written.find_first_of("\r\n") == std::string::npos, "a written ringtone is one line");
    const ringtone::ClassicRingtone again = ringtone::ReadClassicRingtone(written);
    Expect(again.notes == original->notes, "a ringtone written back reads as the same notes");
    Expect(ringtone::TempoOfBeats(again.beats) == imported.tempo, "and as the same tempo setting");
  }
}
