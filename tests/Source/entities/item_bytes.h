#pragma once
// Item, ability, effect and container records typed field by field from their layouts, for
// the golden-bytes tests of everything that stores items.

#include "Library/core/test_stream_support.h"
#include "Source/entities/entity.h"
#include "entity_record_bytes.h"

#include <string>
#include <vector>

namespace testsupport {

// The entity part of an item of the class (the reference's first stored word) named
// "barrel", shown as "Barrel", at rest in the queued part.
inline Bytes ItemEntityPart(uint32_t itemClass, uint32_t flags = Entity::kFlagShown) {
    TypedBytes ref;
    ref.U32(itemClass).U32(0).U32(0).U32(2).U32(9).U32(0).U32(31).Text("barrel").I32(0);
    return Concat({Placement(1, flags), kTemplateName, kRadiusAuxPicture, ref.Get(),
                   kClearedColourMod, kNames, QueuedPart(3)});
}

// A lasting armour bonus of the amount while worn (unit 5), or a timed one in seconds.
inline TypedBytes& EffectRecord(TypedBytes& b, int32_t amount, uint8_t unit = 5,
                                double duration = 0.0, uint16_t kind = 1) {
    b.U8(1).U16(kind).U8(1).U8(0);          // active, kind, target rule, rounds
    b.I32(amount).I32(0).U32(0);            // amount, parameters A and B
    b.U8(2).U8(unit).F64(duration).U8(100); // duration rule, unit, duration, chance
    b.Text("").U16(0).U16(0);               // text, dice
    b.U8(0).U8(0).U8(0).U8(0);              // resistance flag, mode, bonus, halved
    return b.F64(0.0).F64(0.0);             // elapsed, accumulator
}

struct AbilityLayout {
    uint8_t kind = 6;
    uint32_t ammunitionId = 0;
    uint32_t uses = 1;
    int effects = 0; // armour bonuses of +1, +2 ...
};

inline TypedBytes& AbilityRecord(TypedBytes& b, const AbilityLayout& layout) {
    b.Text("Slash").Text("Cleave").Text("A cut.").Text("");
    b.U8(4).U8(layout.kind).U8(2).U8(1);           // attack kind, kind, target type, roll flag
    b.U8(0).U8(3).U16(1);                          // flag byte, use mode, rounds per use
    b.U32(layout.ammunitionId).Text("").Text("");  // ammunition id, name, text
    b.U32(layout.uses).U32(layout.uses + 4).U8(0); // uses, maximum, byte value
    b.F32(1.5f).F32(0.0f).F64(0.0);                // range, radius, spread
    b.U16(0).U16(0).F32(1.25f).I16(0);             // projectile, throw mode, use time, extra
    b.I16(3).U16(2).U16(6).U32(2);                 // bonus, dice count and sides, damage type
    b.U16(0).U8(0).Text("swish").Text("");         // spell id and level, sounds
    b.Text("sword").U8(1).Text("").U8(0).Text("").U8(0); // animation texts
    b.U32(static_cast<uint32_t>(layout.effects));
    for (int effect = 1; effect <= layout.effects; ++effect)
        EffectRecord(b, effect);
    return b;
}

struct ItemLayout {
    uint32_t itemClass = 101;
    uint16_t quantity = 1;
    uint16_t limit = 1;
    uint32_t itemFlags = 0;
    int effects = 0;
    const Bytes* magazine = nullptr; // one magazine record
    std::vector<AbilityLayout> abilities;
    int16_t current = -1;
};

inline Bytes ItemRecord(const ItemLayout& layout) {
    TypedBytes b;
    b.U8(0).Text("Barrel").Text("Cask").Text("").Text("Old.").Text("fifth");
    b.U32(layout.itemFlags).U16(7).U32(70000).U8('a').U8('b');
    b.Text("barrel_icon").Text("barrel_map").Text("");
    for (uint16_t value = 1; value <= 8; ++value)
        b.U16(value);
    b.U32(12).U32(0x10005).U16(layout.quantity).U16(layout.limit).U16(0);
    b.Text("clink").Text("thud").U32(static_cast<uint32_t>(layout.effects));
    for (int effect = 1; effect <= layout.effects; ++effect)
        EffectRecord(b, effect);
    b.U32(layout.magazine ? 1 : 0);
    Bytes tail = b.Get();
    if (layout.magazine)
        tail.insert(tail.end(), layout.magazine->begin(), layout.magazine->end());
    TypedBytes abilities;
    abilities.U32(static_cast<uint32_t>(layout.abilities.size()));
    for (const AbilityLayout& ability : layout.abilities)
        AbilityRecord(abilities, ability);
    abilities.I16(layout.current);
    return Concat({ItemEntityPart(layout.itemClass), tail, abilities.Get()});
}

// A magazine of id 1 for ammunition type 7 holding 8 of 10 rounds of "bullets", around a
// cartridge item.
inline Bytes MagazineRecord(const Bytes& cartridge, int32_t count = 8) {
    TypedBytes b;
    b.U8(1).U16(7).Text("bullets").Text("Bullets").U32(5).I32(count).I32(10);
    b.Text("clip").Text("click").Text("clack");
    return Concat({cartridge, b.Get()});
}

// A closed container (kind 8, or 9 for a chest, whose reference its map object names) of own
// weight 2.5 and value 40 holding the items.
inline Bytes ContainerRecord(const std::vector<Bytes>& items, uint32_t flags = Entity::kFlagShown,
                             uint8_t kind = 8, const std::string& refName = "barrel") {
    TypedBytes b;
    b.F32(2.5f).U32(40).U32(static_cast<uint32_t>(items.size()));
    Bytes record = Concat({BarrelRecord(kind, flags, refName), QueuedPart(3), b.Get()});
    for (const Bytes& item : items) {
        TypedBytes type;
        type.U32(1);
        record = Concat({record, type.Get(), item});
    }
    return record;
}

} // namespace testsupport
