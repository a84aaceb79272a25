#pragma once
// What a creature carries: seventeen equipment slots, three of them hands with one current,
// and a backpack (slot 17) for everything else. It decides what may go where, moves items
// and parts of stacks, puts the effects of what is worn on the creature and takes them off
// again, picks items up from the map and drops them. The items are the entity manager's;
// the backpack is the inventory's own.

#include "Library/core/stringc.h"
#include "Source/entities/carried_items.h"

#include <cstdint>
#include <memory>
#include <vector>

class ContainerEntity;
class CreatureData;
class EffectMgr;
class Entity;
class ItemEntity;
class Stream;

class CreatureInventory : public CarriedItems {
public:
    static constexpr int kSlotCount = 17;
    static constexpr int kShieldSlot = 9;
    static constexpr int kAnySlot = 10;
    static constexpr int kFirstHand = 11;
    static constexpr int kLastHand = 13;
    static constexpr int kBackpack = 17; // as is any slot number above it
    static constexpr uint32_t kEmptySlot = 0xFFFFFFFF;
    enum Refusal : uint8_t { kRefusalNone, kRefusalWrongKind, kRefusalShieldAndTwoHanded };

    explicit CreatureInventory(Entity* owner = nullptr); // the carrying creature; not owned
    CreatureInventory(const CreatureInventory&) = delete;
    CreatureInventory& operator=(const CreatureInventory&) = delete;
    virtual ~CreatureInventory();

    // Queries.
    bool CanPutInSlot(const ItemEntity* item, int slot); // sets the refusal
    int TakeRefusal();                                   // the last refusal, then none
    ItemEntity* GetSlot(int slot) const;                 // 0 to 16; null otherwise
    ItemEntity* GetCurrentItem() const override { return GetSlot(m_currentHand); }
    int GetCurrentHand() const { return m_currentHand; }
    bool FindSlotOf(const ItemEntity* item, int& slot) const; // 17 for the backpack
    bool Contains(const ItemEntity* item) const override;
    bool BackpackContains(const ItemEntity* item) const override;
    // Slots first, in order, then the backpack; names ignore case.
    bool FindByName(const Stringc& name, ItemEntity*& out) const override;
    bool HasItemNamed(const Stringc& name) const;
    bool IsNamedItemInSlot(const Stringc& name, int slot) const;
    bool IsItemInSlot(const ItemEntity* item, int slot) const;
    static bool IsValidSlot(int slot) { return slot >= 0 && slot < kSlotCount; }
    static bool IsHandSlot(int slot) { return slot >= kFirstHand && slot <= kLastHand; }
    bool FindFreeHandSlot(int& slot) const;
    bool FindStackSlot(const ItemEntity* item, int& slot) const;
    float GetTotalWeight() const;
    bool IsTooHeavyWith(const ItemEntity* item) const;
    // 0 for a move refused, of an item not carried or already there; 1 into or out of the
    // backpack; 0 between slots.
    float GetMoveCost(const ItemEntity* item, int slot) override;
    int CountBackpackItems() const;
    bool FindAmmoInBackpack(const Stringc& name, uint16_t ammoType,
                            ItemEntity*& out) const override;
    bool CollectItems(std::vector<ItemEntity*>& list) const; // slots, then the backpack
    ContainerEntity& GetBackpack() override { return *m_backpack; }

    // Changes. Each refreshes the creature's look when it moved anything.
    bool AddItem(ItemEntity* item, ItemEntity*& out);      // a new item into the backpack
    bool RemoveItem(int count, ItemEntity* item) override; // the item leaves with count
    // count of a carried item to the slot; a part that cannot be placed goes back.
    bool AddToSlot(ItemEntity* item, int count, int slot, ItemEntity*& out) override;
    bool AddToCurrentHand(ItemEntity* item, ItemEntity*& out);
    // From the map; the map keeps the rest of a stack, and gets the item back when it
    // cannot be carried.
    bool PickUp(ItemEntity* item) override;
    bool DropItem(ItemEntity* item); // one of it, at the creature's feet
    bool PutInBackpack(ItemEntity* item) override;
    // One of a stack in the backpack becomes an item of its own there, apart from the rest
    // (a single item stays as it is); out is that one.
    bool TakeFromBackpack(ItemEntity* item, ItemEntity*& out);
    void SetCurrentHand(int slot); // a weapon's effects go with the current hand
    void SelectNextHand() override { SetCurrentHand(m_currentHand + 1); }
    void SelectPrevHand() override { SetCurrentHand(m_currentHand - 1); }
    void StowFlaggedItems() override; // at death
    bool ReturnEmptyItem(ItemEntity* item);
    void SetNamedItemVariant(const Stringc& name);
    void ForNamedItems(const Stringc& name, int value);
    void ResetItems();
    void LoadItemGraphics(int load); // 1 the icons, 0 the map looks
    // The first hand, no items, an empty backpack. Only live items this creature owns are
    // released: after the entity manager was cleared the slots may name other items.
    void Reset();
    void ReleaseItems();
    void FinishLoading(); // once the record is in place: the abilities find their ammunition

    // Stored form, little-endian: u32 current hand (11 to 13), per slot 0 to 16 the item's
    // u32 type code (only items) and its record or 0xFFFFFFFF when empty, then the
    // backpack's container record. The items made for a record that fails are released.
    bool Load(Stream& stream);
    bool Save(Stream& stream) const;

private:
    CreatureData* Data() const; // the creature's rules record; null without a creature
    EffectMgr* Effects() const;
    bool IsLiveOwnItem(const ItemEntity* item) const;
    bool WearsEffects(const ItemEntity* item, int slot) const;
    void PutOnEffects(ItemEntity* item, int slot);
    void TakeOffEffects(ItemEntity* item, int slot);
    bool Place(ItemEntity* item, int slot, ItemEntity*& out);
    bool Take(ItemEntity* item, int count);
    void RefreshLook() const;
    void PrepareBackpack();
    void Carry(ItemEntity& item) const; // owned and hidden

    Entity* m_owner;
    int32_t m_currentHand = kFirstHand;
    ItemEntity* m_slots[kSlotCount] = {};
    std::unique_ptr<ContainerEntity> m_backpack;
    uint8_t m_refusal = kRefusalNone;
};
