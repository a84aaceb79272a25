#pragma once
// One named global value: a script variable, or a timer's deadline on its table's clock
// (the same 32 bits, compared unsigned). Entries are named by a pair of texts, scope and
// name, matched without regard to case.

#include "Library/core/stringc.h"

#include <cstdint>

class Stream;

class GlobalEntry {
public:
    static constexpr int kMinStoredBytes = 2 + 2 + 4; // two empty texts and the value

    void Set(const Stringc& scope, const Stringc& name, int32_t value);
    bool IsNamed(const Stringc& scope, const Stringc& name) const {
        return m_scope == scope && m_name == name;
    }
    int32_t GetValue() const { return m_value; }
    void SetValue(int32_t value) { m_value = value; }

    // Stored form: Stringc scope, Stringc name, i32 value.
    bool Read(Stream& stream);
    bool Write(Stream& stream) const;

private:
    Stringc m_scope;
    Stringc m_name;
    int32_t m_value = 0;
};
