#include "LibraryScriptCompiler/value_table.h"

ValueTable::ValueTable() : m_slots(kCapacity) {}

void ValueTable::FreeAll() {
    for (ScriptValue& slot : m_slots)
        slot.free = true;
    m_lowestFree = 0;
}

int ValueTable::Alloc() {
    int slot = m_lowestFree;
    while (slot < Capacity() && !At(slot).free)
        ++slot;
    if (slot == Capacity())
        Grow(kGrowth);
    At(slot).free = false;
    m_lowestFree = slot + 1;
    return slot;
}

int ValueTable::AllocCopy(int slot) {
    const double value = At(slot).value; // read first: Alloc may move the slots
    const int copy = Alloc();
    At(copy).value = value;
    return copy;
}

void ValueTable::Grow(int count) {
    m_slots.resize(m_slots.size() + static_cast<std::size_t>(count));
}
