#pragma once
// One derived value of a creature: the base from its attributes or definition and the bonus
// from effects and equipment. Readers use the sum; writers name the half by "which".

#include <cstdint>
#include <type_traits>

enum StatHalf : int { kBase = 0, kBonus = 1 };

template <class T> class StatPair {
public:
    // The sum; a pair of 16-bit halves sums as an int.
    auto Effective() const {
        if constexpr (std::is_integral_v<T>)
            return static_cast<int>(m_half[kBase]) + m_half[kBonus];
        else
            return m_half[kBase] + m_half[kBonus];
    }
    T Get(int which) const { return IsHalf(which) ? m_half[which] : T(); }
    void Set(int which, T value) {
        if (IsHalf(which))
            m_half[which] = value;
    }
    // 16-bit halves wrap as 16-bit integers.
    void Add(int which, T delta) {
        if (IsHalf(which))
            m_half[which] = static_cast<T>(m_half[which] + delta);
    }
    void Clear() { m_half[kBase] = m_half[kBonus] = T(); }

    // Which is 0 or 1.
    T& operator[](int which) { return m_half[which]; }
    const T& operator[](int which) const { return m_half[which]; }

private:
    static bool IsHalf(int which) { return which == kBase || which == kBonus; }

    T m_half[2] = {};
};

using ShortPair = StatPair<int16_t>;
using FloatPair = StatPair<float>;
