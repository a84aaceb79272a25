#pragma once
// A thrown or fired object in flight. Until projectiles are built it acts as a plain queued entity.

#include "Source/entities/queued_entity.h"

class ProjectileEntity : public QueuedEntity {
public:
    ProjectileEntity() { SetType(kTypeProjectile); }
};
