#include "quiz/animation.h"

#include <stdexcept>

namespace animation {

QRect spriteRect(int frame, int kind)
{
    return QRect(frame * CellWidth, kind * RowPitch, CellWidth, CellHeight);
}

QPoint cellOrigin(int n)
{
    return QPoint(n * CellWidth, 0);
}

void startCell(TestRun &run, std::uint8_t slot, std::uint8_t kind)
{
    if (slot >= run.MushFrame.size())
        throw std::out_of_range("MushFrame: slot outside 0..14");
    run.MushFrame[slot] = 1;
    run.MushKind[slot] = kind;
}

void clearCells(TestRun &run)
{
    run.MushFrame.fill(0);
    run.MushKind.fill(0);
}

} // namespace animation
