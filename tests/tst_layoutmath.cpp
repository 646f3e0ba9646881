// The arithmetic of the main window's layout and tiled background.

#include "testsupport.h"
#include "ui/main/layoutmath.h"

class TestLayoutMath : public testsupport::StrictTest
{
    Q_OBJECT

private slots:
    void centring_data()
    {
        QTest::addColumn<QSize>("client");
        QTest::addColumn<QSizeF>("content");
        QTest::addColumn<QPointF>("position");
        QTest::newRow("100 wider") << QSize(200, 100) << QSizeF(100, 100) << QPointF(50, 0);
        QTest::newRow("101 wider") << QSize(201, 100) << QSizeF(100, 100) << QPointF(50.5, 0);
        QTest::newRow("smaller cuts equally") << QSize(80, 60) << QSizeF(100, 100) << QPointF(-10, -20);
        QTest::newRow("empty client") << QSize(0, 0) << QSizeF(100, 66) << QPointF(-50, -33);
    }
    void centring()
    {
        QFETCH(QSize, client);
        QFETCH(QSizeF, content);
        QFETCH(QPointF, position);
        QCOMPARE(layoutmath::centred(client, content), position);
    }

    void contentBoxOfTheMainWindow()
    {
        // 13300 x 9990 twips: fractional width, whole height.
        const QSizeF content(layoutmath::ContentWidth, layoutmath::ContentHeight);
        const QPointF p = layoutmath::centred(QSize(1920, 1050), content);
        QVERIFY(qAbs(p.x() - (1920 - 886.6667) / 2) < 1e-3);
        QCOMPARE(p.y(), 192.0);
        QCOMPARE(layoutmath::toPixel(516.5), 516); // halves to even
        QCOMPARE(layoutmath::toPixel(517.5), 518);
    }

    void neverSmallerThanTheContent_data()
    {
        QTest::addColumn<QSize>("outer");
        QTest::addColumn<QSize>("grown");
        QTest::newRow("large enough") << QSize(1116, 739) << QSize(1116, 739);
        QTest::newRow("too narrow") << QSize(500, 739) << QSize(887, 739);
        QTest::newRow("too low") << QSize(1116, 300) << QSize(1116, 666);
        QTest::newRow("both") << QSize(10, 10) << QSize(887, 666);
    }
    void neverSmallerThanTheContent()
    {
        QFETCH(QSize, outer);
        QFETCH(QSize, grown);
        const QSizeF content(layoutmath::ContentWidth, layoutmath::ContentHeight);
        QCOMPARE(layoutmath::atLeastContent(outer, content), grown);
    }

    void tileCounts_data()
    {
        QTest::addColumn<int>("extent");
        QTest::addColumn<int>("lastIndex");
        QTest::newRow("1920") << 1920 << 6;
        QTest::newRow("1080") << 1080 << 4;
        QTest::newRow("1050 rounds half up to even 4") << 1050 << 4;
        QTest::newRow("750 rounds half down to even 2") << 750 << 2;
        QTest::newRow("1280") << 1280 << 4;
        QTest::newRow("1024") << 1024 << 3;
        QTest::newRow("3840") << 3840 << 13;
        QTest::newRow("0") << 0 << 0;
    }
    void tileCounts()
    {
        QFETCH(int, extent);
        QFETCH(int, lastIndex);
        QCOMPARE(layoutmath::lastTileIndex(extent), lastIndex);
        // Both ends are drawn, so the tiles reach at least about the extent.
        QVERIFY((lastIndex + 1) * layoutmath::TileSize >= extent - layoutmath::TileSize / 2);
    }
};

LIVENOR_TEST_MAIN(TestLayoutMath, QCoreApplication)
#include "tst_layoutmath.moc"
