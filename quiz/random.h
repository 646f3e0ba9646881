#pragma once

// The program's pseudo-random source: uniform floats in [0, 1), seeded from
// the clock. Windows take it by reference so that tests can replay draws.

#include <cstdint>
#include <random>
#include <vector>

class RandomSource
{
public:
    virtual ~RandomSource() = default;
    virtual void seedFromClock() = 0;
    // A uniform draw in [0, 1); never 1.0.
    virtual float draw() = 0;
};

class ClockRandom final : public RandomSource
{
public:
    void seedFromClock() override;
    void seed(std::uint32_t value) { m_engine.seed(value); }
    float draw() override;

    // The program's one source, seeded from the clock by whoever needs it.
    static ClockRandom &global();

private:
    std::mt19937 m_engine;
};

// 24 random bits as a float in [0, 1): every value is exact and below 1.
inline float floatFromBits(std::uint32_t bits)
{
    return static_cast<float>(bits & 0xFFFFFFu) * 0x1p-24f;
}

// The random choice of a test: 101 + r x 41 rounded halves to even, 101..142.
std::int16_t randomTestNumber(float r);
