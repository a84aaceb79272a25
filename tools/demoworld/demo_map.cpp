#include "tools/demoworld/demo_map.h"

#include "Library/files/data_paths.h"
#include "Library/graphics/colour.h"
#include "tools/demoworld/canvas.h"
#include "tools/demoworld/map_writer.h"

#include <vector>

namespace {

constexpr const char* kName = "demo";

// The wall runs along rows 39-40 from edge to edge, so its gate in columns 48-51 is the one
// way north; its face stands 3 cells above its foot, a row of bushes before it. The house
// stands on columns 60-74, rows 15-24, its roof and walls rising 5 cells above its back. The
// pond lies around cell (28, 68).
constexpr int kWallTop = 39, kWallBottom = 40, kWallLeft = 0, kWallRight = DemoMap::kColumns - 1;
constexpr int kGateLeft = 48, kGateRight = 51;
constexpr int kBushesLeft = 10, kBushesRight = 89;
constexpr int kWallFaceRows = 3;
constexpr int kHouseLeft = 60, kHouseRight = 74, kHouseTop = 15, kHouseBottom = 24;
constexpr int kHouseRise = 5;
constexpr int kPondX = 28, kPondY = 68;

bool InCells(int column, int row, int left, int top, int right, int bottom) {
    return column >= left && column <= right && row >= top && row <= bottom;
}

// Squared distance from the pond's centre in cells, the pond a little wider than high.
int PondDistance(int column, int row) {
    const int dx = column - kPondX, dy = (row - kPondY) * 5 / 4;
    return dx * dx + dy * dy;
}

bool IsWall(int column, int row) {
    return InCells(column, row, kWallLeft, kWallTop, kWallRight, kWallBottom) &&
           !(column >= kGateLeft && column <= kGateRight);
}

// A small hash of the position for the grain of the ground.
int Grain(int x, int y) {
    unsigned h = static_cast<unsigned>(x) * 374761393u + static_cast<unsigned>(y) * 668265263u;
    h = (h ^ (h >> 13)) * 1274126177u;
    return static_cast<int>((h ^ (h >> 16)) % 17) - 8;
}

Colour Shade(int r, int g, int b, int grain) {
    auto clamp = [](int v) { return static_cast<uint8_t>(v < 0 ? 0 : v > 254 ? 254 : v); };
    return Colour(clamp(r + grain), clamp(g + grain), clamp(b + grain));
}

// The house seen from the south: a roof above walls with a door and two windows.
bool HouseColour(int x, int y, Colour& colour) {
    const int left = kHouseLeft * 16, right = (kHouseRight + 1) * 16;
    const int bottom = (kHouseBottom + 1) * 12, eaves = bottom - 7 * 12;
    const int top = kHouseTop * 12 - kHouseRise * 12;
    if (x < left || x >= right || y < top || y >= bottom)
        return false;
    if (y < eaves) { // the roof narrows upward
        const int inset = (eaves - y) * (right - left) / 2 / (eaves - top + 1) / 2;
        if (x < left + inset || x >= right - inset)
            return false;
        colour = Shade(150, 60, 40, (y % 6 == 0) ? -30 : Grain(x, y) / 2);
        return true;
    }
    const int middle = (left + right) / 2;
    if (x >= middle - 16 && x < middle + 16 && y >= bottom - 40)
        colour = Colour(90, 60, 30); // door
    else if ((x >= left + 30 && x < left + 62) || (x >= right - 62 && x < right - 30))
        colour = (y >= eaves + 12 && y < eaves + 40) ? Colour(60, 90, 130) : Colour(200, 180, 140);
    else
        colour = Shade(200, 180, 140, Grain(x, y) / 3);
    return true;
}

// The wall's face: stone courses above its foot.
bool WallFaceColour(int x, int y, Colour& colour) {
    const int column = x / 16;
    const int top = (kWallTop - kWallFaceRows) * 12, foot = (kWallBottom + 1) * 12;
    if (!IsWall(column, kWallTop) || y < top || y >= foot)
        return false;
    const bool mortar = y % 8 == 0 || (x + (y / 8 % 2) * 12) % 24 == 0;
    colour = mortar ? Colour(80, 80, 85) : Shade(115, 115, 125, Grain(x, y) / 2);
    return true;
}

// A chest of dark planks under a lighter lid, bound in iron, with a brass lock.
bool ChestColour(int x, int y, Colour& colour) {
    const int dx = x - DemoMap::kChestColumn * 16, dy = y - DemoMap::kChestRow * 12;
    if (dx < 1 || dx > 14 || dy < 2 || dy > 11)
        return false;
    if (dx >= 7 && dx <= 8 && dy >= 5 && dy <= 7)
        colour = Colour(220, 180, 60);
    else if (dx == 1 || dx == 14 || dy == 2 || dy == 11 || dy == 5)
        colour = Colour(60, 60, 70);
    else
        colour = dy < 5 ? Colour(140, 90, 45) : Colour(105, 65, 30);
    return true;
}

// A crate of pale boards with dark seams and a cross brace, so the player sees where it stands.
bool CrateColour(int x, int y, Colour& colour) {
    const int dx = x - DemoMap::kCrateColumn * 16, dy = y - DemoMap::kCrateRow * 12;
    if (dx < 2 || dx > 13 || dy < 1 || dy > 11)
        return false;
    if (dx == 2 || dx == 13 || dy == 1 || dy == 11 || dy == 6)
        colour = Colour(90, 60, 30);
    else if (dx - 2 == (dy - 1) || 13 - dx == (dy - 1))
        colour = Colour(120, 85, 45);
    else
        colour = Shade(190, 150, 95, Grain(x, y) / 3);
    return true;
}

} // namespace

// The door is drawn into the house front 16 pixels either side of its middle, 40 high.
const DemoMap::Door DemoMap::kGate{"gate_closed.tga", "gate_open.tga", kGateLeft * 16,
                                   (kWallTop - kWallFaceRows) * 12};
const DemoMap::Door DemoMap::kHouseDoor{"house_door_closed.tga", "house_door_open.tga",
                                        (kHouseLeft + kHouseRight + 1) * 8 - 16,
                                        (kHouseBottom + 1) * 12 - 40};

Colour DemoMap::GroundColour(int type, int x, int y) {
    const int grain = Grain(x, y);
    switch (type) {
    case kPath:
        return Shade(150, 110, 70, grain);
    case kYard:
        return Shade(170, 170, 160, (x % 16 == 0 || y % 12 == 0) ? -40 : grain / 2);
    case kShallows:
        return Shade(70, 140, 200, grain / 2);
    case kMarsh:
        return Shade(80, 110, 70, grain);
    case kSand:
        return Shade(210, 190, 130, grain / 2);
    case kBushes:
        return Shade(40, 100, 40, grain * 2);
    case kDeepWater: // pure green on the checkerboard, where the water animation shows
        return (x + y) % 2 == 0 ? Colour(0, 255, 0) : Colour(20, 60, 150);
    case kTrees:
        return Shade(20, 80, 30, grain * 2);
    case kRock:
        return Shade(60, 60, 60, grain);
    case kHouse:
        return Shade(120, 110, 100, grain / 2);
    case kWall:
        return Shade(140, 140, 140, grain / 2);
    default:
        return Shade(70, 140, 60, grain);
    }
}

bool DemoMap::IsPondAt(int column, int row) {
    return PondDistance(column, row) <= 64;
}

int DemoMap::TypeAt(int column, int row) {
    if (IsWall(column, row))
        return kWall;
    if (InCells(column, row, kHouseLeft, kHouseTop, kHouseRight, kHouseBottom))
        return kHouse;
    const int pond = PondDistance(column, row);
    if (pond <= 36)
        return kDeepWater;
    if (pond <= 64)
        return row < kPondY ? kShallows : kDeepWater; // a ford along the north shore
    if (pond <= 110)
        return kSand;
    if (InCells(column, row, kHouseLeft - 2, kHouseBottom + 1, kHouseRight + 2, kHouseBottom + 4))
        return kYard;
    if ((column >= 49 && column <= 50 && row > kHouseBottom + 4) ||
        (row == 52 && column > 36 && column < 50) || (row == 60 && column > 50))
        return kPath;
    if (InCells(column, row, 6, 6, 22, 22) && Grain(column, row) > -3)
        return kTrees;
    if (InCells(column, row, 70, 70, 92, 92))
        return kMarsh;
    if (InCells(column, row, 80, 50, 84, 53))
        return kRock;
    if (row == 44 && column % 7 == 3 && column > kBushesLeft && column < kBushesRight)
        return kBushes;
    return kGrass;
}

int DemoMap::HeightAt(int column, int row) {
    const int type = TypeAt(column, row);
    if (type == kWall)
        return 200;
    if (type == kHouse)
        return 180;
    if (type == kDeepWater || type == kShallows)
        return 90;
    return 100 + (column + row) / 8; // the meadow rises gently to the south-east
}

Colour DemoMap::LightAt(int column, int row) {
    if (TypeAt(column, row) == kTrees)
        return Colour(200, 200, 220); // shade under the trees
    if (InCells(column, row, kHouseLeft - 2, kHouseBottom + 1, kHouseRight + 2, kHouseBottom + 4))
        return Colour(255, 240, 200); // the lamp by the door
    return Colour(255, 255, 255);
}

Colour DemoMap::PixelAt(int x, int y) {
    Colour colour;
    if (HouseColour(x, y, colour) || WallFaceColour(x, y, colour) || ChestColour(x, y, colour) ||
        CrateColour(x, y, colour))
        return colour;
    return GroundColour(TypeAt(x / 16, y / 12), x, y);
}

bool DemoMap::IsSceneryAt(int x, int y) {
    Colour unused;
    return HouseColour(x, y, unused) || WallFaceColour(x, y, unused);
}

bool DemoMap::Write() const {
    const MapWriter writer(m_paths, kName, kColumns, kRows);
    return WriteMapImage(writer) && WriteLayers(writer) && WriteDoors() && writer.BuildAndSave();
}

// The clip image holds the house and the wall, which stand in front of whoever is behind.
bool DemoMap::WriteMapImage(const MapWriter& writer) const {
    return writer.WriteImage(PixelAt) && writer.WriteClip([](int x, int y) {
        return IsSceneryAt(x, y) ? PixelAt(x, y) : Colour(255, 0, 255);
    });
}

// The types as the editor paints them, in the twelve type colours; heights in greys; three
// lights; the minimap in the colours the ground is drawn in.
bool DemoMap::WriteLayers(const MapWriter& writer) const {
    const std::vector<Colour> lights = {LightAt(0, 0), LightAt(10, 10),
                                        LightAt(kHouseLeft, kHouseBottom + 1)};
    auto lightIndex = [&lights](int column, int row) {
        const Colour light = LightAt(column, row);
        return light == lights[1] ? 1 : light == lights[2] ? 2 : 0;
    };
    return writer.WriteLayers(TypeAt, HeightAt, lights, lightIndex,
                              [](int type) { return GroundColour(type, 1, 2); });
}

namespace {

// Wooden planks with a dark seam every 8 pixels and iron bands across.
void Planks(Canvas& canvas, int x, int width, const std::initializer_list<int>& bands) {
    canvas.Fill(x, 0, width, canvas.Height(), Colour(120, 80, 40));
    for (int seam = x; seam < x + width; seam += 8)
        canvas.Fill(seam, 0, 1, canvas.Height(), Colour(70, 45, 20));
    for (int band : bands)
        canvas.Fill(x, band, width, 3, Colour(60, 60, 66));
}

} // namespace

// The gate closed fills the gap in the wall; open, its two leaves stand folded at the sides.
// The house door opens on the dark inside.
bool DemoMap::WriteDoors() const {
    const Stringc directory = m_paths.GetMapGraphicDir() + "/TileGraphic/";
    const int gateWidth = (kGateRight - kGateLeft + 1) * 16;
    const int gateHeight = (kWallBottom + 1 - (kWallTop - kWallFaceRows)) * 12;
    Canvas gateClosed(gateWidth, gateHeight, Canvas::kTransparent);
    Planks(gateClosed, 0, gateWidth, {10, gateHeight - 14});
    Canvas gateOpen(gateWidth, gateHeight, Canvas::kTransparent);
    Planks(gateOpen, 0, 8, {10, gateHeight - 14});
    Planks(gateOpen, gateWidth - 8, 8, {10, gateHeight - 14});
    Canvas doorClosed(32, 40, Canvas::kTransparent);
    Planks(doorClosed, 0, 32, {6, 30});
    doorClosed.Disc(25, 21, 2, Colour(200, 170, 60));
    Canvas doorOpen(32, 40, Colour(30, 22, 16));
    Planks(doorOpen, 0, 4, {6, 30});
    return gateClosed.SaveTga(directory + kGate.closed) &&
           gateOpen.SaveTga(directory + kGate.open) &&
           doorClosed.SaveTga(directory + kHouseDoor.closed) &&
           doorOpen.SaveTga(directory + kHouseDoor.open);
}
