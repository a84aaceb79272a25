#pragma once
// The pool of one entity class. Each object is built once, on the first allocation of its
// slot, and kept for the pool's lifetime: freeing only frees the slot, and the lowest free
// slot is handed out first, its object reused.

#include "Library/core/mem_mgr.h"
#include "Source/entities/entity_ptr_list.h"

class EntityMgr;

class EntityPool : public EntityPtrList {
public:
    virtual Entity* Alloc() = 0; // the entity as it was left; its manager set
    virtual void FreeSlot(int slot) = 0;
    virtual void FreeAll() = 0;

    // Among the used slots, -1 when not there: the slot the entity was handed out from, held
    // by the entity, so the live check costs the same in a pool of any size. The entity must
    // be one still in memory; for a pointer that may be anything, SlotHolding.
    int SlotOf(const Entity* entity) const;
    int SlotHolding(const Entity* pointer) const; // by the pointer alone, walking the slots
    bool Free(const Entity* entity);              // false when no used slot holds it
};

template <class T> class TypedEntityPool : public EntityPool {
public:
    explicit TypedEntityPool(EntityMgr* manager) : m_slots(1), m_manager(manager) {}

    int GetSlotCount() const override { return m_slots.GetCount(); }
    bool IsUsed(int slot) const override { return m_slots.IsUsed(slot); }
    Entity* GetAt(int slot) const override { return m_slots.Get(slot); }
    Entity* Alloc() override {
        const int slot = m_slots.AllocSlot();
        T* entity = m_slots.Get(slot);
        entity->SetManager(m_manager);
        entity->SetPoolSlot(slot);
        return entity;
    }
    void FreeSlot(int slot) override {
        if (slot >= 0 && slot < m_slots.GetCount())
            m_slots.Free(slot);
    }
    void FreeAll() override { m_slots.FreeAll(); }

private:
    MemMgr<T> m_slots;
    EntityMgr* m_manager;
};
