#include "Source/entities/entity_pickers.h"

#include "Library/core/random.h"
#include "Library/geometry/circle_tests.h"
#include "Library/scripts/entity_ref.h"
#include "Source/entities/creature_parts.h"
#include "Source/entities/soldier_entity.h"

#include <cfloat>
#include <cmath>

namespace {

// The selected entry whose score beats the best so far (better (score, best)), from start.
template <class Score, class Better>
bool PickBest(const EntityPtrList& list, double start, Score score, Better better, Entity*& out) {
    double best = start;
    Entity* found = nullptr;
    list.ForEachSelected([&](Entity& entity) {
        double value = 0.0;
        if (score(entity, value) && better(value, best)) {
            best = value;
            found = &entity;
        }
    });
    if (found == nullptr)
        return false;
    out = found;
    return true;
}

template <class Read> auto CreatureScore(Read read) {
    return [read](const Entity& entity, double& value) {
        if (entity.GetType() != Entity::kTypeSoldier)
            return false;
        const CreatureParts* creature = static_cast<const SoldierEntity&>(entity).GetCreature();
        if (creature == nullptr)
            return false;
        value = read(*creature);
        return true;
    };
}

auto DistanceFrom(const Vector& point) {
    return [&point](const Entity& entity, double& value) {
        value = DistanceSquared2d(entity.GetPosition(), point);
        return true;
    };
}

const auto kGreater = [](double value, double best) { return value > best; };
const auto kSmaller = [](double value, double best) { return value < best; };
const auto kStrength = [](const CreatureParts& creature) { return creature.GetStrength(); };
const auto kHealth = [](const CreatureParts& creature) { return creature.GetHitPointsPercent(); };

constexpr double kHighestStart = -1.0;
constexpr double kLowestStart = 2000.0;

} // namespace

bool GetFirstCandidate(const EntityPtrList& list, Entity*& out) {
    for (int slot = 0; slot < list.GetSlotCount(); ++slot)
        if (list.IsUsed(slot) && list.GetAt(slot)->IsCandidate()) {
            out = list.GetAt(slot);
            return true;
        }
    return false;
}

bool PickRandomCandidate(const EntityPtrList& list, Entity*& out) {
    int remaining = RandomInt(0, CountSelected(list));
    Entity* found = nullptr;
    list.ForEachSelected([&](Entity& entity) {
        if (found == nullptr && remaining-- == 0)
            found = &entity;
    });
    if (found == nullptr)
        return false;
    out = found;
    return true;
}

bool FindNearestCandidate(const Vector& point, const EntityPtrList& list, Entity*& out) {
    return PickBest(list, FLT_MAX, DistanceFrom(point), kSmaller, out);
}

bool FindFarthestCandidate(const Vector& point, const EntityPtrList& list, Entity*& out) {
    const auto atLeast = [](double value, double best) { return value >= best; };
    return PickBest(list, kHighestStart, DistanceFrom(point), atLeast, out);
}

bool PickStrongest(const EntityPtrList& list, Entity*& out) {
    return PickBest(list, kHighestStart, CreatureScore(kStrength), kGreater, out);
}

bool PickWeakest(const EntityPtrList& list, Entity*& out) {
    return PickBest(list, kLowestStart, CreatureScore(kStrength), kSmaller, out);
}

bool PickHealthiest(const EntityPtrList& list, Entity*& out) {
    return PickBest(list, kHighestStart, CreatureScore(kHealth), kGreater, out);
}

bool PickMostWounded(const EntityPtrList& list, Entity*& out) {
    return PickBest(list, kLowestStart, CreatureScore(kHealth), kSmaller, out);
}

bool PickLargest(const EntityPtrList& list, Entity*& out) {
    const auto radius = [](const Entity& entity, double& value) {
        value = entity.GetRadius();
        return true;
    };
    return PickBest(list, -DBL_MAX, radius, kGreater, out);
}

bool FindMatchingEntity(const EntityRef& ref, const EntityPtrList& list, Entity*& out) {
    for (int slot = 0; slot < list.GetSlotCount(); ++slot) {
        Entity* entity = list.IsUsed(slot) ? list.GetAt(slot) : nullptr;
        if (entity != nullptr && entity->IsCandidate() && ref.Matches(entity->GetRef())) {
            out = entity;
            return true;
        }
    }
    return false;
}

int CountSelected(const EntityPtrList& list) {
    int count = 0;
    list.ForEachSelected([&](const Entity&) { ++count; });
    return count;
}

bool AnyMatchingSelected(const EntityPtrList& list, const EntityRef& ref) {
    Entity* found = nullptr;
    return FindMatchingEntity(ref, list, found);
}

bool AverageSelectedPosition(const EntityPtrList& list, Vector& out) {
    Vector sum;
    int count = 0;
    list.ForEachSelected([&](const Entity& entity) {
        sum = sum + entity.GetPosition();
        ++count;
    });
    if (count == 0)
        return false;
    out = sum * (1.0f / static_cast<float>(count));
    return true;
}

bool SelectionRadius(const EntityPtrList& list, float& out) {
    Vector centre;
    Entity* farthest = nullptr;
    if (!AverageSelectedPosition(list, centre) || !FindFarthestCandidate(centre, list, farthest))
        return false;
    out = std::sqrt(DistanceSquared2d(farthest->GetPosition(), centre)) + farthest->GetRadius();
    return true;
}
