// The main window as it is built: controls, menu, layout and background.

#include "bank/catalogue.h"
#include "scriptedrandom.h"
#include "testsupport.h"
#include "ui/controls/commandbutton.h"
#include "ui/controls/fonts.h"
#include "ui/controls/label.h"
#include "ui/controls/picturebox.h"
#include "ui/controls/pictures.h"
#include "ui/controls/shape.h"
#include "ui/controls/windowtimer.h"
#include "ui/main/frmmain.h"
#include "ui/main/layoutmath.h"
#include "windowsupport.h"

#include <QFontInfo>
#include <QPushButton>

using windowsupport::control;
using windowsupport::twipsOf;

class TestMainWindow : public testsupport::StrictTest
{
    Q_OBJECT

    TestRun m_run;
    ScriptedRandom m_random;

private slots:
    void controlsStandWhereTheDesignPutsThem_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("container");
        QTest::addColumn<QRect>("twips");
        QTest::addColumn<bool>("shown");
        QTest::addColumn<int>("fontPx");

        QTest::newRow("pchMain") << "pchMain" << "frmMain" << QRect(1080, 960, 13300, 9990) << true << 11;
        QTest::newRow("pchBodybg") << "pchBodybg" << "frmMain" << QRect(14520, 6240, 1455, 1215) << false << 11;
        QTest::newRow("cmdMenu") << "cmdMenu" << "pchMain" << QRect(10560, 600, 2175, 375) << false << 11;
        QTest::newRow("lblTitle") << "lblTitle" << "pchMain" << QRect(1680, 360, 10965, 630) << true << 37;
        QTest::newRow("pchResult") << "pchResult" << "pchLayer(1)" << QRect(120, 480, 11415, 4935) << false << 11;
        QTest::newRow("cmdRetest") << "cmdRetest" << "pchResult" << QRect(240, 3240, 3855, 615) << true << 16;
        QTest::newRow("lblResultDescription") << "lblResultDescription" << "pchResult"
                                              << QRect(240, 960, 8775, 1095) << true << 13;
        QTest::newRow("cmdNextQuest") << "cmdNextQuest" << "pchLayer(1)" << QRect(360, 4440, 3135, 615) << true << 16;
        QTest::newRow("pchMushPlace") << "pchMushPlace" << "pchLayer(1)" << QRect(120, 6240, 11295, 990) << true << 11;
        QTest::newRow("lblTextResult") << "lblTextResult" << "pchLayer(1)" << QRect(360, 3720, 2175, 735) << false << 24;
        QTest::newRow("lblAnswer(2)") << "lblAnswer(2)" << "grpQuestion" << QRect(840, 2760, 10455, 615) << true << 16;
        QTest::newRow("imgMarker") << "imgMarker" << "pchLayer(1)" << QRect(240, 1320, 525, 360) << false << 11;
        QTest::newRow("lblTestQuest") << "lblTestQuest" << "pchLayer(1)" << QRect(120, 120, 11295, 1095) << true << 18;
        QTest::newRow("pchLayer(0)") << "pchLayer(0)" << "pchMain" << QRect(840, 1440, 11535, 7695) << true << 11;
        QTest::newRow("cmdRandomTest") << "cmdRandomTest" << "pchLayer(0)" << QRect(8040, 6120, 2295, 495) << true << 13;
        QTest::newRow("Label1") << "Label1" << "pchLayer(0)" << QRect(8040, 6720, 3255, 495) << true << 11;
        QTest::newRow("lblGroupTitle(3)") << "lblGroupTitle(3)" << "pchLayer(0)" << QRect(120, 4920, 3135, 360) << true << 18;
        QTest::newRow("shpHLight") << "shpHLight" << "pchLayer(0)" << QRect(120, 720, 2295, 375) << false << 11;
    }
    void controlsStandWhereTheDesignPutsThem()
    {
        QFETCH(QString, name);
        QFETCH(QString, container);
        QFETCH(QRect, twips);
        QFETCH(bool, shown);
        QFETCH(int, fontPx);
        frmMain form(m_run, m_random);
        QWidget *c = control(&form, name);
        QCOMPARE(c->parentWidget()->objectName(), container);
        QCOMPARE(twips::geometry(c), twips);
        QCOMPARE(c->geometry(), QRect(twips::toPixels(twips.x()), twips::toPixels(twips.y()),
                                      twips::toPixels(twips.width()), twips::toPixels(twips.height())));
        QCOMPARE(!c->isHidden(), shown);
        QCOMPARE(c->font().pixelSize(), fontPx);
    }

    void windowedControlsLieAboveWindowless()
    {
        frmMain form(m_run, m_random);
        for (QWidget *container : form.findChildren<QWidget *>()) {
            int highestWindowless = -1;
            int lowestWindowed = INT_MAX;
            const QObjectList children = container->children();
            for (int i = 0; i < children.size(); ++i) {
                if (qobject_cast<PictureBox *>(children[i]) || qobject_cast<QPushButton *>(children[i]))
                    lowestWindowed = std::min(lowestWindowed, i);
                else if (qobject_cast<QWidget *>(children[i]))
                    highestWindowless = std::max(highestWindowless, i);
            }
            QVERIFY2(highestWindowless < lowestWindowed, qPrintable(container->objectName()));
        }
        // Among siblings of one kind, the design's order: pchMush over pchResult
        // over cmdNextQuest over pchMushPlace; lblTextResult over the answers' group.
        const QObjectList page = control(&form, QStringLiteral("pchLayer(1)"))->children();
        auto at = [&](const char *name) { return page.indexOf(form.findChild<QObject *>(QString::fromLatin1(name))); };
        QVERIFY(at("pchMush") > at("pchResult"));
        QVERIFY(at("pchResult") > at("cmdNextQuest"));
        QVERIFY(at("cmdNextQuest") > at("pchMushPlace"));
        QVERIFY(at("lblTextResult") > at("grpQuestion"));
        QVERIFY(at("grpQuestion") > at("lblTestQuest"));
    }

    void windowAndTextsAtFirstShow()
    {
        frmMain form(m_run, m_random);
        QVERIFY(form.windowTitle().endsWith(QStringLiteral(" - Ливенор 2.0")));
        QVERIFY(form.windowTitle().size() > 14);
        QCOMPARE(form.size(), QSize(1116, 739));
        QCOMPARE(form.lblTitle->caption(), QStringLiteral("Тесты по биологии"));
        QCOMPARE(form.Label2->caption(), QStringLiteral("http://bioluk.ru"));
        QVERIFY(!form.Label3->caption().isEmpty());
        // The link and the slogan size themselves to their texts and stay apart.
        QVERIFY(form.Label2->geometry().right() < form.Label3->geometry().left());
        QVERIFY(form.Label3->geometry().right() < form.pchMain->width());
        QCOMPARE(form.tmrAnimation->interval(), 0);
        QVERIFY(!form.tmrAnimation->isRunning());
        QCOMPARE(form.lblResultPercent->caption(), QStringLiteral("0 из 15"));
        QVERIFY(form.lblResultPercent->autoFillBackground()); // opaque
        QVERIFY(!form.cmdNextQuest->isEnabled());
        for (int k = 0; k < 3; ++k)
            QCOMPARE(form.lblAnswer(k)->cursor().hotSpot(), QPoint(12, 5));
        // Pictures at their natural sizes.
        QCOMPARE(form.pchBodybg->picture().size(), QSize(300, 300));
        QCOMPARE(form.pchMain->picture().size(), QSize(888, 666));
        QCOMPARE(form.spriteSheet().size(), QSize(1000, 116));
        QCOMPARE(control(&form, QStringLiteral("imgMarker"))->size(), QSize(35, 24));
        QCOMPARE(control(&form, QStringLiteral("imgGrass"))->size(), QSize(750, 13));
        QCOMPARE(control(&form, QStringLiteral("imgFinish"))->size(), QSize(128, 128));
        QCOMPARE(form.windowIcon().availableSizes(), (QList<QSize>{{16, 16}, {32, 32}, {48, 48}, {64, 64}, {128, 128}}));
    }

    void fontsHaveCyrillicGlyphs()
    {
        frmMain form(m_run, m_random);
        for (Label *label : form.findChildren<Label *>()) {
            const QFontMetrics metrics(label->font());
            QVERIFY2(metrics.inFont(QChar(u'Ж')) && metrics.inFont(QChar(u'ё')), qPrintable(label->objectName()));
            QCOMPARE(QFontInfo(label->font()).family(), label->font().family());
        }
        QCOMPARE(QFontInfo(form.lblTitle->font()).family(), fonts::family(fonts::Face::Serif));
        QVERIFY(QFontInfo(form.lblTestQuest->font()).bold());
        QVERIFY(form.Label2->font().underline());
    }

    void menuFollowsTheBank_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("top");
        QTest::addColumn<QString>("caption");
        // First and last title of every section.
        QTest::newRow("101") << 0 << 240 << 780 << QStringLiteral("Выделение");
        QTest::newRow("111") << 10 << 240 << 3780 << QStringLiteral("Размножение и развитие");
        QTest::newRow("112") << 11 << 4200 << 780 << QStringLiteral("Бактерии, грибы, лишайники");
        QTest::newRow("120") << 19 << 4200 << 3180 << QStringLiteral("Семя");
        QTest::newRow("121") << 20 << 8160 << 780 << QStringLiteral("Земноводные");
        QTest::newRow("132") << 31 << 8160 << 4080 << QStringLiteral("Рыбы");
        QTest::newRow("133") << 32 << 240 << 5340 << QStringLiteral("Генетика");
        QTest::newRow("138") << 37 << 240 << 6840 << QStringLiteral("Химический состав клетки");
        QTest::newRow("139") << 38 << 4200 << 5340 << QStringLiteral("Животные");
        QTest::newRow("142") << 41 << 4200 << 6240 << QStringLiteral("Рыбы");
    }
    void menuFollowsTheBank()
    {
        QFETCH(int, index);
        QFETCH(int, left);
        QFETCH(int, top);
        QFETCH(QString, caption);
        frmMain form(m_run, m_random);
        QCOMPARE(form.lblTestTitle.size(), 42);
        Label *title = form.lblTestTitle(index);
        QCOMPARE(title->objectName(), QStringLiteral("lblTestTitle(%1)").arg(index));
        QCOMPARE(twips::geometry(title), QRect(left, top, 3240, 300));
        QCOMPARE(title->caption(), caption);
        QCOMPARE(title->tag(), QString::number(101 + index));
        QVERIFY(!title->isHidden());
        QCOMPARE(title->font(), form.lblTestTitle(0)->font());
        QCOMPARE(title->cursor().hotSpot(), QPoint(12, 5));
    }

    void equalTitlesCarryTheirOwnNumbers()
    {
        frmMain form(m_run, m_random);
        QCOMPARE(form.lblTestTitle(24)->caption(), form.lblTestTitle(39)->caption());
        QCOMPARE(form.lblTestTitle(24)->tag(), QStringLiteral("125"));
        QCOMPARE(form.lblTestTitle(39)->tag(), QStringLiteral("140"));
        // Titles 300 twips apart whatever the width of their text.
        for (int k = 1; k <= 10; ++k)
            QCOMPARE(twips::geometry(form.lblTestTitle(k)).top() - twips::geometry(form.lblTestTitle(k - 1)).top(), 300);
    }

    void questionPageLiesOverTheMenu()
    {
        frmMain form(m_run, m_random);
        QCOMPARE(twips::geometry(form.pchLayer(1)), twips::geometry(form.pchLayer(0)));
        QCOMPARE(form.pchLayer(1)->geometry(), form.pchLayer(0)->geometry());
        QVERIFY(form.pchLayer(1)->isHidden());
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, form.lblGroupTitle(5));
    }

    void contentStaysCentred_data()
    {
        QTest::addColumn<QSize>("requested");
        QTest::newRow("design size") << QSize(1116, 739);
        QTest::newRow("large") << QSize(1600, 1000);
        QTest::newRow("odd difference") << QSize(1287, 867);
        QTest::newRow("too narrow") << QSize(400, 900);
        QTest::newRow("too low") << QSize(1200, 100);
        QTest::newRow("tiny") << QSize(1, 1);
    }
    void contentStaysCentred()
    {
        QFETCH(QSize, requested);
        frmMain form(m_run, m_random);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        const QSize frame = form.frameGeometry().size() - form.size();
        form.resize(requested);
        // The outer size never falls below the content box; a dimension that
        // was large enough keeps the size asked for.
        const QSize outer(std::max(requested.width() + frame.width(), 887),
                          std::max(requested.height() + frame.height(), 666));
        QTRY_COMPARE(form.frameGeometry().size(), outer);
        const QPointF expected = layoutmath::centred(form.size(), QSizeF(layoutmath::ContentWidth, layoutmath::ContentHeight));
        QCOMPARE(form.pchMainPosition(), expected);
        QCOMPARE(form.pchMain->pos(), QPoint(layoutmath::toPixel(expected.x()), layoutmath::toPixel(expected.y())));
        // The controls inside never move relative to the content box.
        QCOMPARE(form.lblTitle->pos(), QPoint(112, 24));
    }

    void minimisedAndRestored()
    {
        frmMain form(m_run, m_random);
        form.resize(1300, 900);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        const QPoint centred = form.pchMain->pos();
        form.showMinimized();
        QCoreApplication::processEvents();
        form.showNormal();
        QCoreApplication::processEvents();
        QCOMPARE(form.pchMain->pos(), centred);
        form.showMaximized();
        QCoreApplication::processEvents();
        const QPointF expected = layoutmath::centred(form.size(), QSizeF(layoutmath::ContentWidth, layoutmath::ContentHeight));
        QCOMPARE(form.pchMainPosition(), expected);
    }

    void renderedWindow()
    {
        frmMain form(m_run, m_random);
        form.resize(1280, 1024);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        const QImage shot = form.grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QString out = qEnvironmentVariable("LIVENOR_TEST_OUTPUT", QStringLiteral("."));
        QVERIFY(shot.save(out + QStringLiteral("/mainwindow-1280x1024.png")));

        // The margin shows the tile laid from the client area's origin.
        const QImage tile = pictures::image(pictures::Id::Tile);
        for (const QPoint p : {QPoint(5, 5), QPoint(310, 20), QPoint(1275, 1020), QPoint(20, 700)}) {
            QVERIFY(!form.pchMain->geometry().contains(p));
            QCOMPARE(shot.pixelColor(p), tile.pixelColor(p.x() % 300, p.y() % 300));
        }
        // The backdrop shows in the content box where nothing covers it.
        const QImage backdrop = pictures::image(pictures::Id::Backdrop);
        const QPoint inBox(8, 640);
        QCOMPARE(shot.pixelColor(form.pchMain->pos() + inBox), backdrop.pixelColor(inBox));
        // Five green headings.
        for (int g = 0; g < 5; ++g) {
            const QRect heading(form.lblGroupTitle(g)->mapTo(&form, QPoint()), form.lblGroupTitle(g)->size());
            int green = 0;
            for (int y = heading.top(); y <= heading.bottom(); ++y)
                for (int x = heading.left(); x <= heading.right(); ++x)
                    green += shot.pixelColor(x, y) == QColor(0, 128, 0);
            QVERIFY2(green > 20, qPrintable(QStringLiteral("heading %1").arg(g)));
        }
        // No placeholder text anywhere in sight.
        for (Label *label : form.findChildren<Label *>()) {
            if (!label->isVisibleTo(&form))
                continue;
            for (const QString &placeholder : {QStringLiteral("тест1"), QStringLiteral("Ответ"),
                                               QStringLiteral("Вопрос"), QStringLiteral("Правильно"),
                                               QStringLiteral("0 из 15")})
                QVERIFY2(label->caption() != placeholder, qPrintable(label->objectName()));
        }
    }

    void backgroundIsNeverShownThroughChildren()
    {
        frmMain form(m_run, m_random);
        form.resize(1280, 1024);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        // pchBodybg stays hidden; it is only the source of the tiles.
        QVERIFY(form.pchBodybg->isHidden());
        const QImage shot = form.grab().toImage();
        const QPoint menuPoint = form.pchLayer(0)->mapTo(&form, QPoint(300, 480));
        QCOMPARE(shot.pixelColor(menuPoint), form.pchLayer(0)->backgroundColour());
    }
};

LIVENOR_TEST_MAIN(TestMainWindow, QApplication)
#include "tst_mainwindow.moc"
