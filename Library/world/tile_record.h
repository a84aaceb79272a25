#pragma once
// One cell of the tile map: three little-endian u32 words, the same in memory and in the
// ".map" file.
//   word 0: bits 0-3 tile type, 4-11 height, 12-19 light channel 1, 20-27 light channel 2
//   word 1: bits 0-7 light channel 3, 8 walkable, 9 door cell, 10 door open, 11 water,
//           12 explored, 13 in view, 14 explored edge, 15 in-view edge, 16-18 edge
//           direction, 22 area flag
//   word 2: reserved, carried along unread
// Bits no field names are kept as they were read.

#include <cstdint>

struct TileRecord {
    // Types below 6 are ground creatures walk on; 11 also blocks sight.
    static constexpr int kFirstBlockingType = 6;
    static constexpr int kSightBlockingType = 11;
    static constexpr int kTypeCount = 12;
    static constexpr int kUnlit = 255;

    static constexpr uint32_t kWalkable = 1u << 8;
    static constexpr uint32_t kDoor = 1u << 9;
    static constexpr uint32_t kDoorOpen = 1u << 10;
    static constexpr uint32_t kWater = 1u << 11;
    static constexpr uint32_t kExplored = 1u << 12;
    static constexpr uint32_t kInView = 1u << 13;
    static constexpr uint32_t kExploredEdge = 1u << 14;
    static constexpr uint32_t kInViewEdge = 1u << 15;
    static constexpr uint32_t kFogBits = kExplored | kInView | kExploredEdge | kInViewEdge;
    static constexpr int kEdgeDirShift = 16;
    static constexpr uint32_t kEdgeDirMask = 7u << kEdgeDirShift;
    static constexpr uint32_t kArea = 1u << 22;

    uint32_t words[3] = {};

    int GetType() const { return static_cast<int>(words[0] & 15); }
    void SetType(int type) { words[0] = (words[0] & ~15u) | (static_cast<uint32_t>(type) & 15); }
    bool IsWalkableType() const { return GetType() < kFirstBlockingType; }
    int GetHeight() const { return Field(0, 4); }
    void SetHeight(int height) { SetField(0, 4, height); }
    // Channels 1-3; 255 is the unlit default.
    int GetLight(int channel) const {
        return channel == 1 ? Field(0, 12) : channel == 2 ? Field(0, 20) : Field(1, 0);
    }
    void SetLights(int light1, int light2, int light3) {
        SetField(0, 12, light1);
        SetField(0, 20, light2);
        SetField(1, 0, light3);
    }

    bool Has(uint32_t flags) const { return (words[1] & flags) != 0; }
    void Set(uint32_t flags, bool on) { words[1] = on ? words[1] | flags : words[1] & ~flags; }
    int GetEdgeDir() const { return static_cast<int>((words[1] & kEdgeDirMask) >> kEdgeDirShift); }
    void SetEdgeDir(int dir) {
        words[1] = (words[1] & ~kEdgeDirMask) | (static_cast<uint32_t>(dir) & 7) << kEdgeDirShift;
    }

private:
    int Field(int word, int shift) const { return static_cast<int>(words[word] >> shift & 255); }
    void SetField(int word, int shift, int value) {
        words[word] = (words[word] & ~(255u << shift)) | (static_cast<uint32_t>(value) & 255)
                                                             << shift;
    }
};

static_assert(sizeof(TileRecord) == 12, "a cell is stored as its three words");
