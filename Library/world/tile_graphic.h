#pragma once
// A door overlay: two pictures of one patch of the map image (0 closed, 1 open), drawn into
// the tile pictures the patch covers. Its rectangle, in map pixels, is image 0's size at
// the position it was loaded for.

#include "Library/core/stringc.h"
#include "Library/graphics/graphic.h"
#include "Library/graphics/rect.h"

#include <cstdint>

class DataPaths;
class ResFileMgr;

class TileGraphic {
public:
    TileGraphic() { Reset(); }
    TileGraphic(const TileGraphic&) = delete;
    TileGraphic& operator=(const TileGraphic&) = delete;
    virtual ~TileGraphic() = default;

    void Reset(); // no images, image 0 current, every corner -1
    // Both images from the map graphic directory + "/TileGraphic/"; a failure to load either
    // leaves neither.
    bool Load(const DataPaths& paths, ResFileMgr* archive, const char* name0, const char* name1,
              int x, int y);
    // The same two images (names compared ignoring case) at the same top-left corner.
    bool Matches(const char* name0, const char* name1, int x, int y) const;

    void SetCurrent(bool open) { m_current = open ? 1 : 0; }
    const Graphic* GetCurrent() const; // null when the image is missing
    const Rect& GetRect() const { return m_rect; }

private:
    uint32_t m_current = 0;
    Rect m_rect;
    Graphic m_images[2];
    Stringc m_names[2];
};
