#pragma once
// Animation fixtures generated in code: folders of 8-bit ".bmp" frames and ".ani" files
// built from them under a scratch data root.

#include "Library/files/data_tree_support.h"

#include <string>

namespace testsupport {

constexpr int kBitmapSide = 24;
constexpr int kMagentaKey = 6; // the key choice that keys the palette's magenta entry

// Palette entry i is (i, 255 - i, 7 * i) except entry 9, magenta, the key.
constexpr int kKeyIndex = 9;

// count frames "f00.bmp".. in root/relativeDir, each a magenta field holding a block
// whose place and size follow the frame number, with a hole one pixel in from its corner.
void WriteBitmapFolder(const ScratchDir& root, const std::string& relativeDir, int count);

// Builds set/name.ani under the animation directory of the root from a generated folder of frames,
// split into sequences, with the given duration for every frame; returns its path.
std::string WriteAni(const ScratchDir& root, const std::string& set, const std::string& name,
                     int frames, int sequences, uint32_t durationMs);

} // namespace testsupport
