#pragma once
// A slot list of owned objects of a class that may be abstract: the lowest free slot is
// taken first, and a freed slot keeps its object for the next taker, which resets it.

#include <memory>
#include <vector>

template <class T> class OwnedSlots {
public:
    // The lowest free slot's object, made by make() when the slot never held one.
    template <class Make> T* Take(Make make) {
        size_t slot = 0;
        while (slot < m_slots.size() && m_slots[slot].used)
            ++slot;
        if (slot == m_slots.size())
            m_slots.push_back({make(), false});
        if (!m_slots[slot].object)
            return nullptr;
        m_slots[slot].used = true;
        return m_slots[slot].object.get();
    }
    void Free(int slot) {
        if (slot >= 0 && slot < GetCount())
            m_slots[static_cast<size_t>(slot)].used = false;
    }
    void FreeAll() {
        for (Slot& slot : m_slots)
            slot.used = false;
    }

    int GetCount() const { return static_cast<int>(m_slots.size()); }
    int CountUsed() const {
        int used = 0;
        for (const Slot& slot : m_slots)
            used += slot.used ? 1 : 0;
        return used;
    }
    T* Get(int slot) const { // null for a free slot or one outside the list
        return slot >= 0 && slot < GetCount() && m_slots[static_cast<size_t>(slot)].used
                   ? m_slots[static_cast<size_t>(slot)].object.get()
                   : nullptr;
    }
    // The n-th used object counted from 0; null when there are fewer.
    T* GetUsed(int n) const {
        for (const Slot& slot : m_slots)
            if (slot.used && n-- == 0)
                return slot.object.get();
        return nullptr;
    }
    // Among the used objects, as a list compacted to them would number it; -1 when absent.
    int UsedIndexOf(const T* object) const {
        int index = 0;
        for (const Slot& slot : m_slots) {
            if (!slot.used)
                continue;
            if (slot.object.get() == object)
                return index;
            ++index;
        }
        return -1;
    }
    template <class Visit> void ForEachUsed(Visit visit) const {
        for (const Slot& slot : m_slots)
            if (slot.used)
                visit(*slot.object);
    }

private:
    struct Slot {
        std::unique_ptr<T> object;
        bool used;
    };
    std::vector<Slot> m_slots;
};
