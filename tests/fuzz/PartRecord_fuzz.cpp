// Part records. Any bytes either are refused with arvento::Error or read as a record, and what the program
// writes for that record reads back to a record it writes with the same bytes.

#include "FuzzInput.h"
#include "project/PartRecord.h"

void arvento::fuzz::Check(std::string_view bytes) {
  if (const auto record = Attempt([&] { return project::ParsePartRecord(bytes, "ch1v1m.txt"); })) {
    const std::string written = project::FormatPartRecord(*record);
    Expect(project::FormatPartRecord(project::ParsePartRecord(written, "ch1v1m.txt")) == written,
           "a written record reads back to the same bytes");
  }
}
