#pragma once

// Shared by every test: any Qt warning fails the test. Test classes derive
// from StrictTest, whose init() makes every warning inside a test function a
// failure; LIVENOR_TEST_MAIN fails the run on warnings outside test functions.

#include <QtTest/QtTest>

#include <atomic>
#include <cstdio>

namespace testsupport {

inline std::atomic<int> &warningCount()
{
    static std::atomic<int> count{0};
    return count;
}

inline void strictMessageHandler(QtMsgType type, const QMessageLogContext &, const QString &msg)
{
    const QByteArray text = msg.toLocal8Bit();
    if (type == QtDebugMsg || type == QtInfoMsg) {
        std::fprintf(stderr, "%s\n", text.constData());
        return;
    }
    ++warningCount();
    std::fprintf(stderr, "Qt warning outside a test function: %s\n", text.constData());
}

class StrictTest : public QObject
{
    Q_OBJECT

protected slots:
    void init() { QTest::failOnWarning(QRegularExpression(QStringLiteral(".*"))); }
};

} // namespace testsupport

// Like QTEST_MAIN; the run also fails if Qt warned outside the test functions.
#define LIVENOR_TEST_MAIN(TestClass, AppClass)                                                     \
    int main(int argc, char **argv)                                                                \
    {                                                                                              \
        qInstallMessageHandler(testsupport::strictMessageHandler);                                 \
        AppClass app(argc, argv);                                                                  \
        TestClass tc;                                                                              \
        QTEST_SET_MAIN_SOURCE_PATH                                                                 \
        const int failed = QTest::qExec(&tc, argc, argv);                                          \
        const int warnings = testsupport::warningCount();                                          \
        if (warnings)                                                                              \
            std::fprintf(stderr, "FAIL: %d Qt warning(s) outside the test functions\n", warnings); \
        return failed ? failed : (warnings ? 1 : 0);                                               \
    }
