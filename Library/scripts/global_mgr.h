#pragma once
// The named integer variables that scripts share across scripts, maps and saved games.
// A variable is declared before it is set, added to or compared; operations on a pair
// that was never declared give false and change nothing.

#include "Library/scripts/global_table.h"

class GlobalMgr {
public:
    GlobalMgr() = default;
    GlobalMgr(const GlobalMgr&) = delete;
    GlobalMgr& operator=(const GlobalMgr&) = delete;
    virtual ~GlobalMgr() = default;

    void Declare(const Stringc& scope, const Stringc& name); // 0; a declared pair keeps its value
    bool Set(const Stringc& scope, const Stringc& name, int32_t value);
    bool Add(const Stringc& scope, const Stringc& name, int32_t amount); // wraps at 32 bits
    bool Equals(const Stringc& scope, const Stringc& name, int32_t value);
    bool Greater(const Stringc& scope, const Stringc& name, int32_t value);
    bool Less(const Stringc& scope, const Stringc& name, int32_t value);
    int Count() const { return m_table.Count(); }

    void Reset() { m_table.Reset(); }
    bool Load(Stream& stream) { return m_table.Load(stream); }
    bool Save(Stream& stream) const { return m_table.Save(stream); }

private:
    GlobalTable m_table;
};

// Made by the game's set-up; scripts and saved games reach the variables through it.
extern GlobalMgr* g_globalMgr;
