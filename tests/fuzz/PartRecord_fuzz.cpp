// Part records. Any bytes either are refused with arvento::Error or read as
// a record, and what the program writes for that record reads back to a
// record it writes with the same bytes.

#include "FuzzInput.h"
#include "core/Error.h"
#include "project/PartRecord.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace arvento;
  project::PartRecord record;
  try {
    record = project::ParsePartRecord(fuzz::Text(data, size), "ch1v1m.txt");
  } catch (const Error&) {
    return 0;
  }
  const std::string written = project::FormatPartRecord(record);
  fuzz::Expect(project::FormatPartRecord(project::ParsePartRecord(written, "ch1v1m.txt")) == written,
               "a written record reads back to the same bytes");
  return 0;
}
