#pragma once

#include <functional>

namespace arvento::player {

// The owner's user-interface thread, as the player sees it: notifications of
// the sound back ends are posted to it, and the player's waits let it work.
struct UiThread {
  // Runs the function later on the UI thread; may be called from any thread.
  std::function<void(std::function<void()>)> post;
  // Processes the UI work that is pending, once; called on the UI thread.
  std::function<void()> processPending;
};

} // namespace arvento::player
