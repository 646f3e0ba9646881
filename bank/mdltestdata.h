#pragma once

// The question bank: the 42 built-in test records, handed out by number.

#include "bank/boundedarray.h"
#include "bank/catalogue.h"

#include <QString>

#include <cstdint>

class QuestionBank
{
public:
    QuestionBank();

    // A copy of the record of test `number`. The first call fills the bank,
    // whatever number it asks for; a number outside 101..142 then raises
    // std::out_of_range, and the bank stays filled.
    QString GetTestData(std::int16_t number);

    bool isFilled() const;

private:
    void FillTestData();

    BoundedArray<QString, catalogue::FirstTest, catalogue::LastTest> TestData;
};

namespace mdlTestData {

// The program's one bank, alive from its first use to the end of the program.
QString GetTestData(std::int16_t number);
QuestionBank &bank();

} // namespace mdlTestData
