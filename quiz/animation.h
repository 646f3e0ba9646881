#pragma once

// The growth counters of the mushroom strip: one cell per question position.
// A counter is 0 when its cell never started, 1 when started and not yet
// drawn, 2..18 while growing and 19 when full-grown. Frames 0 and 1 of the
// sprite sheet are bare grass, so frame 1 is never drawn.

#include "quiz/testrun.h"

#include <QPoint>
#include <QRect>

namespace animation {

constexpr int CellWidth = 50;
constexpr int CellHeight = 58;
constexpr int RowPitch = 59;  // row 1 of the sprite sheet starts at y 59
constexpr int LastFrame = 19;
constexpr int TickIntervalMs = 10;

// The source rectangle of a frame of sprite row `kind` (0 wrong, 1 right).
QRect spriteRect(int frame, int kind);
// Where cell n of the strip lies.
QPoint cellOrigin(int n);

// Starts the cell of a question position with a sprite row.
void startCell(TestRun &run, std::uint8_t slot, std::uint8_t kind);

// Ends all growth: every cell back to never started.
void clearCells(TestRun &run);

// One tick: advances every growing cell by a frame, in increasing order of
// cell, and calls draw(cell, frame, kind) for each with its new frame.
// Returns true when no cell was growing (the timer then stops).
template <typename Draw>
bool advanceCells(TestRun &run, Draw &&draw)
{
    bool idle = true;
    for (int n = 0; n < static_cast<int>(run.MushFrame.size()); ++n) {
        float &frame = run.MushFrame[static_cast<std::size_t>(n)];
        if (frame > 0 && frame < LastFrame) {
            frame += 1;
            draw(n, static_cast<int>(frame), static_cast<int>(run.MushKind[static_cast<std::size_t>(n)]));
            idle = false;
        }
    }
    return idle;
}

} // namespace animation
