#pragma once
// One use of an item's or a spell's ability on its way through the world: a projectile
// carries a copy to where it lands, an explosion a copy for whatever its area reaches. The
// creatures implement it over their record of the use, and what the use does on arrival
// (hits, effects, explosions, the user's inventory) is theirs.

#include "Library/core/vector.h"

#include <memory>

class Entity;
class ItemEntity;

class LaunchedAbility {
public:
    // What becomes of a thrown item when its projectile arrives.
    enum Delivery : int {
        kDeliveryStays = 0,
        kDeliveryLands = 1,   // on the map where it hit
        kDeliveryReturns = 2, // into the user's hand again
        kDeliveryUsedUp = 3,  // released by the after-use step
    };

    virtual ~LaunchedAbility() = default;
    virtual std::unique_ptr<LaunchedAbility> Clone() const = 0;

    virtual Entity* GetUser() const = 0;
    virtual Entity* GetTarget() const = 0; // null when aimed at a point
    virtual void ForgetTarget() = 0;       // the target is gone
    virtual const Vector& GetOrigin() const = 0;
    virtual const Vector& GetTargetPoint() const = 0;
    virtual void SetOrigin(const Vector& point) = 0;
    virtual void SetTargetPoint(const Vector& point) = 0;
    virtual float GetAreaRadius() const = 0; // above 0: the use hits an area
    // The item that flies as itself, thrown or shot; null for a spell.
    virtual ItemEntity* GetItem() const = 0;
    virtual int GetDelivery() const = 0;
    virtual bool ReturnToHand(ItemEntity& item) = 0; // into the user's current hand slot

    // True when an explosion of the kind was made, which then owns the use's end.
    virtual bool StartExplosion(int kind) = 0;
    virtual bool ApplyInRadius() = 0; // by target mode, around the origin
    virtual bool ApplyToTarget(Entity* target) = 0;
    // The after-use step: whoever holds the use last runs it, once.
    virtual void Finish() = 0;
};
