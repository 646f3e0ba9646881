#include "ui/controls/keyboard.h"

#include "ui/controls/stacking.h"
#include "ui/controls/twips.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>
#include <QWindow>

#include <cstdlib>

bool HeldKeys::press(int key, bool autoRepeat, quint64 timestamp)
{
    const bool repeated = m_lastWasRelease && key == m_releasedKey && timestamp != 0 && timestamp == m_releasedAt;
    m_lastWasRelease = false;
    const bool wasDown = m_down.contains(key);
    m_down.insert(key);
    return !wasDown && !repeated && !autoRepeat;
}

void HeldKeys::release(int key, quint64 timestamp)
{
    m_down.remove(key);
    m_releasedKey = key;
    m_releasedAt = timestamp;
    m_lastWasRelease = true;
}

void HeldKeys::clear()
{
    m_down.clear();
    m_lastWasRelease = false;
}

Keyboard::Keyboard(QWidget *window) : QObject(window), m_window(window)
{
    qApp->installEventFilter(this);
}

Keyboard::~Keyboard()
{
    qApp->removeEventFilter(this);
}

void Keyboard::setRound(QWidget *entry, const QList<QWidget *> &items)
{
    m_entry = entry;
    m_round = items;
}

void Keyboard::setDigitTargets(const QList<QWidget *> &targets, std::function<void(int)> press)
{
    m_digitTargets = targets;
    m_pressDigit = std::move(press);
}

bool Keyboard::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (watched == m_window && type == QEvent::WindowDeactivate) {
        // Keys released elsewhere are never seen here.
        m_held.clear();
        return false;
    }
    // The window system hands each key to the window once; the controls get
    // it from there.
    if (watched != m_window->windowHandle() || (type != QEvent::KeyPress && type != QEvent::KeyRelease))
        return false;
    auto *key = static_cast<QKeyEvent *>(event);
    // A key is known by its place on the keyboard where the window system
    // says it: a keypad key pressed as a digit comes up as an arrow if Num
    // Lock changed in between. Events made in code carry only the key.
    const auto scanCode = static_cast<int>(key->nativeScanCode() & 0x7fffffff);
    const int id = scanCode != 0 ? -scanCode : key->key();
    if (type == QEvent::KeyRelease) {
        m_held.release(id, key->timestamp());
        return false;
    }
    if (m_held.press(id, key->isAutoRepeat(), key->timestamp()))
        return false;
    key->accept();
    return true;
}

void Keyboard::giveFocus(QWidget *w, Qt::FocusReason reason)
{
    if (m_giveFocus)
        m_giveFocus(w, reason);
    else
        w->setFocus(reason);
}

bool Keyboard::canTakeFocus(QWidget *w) const
{
    return w != m_window && w->window() == m_window && (w->focusPolicy() & Qt::TabFocus) && w->isEnabled()
           && w->isVisibleTo(m_window) && !stacking::isCovered(w);
}

bool Keyboard::keyPress(QKeyEvent *event)
{
    if ((event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return false;
    const int key = event->key();
    if (key >= Qt::Key_1 && key < Qt::Key_1 + m_digitTargets.size()) {
        event->accept();
        // Exactly what a click on that control does: nothing unless it is in
        // sight and enabled.
        const int k = key - Qt::Key_1;
        QWidget *target = m_digitTargets.at(k);
        if (!event->isAutoRepeat() && target->isEnabled() && target->isVisible() && !stacking::isCovered(target)
            && m_pressDigit)
            m_pressDigit(k);
        return true;
    }
    if (moveByArrow(key)) {
        event->accept();
        return true;
    }
    return false;
}

// Up and Down step through the columns' items in Tab order and round the
// round's items; Left and Right jump to the nearest item of the next column.
bool Keyboard::moveByArrow(int key)
{
    if (key != Qt::Key_Up && key != Qt::Key_Down && key != Qt::Key_Left && key != Qt::Key_Right)
        return false;
    const bool vertical = key == Qt::Key_Up || key == Qt::Key_Down;
    QWidget *focus = m_window->focusWidget();
    if (!focus)
        return false;
    if (focus == m_entry && !m_round.isEmpty()) {
        if (!vertical)
            return false;
        QWidget *to = key == Qt::Key_Down ? m_round.first() : m_round.last();
        if (canTakeFocus(to))
            giveFocus(to, Qt::TabFocusReason);
        return true;
    }
    if (const qsizetype at = m_round.indexOf(focus); at >= 0) {
        if (!vertical)
            return false;
        const qsizetype step = key == Qt::Key_Down ? 1 : m_round.size() - 1;
        giveFocus(m_round.at((at + step) % m_round.size()), Qt::TabFocusReason);
        return true;
    }
    if (!m_columns.contains(focus))
        return false;
    if (vertical)
        return focusNextPrevChild(key == Qt::Key_Down);
    if (QWidget *to = beside(focus, key == Qt::Key_Right ? 1 : -1))
        giveFocus(to, Qt::TabFocusReason);
    return true;
}

// The item in the next column in a direction, nearest in height.
QWidget *Keyboard::beside(QWidget *from, int direction) const
{
    const QRect origin = twips::geometry(from);
    QWidget *best = nullptr;
    int bestScore = 0;
    for (QWidget *candidate : m_columns) {
        const QRect r = twips::geometry(candidate);
        const int dx = (r.left() - origin.left()) * direction;
        if (dx <= 0 || candidate->isHidden())
            continue;
        const int score = std::abs(r.top() - origin.top()) + dx / 4;
        if (!best || score < bestScore) {
            best = candidate;
            bestScore = score;
        }
    }
    return best;
}

bool Keyboard::focusNextPrevChild(bool next)
{
    QWidget *from = m_window->focusWidget() ? m_window->focusWidget() : m_window;
    QWidget *w = from;
    do {
        w = next ? w->nextInFocusChain() : w->previousInFocusChain();
        if (canTakeFocus(w)) {
            giveFocus(w, next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return true;
        }
    } while (w != from);
    return false;
}
