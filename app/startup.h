#pragma once

// What the program does around the making of its application object, so that
// it starts cleanly on any desktop.

namespace startup {

// From here until windowSystemReady(), a toolkit that can reach no window
// system (no display set, or none listening where it points) ends the
// program with one plain line on the error output and status 1, rather than
// aborting with a core dump and advice to reinstall. What the toolkit says
// on the way is held back, and printed only if the start goes on.
void guardWindowSystem(int argc, char **argv);
void windowSystemReady();

// The window system's client library turns the legacy window title into the
// locale's character set. Where the locale's character type is not UTF-8
// (LANG=C, say), it is made UTF-8, so that this title reads right instead
// of showing the UTF-8 bytes as Latin-1. Other locale categories stay.
void useUtf8CharacterType();

} // namespace startup
