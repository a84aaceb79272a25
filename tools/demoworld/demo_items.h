#pragma once
// The demo world's items, each a template of the item directory with its icon and map
// animations: a sword, a pistol with an empty magazine and its bullets, a shield, a
// two-handed axe, gold and a healing potion.

#include "Library/core/stringc.h"

class DemoItems {
public:
    // bitmapDir: a scratch directory for the frames the animations are built from.
    explicit DemoItems(const Stringc& bitmapDir);

    bool Write() const; // false, with a message, at the first piece that cannot be written

private:
    Stringc m_bitmapDir;
};
