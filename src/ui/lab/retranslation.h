#pragma once

#include <functional>
#include <utility>
#include <vector>

namespace labui {

// The texts of a window that follow the program's language: each setter is applied at once and
// again whenever the language changes (the window's changeEvent calls apply()).
class Retranslation {
public:
    void add(std::function<void()> setter)
    {
        setter();
        m_setters.push_back(std::move(setter));
    }

    void apply() const
    {
        for (const std::function<void()> &setter : m_setters)
            setter();
    }

private:
    std::vector<std::function<void()>> m_setters;
};

} // namespace labui
