#pragma once

// A fixed array with declared index bounds Low..High. An index outside the
// bounds is a programming error and raises std::out_of_range naming the array,
// never undefined behaviour.

#include <array>
#include <stdexcept>
#include <string>

template <typename T, int Low, int High>
class BoundedArray
{
    static_assert(Low <= High, "empty bounds");

public:
    static constexpr int lowerBound() { return Low; }
    static constexpr int upperBound() { return High; }
    static constexpr int size() { return High - Low + 1; }

    explicit BoundedArray(const char *name) : m_name(name) {}

    T &operator()(int index) { return m_items[offset(index)]; }
    const T &operator()(int index) const { return m_items[offset(index)]; }

private:
    std::size_t offset(int index) const
    {
        if (index < Low || index > High) {
            throw std::out_of_range(std::string(m_name) + ": index " + std::to_string(index)
                                    + " outside " + std::to_string(Low) + ".."
                                    + std::to_string(High));
        }
        return static_cast<std::size_t>(index - Low);
    }

    const char *m_name;
    std::array<T, High - Low + 1> m_items{};
};
