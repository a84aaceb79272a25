#pragma once
// One argument of an entity event: a number, an entity or a point, as the event's kind
// says. Each keeps its own type, so an entity or a point never travels inside an int.

class Entity;
class Vector;

class EventArg {
public:
    EventArg() = default;
    EventArg(int value) : m_value(value) {}
    EventArg(Entity* entity) : m_entity(entity) {}
    EventArg(const Vector* point) : m_point(point) {}

    int AsInt() const { return m_value; }             // 0 unless made from a number
    Entity* AsEntity() const { return m_entity; }     // null unless made from an entity
    const Vector* AsPoint() const { return m_point; } // null unless made from a point

    bool operator==(const EventArg& other) const {
        return m_value == other.m_value && m_entity == other.m_entity && m_point == other.m_point;
    }
    bool operator!=(const EventArg& other) const { return !(*this == other); }

private:
    int m_value = 0;
    Entity* m_entity = nullptr;
    const Vector* m_point = nullptr;
};
