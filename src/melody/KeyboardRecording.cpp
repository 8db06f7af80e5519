#include "melody/KeyboardRecording.h"

#include "core/Error.h"
#include "core/Translate.h"

#include <string>
#include <utility>

namespace arvento::melody {

namespace {
void CheckPitch(int note) {
  if (note < 1 || note > 127)
    throw Error(Tr("Нота %1 вне диапазона 1..127", note));
}
} // namespace

KeyboardRecording::KeyboardRecording(std::vector<int> recordedNotes)
    : recordedNotes_(std::move(recordedNotes)) {
  if (recordedCount() > kLimit)
    throw Error(Tr("Запись длиннее %1 нот", kLimit));
  for (const int note : recordedNotes_)
    CheckPitch(note);
}

bool KeyboardRecording::Record(int note) {
  CheckPitch(note);
  if (recordedCount() >= kLimit)
    return false;
  recordedNotes_.push_back(note);
  return true;
}

void KeyboardRecording::StepBack() {
  if (!recordedNotes_.empty())
    recordedNotes_.pop_back();
}

void KeyboardRecording::Reset() {
  recordedNotes_.clear();
}

} // namespace arvento::melody
