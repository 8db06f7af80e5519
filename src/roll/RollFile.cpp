#include "roll/RollFile.h"

#include "core/Error.h"
#include "core/Quote.h"
#include "core/Translate.h"
#include "project/AtomicFile.h"
#include "project/InputFile.h"

namespace arvento::roll {

midi::SmfNotes ReadRollFile(const std::filesystem::path& file) {
  project::RefuseDirectory(file);
  const std::vector<std::uint8_t> bytes = project::ReadFileBytes(file);
  midi::SmfNotes notes;
  try {
    notes = midi::ReadSmfNotes(midi::ReadSmf(bytes));
  } catch (const Error& error) {
    throw Error(Escaped(file.string()) + ": " + error.what());
  }
  if (notes.Empty())
    throw Error(Tr("%1: в файле нет ни одной ноты", Escaped(file.string())));
  return notes;
}

} // namespace arvento::roll
