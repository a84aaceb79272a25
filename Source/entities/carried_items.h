#pragma once
// What a creature carries, as its soldier's acts reach it: seventeen slots, three of them
// hands with one current, and a backpack (slot 17). The creatures' inventory implements it.

#include <cstdint>

class ContainerEntity;
class ItemEntity;
class Stringc;

class CarriedItems {
public:
    static constexpr int kBackpackSlot = 17;

    virtual ItemEntity* GetCurrentItem() const = 0; // in the current hand, or null
    virtual void SelectNextHand() = 0;              // wrapping over the hands
    virtual void SelectPrevHand() = 0;
    virtual void StowFlaggedItems() = 0; // the slot items flagged for it go to the backpack
    virtual bool Contains(const ItemEntity* item) const = 0;
    virtual bool BackpackContains(const ItemEntity* item) const = 0;
    virtual bool FindByName(const Stringc& name, ItemEntity*& out) const = 0; // slots first
    // The backpack's first ammunition of the type and, unless the name is empty, of that
    // template name; an emptied stack is passed over.
    virtual bool FindAmmoInBackpack(const Stringc& name, uint16_t ammoType,
                                    ItemEntity*& out) const = 0;
    virtual ContainerEntity& GetBackpack() = 0;
    // Seconds a move takes: 1 into or out of the backpack, 0 between slots or refused.
    virtual float GetMoveCost(const ItemEntity* item, int slot) = 0;
    virtual bool AddToSlot(ItemEntity* item, int count, int slot, ItemEntity*& out) = 0;
    virtual bool PickUp(ItemEntity* item) = 0; // from the map
    virtual bool PutInBackpack(ItemEntity* item) = 0;
    virtual bool RemoveItem(int count, ItemEntity* item) = 0;

protected:
    ~CarriedItems() = default;
};
