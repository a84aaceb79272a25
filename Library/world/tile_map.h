#pragma once
// The world map of the current region: a grid of cells that says what ground each one is,
// how high and how lit, whether creatures may walk on it, whether it is a door, and how far
// the party has seen it; the draw lists of the objects placed on it; its clip map; and the
// names of the image layers it was built from. The view, the tile pictures and the fog are
// drawn by further parts of the same class.
//
// ".map" file, little-endian:
//   u32 width, u32 height (tiles); i16 scroll bounds x1, y1, x2, y2 (map pixels);
//   f32 view origin x, y (map pixels); five names in the Stringc form (map image, minimap,
//   search image, height image, light image); width x height cells of 12 bytes, row by row
//   (TileRecord); the clip map (ClipMap).

#include "Library/core/stringc.h"
#include "Library/core/vector.h"
#include "Library/geometry/map_view.h"
#include "Library/graphics/rect.h"
#include "Library/world/clip_map.h"
#include "Library/world/tile_grid.h"

#include <cstdint>
#include <functional>
#include <memory>

class DataPaths;
struct Colour;
class FileStream;
class IndexedBitmap;
class ResFileMgr;
class Stream;
class WorldObject;

class TileMap : public MapView {
public:
    enum ImageName : int {
        kMapImage,
        kMinimapImage,
        kSearchImage, // the tile types
        kHeightImage,
        kLightImage,
        kImageNameCount,
    };
    enum ObjectList : int {
        kStaticList, // binaries, doors and towns
        kExtraList,  // only what is put there by name
        kItemList,
        kMobileList, // every other kind
        kFifthList,  // drawn last; nothing is put there yet
        kObjectListCount,
    };
    static constexpr uint32_t kStaticFlag = 0x8000; // set on static objects by FlagStaticObjects
    static constexpr int kDefaultHeight = 132;      // of every cell when there is no height image

    // The data paths give the directories; the archive serves loads while the paths say
    // resource files are in use. Both must outlive the map.
    TileMap(const DataPaths& paths, ResFileMgr* archive);
    TileMap(const TileMap&) = delete;
    TileMap& operator=(const TileMap&) = delete;
    ~TileMap() override;

    // The tile map directory + "/" + name + ".map", from the archive or the loose file.
    bool Load(const char* name);
    // The ".map" form. Sizes are checked against the data before anything is made, and
    // the map image must open; a failure, with a message naming source, leaves the map as
    // it was. No cell is in view after a read; explored cells stay explored.
    bool Read(Stream& stream, const char* source = "tile map data");
    bool Write(Stream& stream) const; // every cell as it is; false for an empty map
    // The map editor's save: every cell's state reset from its type (ResetCellStates),
    // the map written, then its search, height and light images saved beside the map
    // image as 8-bit bitmaps that CreateLayers reads back to the same cells.
    bool SaveFromEditor(Stream& stream);

    // A new map from its images in the map graphic directory: imageName (whose size gives
    // the map's, one cell per 16 x 12 pixels) and, for its base name B, the layers
    // B + "_SR.bmp" (types), "_HT.bmp" (heights), "_LM.bmp" (lights), the clip image
    // B + "_clip.tga" and the water of B + ".tga". A missing type, height or light layer
    // gives ground, height 132 or unlit cells; anything else missing or broken fails with
    // a message and leaves the map as it was.
    bool CreateLayers(const char* imageName);

    Stringc GetGraphicPath() const; // the minimap image's path
    void Clear();                   // no cells; names, lists and the clip map stay

    // The five draw lists, each ascending by draw-order key. Kind 1 goes to the items,
    // 6, 7 and 11 to the static list, every other kind to the mobile list. False for null.
    bool AddObject(WorldObject* object);
    bool RemoveObject(WorldObject* object);
    bool AddObjectToExtraList(WorldObject* object);
    bool RemoveObjectFromExtraList(WorldObject* object);
    WorldObject* GetList(ObjectList list) const; // the head, or null
    // Asks for the visible tiles to be recomposed and flags every static object.
    void FlagStaticObjects();

    // Cell queries: false or 0 outside the map.
    bool CellHas(int x, int y, uint32_t flags) const; // any of the word-1 flags of TileRecord
    // The walk flag: creatures may stand on and move through the cell.
    bool IsWalkable(int x, int y) const { return CellHas(x, y, TileRecord::kWalkable); }
    bool IsWalkableType(int x, int y) const;
    bool IsSeeThrough(int x, int y) const;
    bool HasAreaFlag(int x, int y) const { return CellHas(x, y, TileRecord::kArea); }
    bool IsExplored(int x, int y) const { return CellHas(x, y, TileRecord::kExplored); }
    bool IsInView(int x, int y) const { return CellHas(x, y, TileRecord::kInView); }
    bool IsDoorCell(int x, int y) const { return CellHas(x, y, TileRecord::kDoor); }
    bool IsDoorOpen(int x, int y) const { return CellHas(x, y, TileRecord::kDoorOpen); }
    bool IsWater(int x, int y) const { return CellHas(x, y, TileRecord::kWater); }
    int GetTileClass(int x, int y) const; // 1 for type 3, 2 for type 5, else 0
    bool GetTileType(int x, int y, int& type) const;
    bool GetHeight(int x, int y, int& height) const;
    // The three light channels less 255: 0 for an unlit cell, negative for darker ones.
    bool GetLight(int x, int y, int& light1, int& light2, int& light3) const;

    // Cell changes: nothing outside the map.
    void SetCellFlags(int x, int y, uint32_t flags, bool on);
    void SetWalkable(int x, int y, bool on) { SetCellFlags(x, y, TileRecord::kWalkable, on); }
    void SetAreaFlag(int x, int y, bool on) { SetCellFlags(x, y, TileRecord::kArea, on); }
    void SetExplored(int x, int y, bool on) { SetCellFlags(x, y, TileRecord::kExplored, on); }
    void SetInView(int x, int y, bool on) { SetCellFlags(x, y, TileRecord::kInView, on); }
    void SetExploredEdge(int x, int y, bool on) {
        SetCellFlags(x, y, TileRecord::kExploredEdge, on);
    }
    void SetInViewEdge(int x, int y, bool on) { SetCellFlags(x, y, TileRecord::kInViewEdge, on); }
    void SetEdgeDir(int x, int y, int dir);   // dir & 7
    void SetTileType(int x, int y, int type); // type & 15
    // A door cell; an open door is walkable, a closed one is not.
    void SetDoorCell(int x, int y, bool open);
    // The walk flag from the cell itself (a door's open bit, else its type), and the area
    // flag cleared.
    void RestoreWalkable(int x, int y);
    // Every cell: walkable by type; door, door-open, explored and in-view bits cleared.
    void ResetCellStates();
    void ClearFog(); // explored, in view and both edges cleared everywhere

    // The explored bits as a TagList of width x height bits, bit i for cell i. A list of
    // another size is refused, changing nothing.
    bool ReadExplored(Stream& stream);
    bool WriteExplored(Stream& stream) const;

    // Whether every cell on the line between two world points (truncated to cells) is
    // walkable by type (A) or has its walk flag set (B).
    bool WalkLineA(const Vector& from, const Vector& to) const;
    bool WalkLineB(const Vector& from, const Vector& to) const;

    int GetWidth() const { return m_map.grid.GetWidth(); }   // tiles
    int GetHeight() const { return m_map.grid.GetHeight(); } // tiles
    const TileGrid& GetGrid() const { return m_map.grid; }
    const Rect& GetScrollBounds() const { return m_map.scrollBounds; }
    const Vector& GetViewOrigin() const { return m_map.viewOrigin; }   // map pixels
    const Vector& GetViewScreenPos() const { return m_viewScreenPos; } // screen pixels
    const Stringc& GetImageName(ImageName name) const { return m_map.names[name]; }
    const Stringc& GetMapImagePath() const { return m_map.graphicPath; }
    FileStream* GetMapImage() const { return m_map.mapImage.get(); } // open while loaded
    const ClipMap& GetClipMap() const { return m_map.clipMap; }
    ClipMap& GetClipMap() { return m_map.clipMap; }
    bool NeedsRefreshAll() const { return m_refreshAll; }
    bool NeedsRefreshVisible() const { return m_refreshVisible; }

    // Screen pixel = world x 16 x 12 - (view origin - view screen position).
    Vector GetPixelsPerUnit() const override;
    Vector GetViewOffset() const override;

private:
    // What a read or a build from images replaces as a whole: made aside and taken only
    // when complete.
    struct Contents {
        TileGrid grid;
        Rect scrollBounds;
        Vector viewOrigin;
        Stringc names[kImageNameCount];
        Stringc graphicPath;
        ClipMap clipMap;
        std::unique_ptr<FileStream> mapImage;
    };
    enum class Layer { kMissing, kLoaded, kBroken };

    void Take(Contents&& contents);
    void EmptyLists();
    bool OpenMapImage(Contents& contents, const char* imageName) const;
    Stringc MapGraphicPath(const Stringc& name) const;
    template <class Test> bool WalkLine(const Vector& from, const Vector& to, Test test) const;

    static bool ReadTiles(Stream& stream, TileGrid& grid);
    static Layer LoadLayer(const Stringc& path, const TileGrid& grid, IndexedBitmap& bitmap);
    static bool ReadTileTypeMap(const Stringc& path, TileGrid& grid);
    static bool ReadHeightMap(const Stringc& path, TileGrid& grid);
    static bool ReadLightMap(const Stringc& path, TileGrid& grid);
    static bool BuildWaterTiles(const Stringc& path, TileGrid& grid);
    bool SaveTileTypeMap() const;
    bool SaveHeightMap() const;
    bool SaveLightMap() const;
    // One pixel per cell, index(cell), in a palette of paletteCount entries.
    bool SaveLayer(ImageName name, int paletteCount, const std::function<Colour(int)>& entry,
                   const std::function<int(const TileRecord&)>& index) const;

    const DataPaths& m_paths;
    ResFileMgr* m_archive;
    Contents m_map;
    Vector m_viewScreenPos;
    bool m_refreshAll = false;
    bool m_refreshVisible = false;
    WorldObject* m_lists[kObjectListCount] = {};
};

// Made by the game's set-up and reloaded for every region.
extern TileMap* g_tileMap;
