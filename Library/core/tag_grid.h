#pragma once
// A two-dimensional bit set: bit (x, y) is index y * width + x of the TagList beneath.

#include "Library/core/taglist.h"

class TagGrid : public TagList {
public:
    TagGrid(int width, int height); // 64 bits when width * height is 0

    int GetWidth() const { return static_cast<int>(m_width); }
    int GetHeight() const { return static_cast<int>(m_height); }

    using TagList::FindFirstClear;
    bool FindFirstClear(int& x, int& y); // false when full or the grid has no width

    // Lines outside the grid are ignored.
    void SetColumn(int x) { ForColumn(x, &TagList::Set); }
    void UnsetColumn(int x) { ForColumn(x, &TagList::Unset); }
    void ToggleColumn(int x) { ForColumn(x, &TagList::Toggle); }
    void SetRow(int y) { ForRow(y, &TagList::Set); }
    void UnsetRow(int y) { ForRow(y, &TagList::Unset); }
    void ToggleRow(int y) { ForRow(y, &TagList::Toggle); }
    using TagList::SetAll;
    using TagList::ToggleAll;

    // Stored form, little-endian: the four counters of TagList, u32 width, u32 height,
    // then bit count / 8 + 1 bytes. A failed read changes nothing.
    bool Read(Stream& stream);
    bool Write(Stream& stream) const;

private:
    using BitOperation = void (TagList::*)(int);
    void ForColumn(int x, BitOperation operation);
    void ForRow(int y, BitOperation operation);

    uint32_t m_width;
    uint32_t m_height;
};
