#pragma once

// The program's pictures and its pointer, embedded as resources and decoded
// once. Decoding can start early on a worker thread (preload), so that the
// start window's first frame does not wait for pictures that only the main
// window shows; whoever needs a picture first waits for it, if need be.

#include <QCursor>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QSize>

#include <initializer_list>

namespace pictures {

enum class Id {
    Tile,            // background tile, 300 x 300
    Backdrop,        // backdrop of the central panel, 888 x 666
    Mushrooms,       // sprite sheet of the growth animation, 1000 x 116
    Finish,          // picture of the results panel, 128 x 128
    Grass,           // strip beneath the animation cells, 750 x 13
    WrongMark,       // 24 x 24
    RightMark,       // 24 x 24
    Marker,          // marker beside the answer under the pointer, 35 x 24
    StartBackground, // background of the start window, 400 x 327
};

// Starts decoding the pictures, in this order, on one worker thread.
void preload(std::initializer_list<Id> ids);
// All of them, the start window's background first.
void preloadAll();

// The size of a picture, read from its header without decoding it.
QSize size(Id id);
// The decoded picture; waits for a preload in progress. Any thread.
const QImage &image(Id id);
// The same as a pixmap. User-interface thread only.
const QPixmap &pixmap(Id id);
// The pointing hand, hot spot at the fingertip (12, 5).
const QCursor &handCursor();
// The program's icon for the windows, from its icon set in the sizes that
// window managers take, 16 to 128 pixels. A size is decoded only when the
// window system asks for it. User-interface thread.
const QIcon &windowIcon();

} // namespace pictures
