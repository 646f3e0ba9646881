#include "ui/controls/focusring.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QStyle>
#include <QTextDocument>

#include <algorithm>

namespace {

const char *const StandIn = "focusRingStandIn";
const char *const Margin = "focusRingMargin";
constexpr int DefaultMargin = 3;
constexpr int RingWidth = 3; // the white line and the two dark ones
const QColor Dark(0, 90, 0);   // 8.5:1 on white, 7.8:1 on the light yellow highlight
const QColor Light(255, 255, 255);

bool isModifier(int key)
{
    return key == Qt::Key_Shift || key == Qt::Key_Control || key == Qt::Key_Alt || key == Qt::Key_Meta
           || key == Qt::Key_AltGr || key == Qt::Key_CapsLock || key == Qt::Key_NumLock;
}

// Where a label's plain text lies in it, as the label lays it out and shows
// it; empty for any other widget.
QRect textRect(const QWidget *widget)
{
    const auto *label = qobject_cast<const QLabel *>(widget);
    if (!label || label->text().isEmpty())
        return QRect();
    const Qt::TextFormat format = label->textFormat();
    if (format == Qt::RichText || (format == Qt::AutoText && Qt::mightBeRichText(label->text())))
        return QRect();
    // Laid out as the label draws plain text: its alignment (word wrap
    // included) within the contents less the margin and indent, and cut at
    // what the label shows.
    QRect room = label->contentsRect().adjusted(label->margin(), label->margin(), -label->margin(), -label->margin());
    int indent = label->indent();
    if (indent < 0 && label->frameWidth() > 0)
        indent = label->fontMetrics().horizontalAdvance(QLatin1Char('x')) / 2 - label->margin();
    indent = std::max(indent, 0);
    const Qt::Alignment align = QStyle::visualAlignment(label->layoutDirection(), label->alignment());
    if (align & Qt::AlignLeft)
        room.setLeft(room.left() + indent);
    if (align & Qt::AlignRight)
        room.setRight(room.right() - indent);
    if (align & Qt::AlignTop)
        room.setTop(room.top() + indent);
    if (align & Qt::AlignBottom)
        room.setBottom(room.bottom() - indent);
    const int flags = int(align) | (label->wordWrap() ? Qt::TextWordWrap : 0);
    return label->fontMetrics().boundingRect(room, flags, label->text()).intersected(label->contentsRect());
}

// The ring's rectangle, in `host`'s coordinates.
QRect placeFor(const QWidget *control, const QWidget *standIn, int margin, const QWidget *host)
{
    auto inHost = [host](const QWidget *w, const QRect &r) { return r.translated(w->mapTo(host, QPoint(0, 0))); };
    // The ring's lines lie wholly outside the text they mark, a pixel clear
    // of it, so that they never cross a letter.
    const int textMargin = std::max(margin, RingWidth + 1);
    QRect place;
    if (standIn)
        place = inHost(standIn, standIn->rect()).adjusted(-margin, -margin, margin, margin);
    bool hasText = false;
    for (const QWidget *w : {control, standIn}) {
        const QRect text = w ? textRect(w) : QRect();
        if (!text.isEmpty()) {
            hasText = true;
            place |= inHost(w, text).adjusted(-textMargin, -textMargin, textMargin, textMargin);
        }
    }
    if (!standIn && !hasText)
        place = inHost(control, control->rect()).adjusted(-margin, -margin, margin, margin);
    return place;
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
    QWidget *standIn = nullptr;
    int margin = DefaultMargin;
    if (focus) {
        standIn = focus->property(StandIn).value<QPointer<QWidget>>();
        if (standIn)
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
    setGeometry(placeFor(focus, standIn, margin, host));
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
