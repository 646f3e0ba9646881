#include "ui/controls/picturebox.h"

#include <QMouseEvent>
#include <QPainter>

PictureBox::PictureBox(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    // A surface, never a stop for the keyboard.
    setFocusPolicy(Qt::NoFocus);
}

void PictureBox::setBackgroundColour(const QColor &colour)
{
    m_background = colour;
    update();
}

void PictureBox::setPicture(pictures::Id picture)
{
    m_pictureId = static_cast<int>(picture);
    m_picture = QPixmap();
    update();
}

const QPixmap &PictureBox::picture() const
{
    if (m_picture.isNull() && m_pictureId >= 0)
        m_picture = pictures::pixmap(static_cast<pictures::Id>(m_pictureId));
    return m_picture;
}

void PictureBox::setBorder(bool border)
{
    m_border = border;
    if (border && !m_client) {
        // The inside of the border: it paints nothing, so the box's own
        // surface shows through, and passes pointer events on to the box.
        m_client = new QWidget(this);
        m_client->setMouseTracking(true);
        m_client->setGeometry(rect().adjusted(1, 1, -1, -1));
    }
    update();
}

QWidget *PictureBox::clientArea()
{
    return m_client ? m_client : this;
}

void PictureBox::setPersistentImage(bool on)
{
    if (!on) {
        m_image = QImage();
        return;
    }
    m_image = QImage(size(), QImage::Format_RGB32);
    m_image.fill(m_background);
}

void PictureBox::copyRect(const QImage &source, const QRect &from, const QPoint &to)
{
    if (m_image.isNull())
        return;
    const QRect inside = from.intersected(source.rect());
    if (inside.isEmpty())
        return;
    QPainter p(&m_image);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(to + (inside.topLeft() - from.topLeft()), source, inside);
    p.end();
    update(QRect(to, from.size()));
}

void PictureBox::paintEvent(QPaintEvent *event)
{
    QPainter p(this);
    p.setClipRegion(event->region());
    p.fillRect(rect(), m_background);
    if (m_pictureId >= 0)
        p.drawPixmap(0, 0, picture());
    if (!m_image.isNull())
        p.drawImage(0, 0, m_image);
    if (m_border) {
        p.setPen(palette().color(QPalette::WindowText));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void PictureBox::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (m_client)
        m_client->setGeometry(rect().adjusted(1, 1, -1, -1));
    if (!m_image.isNull() && m_image.size() != size()) {
        QImage grown(size(), QImage::Format_RGB32);
        grown.fill(m_background);
        QPainter p(&grown);
        p.drawImage(0, 0, m_image);
        p.end();
        m_image = grown;
    }
}

void PictureBox::mousePressEvent(QMouseEvent *event)
{
    event->accept();
}

void PictureBox::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
}

void PictureBox::mouseDoubleClickEvent(QMouseEvent *event)
{
    event->accept();
}

void PictureBox::mouseMoveEvent(QMouseEvent *event)
{
    event->accept();
    emit mouseMoved(event);
}
