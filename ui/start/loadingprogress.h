#pragma once

// The progress strip of the start window: how far it has filled, in random
// steps, and what each timer tick does to the window. No widgets here; the
// window applies the tick's outcome to its controls.

#include "quiz/random.h"

#include <cstdint>

class LoadingProgress
{
public:
    enum class State { Filling, Full, Ready };

    // What a tick does, in the order the window applies it.
    struct Tick {
        // Stop the timer, hide the progress box, show the start button and
        // give it the focus.
        bool ready = false;
        // Set the interval to 200 ms (a stopped timer stays stopped).
        bool slowDown = false;
        // The new width of the strip in twips, or -1 when it is not changed.
        int stripWidth = -1;
    };

    static constexpr int StartWidth = 10;
    static constexpr int FullWidth = 5000;
    static constexpr int FillingInterval = 50;
    static constexpr int FullInterval = 200;
    static constexpr std::int16_t Drawn = 999;

    Tick tick(RandomSource &random);

    State state() const { return m_state; }
    std::int16_t intProgress() const { return m_progress; }
    std::int16_t intTicks() const { return m_ticks; }

private:
    std::int16_t m_progress = 0;
    std::int16_t m_ticks = 0;
    State m_state = State::Filling;
};
