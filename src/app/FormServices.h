#pragma once

#include "app/Dialogs.h"
#include "export/ExportSound.h"

#include <QString>

#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

namespace arvento::player {
class FilePlayer;
class MidiStreamOutput;
struct UiThread;
} // namespace arvento::player

namespace arvento::app {

// What the window needs from the world outside it. The program passes the
// real boxes and sound system; tests pass scripted boxes, recording players
// and the virtual MIDI output.
struct FormServices {
  Dialogs& dialogs;
  // Makes the player behind the control of that name ("mp1", "mp2", "mpSum").
  std::function<std::unique_ptr<player::FilePlayer>(const std::string& name)> newFilePlayer;
  // The output and the UI thread of the live player MidiGen1.
  player::MidiStreamOutput& midiOutput;
  const player::UiThread& uiThread;
  // The directory the projects live in: the current directory at start.
  std::filesystem::path startDirectory;
  // The sound's state when the window opens: the status bar's word on it
  // (empty when nothing need be said) and, for the about box, the
  // synthesizer and SoundFont in use.
  QString soundStatus;
  QString soundDescription;
  // Writes a MIDI file as a sound file, as exporting::ExportMidiFile does.
  std::function<exporting::ExportReport(
      const std::filesystem::path& midiFile, const std::filesystem::path& out,
      const exporting::ExportOptions& options, const exporting::Progress& progress)>
      exportMidiFile;
  // The time, by which the piano roll tells when the user last scrolled it.
  std::function<std::chrono::steady_clock::time_point()> clock = [] {
    return std::chrono::steady_clock::now();
  };
};

} // namespace arvento::app
