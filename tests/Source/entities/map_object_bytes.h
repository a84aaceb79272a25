#pragma once
// Map object records typed byte by byte from their layout, for the golden-bytes tests of map
// objects and of the triggers, chests and doors that own them.

#include "entity_record_bytes.h"

namespace testsupport {

inline Bytes U32(uint32_t value) {
    return TypedBytes().U32(value).Get();
}

// "pit" at (4, 5, 0) with a three-cornered zone: armed, not found, locked; difficulties 20,
// 30 and 40; the key "rope"; travel to "stairs" of "cellar"; a click to unlock, a rattle
// when locked.
inline Bytes MapObjectRecord(uint8_t kind, uint32_t flags) {
    return Concat({
        U32(kind),
        Text("pit"),
        {0x00, 0x00, 0x80, 0x40, 0x00, 0x00, 0xA0, 0x40, 0x00, 0x00, 0x00, 0x00}, // (4, 5, 0)
        U32(7),                                                                   // value A
        U32(3),                                                                   // zone
        {0x00, 0x00, 0x80, 0x3F, 0x00, 0x00, 0x80, 0x3F, 0x00, 0x00, 0x00, 0x00}, // (1, 1, 0)
        {0x00, 0x00, 0x40, 0x40, 0x00, 0x00, 0x80, 0x3F, 0x00, 0x00, 0x00, 0x00}, // (3, 1, 0)
        {0x00, 0x00, 0x00, 0x40, 0x00, 0x00, 0x40, 0x40, 0x00, 0x00, 0x00, 0x00}, // (2, 3, 0)
        Text("start"),
        U32(9), // value B
        U32(flags),
        Text("cellar"),
        Text("stairs"),
        {0x01, 0x00, 0x01}, // armed, not found, locked
        U32(20),
        U32(30),
        U32(40),
        Text("rope"),
        Text("pit"),
        Text("Mind the pit."),
        Text(""), // open sound
        Text(""), // close sound
        Text("click"),
        Text(""), // failed-pick sound
        Text("rattle"),
    });
}

// The two-state part: the state and an empty open-state zone.
inline Bytes TwoStatePart(uint32_t state) {
    return Concat({U32(state), U32(0)});
}

// A chest's map object, its kept value 42.
inline Bytes ChestObjectRecord(uint32_t state) {
    return Concat({MapObjectRecord(4, 0x09), TwoStatePart(state), U32(42)});
}

// A gate's: its patch at map pixel (48, 36); closed it blocks (5, 5) and (6, 5), open (5, 6).
inline Bytes GateObjectRecord(uint32_t state) {
    return Concat({
        MapObjectRecord(5, 0x09),
        TwoStatePart(state),
        {0x30, 0x00, 0x24, 0x00},
        Text("gate_closed.tga"),
        Text("gate_open.tga"),
        U32(2),
        {0x00, 0x00, 0xA0, 0x40, 0x00, 0x00, 0xA0, 0x40, 0x00, 0x00, 0x00, 0x00}, // (5, 5, 0)
        {0x00, 0x00, 0xC0, 0x40, 0x00, 0x00, 0xA0, 0x40, 0x00, 0x00, 0x00, 0x00}, // (6, 5, 0)
        U32(1),
        {0x00, 0x00, 0xA0, 0x40, 0x00, 0x00, 0xC0, 0x40, 0x00, 0x00, 0x00, 0x00}, // (5, 6, 0)
    });
}

} // namespace testsupport
