#pragma once

// The arithmetic of the main window's layout and background, without widgets.

#include <QPointF>
#include <QSize>
#include <QSizeF>

namespace layoutmath {

// The content box measures 13300 x 9990 twips: 886.67 x 666 pixels.
constexpr double ContentWidth = 13300 / 15.0;
constexpr double ContentHeight = 9990 / 15.0;

// Top-left of content of the given size centred in a client area, in single
// precision and unrounded: an odd difference gives a half pixel.
QPointF centred(const QSize &client, const QSizeF &content);

// The whole pixel the window system places a fractional position at.
int toPixel(double position);

// The outer size the window must grow to so that it is never smaller than the
// content in either dimension; the same size when it is large enough.
QSize atLeastContent(const QSize &outer, const QSizeF &content);

constexpr int TileSize = 300;

// Index of the last tile row or column for a screen extent: extent / 300
// rounded to the nearest, halves to even. Both ends are drawn.
int lastTileIndex(int screenExtent);

} // namespace layoutmath
