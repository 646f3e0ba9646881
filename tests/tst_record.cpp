// The reading of a test record: header by position, blocks by prefix.

#include "bank/testrecord.h"
#include "testsupport.h"

#include <stdexcept>

namespace {

const QString CrLf = QStringLiteral("\r\n");

// A well-formed record of `blocks` blocks; block i has its right answer at
// place rightAt(i) and its texts numbered so that tests can tell them apart.
QStringList recordLines(int blocks, const std::function<int(int)> &rightAt = [](int) { return 0; })
{
    QStringList lines{QStringLiteral("Анатомия"), QStringLiteral("Выделение"),
                      QStringLiteral("Введение в тему.")};
    for (int i = 0; i < blocks; ++i) {
        lines << QStringLiteral("?Вопрос %1?").arg(i + 1);
        for (int a = 0; a < 3; ++a) {
            const QChar prefix = a == rightAt(i) ? u'+' : u'-';
            lines << prefix + QStringLiteral("Ответ %1.%2").arg(i + 1).arg(a);
        }
        lines << QStringLiteral("=Пояснение %1").arg(i + 1);
    }
    return lines;
}

struct Read {
    QuestionSlots questions;
    int blocks = 0;
};

Read readAll(const QString &text)
{
    Read r;
    r.blocks = TestRecord(text).readBlocks(r.questions);
    return r;
}

bool sameSlots(const QuestionSlots &a, const QuestionSlots &b)
{
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i].Text != b[i].Text || a[i].Answers != b[i].Answers
            || a[i].RightAnswer != b[i].RightAnswer || a[i].Explanation != b[i].Explanation)
            return false;
    }
    return true;
}

} // namespace

class TestRecordReading : public testsupport::StrictTest
{
    Q_OBJECT

private slots:
    void bothEndingsReadAlike()
    {
        const QString bare = recordLines(15).join(CrLf);
        const Read plain = readAll(bare);
        const Read withBreak = readAll(bare + CrLf);
        QCOMPARE(plain.blocks, 15);
        QCOMPARE(withBreak.blocks, 15);
        QVERIFY(sameSlots(plain.questions, withBreak.questions));
        QCOMPARE(withBreak.questions[14].Explanation, QStringLiteral("Пояснение 15"));
        QCOMPARE(TestRecord(bare + CrLf).lines().last(), QString());
    }

    void rightAnswerPlace_data()
    {
        QTest::addColumn<int>("place");
        QTest::newRow("first") << 0;
        QTest::newRow("second") << 1;
        QTest::newRow("third") << 2;
    }
    void rightAnswerPlace()
    {
        QFETCH(int, place);
        const Read r = readAll(recordLines(3, [&](int) { return place; }).join(CrLf));
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(int(r.questions[i].RightAnswer), place);
            // Answers keep the record's order whatever the place of the right one.
            QCOMPARE(r.questions[i].Answers[0], QStringLiteral("Ответ %1.0").arg(i + 1));
            QCOMPARE(r.questions[i].Answers[2], QStringLiteral("Ответ %1.2").arg(i + 1));
        }
    }

    void lineWithoutPrefixChangesNothing()
    {
        QStringList lines = recordLines(15);
        const Read before = readAll(lines.join(CrLf));
        // Right after the explanation of block 7 (record lines 3 + 7 * 5 - 1).
        lines.insert(3 + 7 * 5, QStringLiteral("Цифры приведены по школьному учебнику."));
        const Read after = readAll(lines.join(CrLf));
        QCOMPARE(after.blocks, 15);
        QVERIFY(sameSlots(before.questions, after.questions));
        QCOMPARE(after.questions[6].Explanation, QStringLiteral("Пояснение 7"));
        QCOMPARE(after.questions[7].Text, QStringLiteral("Вопрос 8?"));
    }

    void prefixCharactersInsideTextsAreText()
    {
        const QString text = QStringList{
            QStringLiteral("Общая биология"), QStringLiteral("Генетика"), QStringLiteral("Вступление"),
            QStringLiteral("?Что даёт скрещивание Aa x aa - и почему?"),
            QStringLiteral("-1 : 2 : 1 + ещё?"),
            QStringLiteral("+1 : 1 = половина"),
            QStringLiteral("-3 : 1 - как у Менделя"),
            QStringLiteral("= ?+-= остаются текстом "),
        }.join(CrLf);
        const Read r = readAll(text);
        QCOMPARE(r.blocks, 1);
        QCOMPARE(r.questions[0].Text, QStringLiteral("Что даёт скрещивание Aa x aa - и почему?"));
        QCOMPARE(r.questions[0].Answers[0], QStringLiteral("1 : 2 : 1 + ещё?"));
        QCOMPARE(r.questions[0].Answers[1], QStringLiteral("1 : 1 = половина"));
        QCOMPARE(r.questions[0].RightAnswer, std::uint8_t(1));
        // Texts are taken unchanged, blanks at either end included.
        QCOMPARE(r.questions[0].Explanation, QStringLiteral(" ?+-= остаются текстом "));
    }

    void headerIsTakenByPosition()
    {
        QStringList lines = recordLines(15);
        lines[0] = QStringLiteral("=Раздел");
        lines[1] = QStringLiteral("?Заголовок");
        lines[2] = QStringLiteral("+Введение");
        const TestRecord record(lines.join(CrLf));
        QCOMPARE(record.section(), QStringLiteral("=Раздел"));
        QCOMPARE(record.title(), QStringLiteral("?Заголовок"));
        const Read r = readAll(lines.join(CrLf));
        QCOMPARE(r.blocks, 15);
        QCOMPARE(r.questions[0].Text, QStringLiteral("Вопрос 1?"));
    }

    void onlyCrLfSeparatesLines()
    {
        const QString text = QStringLiteral("Раздел\r\nЗаголовок\r\nВведение\r\n"
                                            "?Вопрос с \r внутри\r\n+Ответ\nдальше\r\n-Б\r\n-В\r\n=П");
        const Read r = readAll(text);
        QCOMPARE(r.blocks, 1);
        QCOMPARE(r.questions[0].Text, QStringLiteral("Вопрос с \r внутри"));
        QCOMPARE(r.questions[0].Answers[0], QStringLiteral("Ответ\nдальше"));
    }

    void headerOnlyReadForTheMenu()
    {
        const TestRecord shortRecord(QStringLiteral("Ботаника"));
        QCOMPARE(shortRecord.section(), QStringLiteral("Ботаника"));
        QCOMPARE(shortRecord.title(), QString());
        QuestionSlots questions;
        QCOMPARE(shortRecord.readBlocks(questions), 0);
    }

    void headerAloneReadsAsTheCutLines_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("title");
        QTest::newRow("one line") << QStringLiteral("Ботаника") << QStringLiteral("Ботаника") << QString();
        QTest::newRow("two lines") << QStringLiteral("А\r\nБ") << QStringLiteral("А") << QStringLiteral("Б");
        QTest::newRow("final break") << QStringLiteral("А\r\nБ\r\n") << QStringLiteral("А") << QStringLiteral("Б");
        QTest::newRow("lone LF and CR") << QStringLiteral("А\nБ\r\nВ\rГ\r\nД")
                                        << QStringLiteral("А\nБ") << QStringLiteral("В\rГ");
        QTest::newRow("empty") << QString() << QString() << QString();
        QTest::newRow("empty title") << QStringLiteral("А\r\n\r\nВ") << QStringLiteral("А") << QString();
    }
    void headerAloneReadsAsTheCutLines()
    {
        QFETCH(QString, text);
        QFETCH(QString, section);
        QFETCH(QString, title);
        const TestRecord headerOnly(text);
        QCOMPARE(headerOnly.section(), section);
        QCOMPARE(headerOnly.title(), title);
        const TestRecord cut(text);
        QCOMPARE(cut.lines().value(0), section);
        QCOMPARE(cut.section(), section);
        QCOMPARE(cut.title(), title);
    }

    void overflowRaisesOutOfRange_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("named");

        QTest::newRow("sixteenth question") << recordLines(16).join(CrLf) << QStringLiteral("question 16");

        QStringList fourAnswers = recordLines(2);
        fourAnswers.insert(3 + 4, QStringLiteral("-Лишний ответ"));
        QTest::newRow("fourth answer") << fourAnswers.join(CrLf) << QStringLiteral("answer 4 of question 1");

        QStringList answerFirst = recordLines(1);
        answerFirst.insert(3, QStringLiteral("+Ответ без вопроса"));
        QTest::newRow("answer before question") << answerFirst.join(CrLf)
                                                << QStringLiteral("before the first question");

        QStringList explanationFirst = recordLines(1);
        explanationFirst.insert(3, QStringLiteral("=Пояснение без вопроса"));
        QTest::newRow("explanation before question") << explanationFirst.join(CrLf)
                                                     << QStringLiteral("before the first question");
    }
    void overflowRaisesOutOfRange()
    {
        QFETCH(QString, text);
        QFETCH(QString, named);
        QuestionSlots questions;
        try {
            TestRecord(text).readBlocks(questions);
            QFAIL("no out-of-range error");
        } catch (const std::out_of_range &e) {
            QVERIFY2(QString::fromUtf8(e.what()).contains(named), e.what());
        }
    }
};

LIVENOR_TEST_MAIN(TestRecordReading, QCoreApplication)
#include "tst_record.moc"
