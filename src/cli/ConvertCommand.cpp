#include "cli/CliIo.h"
#include "cli/Commands.h"
#include "cli/PrintOutcome.h"
#include "core/Digits.h"
#include "core/Error.h"
#include "core/Quote.h"
#include "core/Translate.h"
#include "melody/KeyboardRecording.h"
#include "melody/RhythmText.h"
#include "melody/RtttlConversion.h"

#include <algorithm>
#include <charconv>

namespace arvento::cli {

namespace {
std::vector<int> ParseNotes(const std::string& text) {
  std::vector<int> notes;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = std::min(text.find(',', start), text.size());
    int note = 0;
    const char* first = text.data() + start;
    const char* last = text.data() + end;
    const auto [ptr, ec] = std::from_chars(first, last, note);
    if (ec != std::errc() || ptr != last || note < 1 || note > 127)
      throw UsageError(Tr("--notes must be pitches 1..127 separated by commas, not %1",
                          Quoted(std::string_view(first, static_cast<std::size_t>(last - first)))));
    notes.push_back(note);
    start = end + 1;
  }
  return notes;
}

// A run key as the grid writes it: row digit, two-digit column, comma,
// length, "p" for a gap, "%" for the end-of-row mark.
bool IsRunKey(std::string_view key) {
  if (key.size() < 5 || key[0] < '1' || key[0] > '9' || !IsDigit(key[1]) || !IsDigit(key[2]) || key[3] != ',')
    return false;
  key.remove_prefix(4);
  const std::size_t digits = std::min(key.find_first_not_of("0123456789"), key.size());
  key.remove_prefix(digits);
  if (!key.empty() && key.front() == 'p')
    key.remove_prefix(1);
  if (!key.empty() && key.front() == '%')
    key.remove_prefix(1);
  return digits > 0 && key.empty();
}

std::vector<std::string> RunKeys(const std::vector<std::string>& lines) {
  std::vector<std::string> keys;
  for (std::size_t number = 0; number < lines.size(); ++number) {
    const std::string& line = lines[number];
    for (std::size_t start = line.find_first_not_of(' '); start != std::string::npos;) {
      const std::size_t end = line.find(' ', start);
      std::string key = line.substr(start, end - start);
      if (!IsRunKey(key))
        throw Error(
            Tr("Строка %1: %2 не ключ отрезка (например 101,2 или 104,29p%)", number + 1, Quoted(key)));
      keys.push_back(std::move(key));
      start = line.find_first_not_of(' ', end);
    }
  }
  if (!keys.empty() && keys.back().find('%') == std::string::npos)
    throw Error(Tr("Список отрезков не кончается отметкой конца строки (ключ с \"%\")"));
  return keys;
}

bool IsRunList(const std::vector<std::string>& lines) {
  for (const std::string& line : lines) {
    if (line.find(',') != std::string::npos)
      return true;
  }
  return false;
}

int RunConvert(const std::vector<std::string>& arguments) {
  const Args args(arguments, {"--notes", "--length"});
  const melody::KeyboardRecording recording(ParseNotes(args.Value("--notes").value_or("")));
  std::vector<std::string> rhythm = ReadInputLines(args.Single("FILE"));
  if (IsRunList(rhythm))
    rhythm = melody::RunsToRhythm(RunKeys(rhythm), std::to_string(args.Int("--length", 1, 999, 8)));
  else if (args.Has("--length"))
    throw UsageError(Tr("--length applies to a run list (keys such as 101,2 104,29p%) only"));
  return PrintOutcome(melody::RhythmToRtttl(rhythm, recording.recordedNotes()).lines);
}
} // namespace

const Command kConvertCommand = {
    "convert", TrLater("pair a drawn rhythm with recorded pitches as RTTTL-E"),
    TrLater("Usage: arvento-cli convert [--notes P1,P2,...] [--length L] FILE\n"
            "Reads FILE (\"-\" for standard input) and prints the RTTTL-E lines that the grid's\n"
            "conversion writes, one line per pane line. The k-th note of the rhythm takes the k-th\n"
            "recorded pitch; notes beyond the recording end the melody.\n\n"
            "FILE holds either the rhythm text, tokens such as 2*8 1*8 29p*8 (n*L a note of n\n"
            "values 1/L, np*L a rest), or the grid's run list, keys such as 101,2 103,1 104,29p\n"
            "104,29p% (row, two-digit column, length, p for a gap, % ending the row).\n\n"
            "Options:\n"
            "  --notes P,...   the keyboard recording: MIDI pitches 1..127, at most 1000 [none]\n"
            "  --length L      the note length of one grid column, for a run list only [8]\n\n"
            "When the window would show a message instead (nothing recorded, no rhythm, a note\n"
            "length other than 1, 2, 4, 8, 16 or 32, more than 1000 notes and rests), that\n"
            "message goes to standard error and the exit status is 1.\n"),
    RunConvert};

} // namespace arvento::cli
