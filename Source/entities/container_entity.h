#pragma once
// A container of items: a chest's contents, a creature's backpack. Until containers are built it
// acts as a plain two-state entity.

#include "Source/entities/binary_entity.h"

class ContainerEntity : public BinaryEntity {
public:
    ContainerEntity() { SetType(kTypeContainer); }
};
