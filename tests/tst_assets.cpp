// The embedded pictures: formats and pixel sizes that positions and drawing
// depend on, checked in the files' own bytes; the fonts' coverage of the bank.

#include "bank/mdltestdata.h"
#include "testsupport.h"
#include "ui/controls/fonts.h"
#include "ui/controls/pictures.h"

#include <QFile>
#include <QFontInfo>
#include <QImageReader>
#include <QRawFont>

namespace {

QByteArray bytesOf(const char *resource)
{
    QFile f(QString::fromLatin1(resource));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

quint16 le16(const QByteArray &b, int at)
{
    return quint16(quint8(b[at]) | quint8(b[at + 1]) << 8);
}

} // namespace

class TestAssets : public testsupport::StrictTest
{
    Q_OBJECT

private slots:
    void picturesHaveTheirFormatsAndSizes_data()
    {
        QTest::addColumn<QString>("resource");
        QTest::addColumn<QByteArray>("format");
        QTest::addColumn<QSize>("size");
        QTest::newRow("tile") << ":/assets/tile.jpg" << QByteArray("jpeg") << QSize(300, 300);
        QTest::newRow("backdrop") << ":/assets/backdrop.jpg" << QByteArray("jpeg") << QSize(888, 666);
        QTest::newRow("sprite sheet") << ":/assets/mushrooms.gif" << QByteArray("gif") << QSize(1000, 116);
        QTest::newRow("finish") << ":/assets/finish.jpg" << QByteArray("jpeg") << QSize(128, 128);
        QTest::newRow("grass") << ":/assets/grass.gif" << QByteArray("gif") << QSize(750, 13);
        QTest::newRow("wrong mark") << ":/assets/wrong.jpg" << QByteArray("jpeg") << QSize(24, 24);
        QTest::newRow("right mark") << ":/assets/right.jpg" << QByteArray("jpeg") << QSize(24, 24);
        QTest::newRow("marker") << ":/assets/marker.gif" << QByteArray("gif") << QSize(35, 24);
        QTest::newRow("start background") << ":/assets/start-background.jpg" << QByteArray("jpeg") << QSize(400, 327);
        // Qt's icon reader reads cursors too and names them so.
        QTest::newRow("pointer") << ":/assets/hand.cur" << QByteArray("ico") << QSize(32, 32);
    }
    void picturesHaveTheirFormatsAndSizes()
    {
        QFETCH(QString, resource);
        QFETCH(QByteArray, format);
        QFETCH(QSize, size);
        QImageReader reader(resource);
        QCOMPARE(reader.format(), format);
        const QImage image = reader.read();
        QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
        QCOMPARE(image.size(), size);
    }

    void iconSetHasEverySizeOnATransparentGround_data()
    {
        QTest::addColumn<int>("side");
        for (const int side : {16, 32, 48, 64, 128})
            QTest::newRow(qPrintable(QString::number(side))) << side;
    }
    void iconSetHasEverySizeOnATransparentGround()
    {
        QFETCH(int, side);
        QImageReader reader(QStringLiteral(":/icons/%1.png").arg(side));
        QCOMPARE(reader.format(), QByteArray("png"));
        const QImage image = reader.read().convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(image.size(), QSize(side, side));
        for (const QPoint corner : {QPoint(0, 0), QPoint(side - 1, 0), QPoint(0, side - 1), QPoint(side - 1, side - 1)})
            QCOMPARE(qAlpha(image.pixel(corner)), 0);
        QCOMPARE(qAlpha(image.pixel(side / 2, side / 2)), 255);
        // The windows' icon hands out this very picture at this size, not
        // another one scaled.
        const QIcon &icon = pictures::windowIcon();
        QVERIFY(icon.availableSizes().contains(QSize(side, side)));
        constexpr QImage::Format Premultiplied = QImage::Format_ARGB32_Premultiplied;
        QCOMPARE(icon.pixmap(QSize(side, side)).toImage().convertToFormat(Premultiplied),
                 image.convertToFormat(Premultiplied));
    }

    void pointerIsA16ColourCursorWithItsHotSpot()
    {
        const QByteArray b = bytesOf(":/assets/hand.cur");
        QCOMPARE(le16(b, 2), quint16(2)); // cursor
        QCOMPARE(le16(b, 4), quint16(1));
        QCOMPARE(quint8(b[8]), quint8(16)); // colours in the palette
        QCOMPARE(le16(b, 10), quint16(12)); // hot spot x
        QCOMPARE(le16(b, 12), quint16(5));  // hot spot y
        // Qt's reader drops the hot spot; the program gives it in code.
        QCOMPARE(pictures::handCursor().hotSpot(), QPoint(12, 5));
        QCOMPARE(pictures::handCursor().pixmap().size(), QSize(32, 32));
    }

    void backdropIsProgressive()
    {
        // A progressive JPEG has a start-of-frame-2 marker, a baseline one SOF0.
        QVERIFY(bytesOf(":/assets/backdrop.jpg").contains(QByteArray("\xFF\xC2", 2)));
        QVERIFY(bytesOf(":/assets/tile.jpg").contains(QByteArray("\xFF\xC0", 2)));
    }

    // Every character the bank holds, in each face the program draws with
    // and in the copy of it that the program carries.
    void fontsHaveEveryCharacterOfTheBank_data()
    {
        QTest::addColumn<QFont>("font");
        QTest::addColumn<QString>("carried");
        // LIVENOR_FONT_COPIES: ":/fonts" where the program carries them,
        // otherwise the system's directory.
        QTest::newRow("sans") << fonts::font({fonts::Face::Sans, 13})
                              << QStringLiteral(LIVENOR_FONT_COPIES "/LiberationSans-Regular.ttf");
        QTest::newRow("sans bold") << fonts::font({fonts::Face::Sans, 16, true})
                                   << QStringLiteral(LIVENOR_FONT_COPIES "/LiberationSans-Bold.ttf");
        QTest::newRow("serif") << fonts::font({fonts::Face::Serif, 37})
                               << QStringLiteral(LIVENOR_FONT_COPIES "/LiberationSerif-Regular.ttf");
    }
    void fontsHaveEveryCharacterOfTheBank()
    {
        QFETCH(QFont, font);
        QFETCH(QString, carried);
        QSet<char32_t> characters;
        for (std::int16_t n = catalogue::FirstTest; n <= catalogue::LastTest; ++n) {
            for (const char32_t c : mdlTestData::GetTestData(n).toUcs4()) {
                if (QChar::isPrint(c))
                    characters.insert(c);
            }
        }
        QVERIFY(characters.size() > 66); // the Cyrillic alphabet at least
        // The program carries its copies exactly where it is built to.
        QCOMPARE(QFile::exists(QStringLiteral(":/fonts/LiberationSans-Regular.ttf")), LIVENOR_CARRIES_FONTS);

        // The face asked for is the face drawn with, not a stand-in.
        QCOMPARE(QFontInfo(font).family(), font.family());
        QCOMPARE(QFontInfo(font).bold(), font.bold());
        const QFontMetrics metrics(font);
        QFile file(carried);
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(carried));
        const QRawFont copy(file.readAll(), font.pixelSize());
        QVERIFY(copy.isValid());
        QString missing;
        for (const char32_t c : std::as_const(characters)) {
            if (!metrics.inFontUcs4(c) || !copy.supportsCharacter(c))
                missing += QStringLiteral(" U+%1").arg(uint(c), 4, 16, QLatin1Char('0'));
        }
        QVERIFY2(missing.isEmpty(), qPrintable(QStringLiteral("missing:") + missing));
    }

    void spriteSheetFrames()
    {
        const QImage sheet = pictures::image(pictures::Id::Mushrooms);
        QCOMPARE(sheet.pixelColor(0, 0), QColor(Qt::white));
        // Frames 0 and 1 of both rows are bare grass and identical.
        QCOMPARE(sheet.copy(0, 0, 50, 58), sheet.copy(50, 0, 50, 58));
        QCOMPARE(sheet.copy(0, 59, 50, 57), sheet.copy(50, 59, 50, 57));
        // The mushroom grows: more non-white pixels from frame to frame.
        auto coloured = [&](int frame, int top, int rows) {
            int n = 0;
            for (int y = top; y < top + rows; ++y)
                for (int x = frame * 50; x < frame * 50 + 50; ++x)
                    n += sheet.pixelColor(x, y) != QColor(Qt::white);
            return n;
        };
        for (int row = 0; row < 2; ++row) {
            const int top = row * 59;
            const int rows = row == 0 ? 58 : 57;
            QVERIFY(coloured(2, top, rows) > coloured(1, top, rows));
            for (int f = 3; f < 20; ++f)
                QVERIFY(coloured(f, top, rows) >= coloured(f - 1, top, rows));
            QVERIFY(coloured(19, top, rows) > 2 * coloured(0, top, rows));
        }
        // The two kinds differ at a glance: the fly agaric's cap is a bright
        // red with white spots, the cep's a brown one.
        auto capColour = [&](int top) {
            double r = 0, g = 0;
            int n = 0;
            for (int y = top + 2; y < top + 20; ++y)
                for (int x = 950; x < 1000; ++x) {
                    const QColor c = sheet.pixelColor(x, y);
                    if (c != QColor(Qt::white)) {
                        r += c.red();
                        g += c.green();
                        ++n;
                    }
                }
            return std::pair<double, double>(r / n, g / n);
        };
        const auto [agaricRed, agaricGreen] = capColour(0);
        const auto [cepRed, cepGreen] = capColour(59);
        QVERIFY(agaricRed > 1.8 * agaricGreen);
        QVERIFY(cepRed < 1.7 * cepGreen);
        QVERIFY(agaricRed > cepRed + 40);
    }
};

LIVENOR_TEST_MAIN(TestAssets, QGuiApplication)
#include "tst_assets.moc"
