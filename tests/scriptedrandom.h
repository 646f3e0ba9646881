#pragma once

// A random source that replays the draws a test gives it.

#include "quiz/random.h"

#include <QtTest/QtTest>

#include <deque>

class ScriptedRandom : public RandomSource
{
public:
    void seedFromClock() override { ++seeds; }
    float draw() override
    {
        if (draws.empty()) {
            ++overdrawn;
            return fallback;
        }
        const float r = draws.front();
        draws.pop_front();
        return r;
    }
    void push(std::initializer_list<float> values) { draws.insert(draws.end(), values); }
    // Three draws whose product x 10 rounds to `step` (0..10): one progress step.
    void pushStep(int step) { push({step / 10.0f, 1.0f - 0x1p-24f, 1.0f - 0x1p-24f}); }

    std::deque<float> draws;
    int seeds = 0;
    int overdrawn = 0;     // draws asked for beyond the script
    float fallback = 0.0f; // what those draws give
};
