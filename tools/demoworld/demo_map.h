#pragma once
// The demo world's first map, "demo": a meadow of 100 x 100 cells (1600 x 1200 pixels)
// with a pond, a wall with a gate across it and a house, drawn as the map image
// "demo.tga" with its layer images, built by the tile map from them and written as the map
// editor writes it ("Data/TileMap/demo.map", its search, height and light images saved).
// Every tile type lies somewhere on it. The gate and the house door have door overlays; a
// chest stands in the yard.

class DataPaths;
class MapWriter;
struct Colour;

class DemoMap {
public:
    // The tile types as the map paints them; from kBushes on they block the way.
    enum Type : int {
        kGrass = 0,
        kPath = 1,
        kYard = 2,
        kShallows = 3, // a ford
        kMarsh = 4,
        kSand = 5, // the beach
        kBushes = 6,
        kDeepWater = 7,
        kTrees = 8,
        kRock = 9,
        kHouse = 10,
        kWall = 11,
    };
    static constexpr int kColumns = 100;
    static constexpr int kRows = 100;

    // A door overlay: its closed and open pictures in "TileGraphic" of the map graphic
    // directory, and the map pixel of their top-left corner.
    struct Door {
        const char* closed;
        const char* open;
        int x, y;
    };
    static const Door kGate; // across the gap in the wall
    static const Door kHouseDoor;
    // The cell of the chest drawn in the house's yard.
    static constexpr int kChestColumn = 72;
    static constexpr int kChestRow = 26;
    // The cell of the open crate by the gate.
    static constexpr int kCrateColumn = 45;
    static constexpr int kCrateRow = 44;

    explicit DemoMap(const DataPaths& paths) : m_paths(paths) {}

    bool Write() const; // false, with a message, at the first file that cannot be written

    // The plan of the map, by cell and by pixel of the map image.
    static int TypeAt(int column, int row);
    static int HeightAt(int column, int row);
    static Colour LightAt(int column, int row);
    static Colour PixelAt(int x, int y);
    // The ground of the type at the map pixel, with a grain of its own.
    static Colour GroundColour(int type, int x, int y);
    static bool IsSceneryAt(int x, int y); // the wall's face and the house front
    static bool IsPondAt(int column, int row);

private:
    bool WriteMapImage(const MapWriter& writer) const;
    bool WriteLayers(const MapWriter& writer) const;
    bool WriteDoors() const;

    const DataPaths& m_paths;
};
