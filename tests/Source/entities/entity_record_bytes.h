#pragma once
// Entity records typed byte by byte from their layouts, for the golden-bytes tests of every
// entity class: a barrel's entity record, the queued part, and the pieces they are made of.

#include "Library/core/test_stream_support.h"

#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <string>

namespace testsupport {

inline Bytes Concat(std::initializer_list<Bytes> parts) {
    Bytes all;
    for (const Bytes& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

// A text in its stored form: u16 length + 1, the characters and the NUL; "" as 0 alone.
inline Bytes Text(const std::string& text) {
    return TypedBytes().Text(text).Get();
}

// The record with the first stored text "from" stored as "to" instead.
inline Bytes WithText(const Bytes& record, const std::string& from, const std::string& to) {
    const Bytes stored = Text(from);
    Bytes changed = record;
    const auto at = std::search(changed.begin(), changed.end(), stored.begin(), stored.end());
    if (at == changed.end())
        return changed;
    const Bytes replacement = Text(to);
    const auto erased = changed.erase(at, at + static_cast<long>(stored.size()));
    changed.insert(erased, replacement.begin(), replacement.end());
    return changed;
}

constexpr size_t kPlacementSize = 36;
constexpr size_t kKindAt = 24;
constexpr size_t kFlagsAt = 28;

// The placed object of a thing at (1.5, 2, 0) of the kind, with the flags.
inline Bytes Placement(uint8_t kind, uint32_t flags) {
    TypedBytes b;
    b.F32(1.5f).F32(2.0f).F32(0.0f);      // position
    b.F32(0.0f).F32(0.0f).F32(0.0f);      // vector2
    b.U16(kind).U16(0).U32(flags).U32(0); // kind, extra16, flags, extra
    return b.Get();
}

const Bytes kTemplateName = {0x07, 0x00, 'b', 'a', 'r', 'r', 'e', 'l', 0x00};
const Bytes kRadiusAuxPicture = {
    0x00, 0x00, 0x00, 0x3F, // radius 0.5
    0x03, 0x00, 0x00, 0x00, // aux
    0x00, 0x00,             // picture name
};
// Neutral side 31, life state 1, match codes 2 and 9, with the name.
inline Bytes Ref(const std::string& name) {
    TypedBytes b;
    b.U32(1).U32(0).U32(0).U32(2).U32(9).U32(0).U32(31); // lifeState, match5 4 1 2 3, side
    return b.Text(name).U32(0).Get();                    // name, listCount
}
const Bytes kClearedColourMod(324, 0x00); // every stored field 0
const Bytes kNames = {
    0x07, 0x00, 'B', 'a', 'r', 'r', 'e', 'l', 0x00, // display name
    0x00, 0x00,                                     // description
};

// A barrel's entity record: radius 0.5, aux 3, no picture, "Barrel", no description; its
// reference named after its template unless an owned map object names it.
inline Bytes BarrelRecord(uint8_t kind, uint32_t flags, const std::string& refName = "barrel") {
    return Concat({Placement(kind, flags), kTemplateName, kRadiusAuxPicture, Ref(refName),
                   kClearedColourMod, kNames});
}

// The queued part: state 7, the player on the set showing the animation (none by default),
// facing the sequence at the frame.
inline Bytes QueuedPart(uint8_t frame, const std::string& set = "misc", uint8_t sequence = 2,
                        const std::string& animation = "") {
    TypedBytes b;
    b.U32(7).U32(0).U32(0).Text(set).Text(animation); // state, state values 2 and 3
    return b.U32(sequence).U32(frame).Get();
}

inline Bytes QueuedBarrel(uint8_t kind, uint32_t flags, uint8_t frame = 3,
                          const std::string& set = "misc", uint8_t sequence = 2,
                          const std::string& animation = "") {
    return Concat({BarrelRecord(kind, flags), QueuedPart(frame, set, sequence, animation)});
}

} // namespace testsupport
