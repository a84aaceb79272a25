#pragma once
// An item's ability as the item reaches it. What a use does (kind, uses, dice, range,
// ammunition, the use itself) is the rules' business: the creatures make the abilities
// (ItemRules) and each knows the item that owns it.

#include "Library/core/stringc.h"
#include "Library/core/vector.h"

#include <cstdint>

class Entity;
class ItemEntity;
class ItemMagazine;
class Stream;

class ItemAbilityLink {
public:
    virtual ~ItemAbilityLink() = default;

    virtual void Reset() = 0;
    virtual bool Load(Stream& stream) = 0;
    virtual bool Save(Stream& stream) const = 0;
    virtual void CopyFrom(const ItemAbilityLink& other) = 0; // the stored fields
    virtual void SetOwner(ItemEntity* item) = 0;
    virtual void SetMagazine(ItemMagazine* magazine) = 0;
    // Magazines link to the abilities whose ammunition id equals their own id.
    virtual uint32_t GetAmmunitionId() const = 0;

    virtual int GetKind() const = 0;
    virtual const Stringc& GetName() const = 0;
    virtual const Stringc& GetDescription() const = 0;
    virtual float GetUseTime() const = 0;
    virtual int GetMagazineId() const = 0; // the ammunition type it takes
    virtual int GetCount() const = 0;      // uses, or the magazine's rounds
    virtual void SetCount(int count) = 0;
    virtual int GetCharges() const = 0;
    virtual int GetMaxCharges() const = 0;
    virtual int GetCapacity() const = 0;
    virtual float GetRange() const = 0;
    virtual bool IsFull() const = 0;
    virtual bool IsEmpty() const = 0;
    virtual bool AcceptsAmmo(const ItemEntity& item) const = 0;
    // Forgets the item as its loaded ammunition; true when it was.
    virtual bool ForgetAmmunition(const ItemEntity* item) = 0;
    virtual bool Refresh() = 0;    // finds its ammunition again
    virtual void ResetState() = 0; // the record of the last use cleared
    virtual bool IsValidTarget(Entity* entity, const Vector& point) const = 0;
    virtual bool Use(Entity* user, const Vector& userPosition, Entity* target,
                     const Vector& targetPosition) = 0;
};
