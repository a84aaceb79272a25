#pragma once
// What scripts, the party and the player's orders make one creature do: each function
// takes the acting entity first, refuses (false) what is no creature or cannot be done,
// and either issues the creature a command, whose outcome its behaviour reports later,
// or acts at once. Issuing does not clear the command before: the callers do. A creature
// that died is issued nothing.

#include <cstdint>

class Entity;
class EntityMgr;
class EntityRef;
class SpellAbility;
class Stringc;
class Vector;

// Commands.
bool ScriptCmdGoToTarg(Entity* entity, Entity* target, float range);
bool ScriptCmdGoToDest(Entity* entity, const Vector& point);
bool ScriptCmdGoToTargOffset(Entity* entity, Entity* target, const Vector& offset);
bool ScriptCmdGoToDestOffset(Entity* entity, const Vector& point, const Vector& offset);
bool ScriptCmdWander(Entity* entity);
bool ScriptCmdEvadeTarg(Entity* entity, Entity* target, float seconds);
bool ScriptCmdEvadePt(Entity* entity, const Vector& point, float seconds);
bool ScriptCmdGoToDestAndLeave(Entity* entity, const Vector& point);
bool ScriptCmdEscapeArea(Entity* entity, uint8_t leave); // stops it first
bool ScriptCmdFollowWayPoints(Entity* entity);           // refused without a way point
// Refused for no target, itself, or a target that is no living creature.
bool ScriptCmdAttack(Entity* entity, Entity* target);
bool ScriptCmdAttackOneRound(Entity* entity, Entity* target);
bool ScriptCmdAttackReevaluate(Entity* entity, Entity* target, float seconds);
bool ScriptCmdProtectTarget(Entity* entity, Entity* protectedOne);
bool ScriptCmdProtectPoint(Entity* entity, const Vector& point, float radius);
// The entity turns to the target first; a negative distance is then refused.
bool ScriptCmdGoToTargStartDialogue(Entity* entity, Entity* target, float distance);
bool ScriptCmdCollectItemMap(Entity* entity, Entity* item);
bool ScriptCmdUseItemPoint(Entity* entity, const Stringc& itemName, const Vector& point);
bool ScriptCmdUseItemTarg(Entity* entity, const Stringc& itemName, Entity* target);
bool ScriptCmdUseItemOnTarget(Entity* entity, Entity* item, Entity* target);
bool ScriptCmdOpenTarg(Entity* entity, Entity* target, int32_t argument);
bool ScriptCmdWait(Entity* entity, float seconds);
// Casting: refused when the spell does not reach its target from the caster, or, with the
// charge flag, when the caster has no ready charge of it. A point lies on the caster's map
// (0 <= x < width, 0 <= y < height); its target may be null.
bool ScriptCmdSpell(Entity* entity, SpellAbility* spell, uint8_t useCharge);
bool ScriptCmdSpellTarget(Entity* entity, SpellAbility* spell, Entity* target, uint8_t useCharge);
bool ScriptCmdSpellPoint(Entity* entity, SpellAbility* spell, Entity* target, const Vector& point,
                         uint8_t useCharge);

// At once.
bool ScriptCmdStop(Entity* entity); // movement stopped; orders, events and command cleared
bool ScriptCmdIsCreature(Entity* entity);
bool ScriptCmdClearWayPoints(Entity* entity);
bool ScriptCmdAddWayPoint(Entity* entity, const Vector& point);
bool ScriptCmdSay(Entity* entity, const Stringc& text);
bool ScriptCmdSetFacing(Entity* entity, int32_t direction); // held within 0 to 7
bool ScriptCmdFaceEntity(Entity* entity, Entity* other);
bool ScriptCmdHurt(Entity* entity, int32_t amount);
bool ScriptCmdSetRunning(Entity* entity, bool running);
// The target is usable and the entity a creature; nothing else.
bool ScriptCmdCheckTarget(Entity* entity, Entity* target);
bool ScriptCmdLearnSpell(Entity* entity, uint32_t id, uint32_t level, int32_t charges,
                         int32_t ready);
bool ScriptCmdForgetSpell(Entity* entity, uint32_t id);

// Notices, each reaching the creatures' scripts on their next update. The first three go
// to every other living creature within the entity's sight range.
bool ScriptCmdNotifySameRef(Entity* entity, const EntityRef& pattern, int32_t value);
bool ScriptCmdNotifyNearby(Entity* entity, int32_t value);
bool ScriptCmdNotifyNearbyOfSelf(Entity* entity);
// Every creature of the manager matching the pattern, wherever it is, the dead included.
bool ScriptCmdNotifyMatching(EntityMgr& manager, const EntityRef& pattern, int32_t value);
