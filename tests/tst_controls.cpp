// The small control classes: window timers, labels, picture boxes, buttons.

#include "testsupport.h"
#include "ui/controls/commandbutton.h"
#include "ui/controls/keyboard.h"
#include "ui/controls/label.h"
#include "ui/controls/picturebox.h"
#include "ui/controls/shape.h"
#include "ui/controls/windowtimer.h"

#include <QSignalSpy>

class TestControls : public testsupport::StrictTest
{
    Q_OBJECT

private slots:
    void timerIntervalZeroMeansStopped()
    {
        QWidget owner;
        WindowTimer timer(&owner);
        QVERIFY(timer.isEnabled());
        QVERIFY(!timer.isRunning());
        timer.setInterval(10);
        QVERIFY(timer.isRunning());
        QSignalSpy ticks(&timer, &WindowTimer::timeout);
        QVERIFY(ticks.wait(1000));
        timer.setInterval(0);
        QVERIFY(!timer.isRunning());
        const int before = ticks.count();
        QTest::qWait(30);
        QCOMPARE(ticks.count(), before);
    }

    void intervalOfADisabledTimerDoesNotStartIt()
    {
        QWidget owner;
        WindowTimer timer(&owner);
        timer.setInterval(50);
        timer.setEnabled(false);
        QVERIFY(!timer.isRunning());
        timer.setInterval(200);
        QVERIFY(!timer.isRunning());
        QCOMPARE(timer.interval(), 200);
        timer.setEnabled(true);
        QVERIFY(timer.isRunning());
    }

    void labelClickIsAPressAndAReleaseOnIt()
    {
        QWidget page;
        page.resize(200, 100);
        Label label(&page);
        label.setGeometry(10, 10, 100, 20);
        QStringList events;
        connect(&label, &Label::mouseDown, &page, [&] { events << QStringLiteral("down"); });
        connect(&label, &Label::mouseUp, &page, [&] { events << QStringLiteral("up"); });
        connect(&label, &Label::clicked, &page, [&] { events << QStringLiteral("click"); });
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        QTest::mouseClick(&label, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(events, (QStringList{QStringLiteral("down"), QStringLiteral("up"), QStringLiteral("click")}));

        // A press on it and a release elsewhere is no click.
        events.clear();
        QTest::mousePress(&label, Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mouseRelease(&label, Qt::LeftButton, {}, QPoint(150, 50));
        QCOMPARE(events, (QStringList{QStringLiteral("down"), QStringLiteral("up")}));

        // The second press of a double click is not a second click. Qt
        // delivers a double click as press, release, double click, release.
        events.clear();
        QTest::mousePress(&label, Qt::LeftButton, {}, QPoint(60, 10));
        QTest::mouseRelease(&label, Qt::LeftButton, {}, QPoint(60, 10));
        QTest::mouseDClick(&label, Qt::LeftButton, {}, QPoint(60, 10));
        QTest::mouseRelease(&label, Qt::LeftButton, {}, QPoint(60, 10));
        QCOMPARE(events, (QStringList{QStringLiteral("down"), QStringLiteral("up"), QStringLiteral("click"),
                                      QStringLiteral("up")}));

        // A disabled label takes no clicks.
        events.clear();
        label.setEnabled(false);
        QTest::mouseClick(&label, Qt::LeftButton, {}, QPoint(5, 5));
        QVERIFY(events.isEmpty());
    }

    void labelKeepsItsCaptionAndShowsLineBreaks()
    {
        Label label;
        label.setCaption(QStringLiteral("Первая строка.\r\nВторая строка."));
        QCOMPARE(label.caption(), QStringLiteral("Первая строка.\r\nВторая строка."));
        QCOMPARE(label.text(), QStringLiteral("Первая строка.\nВторая строка."));
        // Plain text: nothing is markup.
        label.setCaption(QStringLiteral("10<sup>-9</sup> м"));
        QCOMPARE(label.textFormat(), Qt::PlainText);
    }

    void autoSizedLabelFitsItsText()
    {
        Label label;
        label.resize(10, 10);
        label.setAutoSize(true);
        label.setCaption(QStringLiteral("Длинная надпись, которая шире десяти пикселей"));
        QVERIFY(label.width() > 100);
        QVERIFY(!label.wordWrap());
    }

    void pointerOverLabelsAndShapes()
    {
        // A label takes the moves over it from its container; a shape does not.
        PictureBox page;
        page.resize(200, 100);
        Label label(&page);
        label.setGeometry(10, 10, 80, 20);
        Shape shape(&page);
        shape.setGeometry(100, 10, 80, 20);
        int pageMoves = 0;
        connect(&page, &PictureBox::mouseMoved, &page, [&] { ++pageMoves; });
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        QTest::mouseMove(&page, QPoint(20, 20));
        QCOMPARE(pageMoves, 0);
        QTest::mouseMove(&page, QPoint(120, 20));
        QCOMPARE(pageMoves, 1);
        QTest::mouseMove(&page, QPoint(150, 80));
        QCOMPARE(pageMoves, 2);
    }

    void persistentImageSurvivesHiding()
    {
        QWidget page;
        PictureBox box(&page);
        box.resize(100, 60);
        box.setBackgroundColour(Qt::white);
        box.setPersistentImage(true);
        QImage source(100, 116, QImage::Format_RGB32);
        source.fill(Qt::red);
        page.hide();
        // Drawn while hidden; a source rectangle partly below the picture
        // leaves the rest of the destination as it was.
        box.copyRect(source, QRect(0, 59, 50, 58), QPoint(10, 0));
        page.show();
        const QImage shown = box.grab().toImage();
        QCOMPARE(shown.pixelColor(10, 0), QColor(Qt::red));
        QCOMPARE(shown.pixelColor(59, 56), QColor(Qt::red));
        QCOMPARE(shown.pixelColor(30, 57), QColor(Qt::white));
        QCOMPARE(shown.pixelColor(70, 10), QColor(Qt::white));
    }

    // A press counts only when its key was up: X's release/press pairs with
    // one time are repeats whatever their flag, events made in code (time 0)
    // never pair, and a window that loses the keyboard forgets its keys.
    void heldKeysCountOnePress()
    {
        HeldKeys keys;
        QVERIFY(keys.press(Qt::Key_Return, false, 100));
        keys.release(Qt::Key_Return, 600);
        QVERIFY(!keys.press(Qt::Key_Return, false, 600));
        QVERIFY(keys.isDown(Qt::Key_Return));
        QVERIFY(!keys.press(Qt::Key_Return, true, 633));
        QVERIFY(keys.press(Qt::Key_1, false, 640)); // another key meanwhile
        keys.release(Qt::Key_Return, 700);
        QVERIFY(!keys.isDown(Qt::Key_Return));
        QVERIFY(keys.press(Qt::Key_Return, false, 702)); // a fast second tap
        keys.release(Qt::Key_Return, 0);
        QVERIFY(keys.press(Qt::Key_Return, false, 0));
        keys.clear();
        QVERIFY(keys.press(Qt::Key_1, false, 800));
    }

    void buttonTakesEnterAndSpace_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("Return") << int(Qt::Key_Return);
        QTest::newRow("Enter") << int(Qt::Key_Enter);
        QTest::newRow("Space") << int(Qt::Key_Space);
    }
    void buttonTakesEnterAndSpace()
    {
        QFETCH(int, key);
        QWidget window;
        CommandButton button(&window);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        button.setFocus();
        QSignalSpy clicks(&button, &QPushButton::clicked);
        QTest::keyClick(&button, Qt::Key(key));
        QCOMPARE(clicks.count(), 1);
    }
};

LIVENOR_TEST_MAIN(TestControls, QApplication)
#include "tst_controls.moc"
