#include "quiz/random.h"

#include "bank/catalogue.h"

#include <chrono>
#include <cmath>

void ClockRandom::seedFromClock()
{
    const auto now = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    const auto wide = static_cast<std::uint64_t>(now);
    m_engine.seed(static_cast<std::uint32_t>(wide ^ (wide >> 32)));
}

float ClockRandom::draw()
{
    return floatFromBits(static_cast<std::uint32_t>(m_engine()) >> 8);
}

ClockRandom &ClockRandom::global()
{
    static ClockRandom instance;
    return instance;
}

std::int16_t randomTestNumber(float r)
{
    const float span = catalogue::LastTest - catalogue::FirstTest; // 41
    const auto n = static_cast<std::int16_t>(std::nearbyint(r * span));
    return static_cast<std::int16_t>(catalogue::FirstTest + n);
}
