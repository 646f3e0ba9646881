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

TestRecord::TestRecord(const QString &text) : m_text(text) {}

const QStringList &TestRecord::lines() const
{
    if (!m_cut) {
        m_lines = m_text.split(LineBreak, Qt::KeepEmptyParts, Qt::CaseSensitive);
        m_cut = true;
    }
    return m_lines;
}

QString TestRecord::line(int index) const
{
    if (m_cut)
        return m_lines.value(index);
    qsizetype start = 0;
    for (int i = 0; i < index; ++i) {
        const qsizetype end = m_text.indexOf(LineBreak, start);
        if (end < 0)
            return QString();
        start = end + LineBreak.size();
    }
    const qsizetype end = m_text.indexOf(LineBreak, start);
    return m_text.mid(start, end < 0 ? -1 : end - start);
}

QString TestRecord::section() const
{
    return line(0);
}

QString TestRecord::title() const
{
    return line(1);
}

int TestRecord::readBlocks(QuestionSlots &questions) const
{
    int q = -1;
    int a = 0;
    const QStringList &all = lines();
    for (int i = 3; i < all.size(); ++i) {
        const QString &line = all.at(i);
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
