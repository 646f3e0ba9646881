#include "ui/controls/label.h"

#include <QKeyEvent>
#include <QMouseEvent>

Label::Label(QWidget *parent) : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setWordWrap(true);
    setMargin(0);
    setIndent(0);
    setMouseTracking(true);
    setTransparent(false);
    // Disabled text stays readable on a white page (4.95:1) and still looks
    // plainly inactive beside the black of enabled text. A disabled label
    // draws wrapped text in the Text colour, the rest in WindowText.
    QPalette p = palette();
    const QColor disabled(112, 112, 112);
    p.setColor(QPalette::Disabled, QPalette::WindowText, disabled);
    p.setColor(QPalette::Disabled, QPalette::Text, disabled);
    setPalette(p);
}

void Label::setCaption(const QString &caption)
{
    m_caption = caption;
    QString shown = caption;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    setText(shown);
    if (m_autoSize)
        resize(sizeHint());
}

void Label::setTransparent(bool transparent)
{
    setAutoFillBackground(!transparent);
}

void Label::setBackgroundColour(const QColor &colour)
{
    QPalette p = palette();
    p.setColor(QPalette::Window, colour);
    setPalette(p);
}

void Label::setForegroundColour(const QColor &colour)
{
    QPalette p = palette();
    p.setColor(QPalette::Active, QPalette::WindowText, colour);
    p.setColor(QPalette::Inactive, QPalette::WindowText, colour);
    setPalette(p);
}

QColor Label::foregroundColour() const
{
    return palette().color(QPalette::Active, QPalette::WindowText);
}

void Label::setAutoSize(bool autoSize)
{
    m_autoSize = autoSize;
    setWordWrap(!autoSize);
    if (autoSize)
        resize(sizeHint());
}

void Label::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    // Every button shows as pressed; only the left one clicks.
    m_pressed = event->button() == Qt::LeftButton;
    emit mouseDown(event);
}

void Label::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
    const bool click =
        m_pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    if (event->button() == Qt::LeftButton)
        m_pressed = false;
    emit mouseUp(event);
    if (click && isEnabled())
        emit clicked();
}

// The second press of a double click is no new click: the release after it
// only ends the press.
void Label::mouseDoubleClickEvent(QMouseEvent *event)
{
    event->accept();
    m_pressed = false;
}

void Label::mouseMoveEvent(QMouseEvent *event)
{
    event->accept();
    emit mouseMoved(event);
}

void Label::setRole(Role role)
{
    m_role = role;
    setFocusPolicy(isPressable() ? Qt::TabFocus : Qt::NoFocus);
}

void Label::press()
{
    if (isEnabled())
        emit clicked();
}

// Enter and Space press on the key going down: the control that takes the
// focus next must not see the key coming up as a press of its own.
void Label::keyPressEvent(QKeyEvent *event)
{
    const int key = event->key();
    const bool pressKey = key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space;
    if (isPressable() && pressKey && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        event->accept();
        if (!event->isAutoRepeat())
            press();
        return;
    }
    event->ignore();
}
