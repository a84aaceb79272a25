#pragma once
// What scripts, the party and the player's orders make one creature do: each function
// takes the acting entity first, refuses (false) what is no creature or cannot be done,
// and either issues the creature a command, whose outcome its behaviour reports later,
// or acts at once.

#include <cstdint>

class Entity;

// Its movement stops and its orders, events and command are cleared.
bool ScriptCmdStop(Entity* entity);
// Facing 0 for a negative direction, else the direction up to 7.
bool ScriptCmdSetFacing(Entity* entity, int32_t direction);
// Refused for no target, itself, or a target that is no living creature.
bool ScriptCmdAttack(Entity* entity, Entity* target);
