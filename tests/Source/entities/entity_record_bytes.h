#pragma once
// Entity records typed byte by byte from their layouts, for the golden-bytes tests of every
// entity class: a barrel's entity record, the queued part, and the pieces they are made of.

#include "Library/core/test_stream_support.h"

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
    if (text.empty())
        return {0x00, 0x00};
    Bytes bytes = {static_cast<uint8_t>(text.size() + 1),
                   static_cast<uint8_t>((text.size() + 1) >> 8)};
    bytes.insert(bytes.end(), text.begin(), text.end());
    bytes.push_back(0x00);
    return bytes;
}

constexpr size_t kPlacementSize = 36;
constexpr size_t kKindAt = 24;
constexpr size_t kFlagsAt = 28;

// The placed object of a thing at (1.5, 2, 0) of the kind, with the flags.
inline Bytes Placement(uint8_t kind, uint32_t flags) {
    return {
        0x00,
        0x00,
        0xC0,
        0x3F,
        0x00,
        0x00,
        0x00,
        0x40,
        0x00,
        0x00,
        0x00,
        0x00, // position
        0x00,
        0x00,
        0x00,
        0x00,
        0x00,
        0x00,
        0x00,
        0x00,
        0x00,
        0x00,
        0x00,
        0x00, // vector2
        kind,
        0x00, // kind
        0x00,
        0x00, // extra16
        static_cast<uint8_t>(flags),
        static_cast<uint8_t>(flags >> 8), // flags
        static_cast<uint8_t>(flags >> 16),
        static_cast<uint8_t>(flags >> 24), //
        0x00,
        0x00,
        0x00,
        0x00, // extra
    };
}

const Bytes kTemplateName = {0x07, 0x00, 'b', 'a', 'r', 'r', 'e', 'l', 0x00};
const Bytes kRadiusAuxPicture = {
    0x00, 0x00, 0x00, 0x3F, // radius 0.5
    0x03, 0x00, 0x00, 0x00, // aux
    0x00, 0x00,             // picture name
};
// Neutral side 31, life state 1, match codes 2 and 9, with the name.
inline Bytes Ref(const std::string& name) {
    return Concat({{
                       0x01, 0x00, 0x00, 0x00, // lifeState
                       0x00, 0x00, 0x00, 0x00, // match5
                       0x00, 0x00, 0x00, 0x00, // match4
                       0x02, 0x00, 0x00, 0x00, // match1
                       0x09, 0x00, 0x00, 0x00, // match2
                       0x00, 0x00, 0x00, 0x00, // match3
                       0x1F, 0x00, 0x00, 0x00, // side
                   },
                   Text(name),
                   {0x00, 0x00, 0x00, 0x00}}); // listCount
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
    return Concat({{
                       0x07, 0x00, 0x00, 0x00, // state
                       0x00, 0x00, 0x00, 0x00, // state value 2
                       0x00, 0x00, 0x00, 0x00, // state value 3
                   },
                   Text(set),
                   Text(animation),
                   {
                       sequence, 0x00, 0x00, 0x00, // sequence
                       frame, 0x00, 0x00, 0x00,    // frame
                   }});
}

inline Bytes QueuedBarrel(uint8_t kind, uint32_t flags, uint8_t frame = 3,
                          const std::string& set = "misc", uint8_t sequence = 2,
                          const std::string& animation = "") {
    return Concat({BarrelRecord(kind, flags), QueuedPart(frame, set, sequence, animation)});
}

} // namespace testsupport
