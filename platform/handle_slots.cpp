#include "platform/handle_slots.h"

#include <cassert>
#include <cstddef>

void HandleSlots::Resize(int count) {
    assert(count >= 0 && count <= kMaxSlots);
    m_generations.resize(static_cast<std::size_t>(count), 0);
    // Generations outlive a shrink, so a handle from before it never comes back to life.
    if (count > static_cast<int>(m_lastIssued.size()))
        m_lastIssued.resize(static_cast<std::size_t>(count), 0);
}

int HandleSlots::Issue(int slot) {
    assert(slot >= 0 && slot < Count());
    int& last = m_lastIssued[static_cast<std::size_t>(slot)];
    last = last == kMaxGeneration ? 1 : last + 1;
    m_generations[static_cast<std::size_t>(slot)] = last;
    return last << kSlotBits | slot;
}

void HandleSlots::Revoke(int slot) {
    if (slot >= 0 && slot < Count())
        m_generations[static_cast<std::size_t>(slot)] = 0;
}

int HandleSlots::Current(int slot) const {
    if (slot < 0 || slot >= Count() || m_generations[static_cast<std::size_t>(slot)] == 0)
        return -1;
    return m_generations[static_cast<std::size_t>(slot)] << kSlotBits | slot;
}

int HandleSlots::Slot(int handle) const {
    if (handle < 0)
        return -1;
    const int slot = handle & (kMaxSlots - 1);
    const int generation = handle >> kSlotBits;
    if (slot >= Count() || generation == 0 ||
        m_generations[static_cast<std::size_t>(slot)] != generation)
        return -1;
    return slot;
}
