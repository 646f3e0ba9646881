#include "ui/controls/label.h"

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
    m_pressed = true;
    emit mouseDown(event);
}

void Label::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
    const bool click = m_pressed && rect().contains(event->position().toPoint());
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
