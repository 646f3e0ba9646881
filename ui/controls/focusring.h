#pragma once

// Shows a keyboard user where the focus is. After a key press in its window
// the control with the focus gets a ring: a dark two-pixel line inside a
// white one, so that it stands out on light and dark surroundings alike. The
// next mouse press in the window takes it away again, so a user of the
// pointer never sees it. The cue is the window's WA_KeyboardFocusChange
// attribute, which the style's own focus marks follow as well.

#include <QPointer>
#include <QWidget>

class FocusRing : public QWidget
{
    Q_OBJECT

public:
    explicit FocusRing(QWidget *window);
    ~FocusRing() override;

    // The ring of `control` goes round `standIn` (a highlight box behind it,
    // say), `margin` pixels outside it; by default it goes 3 pixels outside
    // the control itself. A label's text, the control's or the stand-in's,
    // is always inside the ring and clear of its lines, and a label without
    // a stand-in is ringed round its text alone, not its whole rectangle.
    static void drawAround(QWidget *control, QWidget *standIn, int margin);

    bool cueShown() const;
    // Places the ring anew, as after a change of the focus.
    void follow();
    // Takes the ring away until the next key, as a mouse press does.
    void dropCue();

signals:
    // The focus or the cue changed. Sent before the ring is placed, so that
    // a window can move a stand-in first.
    void aboutToFollow(QWidget *focus, bool cueShown);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void setCue(bool shown);

    QWidget *m_window;
    QPointer<QWidget> m_target;
    bool m_following = false;
};
