#pragma once

#include "app/FormServices.h"

#include <filesystem>
#include <optional>

class QWidget;

namespace arvento::app {

// Exports the MIDI file through the export function while a progress
// dialog with a cancel button shows over the window. The export runs on a
// thread of its own and the window's events go on meanwhile, so the window
// never freezes. Nullopt when the user cancelled: nothing is written then.
// Throws what the export throws.
std::optional<exporting::ExportReport>
ExportWithProgress(QWidget* window, const decltype(FormServices::exportMidiFile)& exportMidiFile,
                   const std::filesystem::path& midiFile, const std::filesystem::path& out,
                   const exporting::ExportOptions& options);

} // namespace arvento::app
