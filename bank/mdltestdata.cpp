#include "bank/mdltestdata.h"

#include "bank/recordtexts.h"

QuestionBank::QuestionBank() : TestData("TestData") {}

QString QuestionBank::GetTestData(std::int16_t number)
{
    if (TestData(catalogue::FirstTest).isEmpty())
        FillTestData();
    return TestData(number);
}

bool QuestionBank::isFilled() const
{
    return !TestData(catalogue::FirstTest).isEmpty();
}

void QuestionBank::FillTestData()
{
    // The records are constants of the program: the bank refers to them in
    // place instead of copying 188,000 characters.
    for (int n = catalogue::FirstTest; n <= catalogue::LastTest; ++n) {
        const RecordText &record = RecordTexts[n - catalogue::FirstTest];
        TestData(n) = QString::fromRawData(reinterpret_cast<const QChar *>(record.text), record.size);
    }
}

namespace mdlTestData {

QuestionBank &bank()
{
    static QuestionBank instance;
    return instance;
}

QString GetTestData(std::int16_t number)
{
    return bank().GetTestData(number);
}

} // namespace mdlTestData
