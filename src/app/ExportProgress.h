#pragma once

#include "export/ExportSound.h"

#include <filesystem>
#include <optional>

class QWidget;

namespace arvento::app {

// Exports the MIDI file as exporting::ExportMidiFile does while a progress
// dialog with a cancel button shows over the window. The export runs on a
// thread of its own and the window's events go on meanwhile, so the window
// never freezes. Nullopt when the user cancelled: nothing is written then.
// Throws what the export throws.
std::optional<exporting::ExportReport> ExportWithProgress(QWidget* window,
                                                          const std::filesystem::path& midiFile,
                                                          const std::filesystem::path& out,
                                                          const exporting::ExportOptions& options);

} // namespace arvento::app
