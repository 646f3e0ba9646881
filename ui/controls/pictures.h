#pragma once

// The program's pictures and its pointer, embedded as resources and decoded
// once, on first use.

#include <QCursor>
#include <QImage>
#include <QPixmap>

namespace pictures {

enum class Id {
    MainIcon,        // window icon of the main window, 16 x 16
    Tile,            // background tile, 300 x 300
    Backdrop,        // backdrop of the central panel, 888 x 666
    Mushrooms,       // sprite sheet of the growth animation, 1000 x 116
    Finish,          // picture of the results panel, 128 x 128
    Grass,           // strip beneath the animation cells, 750 x 13
    WrongMark,       // 24 x 24
    RightMark,       // 24 x 24
    Marker,          // marker beside the answer under the pointer, 35 x 24
    StartBackground, // background of the start window, 400 x 327
    ProgramIcon,     // icon of the start window and the program, 64 x 64
};

const QPixmap &pixmap(Id id);
// The same picture as an image, for copying rectangles of it.
const QImage &image(Id id);
// The pointing hand, hot spot at the fingertip (12, 5).
const QCursor &handCursor();

} // namespace pictures
