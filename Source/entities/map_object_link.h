#pragma once
// The map object owned by a trigger, door or chest as the entity manager reaches it: its
// kind, its zone and its script.

#include "Library/core/vector.h"

#include <cstdint>

class ScriptMachine;

// Map object kinds.
enum MapObjectKind : uint32_t {
    kMapObjectTravel = 0,
    kMapObjectInfo = 1,
    kMapObjectTrap = 2,
    kMapObjectTwoState = 3,
    kMapObjectContainer = 4,
    kMapObjectDoor = 5,
};

class MapObjectLink {
public:
    virtual ~MapObjectLink() = default;

    virtual uint32_t GetKind() const = 0;
    virtual bool ZoneContains(const Vector& point) const = 0; // the zone of the current state
    // The point of the zone's boundary nearest to point; false for an empty zone.
    virtual bool NearestZonePoint(const Vector& point, Vector& nearest) const = 0;
    virtual ScriptMachine& GetScript() = 0;
};
