#include "ui/controls/imagecontrol.h"

#include <QMouseEvent>
#include <QPainter>

ImageControl::ImageControl(QWidget *parent) : QWidget(parent)
{
    setMouseTracking(true);
}

void ImageControl::setPicture(pictures::Id picture)
{
    m_pictureId = static_cast<int>(picture);
    m_picture = QPixmap();
    resize(pictures::size(picture));
    update();
}

const QPixmap &ImageControl::picture() const
{
    if (m_picture.isNull() && m_pictureId >= 0)
        m_picture = pictures::pixmap(static_cast<pictures::Id>(m_pictureId));
    return m_picture;
}

void ImageControl::paintEvent(QPaintEvent *)
{
    if (m_pictureId < 0)
        return;
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawPixmap(0, 0, picture());
}

void ImageControl::mousePressEvent(QMouseEvent *event)
{
    event->accept();
}

void ImageControl::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
}

void ImageControl::mouseDoubleClickEvent(QMouseEvent *event)
{
    event->accept();
}

void ImageControl::mouseMoveEvent(QMouseEvent *event)
{
    event->accept();
}
