#pragma once

// Ending the program: it stops at once, and no further handler of any window
// runs. Tests replace the ending to observe it.

#include <functional>

namespace program {

void end();
// Replaces what end() does; an empty function restores the real ending.
void setEndHandler(std::function<void()> handler);

} // namespace program
