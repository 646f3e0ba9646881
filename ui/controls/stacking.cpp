#include "ui/controls/stacking.h"

#include <QWidget>

namespace stacking {

namespace {

bool isOpaque(const QWidget *w)
{
    return w->testAttribute(Qt::WA_OpaquePaintEvent) || w->autoFillBackground();
}

} // namespace

bool isCovered(const QWidget *widget)
{
    const QWidget *w = widget;
    // A masked widget shows only within its mask.
    QRect area = widget->mask().isEmpty() ? widget->rect() : widget->mask().boundingRect();
    while (!w->isWindow() && w->parentWidget()) {
        const QWidget *parent = w->parentWidget();
        area.translate(w->pos());
        const QObjectList &siblings = parent->children();
        // Later children lie above earlier ones.
        for (qsizetype i = siblings.indexOf(const_cast<QWidget *>(w)) + 1; i < siblings.size(); ++i) {
            const auto *s = qobject_cast<const QWidget *>(siblings.at(i));
            if (s && !s->isHidden() && !s->isWindow() && isOpaque(s) && s->geometry().contains(area))
                return true;
        }
        w = parent;
    }
    return false;
}

} // namespace stacking
