#pragma once

// The keyboard recording: the pitches played while recording is on, in
// order, without durations. The rhythm drawn later pairs its k-th note with
// the k-th pitch.

#include "core/Translate.h"

#include <vector>

namespace arvento::melody {

inline constexpr const char* kRecordingLimitMessage =
    TrLater("Достигнуто предельное значение длины мелодии. Дальнейшая запись невозможна.");

class KeyboardRecording {
public:
  static constexpr int kLimit = 1000;

  KeyboardRecording() = default;
  // A recording of the given pitches; throws arvento::Error for more than
  // kLimit pitches or a pitch outside 1..127.
  explicit KeyboardRecording(std::vector<int> recordedNotes);

  // Appends a pitch (1..127, else arvento::Error). Returns false and records
  // nothing when kLimit pitches are held already: the window then shows
  // kRecordingLimitMessage.
  bool Record(int note);
  // Forgets the last pitch, so the next one takes its place; nothing happens
  // when the recording is empty.
  void StepBack();
  void Reset();

  int recordedCount() const { return static_cast<int>(recordedNotes_.size()); }
  // The first to the recordedCount-th pitch (index 0 holds the first).
  const std::vector<int>& recordedNotes() const { return recordedNotes_; }

  friend bool operator==(const KeyboardRecording&, const KeyboardRecording&) = default;

private:
  std::vector<int> recordedNotes_;
};

} // namespace arvento::melody
