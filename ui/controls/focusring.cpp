#include "ui/controls/focusring.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>

namespace {

const char *const StandIn = "focusRingStandIn";
const char *const Margin = "focusRingMargin";
constexpr int DefaultMargin = 3;
const QColor Dark(0, 90, 0);   // 8.5:1 on white, 7.8:1 on the light yellow highlight
const QColor Light(255, 255, 255);

bool isModifier(int key)
{
    return key == Qt::Key_Shift || key == Qt::Key_Control || key == Qt::Key_Alt || key == Qt::Key_Meta
           || key == Qt::Key_AltGr || key == Qt::Key_CapsLock || key == Qt::Key_NumLock;
}

} // namespace

FocusRing::FocusRing(QWidget *window) : QWidget(window), m_window(window)
{
    setObjectName(QStringLiteral("focusRing"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
    qApp->installEventFilter(this);
    connect(qApp, &QApplication::focusChanged, this, &FocusRing::follow);
}

FocusRing::~FocusRing()
{
    qApp->removeEventFilter(this);
}

void FocusRing::drawAround(QWidget *control, QWidget *standIn, int margin)
{
    control->setProperty(StandIn, QVariant::fromValue(QPointer<QWidget>(standIn)));
    control->setProperty(Margin, margin);
}

bool FocusRing::cueShown() const
{
    return m_window->testAttribute(Qt::WA_KeyboardFocusChange);
}

void FocusRing::dropCue()
{
    setCue(false);
}

void FocusRing::setCue(bool shown)
{
    if (shown == cueShown())
        return;
    m_window->setAttribute(Qt::WA_KeyboardFocusChange, shown);
    if (QWidget *focus = m_window->focusWidget())
        focus->update();
    follow();
}

bool FocusRing::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (watched == m_target && (type == QEvent::Hide || type == QEvent::Show || type == QEvent::Move
                                || type == QEvent::Resize)) {
        follow();
        return false;
    }
    if (type == QEvent::KeyPress || type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick) {
        auto *widget = qobject_cast<QWidget *>(watched);
        if (widget && widget->window() == m_window) {
            if (type == QEvent::KeyPress)
                setCue(cueShown() || !isModifier(static_cast<QKeyEvent *>(event)->key()));
            else
                setCue(false);
        }
    }
    return QWidget::eventFilter(watched, event);
}

void FocusRing::follow()
{
    // The window may move the stand-in while it is told; the ring is placed
    // once, afterwards.
    if (m_following)
        return;
    m_following = true;
    m_target = nullptr;
    QWidget *focus = m_window->focusWidget();
    const bool cue = cueShown();
    emit aboutToFollow(focus, cue);
    m_following = false;
    QWidget *target = focus;
    int margin = DefaultMargin;
    if (focus) {
        if (auto standIn = focus->property(StandIn).value<QPointer<QWidget>>())
            target = standIn;
        margin = focus->property(Margin).isValid() ? focus->property(Margin).toInt() : DefaultMargin;
    }
    if (!cue || !focus || focus == m_window || !target->parentWidget()) {
        hide();
        return;
    }
    m_target = target; // followed while it moves, hides or shows
    if (!target->isVisibleTo(m_window)) {
        hide();
        return;
    }
    // A masked container would clip the ring: it is drawn in the nearest
    // container without a mask.
    QWidget *host = target->parentWidget();
    while (host->parentWidget() && !host->isWindow() && !host->mask().isEmpty())
        host = host->parentWidget();
    if (parentWidget() != host)
        setParent(host);
    setGeometry(QRect(target->mapTo(host, QPoint(0, 0)), target->size()).adjusted(-margin, -margin, margin, margin));
    raise();
    show();
    update();
}

void FocusRing::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QRect r = rect();
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::NoBrush);
    // White outside, then two dark lines.
    p.fillRect(QRect(r.left(), r.top(), r.width(), 1), Light);
    p.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), Light);
    p.fillRect(QRect(r.left(), r.top(), 1, r.height()), Light);
    p.fillRect(QRect(r.right(), r.top(), 1, r.height()), Light);
    const QRect inner = r.adjusted(1, 1, -1, -1);
    p.fillRect(QRect(inner.left(), inner.top(), inner.width(), 2), Dark);
    p.fillRect(QRect(inner.left(), inner.bottom() - 1, inner.width(), 2), Dark);
    p.fillRect(QRect(inner.left(), inner.top(), 2, inner.height()), Dark);
    p.fillRect(QRect(inner.right() - 1, inner.top(), 2, inner.height()), Dark);
}
