#pragma once
// What an explosion looks like and how it behaves, as its definition file gives it: how
// many ring fragments and cloud points it makes per unit of radius, whether it starts again
// or pulses and how often, its animations, sound and three tints.
//
// File (the explosion directory + "/" + name + ".dat"), little-endian: u32 kind; u8 mode;
// u32 ring factor; u32 cloud factor; u32 ring count; u32 cloud count; i32 repeats; centre
// animation, projectile animation (Stringc); f32 height spread; cloud animation (Stringc);
// u32 cloud loops; cloud end animation (Stringc); u32 cloud wait; sound, text 2, text 3
// (Stringc); f32 timer; three tints, each u8 enabled then u8 red, green, blue.

#include "Library/core/stringc.h"
#include "Library/graphics/colour.h"

#include <cstdint>

class Stream;

struct ExplosionDefinition {
    static constexpr uint32_t kNoKind = 0xFFFFFFFF;
    static constexpr int kTintCount = 3; // the centre, the ring fragments, the clouds

    struct Tint {
        uint8_t enabled = 0;
        Colour colour;
    };

    uint32_t kind = kNoKind; // kept; nothing reads it
    uint8_t mode = 0;        // what a repeat does: 0 starts again, 1 hits the area again
    uint32_t ringFactor = 0;
    uint32_t cloudFactor = 0;
    uint32_t ringCount = 0; // each made again at every start
    uint32_t cloudCount = 0;
    int32_t repeats = 0;
    Stringc centreAnimation; // under "Misc/"
    Stringc projectileAnimation;
    float heightSpread = 0.0f; // of the ring fragments' start values
    Stringc cloudAnimation;
    uint32_t cloudLoops = 0;
    Stringc cloudEndAnimation;
    uint32_t cloudWait = 0;
    Stringc sound;
    Stringc text2; // kept; nothing reads them
    Stringc text3;
    float timer = 0.0f;
    Tint tints[kTintCount];

    // A read that fails changes nothing.
    bool Read(Stream& stream);
    bool Write(Stream& stream) const;
};
