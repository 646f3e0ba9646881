#pragma once

// A windowless filled rounded rectangle with an optional outline. It takes
// no pointer events: the pointer over it is over its container.

#include <QColor>
#include <QWidget>

class Shape : public QWidget
{
    Q_OBJECT

public:
    explicit Shape(QWidget *parent = nullptr);

    void setFillColour(const QColor &colour);
    QColor fillColour() const { return m_fill; }
    // No outline when the colour is invalid.
    void setOutline(const QColor &colour);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_fill = Qt::white;
    QColor m_outline;
};
