#pragma once

// Helpers for tests that drive the real windows offscreen.

#include "ui/controls/twips.h"

#include <QtTest/QtTest>

#include <QWidget>

namespace windowsupport {

template <typename T = QWidget>
T *control(const QObject *window, const QString &name)
{
    T *found = window->findChild<T *>(name);
    if (!found)
        qFatal("no control named %s", qPrintable(name));
    return found;
}

inline QRect twipsOf(const QObject *window, const QString &name)
{
    return twips::geometry(control(window, name));
}

// A point of a widget in the window's coordinates.
inline QPoint inWindow(const QWidget *widget, QPoint local)
{
    return widget->mapTo(widget->window(), local);
}

// The widget that a click at a point of the window reaches.
inline QWidget *widgetAt(QWidget *window, QPoint point)
{
    QWidget *w = window->childAt(point);
    return w ? w : window;
}

// Clicks where the widget lies, as the user would: the event goes to
// whatever control is on top at that point.
inline void clickOver(QWidget *widget, QPoint local = QPoint(4, 4))
{
    QWidget *window = widget->window();
    const QPoint at = inWindow(widget, local);
    QWidget *target = widgetAt(window, at);
    QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(window, at));
}

// Shows a window at a size as the active one, as the user finds it.
inline bool showActive(QWidget *window, QSize size = QSize(1280, 1024))
{
    window->resize(size);
    window->show();
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}

inline void moveOver(QWidget *widget, QPoint local = QPoint(4, 4))
{
    QWidget *window = widget->window();
    const QPoint at = inWindow(widget, local);
    QWidget *target = widgetAt(window, at);
    QTest::mouseMove(target, target->mapFrom(window, at));
}

} // namespace windowsupport
