#pragma once
// An invisible zone on the map: a travel exit, an information spot or a trap, with its map
// object. Until triggers are built it acts as a plain entity.

#include "Source/entities/entity.h"
#include "Source/entities/map_object_holder.h"

class TriggerEntity : public Entity, public MapObjectHolder {
public:
    TriggerEntity() { SetType(kTypeTrigger); }
};
