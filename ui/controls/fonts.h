#pragma once

// The program's two typefaces. MS Sans Serif and Times New Roman where the
// system has them; otherwise Liberation Sans and Liberation Serif, the
// system's copies or those the program carries in its resources, so that
// Cyrillic text never falls back to empty boxes. Sizes are in pixels, so text
// fits the fixed label sizes on every screen.

#include <QFont>

namespace fonts {

enum class Face { Sans, Serif };

struct Style {
    Face face = Face::Sans;
    int px = 11; // 8.25 pt, the windows' default font
    bool bold = false;
    bool underline = false;
};

// Registers the carried fonts once; later calls do nothing.
void ensureLoaded();
QString family(Face face);
QFont font(const Style &style);
inline QFont defaultFont() { return font(Style{}); }

} // namespace fonts
