#pragma once

namespace orvo::ui {

// Callable from any thread: the user-interface thread runs its next frame step
// (sync, layout, drawing) as soon as its event loop gets to it. Before the
// launcher runs an event loop it does nothing.
void wake_ui();

}  // namespace orvo::ui
