#pragma once

// The program's pictures and its pointer, embedded as resources and decoded
// once. Decoding can start early on a worker thread (preload), so that the
// start window's first frame does not wait for pictures that only the main
// window shows; whoever needs a picture first waits for it, if need be.
//
// Every picture but the icons comes in two densities: the plain file and a
// name@2x copy of twice the pixels. Only the set the screens need is loaded,
// and a picture keeps its logical size in either: its device pixel ratio
// says how many pixels stand for one.

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

// The density of the pictures in use, 1 or 2: 2 when any screen has a device
// pixel ratio above 1. Chosen on first use, on the user-interface thread.
int density();

// Starts decoding the pictures, in this order, on one worker thread.
void preload(std::initializer_list<Id> ids);
// All of them, the start window's background first; those already decoded
// or under way are skipped.
void preloadAll();

// The logical size of a picture; known without loading it.
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
