#pragma once
// A use in flight that records what is done with it: every copy writes into the same log,
// naming an entity by its template name ("-" for none) and a point by its whole cells.

#include "Source/entities/entity.h"
#include "Source/entities/item_entity.h"
#include "Source/entities/launched_ability.h"
#include "entity_fakes.h"

#include <memory>
#include <string>

namespace testsupport {

class FakeLaunchedAbility : public LaunchedAbility {
public:
    explicit FakeLaunchedAbility(CallLog& log) : m_log(&log) {}

    std::unique_ptr<LaunchedAbility> Clone() const override {
        return std::make_unique<FakeLaunchedAbility>(*this);
    }
    Entity* GetUser() const override { return user; }
    Entity* GetTarget() const override { return target; }
    void ForgetTarget() override { target = nullptr; }
    const Vector& GetOrigin() const override { return origin; }
    const Vector& GetTargetPoint() const override { return targetPoint; }
    void SetOrigin(const Vector& point) override { origin = point; }
    void SetTargetPoint(const Vector& point) override { targetPoint = point; }
    float GetAreaRadius() const override { return radius; }
    ItemEntity* GetItem() const override { return item; }
    int GetDelivery() const override { return delivery; }
    bool ReturnToHand(ItemEntity& returned) override {
        Note("return " + Name(&returned));
        return true;
    }
    bool StartExplosion(int kind) override {
        Note("explosion " + std::to_string(kind) + " at " + Cells(targetPoint));
        return explodes;
    }
    bool ApplyInRadius() override {
        Note("radius at " + Cells(origin));
        return true;
    }
    bool ApplyToTarget(Entity* entity) override {
        Note("hit " + Name(entity) + " at " + Cells(targetPoint));
        return true;
    }
    void Finish() override { Note("finish"); }

    static std::string Name(const Entity* entity) {
        return entity ? entity->GetTemplateName().c_str() : "-";
    }
    static std::string Cells(const Vector& point) {
        return std::to_string(static_cast<int>(point.x)) + "," +
               std::to_string(static_cast<int>(point.y));
    }

    Entity* user = nullptr;
    Entity* target = nullptr;
    Vector origin;
    Vector targetPoint;
    float radius = 0.0f;
    ItemEntity* item = nullptr;
    int delivery = kDeliveryStays;
    bool explodes = true;

private:
    void Note(const std::string& what) { m_log->push_back(what); }

    CallLog* m_log;
};

} // namespace testsupport
