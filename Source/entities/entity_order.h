#pragma once
// An order a queued entity is to carry out, or an event that happened to it (the same
// record in two queues). The queues are never saved, so the entity the record is about and
// the extra argument are held as what they are.

#include "Library/core/stringc.h"
#include "Library/core/vector.h"
#include "Source/entities/event_arg.h"

#include <cstdint>

class Entity;

struct EntityOrder {
    static constexpr uint8_t kNone = 255;

    uint8_t kind = kNone;
    int32_t a = 0;
    int32_t b = 0;
    Vector point;
    Stringc text;
    Entity* target = nullptr;
    EventArg extra;

    // Field by field; the text ignoring case.
    bool operator==(const EntityOrder& other) const {
        return kind == other.kind && a == other.a && b == other.b && point == other.point &&
               text == other.text && target == other.target && extra == other.extra;
    }
    bool operator!=(const EntityOrder& other) const { return !(*this == other); }
};

using EntityEvent = EntityOrder;
