#include "quiz/testrun.h"

#include <stdexcept>

namespace mdlData {

TestRun &testRun()
{
    static TestRun instance;
    return instance;
}

QString readTest(TestRun &run, const QString &record)
{
    const TestRecord parsed(record);
    parsed.readBlocks(run.Questions);
    return parsed.title();
}

bool isRightAnswer(const TestRun &run, int k)
{
    if (run.CurrentQuestion >= run.Questions.size())
        throw std::out_of_range("Questions: no question on show to answer");
    return k == run.Questions[run.CurrentQuestion].RightAnswer;
}

} // namespace mdlData
