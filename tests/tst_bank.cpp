// The question bank: filling on first use, bounds, copies, and the shape of
// every built-in record.

#include "bank/mdltestdata.h"
#include "bank/testrecord.h"
#include "testsupport.h"

#include <stdexcept>

class TestBank : public testsupport::StrictTest
{
    Q_OBJECT

private slots:
    void firstRequestFillsTheBank_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<bool>("refused");
        QTest::newRow("101") << 101 << false;
        QTest::newRow("137") << 137 << false;
        QTest::newRow("142") << 142 << false;
        QTest::newRow("100") << 100 << true;
        QTest::newRow("143") << 143 << true;
        QTest::newRow("-1") << -1 << true;
    }
    void firstRequestFillsTheBank()
    {
        QFETCH(int, number);
        QFETCH(bool, refused);
        QuestionBank bank;
        QVERIFY(!bank.isFilled());
        bool threw = false;
        QString record;
        try {
            record = bank.GetTestData(static_cast<std::int16_t>(number));
        } catch (const std::out_of_range &) {
            threw = true;
        }
        QCOMPARE(threw, refused);
        QVERIFY(bank.isFilled());
        if (!refused)
            QCOMPARE(TestRecord(record).title(),
                     QString::fromUtf8(catalogue::Tests[number - 101].title));
        // Filled means every element, not only the one asked for.
        QCOMPARE(TestRecord(bank.GetTestData(142)).title(), QStringLiteral("Рыбы"));
        QCOMPARE(TestRecord(bank.GetTestData(101)).title(), QStringLiteral("Выделение"));
    }

    void requestsGiveIndependentCopies()
    {
        QuestionBank bank;
        QString first = bank.GetTestData(120);
        const QString second = bank.GetTestData(120);
        QCOMPARE(first, second);
        const QString original = first;
        first[0] = u'Ж';
        first.append(QStringLiteral("изменено"));
        QCOMPARE(second, original);
        QCOMPARE(bank.GetTestData(120), original);
    }

    void moduleBankServesTheProgram()
    {
        QCOMPARE(TestRecord(mdlTestData::GetTestData(105)).title(),
                 QStringLiteral("Кровь и кровообращение"));
        QVERIFY(mdlTestData::bank().isFilled());
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, mdlTestData::GetTestData(143));
    }

    void everyRecordHasTheShapeOfATest()
    {
        QuestionBank bank;
        for (const catalogue::Entry &entry : catalogue::Tests) {
            const QString text = bank.GetTestData(entry.number);
            const TestRecord record(text);
            const QByteArray where = QByteArray::number(entry.number);
            QVERIFY2(record.section() == QString::fromUtf8(entry.section), where);
            QVERIFY2(record.title() == QString::fromUtf8(entry.title), where);
            QVERIFY2(!record.lines().value(2).isEmpty(), where);

            QuestionSlots questions;
            QVERIFY2(record.readBlocks(questions) == 15, where);
            for (const TestQuestion &q : questions) {
                QVERIFY2(!q.Text.isEmpty() && !q.Explanation.isEmpty(), where);
                for (const QString &a : q.Answers)
                    QVERIFY2(!a.isEmpty(), where);
            }
            // One right answer per block: the reader keeps only the last "+",
            // so count the lines themselves.
            int rights = 0, wrongs = 0, asked = 0, explanations = 0;
            for (const QString &line : record.lines().mid(3)) {
                rights += line.startsWith(u'+');
                wrongs += line.startsWith(u'-');
                asked += line.startsWith(u'?');
                explanations += line.startsWith(u'=');
            }
            QVERIFY2(asked == 15 && rights == 15 && wrongs == 30 && explanations == 15, where);
            QVERIFY2(!text.contains(QRegularExpression(QStringLiteral("(?<!\r)\n|\r(?!\n)"))), where);
        }
    }

    void bankHoldsItsTwoOddities()
    {
        QuestionBank bank;
        int linesWithoutPrefix = 0;
        int supPairs = 0;
        int finalBreaks = 0;
        for (int n = 101; n <= 142; ++n) {
            const QString text = bank.GetTestData(static_cast<std::int16_t>(n));
            const QStringList lines = TestRecord(text).lines();
            finalBreaks += text.endsWith(QStringLiteral("\r\n"));
            supPairs += text.count(QStringLiteral("<sup>"));
            for (int i = 3; i < lines.size(); ++i) {
                if (lines[i].isEmpty() || QStringLiteral("?+-=").contains(lines[i].front()))
                    continue;
                ++linesWithoutPrefix;
                QCOMPARE(n, 110);
                QVERIFY(lines[i - 1].startsWith(u'='));
            }
        }
        QCOMPARE(linesWithoutPrefix, 1);
        QCOMPARE(supPairs, 1);
        QVERIFY(TestRecord(bank.GetTestData(138)).lines().value(2).contains(QStringLiteral("</sup>")));
        // Both endings occur.
        QVERIFY(finalBreaks > 0 && finalBreaks < 42);
    }

    void equalTitlesDifferInSection()
    {
        QuestionBank bank;
        const TestRecord insects(bank.GetTestData(125));
        const TestRecord young(bank.GetTestData(140));
        QCOMPARE(insects.title(), young.title());
        QCOMPARE(insects.section(), QStringLiteral("Животные"));
        QCOMPARE(young.section(), QStringLiteral("Развивающие"));
        QCOMPARE(TestRecord(bank.GetTestData(139)).title(), QStringLiteral("Животные"));
    }
};

LIVENOR_TEST_MAIN(TestBank, QCoreApplication)
#include "tst_bank.moc"
