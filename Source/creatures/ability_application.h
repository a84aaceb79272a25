#pragma once
// What one use of an ability does to the world: to one entity, to the creatures inside the
// use's cone nearest first (a burst spends its shots on the nearest), or to everything its
// target mode names within its radius.
//
// On a creature: the use's attack-time effects are put on, the hit is rolled and the damage
// found, the effects come off again, a hit of at least 1 reaches the creature as a hit event
// (the damage, the damage type, the user), and after a hit the use's other effects are
// applied. On a trigger, door or chest: each skill-use effect (parameter A the skill,
// parameter B the mode) is tried on its map object. Anything else is untouched.
//
// Target modes: 0 map objects (triggers, doors, chests), 2 living creatures, 3 dead ones,
// 5 living creatures in a radius only; 1, 4 and 6 are refused; above 6 accepted untouched.

class AbilityData;
class EntityMgr;
class Entity;

// An entity that is no creature or map object is accepted untouched; so is none.
bool ApplyAbilityToTarget(AbilityData& use, Entity* entity);
// The use's own target when it fits the mode (living for 2, dead for 3).
bool ApplyAbilityToTargetByMode(AbilityData& use);
// The creatures the mode names in the cone from the source toward the target (the use's
// spread wide, its range long), as a burst; false when the use has no cone.
bool ApplyAbilityToNearestInArea(EntityMgr& entities, AbilityData& use);
// Within the use's radius of its source position.
bool ApplyAbilityInRadius(EntityMgr& entities, AbilityData& use);
