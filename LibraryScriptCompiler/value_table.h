#pragma once
// The value slots of a running script. Temporaries take the lowest free slot; slot
// operands address slots directly whatever their free flag, so scripts are compiled against
// exactly this rule. Every slot is set free at the start of each run; values stay.

#include "LibraryScriptCompiler/script_value.h"

#include <cstddef>
#include <vector>

class ValueTable {
public:
    static constexpr int kCapacity = 10;
    static constexpr int kGrowth = 30;

    ValueTable(); // kCapacity slots, zero and free

    void FreeAll();
    void Free(int slot) { // unchecked, as every slot access
        m_slots[static_cast<std::size_t>(slot)].free = true;
        if (slot < m_lowestFree)
            m_lowestFree = slot;
    }
    ScriptValue& At(int slot) { return m_slots[static_cast<std::size_t>(slot)]; }
    const ScriptValue& At(int slot) const { return m_slots[static_cast<std::size_t>(slot)]; }
    void SetInt(int slot, int32_t number) { At(slot).SetInt(number); }
    // Takes the lowest free slot, growing the table by kGrowth when none is free.
    int Alloc();
    int AllocCopy(int slot); // a new slot holding slot's value
    void Grow(int count);    // count more free slots
    int Capacity() const { return static_cast<int>(m_slots.size()); }

private:
    std::vector<ScriptValue> m_slots;
    int m_lowestFree = 0; // every slot below it is taken
};
