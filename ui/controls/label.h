#pragma once

// A windowless text control. Its caption is plain text whose line breaks are
// CR LF; it wraps at word boundaries within its width unless it sizes itself
// to its text. It takes every pointer event over it (so its container does not
// see them); a click is a press and a release of the left button on it,
// signalled after the press and release themselves. A disabled label takes no pointer events at all.
// A pressable label acts like a button for the keyboard as well: it takes the
// focus with Tab, and Enter, keypad Enter or Space press it.

#include <QColor>
#include <QLabel>

class QKeyEvent;
class QMouseEvent;

class Label : public QLabel
{
    Q_OBJECT

public:
    explicit Label(QWidget *parent = nullptr);

    QString caption() const { return m_caption; }
    void setCaption(const QString &caption);

    // Opaque labels fill their rectangle with the background colour.
    void setTransparent(bool transparent);
    void setBackgroundColour(const QColor &colour);
    void setForegroundColour(const QColor &colour);
    QColor foregroundColour() const;
    void setAutoSize(bool autoSize);
    bool autoSize() const { return m_autoSize; }

    QString tag() const { return m_tag; }
    void setTag(const QString &tag) { m_tag = tag; }

    // What the label is to a screen reader; any but Text makes it pressable.
    enum class Role { Text, Button, Link };
    Role role() const { return m_role; }
    void setRole(Role role);
    bool isPressable() const { return m_role != Role::Text; }
    // A press from the keyboard or a screen reader: the click, if enabled.
    void press();

signals:
    void mouseDown(QMouseEvent *event);
    void mouseUp(QMouseEvent *event);
    void mouseMoved(QMouseEvent *event);
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QString m_caption;
    QString m_tag;
    bool m_autoSize = false;
    bool m_pressed = false;
    Role m_role = Role::Text;
};
