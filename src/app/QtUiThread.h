#pragma once

namespace arvento::player {
struct UiThread;
}

namespace arvento::app {

// The Qt event loop as the sound layer's UI thread: posted work runs as a
// queued call on the main thread, and waiting processes pending events.
player::UiThread QtUiThread();

} // namespace arvento::app
