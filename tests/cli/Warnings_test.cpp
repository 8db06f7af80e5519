// Warnings on standard error that change no result: the command still
// succeeds and replaces the old output file with its part file.

#include "TestSupport.h"

#include <gtest/gtest.h>

using namespace arvento::test;

namespace {

struct Case {
  std::string command; // before "IN -o OUT"
  std::string input;   // the text of IN
  int status;
  std::string err; // standard error, whole
};

TEST(CliWarnings, FlatChordSymbolsAndDrumsOffTheDrumChannel) {
  const Case cases[] = {
      {"chords", "4(Eb), 4(Ab7), 2*4(Eb)\n4(Bb), 4(eb)\n", 0,
       "arvento-cli chords: Eb читается как E: бемолей нет, пишите D#\n"
       "arvento-cli chords: Ab7 читается как A7: бемолей нет, пишите G#7\n"},
      {"chords", "4(Am), 4(Bb), 4(H7)\n", 0, ""},
      // Skipped items come first; a flat is told even in the part of a line that was skipped.
      {"chords", "4(Eb)\n4(A#), 4(Ab)\n", 0,
       "arvento-cli chords: Строка 2, аккорд \"4(A#)\": неизвестный основной тон \"A#\"; пропущено до конца "
       "строки: \"4(A#),4(Ab),\"\n"
       "arvento-cli chords: Eb читается как E: бемолей нет, пишите D#\n"
       "arvento-cli chords: Ab читается как A: бемолей нет, пишите G#\n"},
      {"melody --family 16 --channel 3", "8c6, \n", 0,
       "arvento-cli melody: --family 16 is drums, but General MIDI players sound drums only on channel 10, "
       "not on channel 3\n"},
      {"melody --family 16 --channel 10", "8c6, \n", 0, ""},
      {"melody --family 16", "8c6, \n", 0, ""},
      {"melody --channel 3", "8c6, \n", 0, ""},
  };
  for (const Case& c : cases) {
    TempDir dir;
    WriteText(dir.path() / "in.txt", c.input);
    const std::string out = (dir.path() / "out.mid").string();
    WriteText(out, "old");
    const CommandResult result = RunCommand(std::string(ARVENTO_CLI) + " " + c.command + " " +
                                            (dir.path() / "in.txt").string() + " -o " + out);
    EXPECT_EQ(result.status, c.status) << c.command << " " << c.input;
    EXPECT_EQ(result.err, c.err) << c.command << " " << c.input;
    // The old OUT is replaced by the part file, as without a warning.
    EXPECT_FALSE(MidiCsvNotes(out).empty()) << c.command << " " << c.input;
  }
}

} // namespace
