#pragma once
// A container of items: a creature's backpack, a trade list, the contents of a chest. The
// items belong to the entity manager's item pool; the container lists them, newest first,
// hidden from the map and linked back to it, and opens and closes like any two-state
// entity. It has no pool of its own: whatever uses it owns it.

#include "Source/entities/binary_entity.h"

#include <vector>

class ItemEntity;
struct Rect;

class ContainerEntity : public BinaryEntity {
public:
    ContainerEntity();
    ~ContainerEntity() override;

    // Closed, empty, own weight and value 0. Only the live items still linked to this
    // container are released: a list left from a cleared entity manager names slots that
    // may hold other items by now.
    void Init() override;
    // The two-state record, f32 own weight, u32 own value, u32 item count, then per item
    // its u32 type code (only items) and its record. A record that fails partway releases
    // the items it made and leaves the list empty.
    bool Load(Stream& stream) override;
    bool Save(Stream& stream) const override;
    float GetWeight() const override; // own weight and the items' total weights
    void SetWeight(float weight) override { m_ownWeight = weight; }
    virtual uint32_t GetValue() const; // own value and the items' total values
    virtual void SetValue(uint32_t value) { m_ownValue = value; }
    // While it is being opened and has come to rest open, asks every frame for the
    // inventory of its user with the container beside it.
    bool Update(uint32_t frameMs) override;

    Entity* GetOwner() const { return m_owner; }
    void SetOwner(Entity* owner); // and of every held item

    // Queries.
    int CountHeld() const { return static_cast<int>(m_items.size()); }
    bool HasItem(const ItemEntity* item) const { return IndexOf(item) >= 0; }
    ItemEntity* GetItemAt(int index) const;    // null outside the list
    int IndexOf(const ItemEntity* item) const; // -1 when absent
    bool IsEmpty() const { return m_items.empty(); }
    ItemEntity* GetFirstItem() const { return GetItemAt(0); }
    // By template name; an extension on the asked name is ignored.
    bool HasItemNamed(const Stringc& name) const { return FindItemByName(name) != nullptr; }
    ItemEntity* FindItemByName(const Stringc& name) const;
    uint32_t CountItems() const; // the quantities of the held money
    ItemEntity* ItemAtScreenPoint(int x, int y) const;
    bool AddAllFrom(std::vector<ItemEntity*>& list) const; // each once; true when not empty
    void LoadItemIcons(int flag);                          // 1 the first icons, 0 the second
    void UpdateItems();                                    // every item's use record cleared
    void ForNamedItems(const Stringc& name, int n);        // they select their n-th ability
    bool RefreshNamedItem(const Stringc& name);            // they become identified
    bool StackByKind(const ItemEntity* item) const;
    // The first held item, in list order, that the weapon takes as ammunition; null for none.
    ItemEntity* FindAmmunitionFor(const ItemEntity& weapon) const;
    int GetSelection() const { return m_selection; }
    void SelectPrevious();
    void SelectNext();

    // Changes.
    // Stacks the item onto the first held item it stacks with (the emptied one released)
    // or puts it first; out is the item that holds it. Refused for an empty stack or an
    // item already held.
    bool AddOrStack(ItemEntity* item, ItemEntity*& out);
    bool AddItem(ItemEntity* item, ItemEntity*& out); // placed near the owner first
    // count of a held item leave the list as the item itself; a remainder stays as a new
    // item in its place. False for an item not held, a count below 1, or a remainder that
    // cannot be made.
    bool TakeItem(int count, ItemEntity* item);
    // One unit of held ammunition loads the weapon; what is left of it comes back.
    bool MoveItemTo(ItemEntity* weapon, ItemEntity* ammunition, ItemEntity*& out);
    bool MoveItemToB(ItemEntity* weapon); // until nothing more loads; true when any did
    // Each loaded magazine of the weapon becomes ammunition items of its template in the
    // container. A template that cannot be made leaves the magazine loaded.
    bool UnloadWeapon(ItemEntity* weapon);
    bool PickUpNearbyItems();      // the map items within the owner's reach it sees
    bool DropItemOnMap(bool near); // everything, onto the owner's map
    void DrawContents(const Rect& rect, Screen& screen);

private:
    static constexpr int kContentsStep = 15; // pixels between the contents list's lines

    EntityMgr* ItemManager() const; // the container's, else its owner's
    void Hold(ItemEntity& item);    // hidden, owned, linked back
    void ReleaseHeld();
    void DropFromList(const ItemEntity* item);
    bool MakeAmmunition(const Stringc& name, ItemEntity*& made); // from the template, pooled

    Entity* m_owner = nullptr;
    int32_t m_selection = 0;
    float m_ownWeight = 0.0f;
    uint32_t m_ownValue = 0;
    std::vector<ItemEntity*> m_items;
    uint32_t m_spare = 0;
};
