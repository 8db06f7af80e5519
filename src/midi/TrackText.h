#pragma once

#include <string>
#include <vector>

namespace arvento::midi {

// The byte text of a whole part track body: the prologue (track name,
// modulation, program change), every event of the list in order, end of track.
std::string BuildTrackText(int channel, int modulation, int program, const std::vector<std::string>& events);

} // namespace arvento::midi
