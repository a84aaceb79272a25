#pragma once
// The world map of the current region: a grid of cells that says what ground each one is,
// how high and how lit, whether creatures may walk on it, whether it is a door, and how far
// the party has seen it; the draw lists of the objects placed on it; its clip map; and the
// names of the image layers it was built from; and the view onto it, which draws the cells
// in view from tile pictures read piecewise from the map image, with the fog of war, the
// tint, the water and the door overlays composed into them.
//
// ".map" file, little-endian:
//   u32 width, u32 height (tiles); i16 scroll bounds x1, y1, x2, y2 (map pixels);
//   f32 view origin x, y (map pixels); five names in the Stringc form (map image, minimap,
//   search image, height image, light image); width x height cells of 12 bytes, row by row
//   (TileRecord); the clip map (ClipMap).

#include "Library/core/mem_mgr.h"
#include "Library/core/stringc.h"
#include "Library/core/vector.h"
#include "Library/geometry/map_view.h"
#include "Library/graphics/colour_offset.h"
#include "Library/graphics/rect.h"
#include "Library/world/blocked_cell_table.h"
#include "Library/world/clip_map.h"
#include "Library/world/draw_order.h"
#include "Library/world/fog_images.h"
#include "Library/world/tile.h"
#include "Library/world/tile_graphic.h"
#include "Library/world/tile_grid.h"

#include <cstdint>
#include <memory>
#include <vector>

class DataPaths;
struct Colour;
class FileStream;
class IndexedBitmap;
class ResFileMgr;
class Screen;
class Stream;
class TagList;
class TileWater;
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
    enum Fog : bool {
        kNoFog = false,
        kFogOfWar = true, // the area map's: unexplored cells hidden, cells out of view dimmed
    };
    static constexpr uint32_t kStaticFlag = 0x8000; // set on static objects by FlagStaticObjects
    static constexpr uint32_t kShownFlag = 0x40;    // set on the objects the map draws
    static constexpr int kDefaultHeight = 132;      // of every cell when there is no height image
    static constexpr int kViewSizeCount = 4;        // 400 x 400, 485 x 485, 683 x 485, 800 x 485
    static constexpr int kLargestView = 3;
    static constexpr float kScrollFactor = 80.0f;
    static constexpr int kTilePoolSize = 1300; // grows by 50 at a time beyond it

    // The data paths give the directories; the archive serves loads while the paths say
    // resource files are in use. Both must outlive the map. The fog images are loaded, and
    // the view is the largest, at the map's corner.
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
    // Load's reading without the taking, for the map editor, which takes a map only once
    // its region has read too, and only a map it can save again writing no file but its
    // own: a type, height or light layer name that is empty, not a file name of its own, not
    // ending in ".bmp", a folder, the name of another image of the map or of a file other
    // than the layer's own (ignoring case, as the file layer does), or more lights than an
    // 8-bit light image holds, is refused, with a message naming the file. A layer's own
    // file is B + "_SR.bmp", "_HT.bmp" or "_LM.bmp" of the map picture B, or one that holds
    // what the save writes there. The map in use is untouched.
    bool LoadForEditor(const char* name, Contents& staged) const;
    void Adopt(Contents&& staged);    // what a successful read makes of the map
    // The named map read aside as Load reads it, taking nothing: false where Load would fail.
    bool CheckFile(const char* name, long& cells) const;
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
    // The same build without the taking, for the map editor, which empties the map being
    // edited only once the new one is made; Take takes it. The map in use is untouched.
    bool CreateLayersAside(const char* imageName, Contents& staged) const;
    void Take(Contents&& contents);

    Stringc GetGraphicPath() const; // the minimap image's path
    // No cells and no tile pictures, and the view back at the map's corner; names, lists and
    // the clip map stay.
    void Clear();

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
    bool IsWalkableAt(const Vector& point) const; // of the cell under a world point
    // The point itself on a walkable cell, else the centre of the nearest walkable cell of
    // its eight neighbours (the first of equally near ones); false when there is none.
    bool FindNearestWalkableCell(const Vector& point, Vector& out) const;
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
    // Counts the changes that may have turned a cell's walk flag: a value seen again means
    // no cell's has changed in between.
    uint32_t GetWalkChanges() const { return m_walkChanges; }
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
    // The list ReadExplored takes, for a map of that many cells (0: a list of any size).
    static bool ReadExploredList(Stream& stream, long cells, TagList& explored);

    // Whether every cell on the line between two world points (truncated to cells) is
    // walkable by type (A) or has its walk flag set (B).
    bool WalkLineA(const Vector& from, const Vector& to) const;
    bool WalkLineB(const Vector& from, const Vector& to) const;
    // WalkLineB's answer, for callers that ask about many long lines: from a table of the
    // cells without the walk flag, kept beside the map in step with every change of the
    // flag (five bytes a cell), which answers a line whose box holds none of them at once,
    // whatever its length. Lines under 64 steps are walked, and so are longer ones while
    // bringing the table up to date after changes would cost more than the walks since.
    bool WalkLineBCounted(const Vector& from, const Vector& to) const;
    void EmptyHook(int /*a*/, int /*b*/) const {} // a hook for callers that want one: does nothing

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

    // The view. Every change of the origin clamps it to the scroll bounds (on a map
    // narrower than the view, left of them) and sets g_viewScale to this map's transform.
    // Options 0-3 (another is ignored): the size and screen place of the view, kept centred
    // on the same cell; scrolling stops.
    void SetViewSize(int option);
    int GetViewSize() const { return m_viewOption; }
    void SetScroll(const Vector& direction, float speed);
    // The origin moves by direction x speed x kScrollFactor pixels a second, each
    // coordinate then brought to a whole pixel away from where it came.
    void UpdateScroll(double frameSeconds);
    void SetViewOrigin(const Vector& point); // world units
    void CentreViewOn(const Vector& point);  // world units
    Vector GetViewPos() const;               // the origin in world units
    Vector ViewCentre() const;               // the whole cell at the view's middle
    Vector MouseToMapPixels() const;
    Vector MouseToWorld() const;
    Vector ScreenToWorld(int x, int y) const;
    const Rect& GetViewRect() const { return m_viewRect; } // screen pixels, x2 and y2 exclusive
    int GetViewWidth() const { return m_viewWidth; }       // pixels
    int GetViewHeight() const { return m_viewHeight; }
    int GetVisibleColumns() const { return m_visibleColumns; }
    int GetVisibleRows() const { return m_visibleRows; }
    // The tint of the ground, three offsets in 5-bit channel units, and the light of the
    // objects. Unchanged values, or a map with no cells, change nothing.
    void SetTint(const ColourOffset& tint);
    const ColourOffset& GetTint() const { return m_tint; }

    // The cells in view within the view rectangle, with their pictures made and recomposed
    // as needed; with no map, "TILE_MAP: Has no map graphics." and the view's outline.
    // The clip rectangle stays the view rectangle.
    void Draw(Screen& screen, Fog fog);
    // The same within g_graphicClipRect; false, drawing nothing, with no map.
    bool DrawTiles(const PixelSurface& surface, Fog fog);
    // The object lists lit and drawn within the view rectangle: static, extra (soldiers
    // only), items, mobile, then the fifth, each in its draw order.
    void DrawObjects(Screen& screen);
    void DrawDebugInfo(Screen& screen) const;
    // Editor and debug views, in the screen's drawing colour unless said otherwise, within
    // the view rectangle; the whole screen is the clip rectangle afterwards.
    void DrawTileTypes(Screen& screen) const;       // every cell in view in its type's colour
    void DrawUnwalkableTypes(Screen& screen) const; // the same, cells without the walk flag only
    void FillCell(int x, int y, Screen& screen) const;
    void CrossCell(int x, int y, Screen& screen) const;              // filled, with both diagonals
    void DrawTileOverlay(Screen& screen, const Vector& point) const; // the cell of a world point
    void DrawForEditor(Screen& screen) const;                        // the clip map's spans

    // The water drawn through the key pixels of water cells; null: none. Not owned.
    void SetWater(TileWater* water) { m_water = water; }
    TileWater* GetWater() const { return m_water; }

    // Door overlays. The overlay to use for the images at a map pixel: old itself when it
    // already shows them there, else old (its cells restored first) or a new one loaded
    // with them; null when they cannot be loaded. DrawTile composes the closed or open
    // image into the cells it covers.
    TileGraphic* LoadTileGraphics(TileGraphic* old, const char* name0, const char* name1, int x,
                                  int y);
    void DrawTile(TileGraphic* overlay, bool open);
    // The overlay given back, and the cells it drew filled again without it.
    void ReleaseTileGraphics(TileGraphic* overlay);

    const Tile* GetTile(int x, int y) const; // null without a picture
    int CountTiles() const { return m_tiles.CountUsed(); }
    int GetTileCapacity() const { return m_tiles.GetCapacity(); }

private:
    enum class Layer { kMissing, kLoaded, kBroken };
    // Columns and rows, first inclusive, last exclusive, within the map.
    struct CellRange {
        int firstColumn, firstRow, lastColumn, lastRow;
    };

    Stringc TileMapPath(const char* name) const; // of the ".map"
    bool LoadAside(const char* name, Contents& staged) const;
    bool ReadAside(Stream& stream, const char* source, Contents& staged) const;
    // Whether the cells' distinct lights fit the palette of one 8-bit image.
    static bool LightsFitLayerImage(const TileGrid& grid);
    // Every writer of a walk flag goes through one of these: a change of one cell, or
    // cells changed all over.
    template <class Change> void ChangeWalkCell(int x, int y, Change change);
    void NoteWalkReset();
    void EmptyLists();
    void Insert(int list, WorldObject& object);
    void Remove(int list, WorldObject& object);
    void FreeTilePictures(); // and the per-cell references made again for the grid
    bool OpenMapImage(Contents& contents, const char* imageName) const;
    Stringc MapGraphicPath(const Stringc& name) const;
    // Test: (const TileRecord&) -> bool of each cell under the line; cells off the map fail.
    template <class Test> bool WalkLine(const Vector& from, const Vector& to, Test test) const;

    static bool ReadTiles(Stream& stream, TileGrid& grid);
    static Layer LoadLayer(const Stringc& path, const TileGrid& grid, IndexedBitmap& bitmap);
    static bool ReadTileTypeMap(const Stringc& path, TileGrid& grid);
    static bool ReadHeightMap(const Stringc& path, TileGrid& grid);
    static bool ReadLightMap(const Stringc& path, TileGrid& grid);
    static bool BuildWaterTiles(const Stringc& path, TileGrid& grid);
    // The type, height or light layer of the cells as the editor's save writes it, one pixel
    // per cell; false for another image or more lights than one 8-bit palette holds.
    static bool MakeLayerImage(ImageName layer, const TileGrid& grid, IndexedBitmap& bitmap);
    bool SaveTileTypeMap() const;
    bool SaveHeightMap() const;
    bool SaveLightMap() const;
    bool SaveLayer(ImageName layer) const; // beside the map image, under its stored name
    // tile_map_layer_files.cpp: the files the editor's save of staged would write over.
    bool LayerFilesAreOwn(const Contents& staged, const char* source) const;
    bool IsOwnLayerFile(const Contents& staged, ImageName layer, const Stringc& path) const;

    void ApplyViewOption(int option);
    void MoveOrigin(const Vector& pixels); // clamped, and the view transform set
    Vector ClampOrigin(Vector pixels) const;
    CellRange VisibleRange() const;
    void CellScreenCorner(int x, int y, int& screenX, int& screenY) const;
    template <class Paint> void PaintVisibleCells(Screen& screen, Paint paint) const;
    template <class Drawing> void WithinView(Screen& screen, Drawing draw) const;

    bool BuildVisibleTiles();
    void ReleaseTilesOutside(const CellRange& range); // beyond a border around it
    void UpdateTiles(Fog fog);
    template <class Test> void RecomposeVisible(Fog fog, Test test);
    void Recompose(Tile& tile, Fog fog);
    bool FillTile(Tile& tile, const TileGraphic* leftOut = nullptr);
    bool ReadTileFromMap(Tile& tile, const Rect& rect);
    void CompositeTileGraphic(Tile& tile, const Rect& cell, const TileGraphic& overlay);
    void RefillOverlayCells(const TileGraphic& overlay, const TileGraphic* leftOut);
    void RemoveTileGraphic(const TileGraphic& overlay);
    template <class Visit> void ForEachOverlayCell(const TileGraphic& overlay, Visit visit);
    Tile*& TileAt(int x, int y);

    const DataPaths& m_paths;
    ResFileMgr* m_archive;
    Contents m_map;
    int m_visibleColumns = 0;
    int m_visibleRows = 0;
    Rect m_viewRect;
    Vector m_viewScreenPos;
    int m_viewWidth = 0;
    int m_viewHeight = 0;
    Vector m_scrollDirection;
    float m_scrollSpeed = 0;
    float m_scrollFactor = kScrollFactor;
    int m_viewOption = kLargestView;
    ColourOffset m_tint;
    bool m_refreshAll = false;
    bool m_refreshVisible = false;
    Fog m_composeFog = kFogOfWar; // of the last drawing: door overlays are composed with it
    MemMgr<Tile> m_tiles{kTilePoolSize};
    MemMgr<TileGraphic> m_overlays{1};
    std::vector<Tile*> m_cellTiles; // one per cell while the map has cells
    FogImages m_fog;
    TileWater* m_water = nullptr;
    WorldObject* m_lists[kObjectListCount] = {};
    DrawOrder m_orders[kObjectListCount]; // where an object goes in each list, emptied with it
    uint32_t m_walkChanges = 0;
    mutable BlockedCellTable m_blockedCells; // a cache of the walk flags, for WalkLineBCounted
};

// Made by the game's set-up and reloaded for every region.
extern TileMap* g_tileMap;
