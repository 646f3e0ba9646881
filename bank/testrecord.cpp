#include "bank/testrecord.h"

#include <stdexcept>
#include <string>

namespace {

const QString LineBreak = QStringLiteral("\r\n");

TestQuestion &slotAt(QuestionSlots &questions, int q, int line)
{
    if (q < 0) {
        throw std::out_of_range("test record line " + std::to_string(line)
                                + ": answer or explanation before the first question");
    }
    if (q >= static_cast<int>(questions.size())) {
        throw std::out_of_range("test record line " + std::to_string(line) + ": question "
                                + std::to_string(q + 1) + " exceeds the "
                                + std::to_string(questions.size()) + " question questions");
    }
    return questions[static_cast<std::size_t>(q)];
}

QString &answerAt(TestQuestion &slot, int q, int a, int line)
{
    if (a >= static_cast<int>(slot.Answers.size())) {
        throw std::out_of_range("test record line " + std::to_string(line) + ": answer "
                                + std::to_string(a + 1) + " of question " + std::to_string(q + 1)
                                + " exceeds the " + std::to_string(slot.Answers.size())
                                + " answer questions");
    }
    return slot.Answers[static_cast<std::size_t>(a)];
}

} // namespace

TestRecord::TestRecord(const QString &text)
    : m_lines(text.split(LineBreak, Qt::KeepEmptyParts, Qt::CaseSensitive))
{
}

QString TestRecord::section() const
{
    return m_lines.value(0);
}

QString TestRecord::title() const
{
    return m_lines.value(1);
}

int TestRecord::readBlocks(QuestionSlots &questions) const
{
    int q = -1;
    int a = 0;
    for (int i = 3; i < m_lines.size(); ++i) {
        const QString &line = m_lines.at(i);
        if (line.isEmpty())
            continue;
        const QChar prefix = line.front();
        if (prefix == u'?') {
            ++q;
            slotAt(questions, q, i).Text = line.mid(1);
            a = 0;
        } else if (prefix == u'+') {
            TestQuestion &slot = slotAt(questions, q, i);
            answerAt(slot, q, a, i) = line.mid(1);
            slot.RightAnswer = static_cast<std::uint8_t>(a);
            ++a;
        } else if (prefix == u'-') {
            TestQuestion &slot = slotAt(questions, q, i);
            answerAt(slot, q, a, i) = line.mid(1);
            ++a;
        } else if (prefix == u'=') {
            slotAt(questions, q, i).Explanation = line.mid(1);
        }
    }
    return q + 1;
}
