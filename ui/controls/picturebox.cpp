#include "ui/controls/picturebox.h"

#include <QMouseEvent>
#include <QPainter>

namespace {

// A blank canvas of a logical size at the pictures' density, so that copies
// from the pictures onto it are copies pixel for pixel.
QImage canvas(const QSize &size, const QColor &background)
{
    const int density = pictures::density();
    QImage image(size * density, QImage::Format_RGB32);
    image.setDevicePixelRatio(density);
    image.fill(background);
    return image;
}

} // namespace

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
    m_image = canvas(size(), m_background);
}

void PictureBox::copyRect(const QImage &source, const QRect &from, const QPoint &to)
{
    if (m_image.isNull())
        return;
    // Both rectangles are logical; the source's pixels are its ratio times as many.
    const qreal ratio = source.devicePixelRatio();
    const QRect inside = from.intersected(QRect(QPoint(), source.deviceIndependentSize().toSize()));
    if (inside.isEmpty())
        return;
    QPainter p(&m_image);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(QRectF(to + (inside.topLeft() - from.topLeft()), inside.size()), source,
                QRectF(QPointF(inside.topLeft()) * ratio, QSizeF(inside.size()) * ratio));
    p.end();
    update(QRect(to, from.size()));
}

void PictureBox::paintEvent(QPaintEvent *event)
{
    QPainter p(this);
    p.setClipRegion(event->region());
    // Pictures of another density than the screen's are scaled down smoothly.
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.fillRect(rect(), m_background);
    if (m_pictureId >= 0)
        p.drawPixmap(0, 0, picture());
    if (!m_image.isNull())
        p.drawImage(0, 0, m_image);
    if (m_border) {
        // One logical pixel on each side, filled: exact at every pixel ratio.
        const QRegion ring = QRegion(rect()).subtracted(rect().adjusted(1, 1, -1, -1));
        for (const QRect &side : ring)
            p.fillRect(side, palette().color(QPalette::WindowText));
    }
}

void PictureBox::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (m_client)
        m_client->setGeometry(rect().adjusted(1, 1, -1, -1));
    if (!m_image.isNull() && m_image.deviceIndependentSize() != QSizeF(size())) {
        QImage grown = canvas(size(), m_background);
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
