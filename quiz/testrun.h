#pragma once

// The state of the test being taken: one module-level instance for the whole
// run of the program, zero-filled at start and never reset as a whole.

#include "bank/testrecord.h"

#include <array>
#include <cstdint>

struct TestRun {
    QuestionSlots Questions;
    std::uint8_t CurrentQuestion = 0; // 0..14 while questions are shown, 15 on the results
    std::uint8_t RightCount = 0;      // 0..15
    std::int16_t CurrentTest = 0;     // 0 before the first start, else 101..142
    std::array<float, catalogue::QuestionsPerTest> MushFrame{}; // 0..19, see animation.h
    std::array<std::uint8_t, catalogue::QuestionsPerTest> MushKind{}; // 1 right, 0 wrong
};

namespace mdlData {

TestRun &testRun();

// Reads the record of a test into the question slots and returns its title.
// Leaves CurrentQuestion, RightCount, CurrentTest and the animation counters
// as they are; the caller resets the counts once the window is prepared.
QString readTest(TestRun &run, const QString &record);

// Whether answer k (0..2) is the right answer of the question on show.
bool isRightAnswer(const TestRun &run, int k);

} // namespace mdlData
