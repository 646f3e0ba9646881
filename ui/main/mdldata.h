#pragma once

// The procedures of a test run that work on the main window's controls.

#include <cstdint>

class frmMain;

namespace mdlData {

// Reads the test into the run, ends the growth of the strip, draws bare grass
// in its 15 cells and switches the window to the question page. Shows no question.
void StartTest(frmMain &form, std::int16_t number);
// Writes the question at a position (0..14) and its answers onto the page.
void ShowQuestion(frmMain &form, std::uint8_t position);
// Back to the menu; the run and the animation go on untouched.
void ShowMenu(frmMain &form);
// Starts the cell of a position growing in sprite row `kind` (1 right, 0 wrong).
void GrowMush(frmMain &form, std::uint8_t slot, std::uint8_t kind);

} // namespace mdlData
