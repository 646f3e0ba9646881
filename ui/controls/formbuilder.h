#pragma once

// Builds a window's controls from two tables that read like a form's design:
// where each control lies (name, kind, container, twips geometry, tab index)
// and how it looks at first (text, font, colours, flags, picture). Controls
// get their names as Qt object names. Within a container the controls listed
// first lie on top, and windowless controls (labels, images, shapes) always
// lie beneath their windowed siblings (picture boxes, buttons). The keyboard
// visits the controls that take the focus in the order of their tab indices.

#include "ui/controls/fonts.h"
#include "ui/controls/pictures.h"

#include <QColor>
#include <QHash>
#include <QObject>
#include <QString>

#include <stdexcept>
#include <string>
#include <vector>

class QWidget;

namespace form {

enum class Kind { PictureBox, Label, Button, Image, Shape, Timer };

struct Placement {
    const char *name;
    Kind kind;
    const char *container;
    int left, top, width, height; // twips; a timer has no size
    int tabIndex;                 // -1 for controls without one
};

struct Colour {
    enum class Source { Unset, Rgb, SystemWindow, SystemWindowText };
    Source source = Source::Unset;
    QRgb rgb = 0;

    static Colour fromRgb(int r, int g, int b) { return {Source::Rgb, qRgb(r, g, b)}; }
    static Colour systemWindow() { return {Source::SystemWindow, 0}; }
    static Colour systemWindowText() { return {Source::SystemWindowText, 0}; }
    bool isSet() const { return source != Source::Unset; }
    QColor resolve() const;
};

// The initial appearance of one control; what a look does not name keeps the
// kind's plain default.
struct Look {
    explicit Look(const char *controlName) : name(controlName) {}

    Look &text(const char16_t *t) { caption = t; return *this; }
    Look &font(fonts::Face face, int px, bool bold = false, bool underline = false)
    {
        fontStyle = fonts::Style{face, px, bold, underline};
        hasFont = true;
        return *this;
    }
    Look &fore(Colour c) { foreground = c; return *this; }
    Look &back(Colour c) { background = c; return *this; }
    Look &outline(Colour c) { outlineColour = c; return *this; }
    Look &picture(pictures::Id id) { pictureId = static_cast<int>(id); return *this; }
    Look &hidden() { visible = false; return *this; }
    Look &disabled() { enabled = false; return *this; }
    Look &transparent() { opaque = false; return *this; }
    Look &autoSize() { sizesItself = true; return *this; }
    Look &alignRight() { alignment = Qt::AlignRight; return *this; }
    Look &alignCentre() { alignment = Qt::AlignHCenter; return *this; }
    Look &hand() { handPointer = true; return *this; }
    // A label that the keyboard and screen readers press like a button, or
    // like a link.
    Look &pressable() { pressRole = 1; return *this; }
    Look &link() { pressRole = 2; return *this; }
    Look &border() { flatBorder = true; return *this; }
    Look &interval(int ms) { timerInterval = ms; return *this; }

    const char *name;
    const char16_t *caption = nullptr;
    fonts::Style fontStyle;
    bool hasFont = false;
    Colour foreground;
    Colour background;
    Colour outlineColour;
    int pictureId = -1;
    bool visible = true;
    bool enabled = true;
    bool opaque = true;
    bool sizesItself = false;
    Qt::Alignment alignment = Qt::AlignLeft;
    bool handPointer = false;
    int pressRole = 0; // 0 plain text, 1 button, 2 link
    bool flatBorder = false;
    int timerInterval = 0;
};

class Controls
{
public:
    // The control of that name; a missing name or a control of another type
    // is a programming error.
    template <typename T>
    T *get(const char *name) const
    {
        T *control = qobject_cast<T *>(m_byName.value(QString::fromLatin1(name)));
        if (!control)
            throw std::out_of_range(std::string("no control ") + name + " of that kind");
        return control;
    }
    void add(const QString &name, QObject *control) { m_byName.insert(name, control); }

private:
    QHash<QString, QObject *> m_byName;
};

// Creates the controls on `window` (whose name the placements use for it).
Controls build(QWidget *window, const char *windowName, const std::vector<Placement> &placements,
               const std::vector<Look> &looks);

// Applies a look to an existing control (used for elements created later).
void apply(QObject *control, const Look &look);

} // namespace form
