#pragma once
// An item lying on the map or carried in an inventory. Until items are built it acts as a plain
// queued entity.

#include "Source/entities/queued_entity.h"

class ItemEntity : public QueuedEntity {
public:
    ItemEntity() { SetType(kTypeItem); }
};
