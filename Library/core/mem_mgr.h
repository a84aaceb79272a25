#pragma once
// Slot lists of items handed out by slot index (see SlotTable).

#include "Library/core/slot_table.h"

// Owns its items and recycles them: a freed slot keeps its object, and the next
// allocation hands that same object back without re-initialising it.
template <class T> class MemMgr : public SlotTable<T> {
public:
    explicit MemMgr(int capacity = 50) : SlotTable<T>(capacity) {}
    virtual ~MemMgr() {
        for (int slot = 0; slot < this->GetCount(); ++slot)
            ReleaseObject(this->ItemAt(slot));
    }

    T* Alloc() { return this->ItemAt(AllocSlot()); }
    int AllocSlot() { // the slot taken; its object made on the slot's first use
        const int slot = this->TakeSlot(nullptr);
        T*& item = this->ItemAt(slot);
        if (item == nullptr)
            item = CreateObject<T>(__FILE__, __LINE__);
        return slot;
    }
    void Free(int slot) { this->Release(slot); } // the object stays for reuse
    void FreeAll() { this->ReleaseAll(); }
    // The object of a slot that has held one, used or not; null otherwise.
    T* Get(int slot) const { return this->InTable(slot) ? this->ItemAt(slot) : nullptr; }
};

// Holds items its owner made and deletes: free slots point at one shared null item
// (made with the list) instead of being null. The owner deletes its items (DeleteAll does
// them all) before the list.
template <class T> class NullItemMemMgr : public SlotTable<T> {
public:
    explicit NullItemMemMgr(int capacity = 50)
        : SlotTable<T>(capacity), m_nullItem(CreateObject<T>(__FILE__, __LINE__)) {
        FreeAll();
    }
    virtual ~NullItemMemMgr() { ReleaseObject(m_nullItem); }

    int Add(T* item) { // the slot it went into
        const int slot = this->TakeSlot(m_nullItem);
        this->ItemAt(slot) = item;
        return slot;
    }
    bool Remove(const T* item) { // false when no slot holds it
        const int slot = item == m_nullItem ? -1 : this->SlotOf(item);
        if (slot < 0)
            return false;
        Free(slot);
        return true;
    }
    void Free(int slot) {
        if (!this->InTable(slot))
            return;
        this->Release(slot);
        this->ItemAt(slot) = m_nullItem;
    }
    void FreeAll() {
        this->ReleaseAll();
        for (int slot = 0; slot < this->GetCapacity(); ++slot)
            this->ItemAt(slot) = m_nullItem;
    }
    T* Get(int slot) const { // null for a free slot
        return this->InTable(slot) && this->ItemAt(slot) != m_nullItem ? this->ItemAt(slot)
                                                                       : nullptr;
    }
    // For owners that keep their items nowhere else: deletes every item and frees every slot.
    void DeleteAll() {
        for (int slot = 0; slot < this->GetCount(); ++slot) {
            T* item = Get(slot);
            ReleaseObject(item);
        }
        FreeAll();
    }

private:
    T* m_nullItem;
};
