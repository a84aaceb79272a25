#pragma once
// An animated object with two rest states, open and closed. Until two-state entities are built it
// acts as a plain queued entity.

#include "Source/entities/queued_entity.h"

class BinaryEntity : public QueuedEntity {
public:
    BinaryEntity() { SetType(kTypeBinary); }
};
