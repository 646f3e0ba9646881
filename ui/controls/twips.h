#pragma once

// Positions and sizes of controls are kept in twips (15 twips = 1 pixel) and
// rounded once, to the nearest pixel with halves to even, when a widget is
// placed. The twips stay readable from the widget, so that code that moves
// controls relative to each other works in the units the layout is given in.

#include <QRect>

class QWidget;

namespace twips {

constexpr int PerPixel = 15;

int toPixels(int twips);

// Places the widget and remembers its twips geometry.
void setGeometry(QWidget *widget, const QRect &twips);
void setGeometry(QWidget *widget, int left, int top, int width, int height);
// The twips geometry last set; for a widget never placed in twips, its pixel
// geometry times 15.
QRect geometry(const QWidget *widget);

void setLeft(QWidget *widget, int left);
void setTop(QWidget *widget, int top);
void move(QWidget *widget, int left, int top);
void resize(QWidget *widget, int width, int height);

} // namespace twips
