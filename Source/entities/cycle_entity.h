#pragma once
// An ambient animation on the map: fire, smoke, a fountain. Until cycles are built it acts as a
// plain queued entity.

#include "Source/entities/queued_entity.h"

class CycleEntity : public QueuedEntity {
public:
    CycleEntity() { SetType(kTypeCycle); }
};
