#include "project/PartRecord.h"

#include "core/Error.h"
#include "core/Quote.h"
#include "core/SoundSettings.h"
#include "core/TextLines.h"
#include "core/Translate.h"
#include "project/AtomicFile.h"
#include "project/Cp1251.h"
#include "project/InputFile.h"

#include <charconv>
#include <sstream>

namespace arvento::project {

namespace {

constexpr std::string_view kMelodyKind = "melody";
constexpr std::string_view kAccordsKind = "accords";

void AppendLine(std::string& text, std::string_view line) {
  text += line;
  text += "\r\n";
}

class RecordReader {
public:
  RecordReader(std::vector<std::string> lines, std::string fileName)
      : lines_(std::move(lines)), fileName_(std::move(fileName)) {}

  // The next line; past the end of the record an empty line.
  std::string Line() { return next_ < lines_.size() ? lines_[next_++] : (++next_, std::string()); }

  std::vector<std::string> Lines(int count) {
    std::vector<std::string> lines;
    for (int i = 0; i < count; ++i)
      lines.push_back(Line());
    return lines;
  }

  std::vector<std::string> Rest() {
    std::vector<std::string> rest;
    while (next_ < lines_.size())
      rest.push_back(lines_[next_++]);
    return rest;
  }

  // A line count; a record that ends before its count line counts 0. A
  // count may run past the end of the record, but never beyond the lines the
  // whole file holds: the missing lines are made up empty, and a count of
  // millions in a short file would make millions of them.
  int Count() {
    if (next_ >= lines_.size()) {
      ++next_;
      return 0;
    }
    const std::string line = Line();
    const std::vector<int> numbers = Numbers(line);
    if (numbers.size() != 1 || numbers[0] < 0)
      Fail(Tr("ожидалось число строк, а записано %1", Quoted(line)));
    if (static_cast<std::size_t>(numbers[0]) > lines_.size())
      Fail(Tr("число строк %1 больше, чем строк во всём файле (%2)", numbers[0], lines_.size()));
    return numbers[0];
  }

  std::vector<int> Numbers(const std::string& line) {
    std::istringstream in(line);
    std::vector<int> numbers;
    std::string word;
    while (in >> word) {
      int value = 0;
      const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
      if (error != std::errc() || end != word.data() + word.size())
        Fail(Tr("%1 не число", Quoted(word)));
      numbers.push_back(value);
    }
    return numbers;
  }

  void Settings(PartRecord& record) {
    const std::string line = Line();
    const std::vector<int> numbers = Numbers(line);
    if (numbers.size() != 6)
      Fail(Tr("ожидалось шесть чисел настроек, а записано %1", Quoted(line)));
    record.family =
        Checked(numbers[0], 0, kDrumFamily, TrLater("группа инструментов %1 вне диапазона %2..%3"));
    record.instrument = Checked(numbers[1], 0, record.family == kDrumFamily ? 45 : 7,
                                TrLater("инструмент %1 вне диапазона %2..%3"));
    record.channel = Checked(numbers[2], 1, 16, TrLater("канал %1 вне диапазона %2..%3"));
    record.voice = Checked(numbers[3], 1, 16, TrLater("голос %1 вне диапазона %2..%3"));
    record.modulation = Checked(numbers[4], 0, 100, TrLater("модуляция %1 вне диапазона %2..%3"));
    record.volume = Checked(numbers[5], 10, 100000, TrLater("громкость %1 вне диапазона %2..%3"));
  }

private:
  // outOfRange: the refusal of a value outside lo..hi, with placeholders for
  // the value and the two limits.
  int Checked(int value, int lo, int hi, const char* outOfRange) {
    if (value < lo || value > hi)
      Fail(Tr(outOfRange, value, lo, hi));
    return value;
  }

  [[noreturn]] void Fail(const std::string& why) {
    throw Error(Tr("Файл %1, строка %2: %3", Escaped(fileName_), next_, why));
  }

  std::vector<std::string> lines_;
  std::string fileName_;
  std::size_t next_ = 0;
};

} // namespace

std::string FormatPartRecord(const PartRecord& record) {
  std::string text;
  const bool melody = record.kind == PartKind::Melody;
  AppendLine(text, melody ? kMelodyKind : kAccordsKind);
  AppendLine(text, std::to_string(record.family) + " " + std::to_string(record.instrument) + " " +
                       std::to_string(record.channel) + " " + std::to_string(record.voice) + " " +
                       std::to_string(record.modulation) + " " + std::to_string(record.volume));
  if (melody) {
    AppendLine(text, std::to_string(record.rhythmLines.size()));
    for (const std::string& line : record.rhythmLines)
      AppendLine(text, line);
    AppendLine(text, std::to_string(record.melodyLines.size()));
    for (const std::string& line : record.melodyLines)
      AppendLine(text, line);
  } else {
    // The chord text is written as one piece ended with CR LF, so an empty
    // chord field is one empty line.
    std::string chords;
    for (std::size_t i = 0; i < record.chordLines.size(); ++i)
      chords += (i > 0 ? "\r\n" : "") + record.chordLines[i];
    AppendLine(text, chords);
  }
  return Utf8ToCp1251(text);
}

namespace {
// Everything after the kind line, read as a record of the given kind.
PartRecord ReadRecordBody(RecordReader& reader, PartKind kind) {
  PartRecord record;
  record.kind = kind;
  reader.Settings(record);
  if (record.kind == PartKind::Melody) {
    record.rhythmLines = reader.Lines(reader.Count());
    record.melodyLines = reader.Lines(reader.Count());
  } else {
    record.chordLines = reader.Rest();
  }
  return record;
}

std::string_view FileBytes(const std::vector<std::uint8_t>& bytes) {
  return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}
} // namespace

PartRecord ParsePartRecord(std::string_view bytes, const std::string& fileName) {
  RecordReader reader(TextLines(Cp1251ToUtf8(bytes)), fileName);
  const PartKind kind = reader.Line() == kAccordsKind ? PartKind::Accompaniment : PartKind::Melody;
  return ReadRecordBody(reader, kind);
}

std::optional<PartRecord> ParsePartRecordAs(std::string_view bytes, const std::string& fileName,
                                            PartKind expected) {
  RecordReader reader(TextLines(Cp1251ToUtf8(bytes)), fileName);
  const std::string_view otherKind = expected == PartKind::Melody ? kAccordsKind : kMelodyKind;
  if (reader.Line() == otherKind)
    return std::nullopt;
  return ReadRecordBody(reader, expected);
}

PartRecord ReadPartRecord(const std::filesystem::path& file) {
  RefuseDirectory(file);
  return ParsePartRecord(FileBytes(ReadFileBytes(file)), file.filename().string());
}

std::optional<PartRecord> ReadPartRecordAs(const std::filesystem::path& file, PartKind expected) {
  RefuseDirectory(file);
  return ParsePartRecordAs(FileBytes(ReadFileBytes(file)), file.filename().string(), expected);
}

void WritePartRecord(const std::filesystem::path& file, const PartRecord& record) {
  WriteFileAtomically(file, FormatPartRecord(record));
}

} // namespace arvento::project
