#pragma once

// The notes of a MIDI file on disk, for a piano roll.

#include "midi/SmfNotes.h"

#include <filesystem>

namespace arvento::roll {

// Throws arvento::Error naming the file when it cannot be read, is a
// directory, is not a Standard MIDI File or holds no note.
midi::SmfNotes ReadRollFile(const std::filesystem::path& file);

} // namespace arvento::roll
