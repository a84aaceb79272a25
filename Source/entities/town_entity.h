#pragma once
// A town on the world map. Until towns are built it acts as a plain cycle entity.

#include "Source/entities/cycle_entity.h"

class TownEntity : public CycleEntity {
public:
    TownEntity() { SetType(kTypeTown); }
};
