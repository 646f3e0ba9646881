// The build-time check of the record files: each broken copy of a record is
// refused with its file and line, nothing is generated, and the file is left
// as it was.

#include "testsupport.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

#include <functional>

namespace {

using Edit = std::function<void(QByteArrayList &lines)>;

struct Outcome {
    int exitCode = -1;
    QString errors;
    bool generated = false;
};

} // namespace

Q_DECLARE_METATYPE(Edit)

class TestBankGenerator : public testsupport::StrictTest
{
    Q_OBJECT

    QTemporaryDir m_dir;

    QString recordsDir() const { return m_dir.path() + QStringLiteral("/bank/records"); }
    QString output() const { return m_dir.path() + QStringLiteral("/out/recordtexts.cpp"); }

    Outcome runGenerator()
    {
        QDir().mkpath(m_dir.path() + QStringLiteral("/out"));
        QProcess gen;
        gen.start(QStringLiteral(BANKGEN_PATH),
                  {m_dir.path(), QStringLiteral("bank/records"), output()});
        if (!gen.waitForFinished(60000))
            return {};
        return {gen.exitCode(), QString::fromUtf8(gen.readAllStandardError()), QFile::exists(output())};
    }

    static QByteArray readFile(const QString &path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    static void writeFile(const QString &path, const QByteArray &bytes)
    {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
    }

    // Every case starts from a fresh copy of the real records.
    void init()
    {
        testsupport::StrictTest::init();
        QDir(m_dir.path()).removeRecursively();
        QVERIFY(QDir().mkpath(recordsDir()));
        const QDir source(QStringLiteral(SOURCE_ROOT "/bank/records"));
        for (const QString &name : source.entryList({QStringLiteral("*.txt")}, QDir::Files))
            QVERIFY(QFile::copy(source.filePath(name), recordsDir() + u'/' + name));
    }

    void intactRecordsGenerate()
    {
        const Outcome out = runGenerator();
        QCOMPARE(out.exitCode, 0);
        QVERIFY2(out.errors.isEmpty(), qPrintable(out.errors));
        QVERIFY(out.generated);
    }

    void brokenRecordIsRefused_data()
    {
        QTest::addColumn<Edit>("edit");
        QTest::addColumn<QString>("expected");

        // Test 105 is a regular record: header in lines 1-3, block k in
        // lines 5k-1 .. 5k+3, and a final line break.
        QTest::newRow("wrong section") << Edit([](QByteArrayList &l) { l[0] = "Ботаника"; })
                                       << QStringLiteral("105.txt:1: section is 'Ботаника'");
        QTest::newRow("wrong title") << Edit([](QByteArrayList &l) { l[1] = "Кровь"; })
                                     << QStringLiteral("105.txt:2: title is 'Кровь'");
        QTest::newRow("two answers") << Edit([](QByteArrayList &l) { l.removeAt(5); })
                                     << QStringLiteral("105.txt:4: block has 2 answers, expected 3");
        QTest::newRow("two right answers")
            << Edit([](QByteArrayList &l) {
                   for (int i = 4; i < 7; ++i)
                       l[i][0] = '+';
               })
            << QStringLiteral("105.txt:4: block has 3 right answers, expected 1");
        QTest::newRow("no right answer")
            << Edit([](QByteArrayList &l) {
                   for (int i = 14; i < 17; ++i)
                       l[i][0] = '-';
               })
            << QStringLiteral("105.txt:14: block has 0 right answers, expected 1");
        QTest::newRow("no explanation") << Edit([](QByteArrayList &l) { l.removeAt(7); })
                                        << QStringLiteral("105.txt:4: block has no explanation");
        QTest::newRow("sixteen blocks")
            << Edit([](QByteArrayList &l) {
                   const QByteArrayList block = l.mid(3, 5);
                   l.removeLast();
                   l += block;
                   l += QByteArray();
               })
            << QStringLiteral("105.txt:79: a record holds 15 question blocks");
        QTest::newRow("fourteen blocks")
            << Edit([](QByteArrayList &l) {
                   l.erase(l.end() - 6, l.end() - 1);
               })
            << QStringLiteral("105.txt:73: record has 14 question blocks, expected 15");
        QTest::newRow("empty line inside") << Edit([](QByteArrayList &l) { l.insert(10, QByteArray()); })
                                           << QStringLiteral("105.txt:11: empty line inside the record");
        QTest::newRow("two final breaks") << Edit([](QByteArrayList &l) { l += QByteArray(); })
                                          << QStringLiteral("105.txt:79: empty line inside the record");
        QTest::newRow("CR characters")
            << Edit([](QByteArrayList &l) {
                   for (int i = 0; i + 1 < l.size(); ++i)
                       l[i] += '\r';
               })
            << QStringLiteral("105.txt:1: CR character");
        QTest::newRow("invalid UTF-8") << Edit([](QByteArrayList &l) { l[4].insert(3, '\xFF'); })
                                       << QStringLiteral("105.txt:5: invalid UTF-8");
        QTest::newRow("line before the first question")
            << Edit([](QByteArrayList &l) { l.insert(3, "Продолжение введения"); })
            << QStringLiteral("105.txt:4: line before the first question is not part of the header");
        QTest::newRow("answer before the first question")
            << Edit([](QByteArrayList &l) { l.insert(3, "-Ответ"); })
            << QStringLiteral("105.txt:4: answer before the first question");
    }
    void brokenRecordIsRefused()
    {
        QFETCH(Edit, edit);
        QFETCH(QString, expected);
        const QString path = recordsDir() + QStringLiteral("/105.txt");
        QByteArrayList lines = readFile(path).split('\n');
        QCOMPARE(lines.size(), 79); // 78 lines and the final line break
        edit(lines);
        const QByteArray broken = lines.join('\n');
        writeFile(path, broken);

        const Outcome out = runGenerator();
        QCOMPARE(out.exitCode, 1);
        QVERIFY2(out.errors.contains(QStringLiteral("bank/records/") + expected), qPrintable(out.errors));
        QVERIFY(!out.generated);
        QCOMPARE(readFile(path), broken);
    }

    void missingRecordIsRefused()
    {
        QVERIFY(QFile::remove(recordsDir() + QStringLiteral("/142.txt")));
        const Outcome out = runGenerator();
        QCOMPARE(out.exitCode, 1);
        QVERIFY2(out.errors.contains(QStringLiteral("bank/records/142.txt:1: record file is missing")),
                 qPrintable(out.errors));
        QVERIFY(!out.generated);
    }

    void staleOutputIsRemoved()
    {
        QCOMPARE(runGenerator().exitCode, 0);
        QVERIFY(QFile::remove(recordsDir() + QStringLiteral("/101.txt")));
        const Outcome out = runGenerator();
        QCOMPARE(out.exitCode, 1);
        QVERIFY(!out.generated);
    }
};

LIVENOR_TEST_MAIN(TestBankGenerator, QCoreApplication)
#include "tst_bankgen.moc"
