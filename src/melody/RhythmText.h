#pragma once

// The rhythm text: one line per grid row, each run written as a token
// followed by one blank, n*L for a bar of n columns and np*L for a gap,
// where L is the note length of one column ("4", "8" or "16").

#include <string>
#include <vector>

namespace arvento::melody {

// The rhythm lines of a run list (keys and end-of-row marks as
// CollectGridRuns gives them). Each mark ends a line; keys after the last
// mark belong to no row and are dropped.
std::vector<std::string> RunsToRhythm(const std::vector<std::string>& runKeys, const std::string& lengthText);

} // namespace arvento::melody
