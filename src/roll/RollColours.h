#pragma once

// The colours of a piano roll: one a track number, the same in every
// picture, and the shades of its background.

#include <QColor>

namespace arvento::roll {

QColor TrackColour(int trackNumber);
// A ghost: the track's colour faded towards the background.
QColor GhostColour(int trackNumber);

inline const QColor kWhiteKeyRow{250, 250, 250};
inline const QColor kBlackKeyRow{228, 228, 228};
inline const QColor kBarLine{160, 160, 160};
inline const QColor kCursor{0, 0, 0};

} // namespace arvento::roll
