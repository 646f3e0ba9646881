// A whole test with the keyboard alone, what a screen reader is told, and
// whether the focus and disabled answers can be seen.

#include "mainwindowtest.h"
#include "ui/controls/commandbutton.h"
#include "ui/controls/focusgroup.h"
#include "ui/controls/imagecontrol.h"
#include "ui/controls/label.h"
#include "ui/controls/picturebox.h"
#include "ui/controls/shape.h"
#include "ui/controls/twips.h"
#include "ui/start/frmloading.h"
#include "urlcatcher.h"
#include "windowsupport.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QAccessibleValueInterface>

#include <cmath>

namespace {

double luminance(QRgb rgb)
{
    auto channel = [](int v) {
        const double c = v / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(qRed(rgb)) + 0.7152 * channel(qGreen(rgb)) + 0.0722 * channel(qBlue(rgb));
}

double contrast(QRgb a, QRgb b)
{
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QAccessibleInterface *accessible(QObject *object)
{
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(object);
    if (!iface)
        qFatal("no accessible interface for %s", qPrintable(object->objectName()));
    return iface;
}

// The window's `area` as it shows with the texts of `controls` taken away
// for the moment: where it differs from the area as shown, their letters lie.
QImage withoutTexts(QWidget *window, const QRect &area, const QList<QWidget *> &controls)
{
    QStringList texts;
    for (QWidget *control : controls) {
        texts << control->property("text").toString();
        control->setProperty("text", QString());
    }
    const QImage image = window->grab(area).toImage();
    for (int i = 0; i < controls.size(); ++i)
        controls[i]->setProperty("text", texts[i]);
    return image;
}

QString toString(const QRect &r)
{
    return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

// The whole pixels of a grab at the screen's pixel ratio that lie within a
// rectangle of logical pixels.
QRect inImage(const QRect &r, const QImage &image)
{
    const qreal ratio = image.devicePixelRatio();
    const QPoint topLeft(int(std::ceil(r.left() * ratio)), int(std::ceil(r.top() * ratio)));
    const QPoint end(int(std::floor((r.right() + 1) * ratio)), int(std::floor((r.bottom() + 1) * ratio)));
    return QRect(topLeft, end - QPoint(1, 1));
}

// The box round the pixels in which two grabs differ, in logical pixels;
// empty if none do.
QRect differences(const QImage &a, const QImage &b)
{
    QRect box;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y))
                box |= QRect(x, y, 1, 1);
    const qreal ratio = a.devicePixelRatio();
    return box.isEmpty() ? box : QRectF(QPointF(box.topLeft()) / ratio, QSizeF(box.size()) / ratio).toAlignedRect();
}

// The ring round the focused `target` crosses no letter in the window's
// `area`, the target's own or a neighbour's, and leaves the target's text
// inside it. Gives the ring and the box of the target's letters, in the
// area's coordinates.
void checkRingClearsText(QWidget *window, QWidget *target, const QRect &area, QRect *ringBox, QRect *textBox)
{
    auto *ring = window->findChild<QWidget *>(QStringLiteral("focusRing"));
    QVERIFY(ring->isVisible());
    *ringBox = QRect(ring->mapTo(window, QPoint(0, 0)) - area.topLeft(), ring->size());
    QVERIFY(QRect(QPoint(0, 0), area.size()).contains(*ringBox));
    const QImage withRing = window->grab(area).toImage();
    ring->hide();
    const QImage bare = window->grab(area).toImage();
    QList<QWidget *> texts;
    for (QWidget *w : window->findChildren<QWidget *>()) {
        const bool hasText = qobject_cast<QLabel *>(w) || qobject_cast<QAbstractButton *>(w);
        if (hasText && w->isVisible() && QRect(w->mapTo(window, QPoint(0, 0)), w->size()).intersects(area))
            texts << w;
    }
    const QImage noText = withoutTexts(window, area, texts);
    *textBox = differences(bare, withoutTexts(window, area, {target}));
    ring->show();
    QVERIFY(!textBox->isEmpty());
    for (int y = 0; y < bare.height(); ++y)
        for (int x = 0; x < bare.width(); ++x)
            if (bare.pixel(x, y) != noText.pixel(x, y))
                QVERIFY2(withRing.pixel(x, y) == bare.pixel(x, y), qPrintable(QStringLiteral("letter at %1,%2").arg(x).arg(y)));
    QVERIFY(ringBox->adjusted(3, 3, -3, -3).contains(*textBox));
}

} // namespace

class TestAccess : public MainWindowTest
{
    Q_OBJECT


    // A key pressed and released, as the user gives it: to the control with
    // the focus.
    void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QWidget *target = form().focusWidget() ? form().focusWidget() : &form();
        QTest::keyClick(target, Qt::Key(key), modifiers);
    }
    QWidget *focus() { return form().focusWidget(); }

    // Keys as the window system delivers them: to the window, each with its
    // time. A held key comes as release/press pairs that share a time, and
    // only some of those presses are flagged as repeats.
    quint64 m_time = 1000;
    void xKey(QWidget *window, QEvent::Type type, int key, quint64 time, bool flagged = false, quint32 scanCode = 0)
    {
        QKeyEvent event(type, key, Qt::NoModifier, scanCode, 0, 0, QString(), flagged);
        event.setTimestamp(time);
        QApplication::sendEvent(window->windowHandle(), &event);
    }
    void repeat(QWidget *window, int key, int times)
    {
        for (int r = 0; r < times; ++r) {
            m_time += 33;
            xKey(window, QEvent::KeyRelease, key, m_time);
            xKey(window, QEvent::KeyPress, key, m_time, r % 5 == 4);
        }
    }
    void hold(QWidget *window, int key)
    {
        xKey(window, QEvent::KeyPress, key, m_time += 40);
        repeat(window, key, 20);
        xKey(window, QEvent::KeyRelease, key, m_time += 33);
    }
    void tap(QWidget *window, int key)
    {
        xKey(window, QEvent::KeyPress, key, m_time += 40);
        xKey(window, QEvent::KeyRelease, key, m_time += 40);
    }
    bool answered() { return !form().lblTextResult->isHidden(); }

private slots:
    // From the menu to the results and back, keys only: digits on both rows,
    // arrows and Space over the answers, keypad Enter on the step.
    void wholeTestByKeys()
    {
        QCOMPARE(focus(), form().lblTestTitle(0));
        press(Qt::Key_Down);
        press(Qt::Key_Tab);
        press(Qt::Key_Down);
        press(Qt::Key_Up);
        QCOMPARE(focus(), form().lblTestTitle(2));
        // The focused title has the pointer's highlight box.
        const QRect title = twips::geometry(form().lblTestTitle(2));
        QVERIFY(form().shpHLight->isVisible());
        QCOMPARE(twips::geometry(form().shpHLight), QRect(title.left() - 120, title.top(), title.width(), title.height()));
        press(Qt::Key_Right);
        QCOMPARE(focus(), form().lblTestTitle(13)); // the botany title level with it
        press(Qt::Key_Left);
        QCOMPARE(focus(), form().lblTestTitle(2));
        press(Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(run().CurrentTest, std::int16_t(103));
        QVERIFY(form().pchLayer(1)->isVisible());

        // The ring goes round the question, and round an answer unclipped
        // by the answers' group.
        auto *ring = form().findChild<QWidget *>(QStringLiteral("focusRing"));
        QVERIFY(ring->isVisible());
        QVERIFY(ring->geometry().contains(form().lblTestQuest->geometry()));
        press(Qt::Key_Down);
        QCOMPARE(ring->parentWidget(), form().pchLayer(1));
        QVERIFY(ring->geometry().contains(form().lblAnswer(0)->geometry().topLeft()));
        press(Qt::Key_Tab);
        press(Qt::Key_Backtab, Qt::ShiftModifier);
        press(Qt::Key_Backtab, Qt::ShiftModifier);

        std::array<std::uint8_t, 15> kinds{};
        for (int q = 0; q < 15; ++q) {
            QCOMPARE(focus(), form().grpQuestion);
            press(Qt::Key_Return); // the question itself answers nothing
            press(Qt::Key_Space);
            QVERIFY(form().lblAnswer(0)->isEnabled());
            const int right = run().Questions[q].RightAnswer;
            const int chosen = q % 4 == 3 ? (right + 1) % 3 : right;
            kinds[q] = chosen == right ? 1 : 0;
            if (q % 3 == 0) {
                press(Qt::Key_1 + chosen);
            } else if (q % 3 == 1) {
                press(Qt::Key_1 + chosen, Qt::KeypadModifier);
            } else {
                press(Qt::Key_Down); // into the answers, at the first
                for (int k = 0; k < chosen + 3; ++k) // round the three answers once
                    press(Qt::Key_Down);
                press(Qt::Key_Up);
                press(Qt::Key_Down);
                QCOMPARE(focus(), form().lblAnswer(chosen));
                press(Qt::Key_Space);
            }
            QCOMPARE(form().lblTextResult->caption(), kinds[q] ? QStringLiteral("Правильно") : QStringLiteral("Ошибка"));
            QCOMPARE(focus(), form().cmdNextQuest);
            const std::uint8_t count = run().RightCount;
            press(Qt::Key_1 + right); // answered once only
            QCOMPARE(run().RightCount, count);
            press(q % 2 ? Qt::Key_Return : Qt::Key_Enter, q % 2 ? Qt::NoModifier : Qt::KeypadModifier);
        }
        QCOMPARE(run().CurrentQuestion, std::uint8_t(15));
        QCOMPARE(run().RightCount, std::uint8_t(12)); // questions 4, 8 and 12 wrong
        for (int q = 0; q < 15; ++q)
            QCOMPARE(run().MushKind[q], kinds[q]);
        QCOMPARE(form().lblResultPercent->caption(), QStringLiteral("12 из 15 (80%)"));
        QCOMPARE(focus(), form().cmdCloseTest);
        press(Qt::Key_1); // the answers lie under the results
        QCOMPARE(run().RightCount, std::uint8_t(12));

        // Tab goes round the results' buttons and never onto what they cover.
        QList<QWidget *> stops;
        for (int i = 0; i < 5; ++i) {
            press(Qt::Key_Tab);
            stops << focus();
        }
        QCOMPARE(stops, (QList<QWidget *>{form().cmdMenu, form().cmdRetest, form().Label2, form().cmdCloseTest,
                                          form().cmdMenu}));
        press(Qt::Key_Tab);
        press(Qt::Key_Space);
        QCOMPARE(run().CurrentTest, std::int16_t(103));
        QCOMPARE(run().CurrentQuestion, std::uint8_t(0));
        QCOMPARE(focus(), form().grpQuestion);
        press(Qt::Key_Up);
        QCOMPARE(focus(), form().lblAnswer(2));
        press(Qt::Key_Backtab, Qt::ShiftModifier);
        press(Qt::Key_Backtab, Qt::ShiftModifier);
        press(Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(focus(), form().grpQuestion);
        for (int i = 0; i < 4; ++i)
            press(Qt::Key_Tab);
        QCOMPARE(focus(), form().cmdMenu); // the step is disabled until an answer
        press(Qt::Key_Return);
        QVERIFY(form().pchLayer(0)->isVisible());
        QCOMPARE(focus(), form().lblTestTitle(2)); // the test just left
    }

    // Holding a key does what one press does, on titles, answers, the step
    // and the link; a digit held from before a question showed answers
    // nothing there.
    void heldKeyIsOnePress()
    {
        UrlCatcher catcher;
        QWidget *w = &form();
        hold(w, Qt::Key_Return);
        QCOMPARE(run().CurrentTest, std::int16_t(101));
        QVERIFY(!answered());
        QCOMPARE(focus(), form().grpQuestion);
        hold(w, Qt::Key_2);
        QVERIFY(answered());
        QCOMPARE(focus(), form().cmdNextQuest);
        hold(w, Qt::Key_Return);
        QCOMPARE(run().CurrentQuestion, std::uint8_t(1));
        QVERIFY(!answered());

        xKey(w, QEvent::KeyPress, Qt::Key_1, m_time += 40);
        QVERIFY(answered());
        tap(w, Qt::Key_Return);
        QCOMPARE(run().CurrentQuestion, std::uint8_t(2));
        repeat(w, Qt::Key_1, 14);
        QVERIFY(!answered());
        xKey(w, QEvent::KeyRelease, Qt::Key_1, m_time += 33);
        tap(w, Qt::Key_1); // a fresh press
        QVERIFY(answered());

        // Keypad 2 comes up as Down when Num Lock changed meanwhile; it is up
        // all the same.
        tap(w, Qt::Key_Return);
        xKey(w, QEvent::KeyPress, Qt::Key_2, m_time += 40, false, 88);
        xKey(w, QEvent::KeyRelease, Qt::Key_Down, m_time += 40, false, 88);
        QVERIFY(answered());
        tap(w, Qt::Key_Return);
        xKey(w, QEvent::KeyPress, Qt::Key_2, m_time += 40, false, 88);
        QVERIFY(answered());

        form().cmdMenu_Click();
        form().Label2->setFocus();
        hold(w, Qt::Key_Return);
        QCOMPARE(catcher.urls.size(), 1);
    }

    // A double tap after an answer shows the next question unanswered; from
    // the results, Return three times starts the test again and stops there.
    void doubleTapAnswersNothingUnseen()
    {
        QWidget *w = &form();
        tap(w, Qt::Key_Return);
        for (int q = 0; q < 14; ++q) {
            tap(w, Qt::Key_1);
            QVERIFY(answered());
            tap(w, Qt::Key_Return);
            tap(w, Qt::Key_Return);
            QVERIFY(!answered());
        }
        tap(w, Qt::Key_1);
        tap(w, Qt::Key_Return);
        QCOMPARE(focus(), form().cmdCloseTest);
        tap(w, Qt::Key_Return);
        tap(w, Qt::Key_Return);
        tap(w, Qt::Key_Return);
        QCOMPARE(run().CurrentTest, std::int16_t(101));
        QCOMPARE(run().CurrentQuestion, std::uint8_t(0));
        QVERIFY(!answered());
        QCOMPARE(focus(), form().grpQuestion);
    }

    // Each command moves the focus once, straight to its target; after a
    // keyboard answer the marker stands by the answer chosen.
    void oneFocusChangePerAction()
    {
        int changes = 0;
        QObject watch;
        connect(qApp, &QApplication::focusChanged, &watch, [&] { ++changes; });
        auto changesBy = [&](int key) {
            changes = 0;
            press(key);
            return changes;
        };
        QCOMPARE(changesBy(Qt::Key_Down), 1);
        QCOMPARE(changesBy(Qt::Key_Space), 1);
        QCOMPARE(focus(), form().grpQuestion);
        press(Qt::Key_Down);
        press(Qt::Key_Down);
        QCOMPARE(changesBy(Qt::Key_Space), 1);
        QCOMPARE(focus(), form().cmdNextQuest);
        QVERIFY(form().imgMarker->isVisible());
        QCOMPARE(twips::geometry(form().imgMarker).top(), twips::geometry(form().lblAnswer(1)).top());
        QCOMPARE(changesBy(Qt::Key_Return), 1);
        QVERIFY(!form().imgMarker->isVisible());
        press(Qt::Key_Down); // the focus on the first answer, digit 3 chosen
        QCOMPARE(changesBy(Qt::Key_3), 1);
        QCOMPARE(twips::geometry(form().imgMarker).top(), twips::geometry(form().lblAnswer(2)).top());
        for (int q = 2; q < 15; ++q) {
            QCOMPARE(changesBy(Qt::Key_Return), 1);
            QCOMPARE(changesBy(Qt::Key_1), 1);
        }
        QCOMPARE(changesBy(Qt::Key_Return), 1);
        QCOMPARE(focus(), form().cmdCloseTest);
        press(Qt::Key_Tab);
        QCOMPARE(focus(), form().cmdMenu);
        press(Qt::Key_Tab);
        QCOMPARE(changesBy(Qt::Key_Space), 1); // the retest
        QCOMPARE(focus(), form().grpQuestion);
        QCOMPARE(changesBy(Qt::Key_1), 1);
        press(Qt::Key_Tab);
        QCOMPARE(focus(), form().cmdMenu);
        QCOMPARE(changesBy(Qt::Key_Return), 1);
        QCOMPARE(focus(), form().lblTestTitle(1));
    }

    // The pointer on the menu's background takes the highlight box and the
    // ring away until the next key.
    void pointerWinsOverTheKeyboardCue()
    {
        auto *ring = form().findChild<QWidget *>(QStringLiteral("focusRing"));
        press(Qt::Key_Down);
        QVERIFY(ring->isVisible());
        QVERIFY(form().shpHLight->isVisible());
        windowsupport::moveOver(form().pchLayer(0), QPoint(2, 2));
        QVERIFY(!form().shpHLight->isVisible());
        QVERIFY(!ring->isVisible());
        press(Qt::Key_F5);
        QVERIFY(ring->isVisible());
        QCOMPARE(twips::geometry(form().shpHLight).top(), twips::geometry(form().lblTestTitle(1)).top());
    }

    // Right and middle clicks press nothing; any button shows the pressed box.
    void onlyTheLeftButtonClicks()
    {
        UrlCatcher catcher;
        Label *title = form().lblTestTitle(0);
        windowsupport::moveOver(title);
        for (Qt::MouseButton button : {Qt::RightButton, Qt::MiddleButton}) {
            QTest::mousePress(title, button, {}, QPoint(4, 4));
            QCOMPARE(form().shpHLight->fillColour(), QColor(255, 192, 128));
            QTest::mouseRelease(title, button, {}, QPoint(4, 4));
            QTest::mouseClick(form().Label2, button, {}, QPoint(4, 4));
        }
        QCOMPARE(run().CurrentTest, std::int16_t(0));
        QVERIFY(catcher.urls.isEmpty());
        QTest::mouseClick(title, Qt::LeftButton, {}, QPoint(4, 4));
        QCOMPARE(run().CurrentTest, std::int16_t(101));
        QTest::mouseClick(form().lblAnswer(0), Qt::RightButton, {}, QPoint(4, 4));
        QVERIFY(!answered());
        QTest::mouseClick(form().lblAnswer(0), Qt::LeftButton, {}, QPoint(4, 4));
        QVERIFY(answered());
    }

    // While the strip fills, Enter and Space press nothing; then a held
    // Enter presses the start button once.
    void startWindowKeys()
    {
        m_form.reset();
        ScriptedRandom random;
        UrlCatcher catcher;
        frmLoading w(random);
        w.showCentred();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QCOMPARE(w.focusWidget(), w.pchLoading);
        for (int key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space})
            tap(&w, key);
        QVERIFY(catcher.urls.isEmpty());
        while (w.progress().state() == LoadingProgress::State::Filling) {
            random.pushStep(10);
            if (w.progress().intTicks() > 10)
                random.push({0.0f, 0.0f, 0.0f});
            w.tmrLoading_Timer();
        }
        random.pushStep(0);
        w.tmrLoading_Timer();
        QCOMPARE(w.focusWidget(), w.cmdStart);
        QSignalSpy started(w.cmdStart, &QPushButton::clicked);
        hold(&w, Qt::Key_Return);
        QCOMPARE(started.size(), 1);
        QVERIFY(w.mainWindow()->isVisible());
        QVERIFY(catcher.urls.isEmpty());
    }

    // Tab and Down visit the titles in menu order and then the random-test
    // button; the pointer on a title takes the focus with it.
    void menuOrderAndPointer()
    {
        for (int i = 1; i < 42; ++i) {
            press(i % 2 ? Qt::Key_Tab : Qt::Key_Down);
            QCOMPARE(focus(), form().lblTestTitle(i));
        }
        press(Qt::Key_Tab);
        QCOMPARE(focus(), form().cmdRandomTest);
        press(Qt::Key_Up);
        QCOMPARE(focus(), form().lblTestTitle(41));
        press(Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(focus(), form().lblTestTitle(40));

        windowsupport::moveOver(form().lblTestTitle(7));
        QCOMPARE(focus(), form().lblTestTitle(7));
        QCOMPARE(twips::geometry(form().shpHLight).top(), twips::geometry(form().lblTestTitle(7)).top());
        press(Qt::Key_Space);
        QCOMPARE(run().CurrentTest, std::int16_t(108));
    }

    // The focus shows with at least 3:1 against the same pixels without it,
    // and only after a key: a pointer user sees no change. The ring crosses
    // no letter and keeps the control's text inside; round a text without a
    // box it hugs the text, centred on it; inside it a control looks as it
    // does unfocused, so the ring is the one mark of the focus.
    void focusIsVisible_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<bool>("onTestPage");
        QTest::addColumn<bool>("hugsText");
        QTest::newRow("title") << QStringLiteral("lblTestTitle(3)") << false << false;
        // Its text runs on past the end of the highlight box.
        QTest::newRow("long title") << QStringLiteral("lblTestTitle(26)") << false << false;
        QTest::newRow("button") << QStringLiteral("cmdRandomTest") << false << false;
        QTest::newRow("link") << QStringLiteral("Label2") << false << true;
        QTest::newRow("answer") << QStringLiteral("lblAnswer(1)") << true << true;
        QTest::newRow("stop") << QStringLiteral("cmdMenu") << true << false;
    }
    void focusIsVisible()
    {
        QFETCH(QString, control);
        QFETCH(bool, onTestPage);
        QFETCH(bool, hugsText);
        if (onTestPage)
            form().lblTestTitle_Click(0);
        QWidget *target = windowsupport::control(&form(), control);
        // With the neighbours' letters above and below.
        const QRect area = QRect(target->mapTo(&form(), QPoint(0, 0)), target->size()).adjusted(-12, -12, 12, 12);
        QTest::mouseClick(form().pchMain, Qt::LeftButton, {}, QPoint(2, 2)); // the pointer's mode
        const QImage unfocused = form().grab(area).toImage();
        target->setFocus();
        QCOMPARE(form().grab(area).toImage(), unfocused);

        press(Qt::Key_F5); // a key that does nothing but shows the focus
        QCOMPARE(focus(), target);
        const QImage focused = form().grab(area).toImage();
        QRect ring, text;
        checkRingClearsText(&form(), target, area, &ring, &text);
        if (QTest::currentTestFailed())
            return;
        int strong = 0;
        for (int y = 0; y < focused.height(); ++y) {
            for (int x = 0; x < focused.width(); ++x) {
                if (contrast(focused.pixel(x, y), unfocused.pixel(x, y)) >= 3.0)
                    ++strong;
            }
        }
        // At least a full ring of strong pixels round what the ring marks.
        const QRect inside = ring.adjusted(3, 3, -3, -3);
        QVERIFY2(strong >= 2 * (inside.width() + inside.height()), qPrintable(QString::number(strong)));
        if (hugsText) {
            // Its lines and a few pixels' gap beside the letters; above and
            // below, the line's room for accents and descenders as well.
            QVERIFY2(text.adjusted(-8, -12, 8, 12).contains(ring),
                     qPrintable(QStringLiteral("%1x%2 round %3x%4").arg(ring.width()).arg(ring.height()).arg(text.width()).arg(text.height())));
            QVERIFY(std::abs(ring.left() + ring.right() - text.left() - text.right()) <= 2);
        }
        // A highlight box marks a focused title along with the ring.
        if (!control.startsWith(QLatin1String("lblTestTitle")))
            QVERIFY(differences(focused.copy(inImage(inside, focused)), unfocused.copy(inImage(inside, unfocused))).isEmpty());
    }

    // The menu's rows are tight: the ring of every title, as the keyboard
    // brings it, crosses no letter of its own or of the rows round it.
    void titleRingsCrossNoLetter()
    {
        for (Label *title : form().lblTestTitle) {
            title->setFocus();
            press(Qt::Key_F5);
            const QRect area = QRect(title->mapTo(&form(), QPoint(0, 0)), title->size()).adjusted(-12, -24, 24, 24);
            QRect ring, text;
            checkRingClearsText(&form(), title, area, &ring, &text);
            QVERIFY2(!QTest::currentTestFailed(), qPrintable(title->caption()));
        }
    }

    // The start window's link: its ring is centred on its text.
    void startWindowLinkRing()
    {
        m_form.reset();
        ScriptedRandom random;
        frmLoading w(random);
        w.showCentred();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        w.lblSite->setFocus();
        tap(&w, Qt::Key_F5);
        const QRect area = QRect(w.lblSite->pos(), w.lblSite->size()).adjusted(-8, -8, 8, 8);
        QRect ring, text;
        checkRingClearsText(&w, w.lblSite, area, &ring, &text);
        if (QTest::currentTestFailed())
            return;
        const QPoint off = ring.topLeft() + ring.bottomRight() - text.topLeft() - text.bottomRight();
        QVERIFY2(std::abs(off.x()) <= 2 && std::abs(off.y()) <= 2,
                 qPrintable(QStringLiteral("ring %1, text %2").arg(toString(ring), toString(text))));
    }

    void disabledAnswersStayReadable()
    {
        form().lblTestTitle_Click(0);
        form().lblAnswer_Click(0);
        const QRgb page = form().pchLayer(1)->backgroundColour().rgb();
        for (Label *answer : form().lblAnswer) {
            QVERIFY(!answer->isEnabled());
            const QRgb enabledText = answer->palette().color(QPalette::Active, QPalette::WindowText).rgb();
            // As drawn: the darkest pixel of the answer is its text colour.
            const QImage drawn = answer->grab().toImage();
            QRgb darkest = qRgb(255, 255, 255);
            for (int y = 0; y < drawn.height(); ++y)
                for (int x = 0; x < drawn.width(); ++x)
                    if (luminance(drawn.pixel(x, y)) < luminance(darkest))
                        darkest = drawn.pixel(x, y);
            QVERIFY2(contrast(darkest, page) >= 4.5, qPrintable(QColor(darkest).name()));
            QVERIFY(contrast(darkest, enabledText) >= 3.0); // plainly unlike an enabled answer
        }
    }

    // What a screen reader finds on each page, and that its press action
    // does what a click does.
    void screenReaderTree()
    {
        QAccessibleInterface *window = accessible(&form());
        QCOMPARE(window->role(), QAccessible::Window);
        QCOMPARE(window->text(QAccessible::Name), form().windowTitle());
        auto checkShown = [&](const char *page) {
            // Every object that takes the focus and is in sight has a name.
            QList<QAccessibleInterface *> todo{window};
            int focusable = 0;
            while (!todo.isEmpty()) {
                QAccessibleInterface *iface = todo.takeLast();
                for (int i = 0; i < iface->childCount(); ++i)
                    todo << iface->child(i);
                const QAccessible::State s = iface->state();
                if (s.focusable && !s.invisible) {
                    ++focusable;
                    QVERIFY2(!iface->text(QAccessible::Name).isEmpty(),
                             qPrintable(QStringLiteral("%1: nameless %2").arg(QLatin1String(page), iface->object()->objectName())));
                }
            }
            QVERIFY(focusable > 0);
        };

        checkShown("menu");
        QAccessibleInterface *title = accessible(form().lblTestTitle(4));
        QCOMPARE(title->role(), QAccessible::Button);
        QCOMPARE(title->text(QAccessible::Name), QStringLiteral("Кровь и кровообращение"));
        QCOMPARE(title->text(QAccessible::Description), QStringLiteral("Анатомия"));
        QCOMPARE(accessible(form().Label2)->role(), QAccessible::Link);
        QVERIFY(title->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
        title->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(run().CurrentTest, std::int16_t(105));

        checkShown("question");
        QCOMPARE(accessible(form().imgRightAnswer)->text(QAccessible::Name), QStringLiteral("Правильно"));
        QCOMPARE(accessible(form().imgWrongAnswer)->text(QAccessible::Name), QStringLiteral("Ошибка"));
        // Reading order: the page under the test's title, the question, then
        // the answers in a group under the question; the step outside it.
        QAccessibleInterface *page = accessible(form().pchLayer(1));
        QAccessibleInterface *group = accessible(form().grpQuestion);
        QCOMPARE(page->role(), QAccessible::Grouping);
        QCOMPARE(page->text(QAccessible::Name), form().lblTitle->text());
        QCOMPARE(group->role(), QAccessible::Grouping);
        QCOMPARE(group->text(QAccessible::Name), form().lblTestQuest->text());
        QVERIFY(group->text(QAccessible::Name).startsWith(QStringLiteral("1. ")));
        QCOMPARE(form().focusWidget(), form().grpQuestion);
        QVERIFY(page->indexOfChild(accessible(form().lblTestQuest)) < page->indexOfChild(group));
        QVERIFY(page->indexOfChild(group) < page->indexOfChild(accessible(form().cmdNextQuest)));
        QCOMPARE(group->childCount(), 3);
        for (int k = 0; k < 3; ++k) {
            QCOMPARE(group->child(k)->object(), form().lblAnswer(k));
            // Spoken once, as the group's name, not again with every answer.
            QVERIFY(group->child(k)->text(QAccessible::Description).isEmpty());
        }
        QCOMPARE(accessible(form().cmdNextQuest)->parent()->object(), form().pchLayer(1));
        QAccessibleInterface *answer = accessible(form().lblAnswer(run().Questions[0].RightAnswer));
        QCOMPARE(answer->role(), QAccessible::Button);
        answer->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(run().RightCount, std::uint8_t(1));
        // The verdict and the explanation ride in the name of the button that
        // takes the focus, so they are read with descriptions off too.
        QAccessibleInterface *step = accessible(form().cmdNextQuest);
        QCOMPARE(form().focusWidget(), form().cmdNextQuest);
        QVERIFY(step->text(QAccessible::Name).startsWith(QStringLiteral("Правильно. ")));
        QVERIFY(step->text(QAccessible::Name).contains(run().Questions[0].Explanation.simplified()));
        QVERIFY(step->text(QAccessible::Name).endsWith(QStringLiteral("Следующий вопрос.")));
        QVERIFY(step->text(QAccessible::Description).isEmpty());
        QVERIFY(accessible(form().lblAnswer(0))->state().disabled);
        checkShown("answered");

        for (int q = 1; q < 15; ++q) {
            form().cmdNextQuest_Click();
            form().lblAnswer_Click(0);
        }
        accessible(form().cmdNextQuest)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QVERIFY(form().pchResult->isVisible());
        QCOMPARE(form().focusWidget(), form().cmdCloseTest);
        QCOMPARE(step->text(QAccessible::Name), QStringLiteral("Показать результаты"));
        // The score and the grade name the panel the focus enters.
        QAccessibleInterface *results = accessible(form().pchResult);
        QCOMPARE(results->role(), QAccessible::Grouping);
        QCOMPARE(accessible(form().cmdCloseTest)->parent()->object(), form().pchResult);
        QVERIFY(results->text(QAccessible::Name).startsWith(form().lblResultPercent->caption() + QStringLiteral(". ")));
        QVERIFY(results->text(QAccessible::Name).contains(form().lblResultDescription->text().simplified()));
        QVERIFY(accessible(form().cmdCloseTest)->text(QAccessible::Description).isEmpty());
        // What lies under the results is not reported as showing, and cannot be pressed.
        for (QWidget *covered : {static_cast<QWidget *>(form().lblAnswer(1)), static_cast<QWidget *>(form().cmdNextQuest)})
            QVERIFY(accessible(covered)->state().invisible);
        const std::uint8_t count = run().RightCount;
        accessible(form().lblAnswer(1))->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(run().RightCount, count);
        checkShown("results");
    }

    void startWindowForAScreenReader()
    {
        m_form.reset();
        ScriptedRandom random;
        frmLoading w(random);
        QAccessibleInterface *window = accessible(&w);
        QCOMPARE(window->role(), QAccessible::Window);
        QCOMPARE(window->text(QAccessible::Name), w.windowTitle());
        QAccessibleInterface *progress = accessible(w.pchLoading);
        QCOMPARE(progress->role(), QAccessible::ProgressBar);
        QVERIFY(!progress->text(QAccessible::Name).isEmpty());
        // The introduction is read with the box that has the focus at first.
        QCOMPARE(progress->text(QAccessible::Description), w.lbIntro->text());
        QVERIFY(progress->state().focusable);
        random.pushStep(7);
        w.tmrLoading_Timer();
        QCOMPARE(progress->valueInterface()->currentValue().toInt(), 7);
        QCOMPARE(progress->valueInterface()->maximumValue().toInt(), 100);
        QAccessibleInterface *link = accessible(w.lblSite);
        QCOMPARE(link->role(), QAccessible::Link);
        UrlCatcher catcher;
        w.showCentred();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        link->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(catcher.urls.size(), 1);
    }
};

LIVENOR_TEST_MAIN(TestAccess, QApplication)
#include "tst_access.moc"
