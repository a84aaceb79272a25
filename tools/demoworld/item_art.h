#pragma once
// The looks of the demo world's items: each item has an icon for inventories and a smaller
// picture on the map, each a one-frame "misc_1" animation, of the sets "Icons/<name>" and
// "Icons/<name>_map", drawn from the item's shape in unit coordinates. The map picture is
// centred on the item's point.

#include "Library/core/stringc.h"

#include <functional>

class Animation;

class ItemArt {
public:
    // bitmapDir: a scratch directory for the frames the animations are built from.
    ItemArt(const Stringc& animDir, const Stringc& bitmapDir);

    // Both animations of a named shape: "sword", "pistol", "bullets", "shield", "greataxe",
    // "gold", "potion", "bow", "arrows" or "grenade". False, with a message, for another
    // name or a failed write.
    bool Write(const char* name) const;

private:
    // place: where the frame stands on the item's point; unset, its top-left corner.
    bool WriteLook(const Stringc& set, const char* name, int width, int height,
                   const std::function<void(Animation&)>& place = {}) const;

    Stringc m_animDir;
    Stringc m_bitmapDir;
};
