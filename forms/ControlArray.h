#pragma once

#include "RuntimeError.h"

#include <cstdint>
#include <utility>
#include <vector>

namespace forms {

// Controls of one kind that share a name, told apart by an index. An index that no
// member has raises the run-time error for a missing control-array element.
template <class Control>
class ControlArray {
public:
    using Member = std::pair<std::int16_t, Control *>;

    void add(std::int16_t index, Control &control) { m_members.push_back({index, &control}); }

    Control &operator[](std::int16_t index) const
    {
        for (const auto &[memberIndex, control] : m_members) {
            if (memberIndex == index)
                return *control;
        }
        throw RuntimeError::controlArrayElementMissing(index);
    }

    bool isEmpty() const { return m_members.empty(); }
    auto begin() const { return m_members.begin(); }
    auto end() const { return m_members.end(); }

private:
    std::vector<Member> m_members;
};

} // namespace forms
