#pragma once

// The score of a finished run and its grade text.

#include <QString>

#include <cstdint>

namespace grading {

// RightCount x 100 / 15, to the nearest integer, halves to even.
std::int16_t percentFor(std::uint8_t rightCount);

// "N из 15 (P%)".
QString scoreText(std::uint8_t rightCount, std::int16_t percent);

// The grade text of a percentage: the first band whose test holds.
QString gradeText(std::int16_t percent);

} // namespace grading
