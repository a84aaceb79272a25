#pragma once
// A soldier's record typed field by field from its layout, with its creature: the golden
// bytes of the tests that store soldiers, alone or in a party.

#include "Library/files/data_tree_support.h"
#include "Library/graphics/animation_support.h"
#include "Library/graphics/uni_animation_mgr.h"
#include "Source/creatures/creature_factory.h"
#include "Source/entities/entity.h"
#include "Source/entities/entity_record_bytes.h"
#include "Source/entities/item_bytes.h"

#include <gtest/gtest.h>

namespace testsupport {

constexpr size_t kColourModSize = 324;

inline TypedBytes& EmptyRef(TypedBytes& b) {
    return b.Zeros(7 * 4).Text("").I32(0);
}

struct SoldierBytes {
    TypedBytes bytes;
    size_t handAt = 0;
};

// A hostile scientist standing at (4.5, 6.25) facing 3, running, with 12 of 12 hit
// points, worth 50 to its killers, with a sword's hit by "hero" noted; alive and shown,
// with the flags added.
inline SoldierBytes TypedSoldier(uint32_t flags = 0) {
    SoldierBytes golden;
    TypedBytes& b = golden.bytes;
    b.F32(4.5f).F32(6.25f).F32(0.0f).Zeros(12); // position, vector2
    b.U16(3).U16(0).U32(0x41 | flags).U32(0);   // kind, extra16, flags, extra
    b.Text("guard").F32(0.5f).U32(4).Text("");  // template, radius, aux, picture
    b.U32(1).U32(0).U32(0).U32(0).U32(0).U32(0).U32(200).Text("guard").I32(0); // reference
    b.Zeros(kColourModSize).Text("Guard").Text("");                            // names
    b.I32(2).I32(0).I32(0);                                                    // state
    b.Text("Creat/scimale").Text("s0").U32(3).U32(0);                          // animation
    b.U8(1).U8(0);                                                             // running, combat
    // The creature record.
    b.U32(0).U16(1).U16(0).Zeros(5 * kColourModSize).U8(0).U8(0).U8(0).Text("").Text("");
    for (int attribute = 0; attribute < 7; ++attribute)
        b.I16(5);
    b.I16(1).F32(12.0f).F32(12.0f).Zeros(2 * 18); // level, hit points, group A
    b.U32(0).U32(0).U32(50).U16(0).Zeros(2 * 41 * 2).Zeros(21);
    for (int script = 0; script < 7; ++script)
        b.Text("");
    b.Text("start").U32(0).U8(1).Text(""); // dialogue label, value, trade, death scope
    b.U32(10).U32(10).U32(0).U32(0);       // spells
    golden.handAt = b.Size();
    b.U32(11); // the inventory's hand
    for (int slot = 0; slot < 17; ++slot)
        b.U32(0xFFFFFFFF);
    for (const uint8_t byte : ContainerRecord({}, Entity::kFlagHidden))
        b.U8(byte);               // the backpack
    b.U32(0).F32(0.0f).F32(0.0f); // effects, action timer
    // The targets: damaged by the hero for 7.
    b.U32(0x002);
    EmptyRef(b);
    b.U32(1).U32(0).U32(0).U32(0).U32(0).U32(0).U32(2).Text("hero").I32(0);
    for (int slot = 2; slot < 10; ++slot)
        EmptyRef(b);
    b.I32(0).I32(7).I32(0).I32(0).I32(0);
    b.U8(0);                    // the speech bubble's flag
    b.I32(24).Zeros(2 * 7 * 4); // heal period, last heal, last restore
    return golden;
}

// Soldiers read from typed records: the art their records name, in the animation pool, on a
// scratch data root, and the creatures' factory.
class SoldierRecords : public ::testing::Test {
protected:
    void SetUp() override {
        WriteAni(m_root, "Creat/scimale", "s0", 8 * 2, 8, 100);
        g_uniAnimationMgr = &m_pool;
    }
    void TearDown() override { g_uniAnimationMgr = nullptr; }

    ScopedDataRoot m_root;
    UniAnimationMgr m_pool;
    ScopedCreatureFactory m_creatures;
};

} // namespace testsupport
