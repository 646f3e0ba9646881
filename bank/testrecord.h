#pragma once

// A test record: one text whose lines are separated by CR LF. Lines 0..2 are
// the header (section, title, introduction), taken by position; from line 3
// on, each line's first character says what it is: "?" opens a question block,
// "+" is its right answer, "-" a wrong one, "=" its explanation. Any other
// line, the empty last line included, is skipped.

#include "bank/catalogue.h"

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>

struct TestQuestion {
    QString Text;
    std::array<QString, catalogue::AnswersPerQuestion> Answers;
    std::uint8_t RightAnswer = 0;
    QString Explanation;
};

using QuestionSlots = std::array<TestQuestion, catalogue::QuestionsPerTest>;

class TestRecord
{
public:
    explicit TestRecord(const QString &text);

    // The text cut at every CR LF; a final CR LF yields an empty last line.
    const QStringList &lines() const;
    // Line 0 and line 1; empty when the record is shorter. Reading the header
    // alone cuts only the first two lines, as the menu needs no more.
    QString section() const;
    QString title() const;

    // Walks the item lines into the question slots and returns the number of question
    // blocks read. Overwrites only what the record names. A record beyond the
    // slots' capacity (a sixteenth question, a fourth answer in a block, an
    // answer or explanation before the first question) raises
    // std::out_of_range naming what overflowed; the slots then hold what was
    // read before it.
    int readBlocks(QuestionSlots &questions) const;

private:
    QString line(int index) const;

    QString m_text;
    mutable QStringList m_lines;
    mutable bool m_cut = false;
};
