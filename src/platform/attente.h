#pragma once
// A wait on another thread that the window thread must make while still letting the windows
// repaint, move and run their timers (a deck load's exact-length count): the event loop turns
// meanwhile. What the user types or clicks waits for the end, so no command starts again inside
// the wait; a window's close box is ignored while it lasts. Long commands never wait this way:
// they run on a worker (platform/travail.h).
#include <cstdint>
#include <functional>

namespace attente {
// Turns the event loop until fini() holds. progres() is a count that grows while the work
// advances: false, the work unfinished, once it has not grown for delai_ms.
bool attendre(const std::function<bool()>& fini, const std::function<int64_t()>& progres, int32_t delai_ms);
}  // namespace attente
