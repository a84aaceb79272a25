#pragma once
// The demo world's items, each a template of the item directory with its icon and map
// animations: a sword, a pistol with an empty magazine and its bullets, a shield, a
// two-handed axe, gold and a healing potion.

#include "Library/core/stringc.h"

#include <cstdint>

class ItemEntity;

class DemoItems {
public:
    // One item: its template name (also the name of its art), texts, class, flags, stack,
    // weight and value, and what it can do.
    struct Item {
        const char* name;
        const char* displayName;
        const char* description;
        uint32_t itemClass;
        uint32_t flags;
        uint16_t stackLimit;
        uint32_t weight;
        uint32_t value;
        void (*equip)(ItemEntity& item);
    };

    // bitmapDir: a scratch directory for the frames the animations are built from.
    explicit DemoItems(const Stringc& bitmapDir);

    bool Write() const; // false, with a message, at the first piece that cannot be written
    // The art and template of each item from first up to last, with the item rules in place.
    bool Write(const Item* first, const Item* last) const;

private:
    Stringc m_bitmapDir;
};
