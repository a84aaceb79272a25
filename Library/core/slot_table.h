#pragma once
// Storage shared by the two forms of MemMgr: an array of item pointers, the count of
// slots ever taken (slots below it have held an item) and a TagList of the slots in use.
// The lowest free slot is taken first; a full table grows by 50 slots.

#include "Library/core/struct.h"
#include "Library/core/taglist.h"

#include <algorithm>

template <class T> class SlotTable {
public:
    static constexpr int kGrowth = 50;

    SlotTable(const SlotTable&) = delete;
    SlotTable& operator=(const SlotTable&) = delete;

    int GetCapacity() const { return m_capacity; }
    int GetCount() const { return m_count; } // iterate slots 0 .. count - 1 that are used
    int CountUsed() const { return m_used.GetSetCount(); }
    bool IsUsed(int slot) const { return m_used.IsSet(slot); }
    bool IsUsed(const T* item) const { return IsUsed(SlotOf(item)); }
    int SlotOf(const T* item) const { // -1 when no slot holds it
        const auto found = std::find(m_items, m_items + m_count, item);
        return found == m_items + m_count ? -1 : static_cast<int>(found - m_items);
    }
    // The lowest used slot whose item the test accepts; -1 when none does.
    template <class Test> int FindUsed(Test test) const {
        for (int slot = 0; slot < m_count; ++slot)
            if (IsUsed(slot) && test(*m_items[slot]))
                return slot;
        return -1;
    }

protected:
    explicit SlotTable(int capacity) // every slot null and free
        : m_capacity(std::max(capacity, 1)),
          m_items(CreateBuffer<T*>(m_capacity, __FILE__, __LINE__)), m_used(m_capacity) {}
    ~SlotTable() { ReleaseBuffer(m_items); }

    // Marks the lowest free slot used and returns it; new slots hold `empty`. The search
    // starts where no slot below is free, so filling a table takes linear time.
    int TakeSlot(T* empty) {
        int slot = m_used.FindClearFrom(m_lowestFree);
        if (slot < 0) {
            Grow(empty);
            slot = m_used.FindClearFrom(m_lowestFree);
        }
        m_used.Set(slot);
        m_count = std::max(m_count, slot + 1);
        m_lowestFree = slot + 1;
        return slot;
    }

    T*& ItemAt(int slot) { return m_items[slot]; }
    T* ItemAt(int slot) const { return m_items[slot]; }
    bool InTable(int slot) const { return slot >= 0 && slot < m_count; }
    void Release(int slot) {
        if (slot < 0 || slot >= m_capacity)
            return;
        m_used.Unset(slot);
        m_lowestFree = std::min(m_lowestFree, slot);
    }
    void ReleaseAll() {
        m_used.ClearAll();
        m_lowestFree = 0;
    }

private:
    void Grow(T* empty) {
        const int capacity = m_capacity + kGrowth;
        T** items = CreateBuffer<T*>(capacity, __FILE__, __LINE__);
        std::copy(m_items, m_items + m_capacity, items);
        std::fill(items + m_capacity, items + capacity, empty);
        ReleaseBuffer(m_items);
        m_items = items;
        TagList used(capacity);
        m_used.CopyTo(used);
        m_used = used;
        m_capacity = capacity;
    }

    int m_capacity;
    int m_count = 0;
    int m_lowestFree = 0; // every slot below it is used
    T** m_items;
    TagList m_used;
};
