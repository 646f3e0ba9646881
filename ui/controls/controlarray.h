#pragma once

// Repeated controls addressed by a 16-bit index from 0. An index outside the
// array raises std::out_of_range naming it.

#include <stdexcept>
#include <string>
#include <vector>

template <typename T>
class ControlArray
{
public:
    explicit ControlArray(const char *name) : m_name(name) {}

    T *operator()(int index) const
    {
        if (index < 0 || index >= static_cast<int>(m_items.size())) {
            throw std::out_of_range(std::string(m_name) + ": no element " + std::to_string(index));
        }
        return m_items[static_cast<std::size_t>(index)];
    }
    void append(T *item) { m_items.push_back(item); }
    int size() const { return static_cast<int>(m_items.size()); }
    int indexOf(const T *item) const
    {
        for (std::size_t i = 0; i < m_items.size(); ++i) {
            if (m_items[i] == item)
                return static_cast<int>(i);
        }
        return -1;
    }
    typename std::vector<T *>::const_iterator begin() const { return m_items.begin(); }
    typename std::vector<T *>::const_iterator end() const { return m_items.end(); }

private:
    const char *m_name;
    std::vector<T *> m_items;
};
