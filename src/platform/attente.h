#pragma once
// Long work on the window thread that still lets the windows repaint, move and run their
// timers: pending events run between its steps, and its waits on other threads turn the event
// loop. What the user types or clicks meanwhile waits for the work to end, as it would behind
// a frozen window, so no command starts again inside the work; a window's close box is
// ignored while the work runs.
#include <cstdint>
#include <functional>

namespace attente {
// Runs the pending events when the last run is a few hundredths of a second old. Called
// between the steps of a long loop.
void laisser_repondre();

// Turns the event loop until fini() holds. progres() is a count that grows while the work
// advances: false, the work unfinished, once it has not grown for delai_ms.
bool attendre(const std::function<bool()>& fini, const std::function<int64_t()>& progres, int32_t delai_ms);
}  // namespace attente
