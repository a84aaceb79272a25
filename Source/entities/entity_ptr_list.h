#pragma once
// A pool of entities seen as a list of slots, for code that does not care about the
// class: queries walk its used slots in slot order.

#include "Source/entities/entity.h"

class EntityPtrList {
public:
    virtual ~EntityPtrList() = default;

    virtual int GetSlotCount() const = 0; // slots 0 .. count - 1 have held an entity
    virtual bool IsUsed(int slot) const = 0;
    // Null outside the slots that have held one. A free slot of a pool gives the entity
    // left in it, to be reused; one of a gathered or placed list gives null.
    virtual Entity* GetAt(int slot) const = 0;

    template <class Visit> void ForEachUsed(Visit visit) const {
        for (int slot = 0; slot < GetSlotCount(); ++slot)
            if (IsUsed(slot))
                visit(*GetAt(slot));
    }
    // The used entries a query still has selected.
    template <class Visit> void ForEachSelected(Visit visit) const {
        ForEachUsed([&](Entity& entity) {
            if (entity.IsCandidate())
                visit(entity);
        });
    }
};
