#include "quiz/grading.h"

#include "bank/catalogue.h"

#include <cmath>

namespace grading {

std::int16_t percentFor(std::uint8_t rightCount)
{
    const double p = static_cast<int>(rightCount) * 100 / double(catalogue::QuestionsPerTest);
    return static_cast<std::int16_t>(std::nearbyint(p));
}

QString scoreText(std::uint8_t rightCount, std::int16_t percent)
{
    return QString::number(rightCount) + QStringLiteral(" из ")
           + QString::number(catalogue::QuestionsPerTest) + QStringLiteral(" (")
           + QString::number(percent) + QStringLiteral("%)");
}

QString gradeText(std::int16_t p)
{
    if (p == 100) {
        return QStringLiteral("Великолепно! Вы блестяще справились с этим заданием.\r\n"
                              "Советуем вам проверить себя выбрав другой тест.");
    }
    // Kept in its place in the order of bands; no percentage exceeds 100, so
    // no result shows it.
    if (p > 100) {
        return QStringLiteral("Очень хорошо. Вы практически безошибочно давали ответы на наши "
                              "вопросы.");
    }
    if (p > 79) {
        return QStringLiteral("Вы хорошо знакомы с темой теста. Может быть пройти тест еще раз "
                              "до победного?");
    }
    if (p > 50) {
        return QStringLiteral("Как говорят мудрые люди: «Не стыдись не знать, стыдись не "
                              "узнать».\r\n"
                              "Мы бы посоветовали вам повторить тест или узнать еще много "
                              "нового в других тестах.");
    }
    if (p > 19) {
        return QStringLiteral("Вы познаете Мир - это очень похвально.\r\n"
                              "У нас есть и другие тесты тоже очень интересные.");
    }
    return QStringLiteral("Тестирование - очень хороший способ для самопроверки. Вы сами "
                          "оцениваете насколько хорошо ориентируетесь в данной теме.");
}

} // namespace grading
