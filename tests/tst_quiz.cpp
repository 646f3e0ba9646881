// The rules of a test run without a window: reading a record into the run,
// judging, grading, the random choice of a test and the growth counters.

#include "quiz/animation.h"
#include "quiz/grading.h"
#include "quiz/random.h"
#include "quiz/testrun.h"
#include "testsupport.h"

#include "bank/mdltestdata.h"

#include <map>
#include <vector>

class TestQuiz : public testsupport::StrictTest
{
    Q_OBJECT

private slots:
    void gradingTable_data()
    {
        QTest::addColumn<int>("right");
        QTest::addColumn<int>("percent");
        QTest::addColumn<QString>("gradeStart");

        const QString excellent = QStringLiteral("Великолепно!");
        const QString good = QStringLiteral("Вы хорошо знакомы");
        const QString wise = QStringLiteral("Как говорят мудрые люди");
        const QString learning = QStringLiteral("Вы познаете Мир");
        const QString testing = QStringLiteral("Тестирование - очень");
        const int percents[16] = {0, 7, 13, 20, 27, 33, 40, 47, 53, 60, 67, 73, 80, 87, 93, 100};
        for (int right = 0; right <= 15; ++right) {
            const QString grade = right == 15 ? excellent
                                  : right >= 12 ? good
                                  : right >= 8  ? wise
                                  : right >= 3  ? learning
                                                : testing;
            QTest::addRow("%d right", right) << right << percents[right] << grade;
        }
    }
    void gradingTable()
    {
        QFETCH(int, right);
        QFETCH(int, percent);
        QFETCH(QString, gradeStart);
        const std::int16_t p = grading::percentFor(static_cast<std::uint8_t>(right));
        QCOMPARE(int(p), percent);
        QCOMPARE(grading::scoreText(static_cast<std::uint8_t>(right), p),
                 QStringLiteral("%1 из 15 (%2%)").arg(right).arg(percent));
        QVERIFY2(grading::gradeText(p).startsWith(gradeStart), qPrintable(grading::gradeText(p)));
    }

    void gradeTextsAreExact()
    {
        QCOMPARE(grading::gradeText(100),
                 QStringLiteral("Великолепно! Вы блестяще справились с этим заданием.\r\n"
                                "Советуем вам проверить себя выбрав другой тест."));
        QCOMPARE(grading::gradeText(80),
                 QStringLiteral("Вы хорошо знакомы с темой теста. Может быть пройти тест еще раз до "
                                "победного?"));
        QCOMPARE(grading::gradeText(53),
                 QStringLiteral("Как говорят мудрые люди: «Не стыдись не знать, стыдись не узнать».\r\n"
                                "Мы бы посоветовали вам повторить тест или узнать еще много нового "
                                "в других тестах."));
        QCOMPARE(grading::gradeText(20),
                 QStringLiteral("Вы познаете Мир - это очень похвально.\r\n"
                                "У нас есть и другие тесты тоже очень интересные."));
        QCOMPARE(grading::gradeText(13),
                 QStringLiteral("Тестирование - очень хороший способ для самопроверки. Вы сами "
                                "оцениваете насколько хорошо ориентируетесь в данной теме."));
        // The band above 100 keeps its place but no score reaches it.
        QCOMPARE(grading::gradeText(101),
                 QStringLiteral("Очень хорошо. Вы практически безошибочно давали ответы на наши "
                                "вопросы."));
        for (int right = 0; right <= 15; ++right)
            QVERIFY(grading::percentFor(static_cast<std::uint8_t>(right)) <= 100);
    }

    void randomDrawMapsToTheBank_data()
    {
        QTest::addColumn<float>("r");
        QTest::addColumn<int>("number");
        QTest::newRow("0") << 0.0f << 101;
        QTest::newRow("quarter") << 0.25f << 111;  // 10.25
        QTest::newRow("middle") << 0.5f << 121;    // 20.5, a half, rounds to even 20
        QTest::newRow("three quarters") << 0.75f << 132; // 30.75
        QTest::newRow("largest draw") << floatFromBits(0xFFFFFF) << 142;
    }
    void randomDrawMapsToTheBank()
    {
        QFETCH(float, r);
        QFETCH(int, number);
        QCOMPARE(int(randomTestNumber(r)), number);
    }

    void drawsStayBelowOne()
    {
        QVERIFY(floatFromBits(0xFFFFFFFFu) < 1.0f);
        QCOMPARE(floatFromBits(0), 0.0f);
        ClockRandom random;
        random.seed(7);
        for (int i = 0; i < 100000; ++i) {
            const float r = random.draw();
            QVERIFY(r >= 0.0f && r < 1.0f);
        }
    }

    void randomTestsOverManySeeds()
    {
        std::map<int, int> counts;
        ClockRandom random;
        const int draws = 82000;
        for (int seed = 0; seed < draws; ++seed) {
            random.seed(static_cast<std::uint32_t>(seed));
            ++counts[randomTestNumber(random.draw())];
        }
        QCOMPARE(counts.begin()->first, 101);
        QCOMPARE(counts.rbegin()->first, 142);
        QCOMPARE(int(counts.size()), 42);
        // Each inner number takes 1/41 of the draws, 101 and 142 half of it.
        const double inner = draws / 41.0;
        for (const auto &[number, count] : counts) {
            const double expected = (number == 101 || number == 142) ? inner / 2 : inner;
            QVERIFY2(std::abs(count - expected) < expected * 0.15,
                     qPrintable(QStringLiteral("%1 came %2 times").arg(number).arg(count)));
        }
    }

    void readingARecordIntoTheRun()
    {
        TestRun run;
        run.CurrentTest = 133;
        run.MushFrame[4] = 19;
        run.MushKind[4] = 1;
        run.CurrentQuestion = 9;
        const QString title = mdlData::readTest(run, mdlTestData::GetTestData(110));
        QCOMPARE(title, QStringLiteral("Пищеварение"));
        QCOMPARE(run.CurrentTest, std::int16_t(133));
        QCOMPARE(run.MushFrame[4], 19.0f);
        QCOMPARE(run.MushKind[4], std::uint8_t(1));
        for (const TestQuestion &q : run.Questions) {
            QVERIFY(!q.Text.isEmpty());
            // No explanation carries the line without a prefix that follows one of them.
            QVERIFY(!q.Explanation.contains(u'\n'));
        }
        // The same test read again fills the same slots.
        TestRun again;
        mdlData::readTest(again, mdlTestData::GetTestData(110));
        for (std::size_t i = 0; i < run.Questions.size(); ++i) {
            QCOMPARE(again.Questions[i].Text, run.Questions[i].Text);
            QCOMPARE(again.Questions[i].RightAnswer, run.Questions[i].RightAnswer);
        }
    }

    void judgingAnAnswer()
    {
        TestRun run;
        mdlData::readTest(run, mdlTestData::GetTestData(101));
        for (std::uint8_t q = 0; q < 15; ++q) {
            run.CurrentQuestion = q;
            int right = 0;
            for (int k = 0; k < 3; ++k)
                right += mdlData::isRightAnswer(run, k);
            QCOMPARE(right, 1);
            QVERIFY(mdlData::isRightAnswer(run, run.Questions[q].RightAnswer));
        }
        run.CurrentQuestion = 15;
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, mdlData::isRightAnswer(run, 0));
    }

    void cellGrowsThroughFramesTwoToNineteen()
    {
        TestRun run;
        animation::startCell(run, 3, 1);
        QCOMPARE(run.MushFrame[3], 1.0f);
        std::vector<int> frames;
        int ticks = 0;
        while (!animation::advanceCells(run, [&](int cell, int frame, int kind) {
            QCOMPARE(cell, 3);
            QCOMPARE(kind, 1);
            frames.push_back(frame);
        }))
            ++ticks;
        QCOMPARE(ticks, 18);
        QCOMPARE(int(frames.size()), 18);
        QCOMPARE(frames.front(), 2);
        QCOMPARE(frames.back(), 19);
        QCOMPARE(run.MushFrame[3], 19.0f);
        // The idle tick draws nothing and changes nothing.
        bool drew = false;
        QVERIFY(animation::advanceCells(run, [&](int, int, int) { drew = true; }));
        QVERIFY(!drew);
    }

    void cellsGrowSideBySide()
    {
        TestRun run;
        animation::startCell(run, 0, 0);
        animation::advanceCells(run, [](int, int, int) {});
        animation::advanceCells(run, [](int, int, int) {});
        animation::startCell(run, 1, 1);
        std::vector<std::pair<int, int>> drawn;
        animation::advanceCells(run, [&](int cell, int frame, int) { drawn.emplace_back(cell, frame); });
        QCOMPARE(drawn, (std::vector<std::pair<int, int>>{{0, 4}, {1, 2}}));
        // A restart of a full-grown cell grows it again in its new row.
        run.MushFrame[0] = 19;
        animation::startCell(run, 0, 1);
        QCOMPARE(run.MushFrame[0], 1.0f);
        QCOMPARE(run.MushKind[0], std::uint8_t(1));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, animation::startCell(run, 15, 0));
    }

    void spriteGeometry()
    {
        QCOMPARE(animation::spriteRect(19, 1), QRect(950, 59, 50, 58));
        QCOMPARE(animation::spriteRect(0, 0), QRect(0, 0, 50, 58));
        QCOMPARE(animation::cellOrigin(14), QPoint(700, 0));
    }
};

LIVENOR_TEST_MAIN(TestQuiz, QCoreApplication)
#include "tst_quiz.moc"
