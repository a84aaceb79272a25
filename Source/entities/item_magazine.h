#pragma once
// The rounds store of a ranged weapon: how many rounds of which ammunition it holds, out of
// its capacity, and a cartridge, an item of the loaded ammunition's template whose ability
// is what each round does. An ability of the weapon whose ammunition id equals the
// magazine's id fires from it.

#include "Library/core/stringc.h"

#include <cstdint>
#include <memory>

class ItemAbilityLink;
class ItemEntity;
class Stream;

class ItemMagazine {
public:
    ItemMagazine();
    virtual ~ItemMagazine();
    ItemMagazine(const ItemMagazine&) = delete;
    ItemMagazine& operator=(const ItemMagazine&) = delete;

    void Reset();
    // The cartridge's item record, u8 id, u16 ammunition type, Stringc ammunition name,
    // Stringc ammunition display name, u32 value, i32 count, i32 capacity, three Stringc
    // (a text and two sound names). depth counts the cartridges around this one.
    bool Load(Stream& stream, int depth = 0);
    bool Save(Stream& stream) const;

    // The cartridge loads the ammunition's template; type, name and display name follow it.
    bool SetCartridge(const ItemEntity& ammunition);
    // Of the magazine's type, and the magazine empty or holding the same template.
    bool AcceptsAmmo(const ItemEntity& item) const;
    bool HasRoom() const { return m_count < m_capacity; }
    bool IsFull() const { return m_count >= m_capacity; }
    bool IsLoaded() const { return m_count > 0; }
    bool IsEmpty() const { return m_count < 1; }
    // Takes every use of the ammunition item; what does not fit goes back to it.
    bool LoadFrom(ItemEntity& ammunition);
    // Filled from a template item: its uses times the multiplier, held within the capacity.
    bool Fill(const ItemEntity& templateItem, int multiplier);
    bool Unload(Stringc& name, int& count); // only when loaded; empties it
    // n below 1 takes nothing and reports 1; an empty magazine gives false; otherwise at
    // most the rounds held.
    bool TakeRounds(int n, int& taken);
    ItemAbilityLink* GetRound() const; // the cartridge's current ability
    void CopyFrom(const ItemMagazine& other);
    void PlaySound(int flag) const; // 1 the first sound name, 0 the second

    uint8_t GetId() const { return m_id; }
    uint16_t GetAmmoType() const { return m_ammoType; }
    const Stringc& GetAmmoName() const { return m_ammoName; }
    const Stringc& GetAmmoDisplayName() const { return m_ammoDisplayName; }
    const Stringc& GetText() const { return m_texts[0]; }
    int GetCount() const { return m_count; }
    int GetCapacity() const { return m_capacity; }
    float GetFactor() const { return static_cast<float>(m_value); } // its stored value
    const ItemEntity& GetCartridge() const { return *m_cartridge; }
    // Content authors set what a magazine takes; the count starts at 0.
    void Define(uint8_t id, uint16_t ammoType, int32_t capacity);

private:
    std::unique_ptr<ItemEntity> m_cartridge;
    uint8_t m_id = 0;
    uint16_t m_ammoType = 0;
    Stringc m_ammoName;
    Stringc m_ammoDisplayName;
    uint32_t m_value = 0;
    int32_t m_count = 0;
    int32_t m_capacity = 0;
    Stringc m_texts[3];
};
