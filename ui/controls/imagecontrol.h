#pragma once

// A windowless picture shown at its natural size. It takes the pointer
// events over it, so its container does not see them.

#include "ui/controls/pictures.h"

#include <QPixmap>
#include <QWidget>

class ImageControl : public QWidget
{
    Q_OBJECT

public:
    explicit ImageControl(QWidget *parent = nullptr);

    // Sized at once; the picture is decoded when it is first shown.
    void setPicture(pictures::Id picture);
    const QPixmap &picture() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    int m_pictureId = -1;
    mutable QPixmap m_picture;
};
