#pragma once

// The system colours the windows are designed in: the standard light scheme
// (white window, black window text, light grey button face, black button
// text). The windows mix these with fixed colours of their own (the white
// page, the yellow highlight, the green headings), so they never take the
// desktop's colour scheme: under a dark or tinted scheme its text would land
// on backgrounds it was never meant for.

#include <QPalette>

class QWidget;

namespace systemcolours {

// Every role of every colour group, so that nothing of the desktop's palette
// shows through (the style draws buttons and frames from many roles).
const QPalette &palette();

// Gives a top-level window the palette; its controls inherit it, also when
// the desktop changes its scheme while the program runs.
void apply(QWidget *window);

inline QColor window() { return palette().color(QPalette::Active, QPalette::Base); }
inline QColor windowText() { return palette().color(QPalette::Active, QPalette::Text); }
inline QColor buttonText() { return palette().color(QPalette::Active, QPalette::ButtonText); }

} // namespace systemcolours
