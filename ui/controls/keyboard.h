#pragma once

// The keyboard of a window: which keys are held, and where the arrows and
// Tab move the focus.
//
// A held key is one press. Under X a held key arrives as release/press pairs
// with identical timestamps, and the toolkit flags only some of the presses
// as auto-repeats, so the window keeps its own record of the keys that are
// down and lets a press through only when its key was up. Keys are taken
// where the window system delivers them (the window's QWindow), before any
// control sees them: a swallowed press reaches no control at all.

#include <QList>
#include <QObject>
#include <QPointer>
#include <QSet>

#include <functional>

class QKeyEvent;
class QWidget;

// Which keys are down; no widgets, no events. A key is any number that is
// the same for its press and its release.
class HeldKeys
{
public:
    // A key went down (or the window system repeated it). Returns whether
    // the press counts: only when the key was up. A press that comes right
    // after a release of the same key with the same non-zero timestamp is
    // a repeat; events made in code carry timestamp 0 and never pair.
    bool press(int key, bool autoRepeat, quint64 timestamp);
    void release(int key, quint64 timestamp);
    bool isDown(int key) const { return m_down.contains(key); }
    // The window lost the keyboard: releases it will never see.
    void clear();

private:
    QSet<int> m_down;
    int m_releasedKey = 0;
    quint64 m_releasedAt = 0;
    bool m_lastWasRelease = false;
};

class Keyboard : public QObject
{
    Q_OBJECT

public:
    // Watches the keys of `window`; swallows presses of keys already down.
    explicit Keyboard(QWidget *window);
    ~Keyboard() override;

    // How the window moves the focus (so that it can follow it at once).
    void setFocusMover(std::function<void(QWidget *, Qt::FocusReason)> mover) { m_giveFocus = std::move(mover); }
    // Up and Down step through these in Tab order; Left and Right jump to the
    // nearest one, in height, of the next column.
    void setColumns(const QList<QWidget *> &items) { m_columns = items; }
    // Up and Down go round these; from `entry`, Down enters at the first and
    // Up at the last.
    void setRound(QWidget *entry, const QList<QWidget *> &items);
    // Digit n (main row or keypad) presses the n-th of these when it is in
    // sight and enabled, wherever the focus is in the window.
    void setDigitTargets(const QList<QWidget *> &targets, std::function<void(int)> press);

    // The window's key press that no control took: digits and arrows.
    bool keyPress(QKeyEvent *event);
    // Tab and Shift+Tab: the next control in Tab order that can be seen.
    bool focusNextPrevChild(bool next);

    const HeldKeys &held() const { return m_held; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool moveByArrow(int key);
    QWidget *beside(QWidget *from, int direction) const;
    bool canTakeFocus(QWidget *w) const;
    void giveFocus(QWidget *w, Qt::FocusReason reason);

    QWidget *m_window;
    HeldKeys m_held;
    std::function<void(QWidget *, Qt::FocusReason)> m_giveFocus;
    QList<QWidget *> m_columns;
    QPointer<QWidget> m_entry;
    QList<QWidget *> m_round;
    QList<QWidget *> m_digitTargets;
    std::function<void(int)> m_pressDigit;
};
