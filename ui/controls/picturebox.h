#pragma once

// A windowed container with its own surface: a background colour, an
// optional picture drawn at its natural size from the top-left corner, an
// optional flat one-pixel border. It takes every pointer event that reaches
// it. With a persistent image it keeps what is drawn on it until drawn over,
// also while it or its container is hidden.

#include "ui/controls/pictures.h"

#include <QColor>
#include <QImage>
#include <QPixmap>
#include <QWidget>

class PictureBox : public QWidget
{
    Q_OBJECT

public:
    explicit PictureBox(QWidget *parent = nullptr);

    void setBackgroundColour(const QColor &colour);
    QColor backgroundColour() const { return m_background; }
    // The picture is decoded when it is first shown or asked for.
    void setPicture(pictures::Id picture);
    const QPixmap &picture() const;
    void setBorder(bool border);
    bool hasBorder() const { return m_border; }

    // The widget that holds children: the box itself, or with a border the
    // area inside it.
    QWidget *clientArea();

    // The persistent image has the pictures' density (pictures::density()).
    void setPersistentImage(bool on);
    const QImage &persistentImage() const { return m_image; }
    // Copies a rectangle of a picture onto the persistent image at the same
    // logical size; both rectangles are in logical pixels. Source pixels
    // outside the picture leave the destination as it was.
    void copyRect(const QImage &source, const QRect &from, const QPoint &to);

signals:
    void mouseMoved(QMouseEvent *event);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    QColor m_background = Qt::white;
    int m_pictureId = -1;
    mutable QPixmap m_picture;
    bool m_border = false;
    QWidget *m_client = nullptr;
    QImage m_image;
};
