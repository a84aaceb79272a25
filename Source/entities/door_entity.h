#pragma once
// A two-state entity that owns a door map object: its zone, tile patches, blocked cells,
// lock and script. Until doors are built it acts as a plain two-state entity.

#include "Source/entities/binary_entity.h"
#include "Source/entities/map_object_holder.h"

class DoorEntity : public BinaryEntity, public MapObjectHolder {
public:
    DoorEntity() { SetType(kTypeDoor); }
};
