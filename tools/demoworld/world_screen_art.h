#pragma once
// The art of the screens around the map: the rest screen's window with its list frame
// and buttons, the windows of the area map's and the world's pictures, and the world
// map's bars and party icon.

#include "Library/core/stringc.h"

class DataPaths;
class LabelFont;

class WorldScreenArt {
public:
    WorldScreenArt(const DataPaths& paths, LabelFont& font);

    bool Write() const; // false, with a message, at the first picture that cannot be written

private:
    bool WriteRest() const;
    bool WriteMapPictures() const;
    bool WriteWorldMap() const;

    const DataPaths& m_paths;
    LabelFont& m_font;
};
