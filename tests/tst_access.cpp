// A whole test with the keyboard alone, what a screen reader is told, and
// whether the focus and disabled answers can be seen.

#include "mainwindowtest.h"
#include "ui/controls/commandbutton.h"
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

        std::array<std::uint8_t, 15> kinds{};
        for (int q = 0; q < 15; ++q) {
            QCOMPARE(focus(), form().lblAnswer(0));
            const int right = run().Questions[q].RightAnswer;
            const int chosen = q % 4 == 3 ? (right + 1) % 3 : right;
            kinds[q] = chosen == right ? 1 : 0;
            if (q % 3 == 0) {
                press(Qt::Key_1 + chosen);
            } else if (q % 3 == 1) {
                press(Qt::Key_1 + chosen, Qt::KeypadModifier);
            } else {
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
        QCOMPARE(focus(), form().lblAnswer(0));
        press(Qt::Key_Tab);
        press(Qt::Key_Tab);
        press(Qt::Key_Tab);
        QCOMPARE(focus(), form().cmdMenu); // the step is disabled until an answer
        press(Qt::Key_Return);
        QVERIFY(form().pchLayer(0)->isVisible());
        QCOMPARE(focus(), form().lblTestTitle(0));
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
    // and only after a key: a pointer user sees no change.
    void focusIsVisible_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<bool>("onTestPage");
        QTest::newRow("title") << QStringLiteral("lblTestTitle(3)") << false;
        QTest::newRow("button") << QStringLiteral("cmdRandomTest") << false;
        QTest::newRow("link") << QStringLiteral("Label2") << false;
        QTest::newRow("answer") << QStringLiteral("lblAnswer(1)") << true;
        QTest::newRow("stop") << QStringLiteral("cmdMenu") << true;
    }
    void focusIsVisible()
    {
        QFETCH(QString, control);
        QFETCH(bool, onTestPage);
        if (onTestPage)
            form().lblTestTitle_Click(0);
        QWidget *target = windowsupport::control(&form(), control);
        const QRect area = QRect(target->mapTo(&form(), QPoint(0, 0)), target->size()).adjusted(-12, -6, 6, 6);
        QTest::mouseClick(form().pchMain, Qt::LeftButton, {}, QPoint(2, 2)); // the pointer's mode
        const QImage unfocused = form().grab(area).toImage();
        target->setFocus();
        QCOMPARE(form().grab(area).toImage(), unfocused);

        press(Qt::Key_F5); // a key that does nothing but shows the focus
        QCOMPARE(focus(), target);
        const QImage focused = form().grab(area).toImage();
        int strong = 0;
        for (int y = 0; y < focused.height(); ++y) {
            for (int x = 0; x < focused.width(); ++x) {
                if (contrast(focused.pixel(x, y), unfocused.pixel(x, y)) >= 3.0)
                    ++strong;
            }
        }
        // At least a full ring of strong pixels round the control.
        QVERIFY2(strong >= 2 * (target->width() + target->height()), qPrintable(QString::number(strong)));
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
        QAccessibleInterface *answer = accessible(form().lblAnswer(run().Questions[0].RightAnswer));
        QCOMPARE(answer->role(), QAccessible::Button);
        QCOMPARE(answer->text(QAccessible::Description), form().lblTestQuest->caption());
        answer->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(run().RightCount, std::uint8_t(1));
        QCOMPARE(accessible(form().cmdNextQuest)->text(QAccessible::Description),
                 QStringLiteral("Правильно. ") + run().Questions[0].Explanation);
        QVERIFY(accessible(form().lblAnswer(0))->state().disabled);
        checkShown("answered");

        for (int q = 1; q < 15; ++q) {
            form().cmdNextQuest_Click();
            form().lblAnswer_Click(0);
        }
        accessible(form().cmdNextQuest)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QVERIFY(form().pchResult->isVisible());
        QCOMPARE(form().focusWidget(), form().cmdCloseTest);
        QCOMPARE(accessible(form().cmdCloseTest)->text(QAccessible::Description),
                 form().lblResultPercent->caption() + QStringLiteral(". ") + form().lblResultDescription->text());
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
