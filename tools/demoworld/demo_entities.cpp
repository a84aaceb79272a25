#include "tools/demoworld/demo_entities.h"

#include "Library/files/data_paths.h"
#include "Source/entities/entity.h"
#include "tools/demoworld/demo_output.h"

#include <cmath>
#include <functional>
#include <iterator>

namespace {

enum PaletteIndex : uint8_t { kKey, kOutline, kWood, kDarkWood, kIron, kBoard };

const SDL_Color kPalette[] = {{255, 0, 255, 0}, {30, 20, 10, 0},  {150, 95, 45, 0},
                              {105, 60, 25, 0}, {90, 90, 100, 0}, {210, 180, 120, 0}};

using Shade = std::function<uint8_t(int x, int y)>;

struct Piece {
    const char* name; // the template's, and its picture's with ".bmp"
    const char* displayName;
    const char* description;
    int width;
    int height;
    float radius;
    Shade shade;
};

// A barrel seen from the front: staves with two iron hoops, round at the sides.
uint8_t Barrel(int x, int y) {
    const double across = (x - 7.5) / 8.0;
    if (std::fabs(across) > std::sqrt(1.0 - std::pow((y - 9.5) / 14.0, 2.0)))
        return kKey;
    if (std::fabs(across) > 0.85 || y == 0 || y == 19)
        return kOutline;
    if (y == 4 || y == 15)
        return kIron;
    return x % 4 == 0 ? kDarkWood : kWood;
}

// A post holding a board.
uint8_t Signpost(int x, int y) {
    const bool board = y >= 2 && y <= 10;
    if (board && (x == 0 || x == 19 || y == 2 || y == 10))
        return kOutline;
    if (board)
        return y == 6 && x > 3 && x < 16 ? kDarkWood : kBoard;
    if (x >= 8 && x <= 11)
        return x == 8 || x == 11 ? kOutline : kWood;
    return kKey;
}

const Piece kPieces[] = {
    {"barrel", "Barrel", "An old barrel bound with iron.", 16, 20, 0.5f, Barrel},
    {"signpost", "Signpost", "A weathered signpost. The writing has worn away.", 20, 28, 0.4f,
     Signpost},
};

// An 8-bit bitmap whose palette entry 0 is the magenta key.
bool WritePicture(const Stringc& path, const Piece& piece) {
    return SaveShadedBitmap(path, piece.width, piece.height, kPalette,
                            static_cast<int>(std::size(kPalette)), piece.shade);
}

} // namespace

bool DemoEntities::Write() const {
    for (const Piece& piece : kPieces) {
        const Stringc picture = Stringc(piece.name) + ".bmp";
        const auto fill = [&](Entity& entity) {
            entity.SetGraphicName(picture);
            entity.SetRadius(piece.radius, 0);
            entity.SetDisplayName(piece.displayName);
            entity.SetDescription(piece.description);
        };
        if (!WritePicture(g_dataPaths->GetGraphicDir() + "/Item/" + picture, piece) ||
            !WriteTemplate(Entity::kTypeBase, piece.name, fill))
            return false;
    }
    return true;
}
