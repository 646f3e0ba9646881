// What a pupil sees, on every screen: each text shows whole in its label in
// every state the windows reach, no text runs under a button, pictures come
// at the screen's density while the layout keeps its logical pixels, and
// borders and positions are exact. CTest runs it at QT_SCALE_FACTOR 1, 1.5
// and 2.

#include "quiz/animation.h"
#include "scriptedrandom.h"
#include "testsupport.h"
#include "ui/controls/imagecontrol.h"
#include "ui/controls/label.h"
#include "ui/controls/picturebox.h"
#include "ui/controls/twips.h"
#include "ui/main/frmmain.h"
#include "ui/start/frmloading.h"

#include <QFontInfo>
#include <QPushButton>
#include <QScreen>

#include <cmath>
#include <functional>

namespace {

QRect neededRect(const Label *label)
{
    int flags = int(label->alignment());
    if (label->wordWrap())
        flags |= Qt::TextWordWrap;
    return label->fontMetrics().boundingRect(label->contentsRect(), flags, label->text());
}

// Whether a picture box lies over the whole label (as the results panel
// lies over the last question's answers).
bool covered(const Label *label, const QWidget *window)
{
    const QRect drawn(label->mapTo(window, QPoint()), label->size());
    for (const PictureBox *box : window->findChildren<PictureBox *>()) {
        if (box->isVisibleTo(window) && !box->isAncestorOf(label)
            && QRect(box->mapTo(window, QPoint()), box->size()).contains(drawn))
            return true;
    }
    return false;
}

// Why the text of a shown label does not show whole; empty when it does.
QString clipping(const Label *label, const QWidget *window)
{
    const QString text = label->text();
    if (text.isEmpty())
        return QString();
    const QRect room = label->contentsRect();
    const QRect needed = neededRect(label);
    const QString what = label->objectName() + QStringLiteral(" «") + text + QStringLiteral("»: ");
    if (!room.contains(needed))
        return what + QStringLiteral("needs %1x%2 px, has %3x%4")
                          .arg(needed.width()).arg(needed.height()).arg(room.width()).arg(room.height());
    // Its containers cut it too, short of the window itself.
    for (const QWidget *c = label->parentWidget(); c != window; c = c->parentWidget()) {
        if (!c->rect().contains(QRect(label->mapTo(c, needed.topLeft()), needed.size())))
            return what + QStringLiteral("runs out of ") + c->objectName();
    }
    const QRect drawn(label->mapTo(window, needed.topLeft()), needed.size());
    for (const QPushButton *button : window->findChildren<QPushButton *>()) {
        if (button->isVisibleTo(window) && QRect(button->mapTo(window, QPoint()), button->size()).intersects(drawn))
            return what + QStringLiteral("runs under ") + button->objectName();
    }
    return QString();
}

// Where two pictures of the windows differ first; empty when they are equal.
QString difference(const QImage &a, const QImage &b)
{
    if (a.size() != b.size())
        return QStringLiteral("sizes %1x%2 and %3x%4").arg(a.width()).arg(a.height()).arg(b.width()).arg(b.height());
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32);
    for (int row = 0; row < x.height(); ++row) {
        for (int col = 0; col < x.width(); ++col) {
            if (x.pixel(col, row) != y.pixel(col, row))
                return QStringLiteral("at (%1, %2): %3 instead of %4")
                    .arg(col).arg(row).arg(QColor(y.pixel(col, row)).name(), QColor(x.pixel(col, row)).name());
        }
    }
    return QString();
}

// What the windows show: the start window, and the content box on the menu
// with a title under the pointer, on a question before and after a wrong
// answer (the answers locked and greyed, the verdict, the explanation, a
// mushroom grown), and on the results. `made` runs once the windows exist.
QList<QImage> windowPictures(const std::function<void()> &made)
{
    ScriptedRandom random;
    TestRun run;
    frmLoading start(random, run);
    frmMain &main = *start.mainWindow();
    made();
    start.show();
    main.show();
    if (!QTest::qWaitForWindowExposed(&start) || !QTest::qWaitForWindowExposed(&main))
        return {};
    QList<QImage> pictures{start.grab().toImage()};
    main.lblTestTitle_MouseMove(3);
    pictures << main.pchMain->grab().toImage();
    main.lblTestTitle_Click(3);
    pictures << main.pchMain->grab().toImage();
    for (int q = 0; q < 15; ++q) {
        const int right = run.Questions[static_cast<std::size_t>(q)].RightAnswer;
        main.lblAnswer_Click(static_cast<std::int16_t>(q == 0 ? (right + 1) % 3 : right));
        if (q == 0) {
            for (int tick = 0; tick < 20; ++tick)
                main.tmrAnimation_Timer();
            pictures << main.pchMain->grab().toImage();
        }
        main.cmdNextQuest_Click();
    }
    pictures << main.pchMain->grab().toImage();
    return pictures;
}

} // namespace

class TestScreens : public testsupport::StrictTest
{
    Q_OBJECT

private slots:
    // The start window, the menu, each question of each test before and
    // after its answer, and the results of every score.
    void everyTextShowsWhole()
    {
        ScriptedRandom random;
        TestRun run;
        frmLoading start(random, run);
        frmMain &main = *start.mainWindow();
        QSet<QString> texts;
        QStringList problems;
        auto check = [&](QWidget *window) {
            for (const Label *label : window->findChildren<Label *>()) {
                if (!label->isVisibleTo(window) || covered(label, window))
                    continue;
                texts.insert(label->text());
                const QString problem = clipping(label, window);
                if (!problem.isEmpty() && !problems.contains(problem))
                    problems << problem;
            }
        };

        // The faces asked for are the faces drawn with, not stand-ins.
        for (const QWidget *window : {static_cast<QWidget *>(&start), static_cast<QWidget *>(&main)}) {
            for (const Label *label : window->findChildren<Label *>())
                QCOMPARE(QFontInfo(label->font()).family(), label->font().family());
        }

        check(&start);
        while (start.progress().state() != LoadingProgress::State::Ready) {
            random.pushStep(start.progress().state() == LoadingProgress::State::Full ? 0 : 10);
            if (start.progress().intTicks() > 10)
                random.push({0.0f, 0.0f, 0.0f});
            start.tmrLoading_Timer();
        }
        check(&start);
        check(&main);
        QSet<int> scores;
        for (std::int16_t k = 0; k < main.lblTestTitle.size(); ++k) {
            main.lblTestTitle_Click(k);
            const int right = k % 16;
            for (int q = 0; q < 15; ++q) {
                check(&main);
                const int rightAnswer = run.Questions[static_cast<std::size_t>(q)].RightAnswer;
                main.lblAnswer_Click(static_cast<std::int16_t>(q < right ? rightAnswer : (rightAnswer + 1) % 3));
                check(&main);
                main.cmdNextQuest_Click();
            }
            QVERIFY(main.pchResult->isVisibleTo(&main));
            scores.insert(run.RightCount);
            check(&main);
        }
        QCOMPARE(scores.size(), 16);
        // One line each: the test's own message would be cut short.
        for (const QString &problem : std::as_const(problems))
            qInfo("%s", qPrintable(problem));
        qInfo("%lld distinct texts checked, %lld do not show whole", qint64(texts.size()), qint64(problems.size()));
        QVERIFY(problems.isEmpty());
    }

    // The desktop's colour scheme changes nothing in the windows: handed a
    // dark palette before they exist (for the application and, as desktop
    // themes do, for labels and buttons apart), or a cream one and then a
    // dark one while they run, they show exactly what the default palette
    // gives them.
    void desktopPaletteChangesNothing()
    {
        const QPalette standard = QApplication::palette();
        const QPalette dark(QColor(53, 53, 53));
        const QPalette cream(QColor(255, 244, 214));
        QVERIFY(dark.color(QPalette::Text) == Qt::white && dark.color(QPalette::Base) == Qt::black);
        auto setDesktopPalette = [](const QPalette &palette) {
            QApplication::setPalette(palette);
            QApplication::setPalette(palette, "QLabel");
            QApplication::setPalette(palette, "QAbstractButton");
        };

        const QList<QImage> expected = windowPictures([] {});
        QCOMPARE(expected.size(), 5);
        setDesktopPalette(dark);
        const QList<QImage> darkFromStart = windowPictures([] {});
        setDesktopPalette(cream);
        const QList<QImage> changedWhileRunning = windowPictures([&] { setDesktopPalette(dark); });
        setDesktopPalette(standard);

        for (const QList<QImage> *run : {&darkFromStart, &changedWhileRunning}) {
            QCOMPARE(run->size(), expected.size());
            for (int i = 0; i < expected.size(); ++i)
                QVERIFY2(difference(expected[i], run->at(i)).isEmpty(),
                         qPrintable(QStringLiteral("picture %1 of the %2 run differs %3")
                                        .arg(i)
                                        .arg(QLatin1String(run == &darkFromStart ? "dark" : "changed"))
                                        .arg(difference(expected[i], run->at(i)))));
        }
    }

    // The pictures come at the screens' density but keep their logical sizes,
    // and so does the layout.
    void picturesMatchTheScreen()
    {
        const qreal screen = qApp->devicePixelRatio();
        const int density = screen > 1 ? 2 : 1;
        QCOMPARE(pictures::density(), density);
        for (int i = int(pictures::Id::Tile); i <= int(pictures::Id::StartBackground); ++i) {
            const auto id = pictures::Id(i);
            const QImage &image = pictures::image(id);
            QCOMPARE(image.deviceIndependentSize().toSize(), pictures::size(id));
            QCOMPARE(image.devicePixelRatio(), qreal(density));
            QVERIFY(image.width() >= pictures::size(id).width() * screen);
        }
        QCOMPARE(pictures::size(pictures::Id::Marker), QSize(35, 24));

        ScriptedRandom random;
        TestRun run;
        frmMain form(run, random);
        form.resize(1280, 1024);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QCOMPARE(form.devicePixelRatio(), screen);
        QCOMPARE(form.pchMain->size(), QSize(887, 666));
        for (const ImageControl *image : form.findChildren<ImageControl *>())
            QCOMPARE(image->size() * twips::PerPixel, twips::geometry(image).size());
        const QImage &strip = form.pchMushPlace->persistentImage();
        QCOMPARE(strip.devicePixelRatio(), qreal(density));
        QCOMPARE(strip.deviceIndependentSize().toSize(), form.pchMushPlace->size());

        // Where the screen has the pictures' density, the window shows their
        // own pixels: the tile in the margin, the backdrop in the content
        // box, a cell of the strip.
        form.lblTestTitle_Click(0);
        form.lblAnswer_Click(0);
        for (int i = 0; i < 20; ++i)
            form.tmrAnimation_Timer();
        const QImage shot = form.grab().toImage();
        QCOMPARE(shot.devicePixelRatio(), screen);
        if (screen != density)
            return;
        auto shown = [&](const QWidget *w, QPoint logical, QPoint pixel) {
            return shot.pixelColor((w->mapTo(&form, logical) * density) + pixel);
        };
        const QImage &tile = pictures::image(pictures::Id::Tile);
        const QImage &backdrop = pictures::image(pictures::Id::Backdrop);
        const QImage &sheet = pictures::image(pictures::Id::Mushrooms);
        for (const QPoint pixel : {QPoint(0, 0), QPoint(density - 1, density - 1), QPoint(density - 1, 0)}) {
            QCOMPARE(shown(&form, QPoint(5, 7), pixel), tile.pixelColor(QPoint(5, 7) * density + pixel));
            QCOMPARE(shown(form.pchMain, QPoint(8, 640), pixel), backdrop.pixelColor(QPoint(8, 640) * density + pixel));
            const QPoint inCell(25, 40);
            const QPoint inSprite = animation::spriteRect(19, run.MushKind[0]).topLeft() + inCell;
            QCOMPARE(shown(form.pchMushPlace, inCell, pixel), sheet.pixelColor(inSprite * density + pixel));
        }
    }

    // The strip fills the inside of its box and leaves the border whole.
    void progressStripStaysInsideTheBorder()
    {
        ScriptedRandom random;
        frmLoading w(random);
        while (w.progress().state() == LoadingProgress::State::Filling) {
            random.pushStep(10);
            if (w.progress().intTicks() > 10)
                random.push({0.0f, 0.0f, 0.0f});
            w.tmrLoading_Timer();
        }
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const QImage box = w.pchLoading->grab().toImage();
        const QColor border = w.pchLoading->palette().color(QPalette::WindowText);
        const int right = box.width() - 1, bottom = box.height() - 1;
        for (int x = 0; x <= right; ++x) {
            QCOMPARE(box.pixelColor(x, 0), border);
            QCOMPARE(box.pixelColor(x, bottom), border);
        }
        for (int y = 0; y <= bottom; ++y) {
            QCOMPARE(box.pixelColor(0, y), border);
            QCOMPARE(box.pixelColor(right, y), border);
        }
        const int inset = int(std::ceil(box.devicePixelRatio()));
        for (const QPoint inside : {QPoint(inset, inset), QPoint(right - inset, bottom - inset), box.rect().center()})
            QCOMPARE(box.pixelColor(inside), QColor(255, 255, 0));
    }

    // The window's frame, title bar included, stands in the middle of the
    // screen's work area.
    void startWindowIsCentredByItsFrame()
    {
        ScriptedRandom random;
        frmLoading w(random);
        w.showCentred();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCOMPARE(w.size(), QSize(400, 265));
        QVERIFY(w.frameGeometry().size() != w.size());
        const QPoint off = w.frameGeometry().center() - w.screen()->availableGeometry().center();
        QVERIFY2(qAbs(off.x()) <= 1 && qAbs(off.y()) <= 1, qPrintable(QStringLiteral("%1,%2").arg(off.x()).arg(off.y())));
    }
};

LIVENOR_TEST_MAIN(TestScreens, QApplication)
#include "tst_screens.moc"
