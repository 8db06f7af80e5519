#pragma once

// When a piano roll scrolls after its playback cursor: only when the cursor
// has left the ticks in view, and never while the user holds a scroll bar or
// in the two seconds after the user last scrolled or zoomed.

#include <chrono>
#include <optional>

namespace arvento::roll {

class CursorFollowing {
public:
  using TimePoint = std::chrono::steady_clock::time_point;
  static constexpr std::chrono::seconds kUserPause{2};

  void UserScrolled(TimePoint at) { userScrolled_ = at; }
  void UserHolds(bool holding) { holding_ = holding; }

  // The first tick the view is to show so that the cursor stands at its left
  // edge, or nullopt when the view stays where it is.
  std::optional<double> FirstTick(double cursor, double firstInView, double endOfView, TimePoint now) const {
    if (holding_ || (userScrolled_ && now - *userScrolled_ < kUserPause))
      return std::nullopt;
    if (cursor >= firstInView && cursor < endOfView)
      return std::nullopt;
    return cursor;
  }

private:
  std::optional<TimePoint> userScrolled_;
  bool holding_ = false;
};

} // namespace arvento::roll
