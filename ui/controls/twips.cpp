#include "ui/controls/twips.h"

#include <QVariant>
#include <QWidget>

#include <cmath>

namespace twips {

namespace {
const char *const Property = "twipsGeometry";
}

int toPixels(int twips)
{
    return static_cast<int>(std::nearbyint(twips / double(PerPixel)));
}

void setGeometry(QWidget *widget, const QRect &tw)
{
    widget->setProperty(Property, tw);
    widget->setGeometry(toPixels(tw.x()), toPixels(tw.y()), toPixels(tw.width()),
                        toPixels(tw.height()));
}

void setGeometry(QWidget *widget, int left, int top, int width, int height)
{
    setGeometry(widget, QRect(left, top, width, height));
}

QRect geometry(const QWidget *widget)
{
    const QVariant stored = widget->property(Property);
    if (stored.isValid()) {
        const QRect tw = stored.toRect();
        // A widget resized by itself (a label that sizes itself to its text)
        // keeps its twips position and takes its new size from the pixels.
        if (toPixels(tw.width()) == widget->width() && toPixels(tw.height()) == widget->height())
            return tw;
        return QRect(tw.topLeft(), widget->size() * PerPixel);
    }
    const QRect px = widget->geometry();
    return QRect(px.topLeft() * PerPixel, px.size() * PerPixel);
}

void setLeft(QWidget *widget, int left)
{
    QRect tw = geometry(widget);
    tw.moveLeft(left);
    setGeometry(widget, tw);
}

void setTop(QWidget *widget, int top)
{
    QRect tw = geometry(widget);
    tw.moveTop(top);
    setGeometry(widget, tw);
}

void move(QWidget *widget, int left, int top)
{
    QRect tw = geometry(widget);
    tw.moveTo(left, top);
    setGeometry(widget, tw);
}

void resize(QWidget *widget, int width, int height)
{
    QRect tw = geometry(widget);
    tw.setSize(QSize(width, height));
    setGeometry(widget, tw);
}

} // namespace twips
