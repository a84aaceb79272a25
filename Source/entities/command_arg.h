#pragma once
// One argument of a creature command: an entity, a point, a number or a spell, as the
// command's id says. Each keeps its own type, so nothing travels disguised as another; a
// number reads both as a float and, truncated, as an integer.

#include "Library/core/vector.h"

class Entity;
class SpellAbility;

class CommandArg {
public:
    CommandArg() = default;
    CommandArg(Entity* entity) : m_entity(entity) {}
    CommandArg(const Vector& point) : m_point(point) {}
    CommandArg(float number);
    CommandArg(int value) : m_number(static_cast<float>(value)), m_value(value) {}
    CommandArg(const SpellAbility* spell) : m_spell(spell) {}

    Entity* AsEntity() const { return m_entity; }     // null unless made from an entity
    const Vector& AsPoint() const { return m_point; } // (0, 0, 0) unless made from a point
    float AsNumber() const { return m_number; }       // 0 unless made from a number
    int AsInt() const { return m_value; }
    const SpellAbility* AsSpell() const { return m_spell; } // null unless made from a spell

private:
    Entity* m_entity = nullptr;
    Vector m_point;
    float m_number = 0.0f;
    int m_value = 0;
    const SpellAbility* m_spell = nullptr;
};
