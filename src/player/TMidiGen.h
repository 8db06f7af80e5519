#pragma once

// TMidiGen, the live note player: sounds one note or a short note text at
// once on a MIDI stream output, without writing any file.

#include "player/MidiGenTypes.h"
#include "player/MidiStreamOutput.h"
#include "player/UiThread.h"

#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

namespace arvento::player {

class TMidiGen {
public:
  // How long a wait for the output's notifications may last before the
  // request gives up: an output that never answers must not freeze the window.
  static constexpr std::chrono::milliseconds kWaitLimit{2000};

  TMidiGen(MidiStreamOutput& output, UiThread ui, std::chrono::milliseconds waitLimit = kWaitLimit);
  // Stops the request and waits until its stream is closed.
  ~TMidiGen();
  TMidiGen(const TMidiGen&) = delete;
  TMidiGen& operator=(const TMidiGen&) = delete;

  // Published properties. Setters hold values to their ranges (ClampValue);
  // the enumerated ones first take the low 8 bits of the value.
  int Volume() const { return settings_.volume; }
  void SetVolume(int value) { settings_.volume = ClampValue(value, 0, 100); }
  int Pan() const { return settings_.pan; }
  void SetPan(int value) { settings_.pan = ClampValue(value, -100, 100); }
  int Reverb() const { return settings_.reverb; }
  void SetReverb(int value) { settings_.reverb = ClampValue(value, 0, 100); }
  int Chorus() const { return settings_.chorus; }
  void SetChorus(int value) { settings_.chorus = ClampValue(value, 0, 100); }
  bool Sustain() const { return settings_.sustain; }
  void SetSustain(bool value) { settings_.sustain = value; }
  int Modulation() const { return settings_.modulation; }
  void SetModulation(int value) { settings_.modulation = ClampValue(value, 0, 100); }
  int PitchBend() const { return settings_.pitchBend; }
  void SetPitchBend(int value) { settings_.pitchBend = ClampValue(value, -120, 120); }
  int PBDelay() const { return settings_.pbDelay; }
  void SetPBDelay(int value) { settings_.pbDelay = ClampValue(value, 0, 100); }
  int PBDuration() const { return settings_.pbDuration; }
  void SetPBDuration(int value) { settings_.pbDuration = ClampValue(value, 0, 100); }
  std::uint32_t Duration() const { return settings_.duration; }
  void SetDuration(std::uint32_t value) { settings_.duration = value; }
  TMGNote Note() const { return settings_.note; }
  void SetNote(int value) { settings_.note = static_cast<TMGNote>(ClampValue(value & 0xFF, 0, mgB)); }
  int Octave() const { return settings_.octave; }
  void SetOctave(int value) { settings_.octave = ClampValue(value, 0, 10); }
  TMGInstrument Instrument() const { return settings_.instrument; }
  void SetInstrument(int value) {
    settings_.instrument = static_cast<TMGInstrument>(ClampValue(value & 0xFF, 0, mgOpenTriangle));
  }
  TMGChannel Channel() const { return settings_.channel; }
  void SetChannel(int value) {
    settings_.channel = static_cast<TMGChannel>(ClampValue(value & 0xFF, 0, mgCh16));
  }
  std::uint32_t Loops() const { return settings_.loops; }
  void SetLoops(std::uint32_t value) { settings_.loops = value; }
  // From the output's open notification to its close notification.
  bool IsPlaying() const { return isPlaying_; }

  int PlayerId() const { return playerId_; }

  // True while this player's stream is open; otherwise whether the chosen
  // output can be opened now.
  bool MidiAvailable();
  // Chooses the output by number (kept even when there is no such output);
  // true when it exists. Throws arvento::Error for a negative number.
  bool SetDevice(int device);

  // Each request returns true when a buffer was submitted and started.
  bool Play(); // the note Note in octave Octave
  bool PlayNote(int note);
  bool PlayString(std::string_view text); // throws arvento::Error as ParseNoteString does
  // Ends the request; before its first event has sounded, only further passes are cancelled.
  void Stop();

  // The buffers the requests would submit now, without playing them; no
  // buffer for a note text that yields no record.
  std::vector<StreamEvent> NoteBuffer(int note) const;
  std::optional<std::vector<StreamEvent>> StringBuffer(std::string_view text) const;

private:
  bool BeginPlay();
  bool SendEvents(const std::vector<NoteRecord>& records, bool bendAllowed);
  // Ends a request that starts nothing: the player stays ready for the next one.
  bool Refuse();
  // Closes a stream whose set-up failed, so that no request waits on it for ever.
  bool CloseAfterFailure();
  // Gives up a stream whose output stopped answering: its later notifications are ignored.
  void AbandonStream();
  // Lets the UI thread work until the condition holds or the wait limit has passed.
  template <class Condition> bool WaitUntil(Condition condition);
  void OnNotification(StreamNotification notification);

  MidiStreamOutput& output_;
  UiThread ui_;
  std::chrono::milliseconds waitLimit_;
  MidiGenSettings settings_;

  const int playerId_;
  std::uint32_t deviceId_ = kMidiMapper;
  bool streamOpen_ = false; // a stream handle is held, from the open call to the close notification
  std::vector<StreamEvent> eventBuffer_;
  std::uint8_t playChannel_ = 0;
  bool opened_ = false;
  bool keepLooping_ = false;
  bool ready_ = true;
  std::uint32_t loopsLeft_ = 0;
  bool isPlaying_ = false;
  std::chrono::steady_clock::time_point startedAt_;
  // Notifications carry the stream they belong to; those of an abandoned
  // stream, or arriving after the player is gone, are dropped.
  unsigned stream_ = 0;
  std::shared_ptr<TMidiGen*> self_;
};

} // namespace arvento::player
