#include "ui/start/loadingprogress.h"

#include <algorithm>
#include <cmath>

namespace {

// The step is held in 8 bits. A sum above 255 would need more than 245 ticks
// that all leave the strip below 99; it is held at 255 rather than wrapped,
// so such a tick still fills the strip.
std::uint8_t toStep(float value)
{
    const float rounded = std::nearbyint(value);
    return static_cast<std::uint8_t>(std::clamp(rounded, 0.0f, 255.0f));
}

} // namespace

LoadingProgress::Tick LoadingProgress::tick(RandomSource &random)
{
    Tick out;
    const float r1 = random.draw();
    const float r2 = random.draw();
    const float r3 = random.draw();
    std::uint8_t step = toStep(r1 * 10 * r2 * r3);
    if (m_ticks > 10) {
        const float r4 = random.draw();
        const float r5 = random.draw();
        const float r6 = random.draw();
        const std::uint8_t jump = toStep(r4 * r5 * r6);
        step = toStep(static_cast<float>(jump * m_ticks + step));
    }
    m_progress = static_cast<std::int16_t>(m_progress + step);
    if (m_progress == Drawn) {
        out.ready = true;
        m_state = State::Ready;
    }
    if (m_progress > 98) {
        m_progress = Drawn;
        out.stripWidth = FullWidth;
        out.slowDown = true;
        if (m_state == State::Filling)
            m_state = State::Full;
        return out;
    }
    out.stripWidth = m_progress * 50;
    ++m_ticks;
    return out;
}
