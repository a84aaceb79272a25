#pragma once
// A chest standing on the map, with its container map object. Until chests are built it
// acts as a plain two-state entity.

#include "Source/entities/container_entity.h"
#include "Source/entities/map_object_holder.h"

class ContainerMapEntity : public ContainerEntity, public MapObjectHolder {
public:
    ContainerMapEntity() { SetType(kTypeContainerMap); }
};
