#pragma once
// A use of an item's or a spell's ability carried by a projectile or an explosion: a copy
// of its record, delivered to the world on arrival.

#include "Source/creatures/ability_data.h"
#include "Source/entities/launched_ability.h"

class WorldDelivery;

class AbilityInFlight : public LaunchedAbility {
public:
    AbilityInFlight(const AbilityData& use, WorldDelivery& world); // world must outlive it

    std::unique_ptr<LaunchedAbility> Clone() const override;
    Entity* GetUser() const override { return m_use.GetSource(); }
    Entity* GetTarget() const override { return m_use.GetTarget(); }
    void ForgetTarget() override;
    const Vector& GetOrigin() const override { return m_use.GetSourcePosition(); }
    const Vector& GetTargetPoint() const override { return m_use.GetTargetPosition(); }
    void SetOrigin(const Vector& point) override;
    void SetTargetPoint(const Vector& point) override;
    float GetAreaRadius() const override { return m_use.GetRadius(); }
    ItemEntity* GetItem() const override {
        return m_use.IsItem() ? m_use.GetOwningItem() : nullptr;
    }
    int GetDelivery() const override { return m_use.GetThrowMode(); }
    bool ReturnToHand(ItemEntity& item) override;
    bool StartExplosion(int kind) override;
    bool ApplyInRadius() override;
    bool ApplyToTarget(Entity* target) override;
    void Finish() override { m_use.Finish(); }

    const AbilityData& GetUse() const { return m_use; }

private:
    AbilityData m_use;
    WorldDelivery& m_world;
};
