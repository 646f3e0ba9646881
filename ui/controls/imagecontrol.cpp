#include "ui/controls/imagecontrol.h"

#include <QMouseEvent>
#include <QPainter>

ImageControl::ImageControl(QWidget *parent) : QWidget(parent)
{
    setMouseTracking(true);
}

void ImageControl::setPicture(const QPixmap &picture)
{
    m_picture = picture;
    resize(picture.deviceIndependentSize().toSize());
    update();
}

void ImageControl::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.drawPixmap(0, 0, m_picture);
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
