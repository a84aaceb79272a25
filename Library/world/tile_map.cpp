#include "Library/world/tile_map.h"

#include "Library/core/maths.h"
#include "Library/core/stream.h"
#include "Library/core/taglist.h"
#include "Library/files/data_paths.h"
#include "Library/files/file_stream.h"
#include "Library/geometry/bresenham_line.h"
#include "Library/geometry/circle_tests.h"
#include "Library/geometry/line_tracer.h"
#include "Library/world/view_scale.h"
#include "Library/world/world_object.h"

#include <cfloat>
#include <climits>
#include <cstdio>
#include <utility>

TileMap* g_tileMap = nullptr;

namespace {

constexpr uint16_t kItemKind = 1;
constexpr uint16_t kBinaryKind = 6;
constexpr uint16_t kDoorKind = 7;
constexpr uint16_t kTownKind = 11;

TileMap::ObjectList ListOfKind(uint16_t kind) {
    switch (kind) {
    case kItemKind:
        return TileMap::kItemList;
    case kBinaryKind:
    case kDoorKind:
    case kTownKind:
        return TileMap::kStaticList;
    default:
        return TileMap::kMobileList;
    }
}

} // namespace

TileMap::TileMap(const DataPaths& paths, ResFileMgr* archive) : m_paths(paths), m_archive(archive) {
    m_fog.Load(paths, archive);
    ApplyViewOption(kLargestView);
}

TileMap::~TileMap() {
    EmptyLists();
}

void TileMap::Take(Contents&& contents) {
    m_map = std::move(contents);
    NoteWalkReset();
    EmptyLists();
    FreeTilePictures();
    m_tint = ColourOffset();
    g_viewScale.Set(ViewScale::kAreaMap, Vector());
}

void TileMap::FreeTilePictures() {
    m_tiles.FreeAll();
    m_overlays.FreeAll();
    m_cellTiles.assign(static_cast<size_t>(m_map.grid.CellCount()), nullptr);
}

void TileMap::EmptyLists() {
    for (WorldObject*& head : m_lists) {
        while (head) {
            WorldObject* next = head->GetNext();
            head->ClearLink();
            head = next;
        }
    }
    for (DrawOrder& order : m_orders)
        order.Clear();
}

void TileMap::Clear() {
    m_map.grid = TileGrid();
    NoteWalkReset();
    FreeTilePictures();
    m_map.viewOrigin = Vector();
    g_viewScale.Set(ViewScale::kAreaMap, GetViewOffset());
}

Stringc TileMap::MapGraphicPath(const Stringc& name) const {
    return m_paths.GetMapGraphicDir() + "/" + name;
}

Stringc TileMap::GetGraphicPath() const {
    return MapGraphicPath(m_map.names[kMinimapImage]);
}

Vector TileMap::GetPixelsPerUnit() const {
    return Vector(TileGrid::kTileWidth, TileGrid::kTileHeight, 0.0f);
}

Vector TileMap::GetViewOffset() const {
    return m_map.viewOrigin - m_viewScreenPos;
}

// A creature's step is a removal and an insertion of the same object a little way off,
// and an explosion packs hundreds at one point: the index finds each place directly.
void TileMap::Insert(int list, WorldObject& object) {
    WorldObject*& head = m_lists[list];
    if (object.IsInList(head))
        return;
    for (int other = 0; other < kObjectListCount; ++other)
        Remove(other, object); // it leaves another list first
    const int mapPixelWidth = GetWidth() * TileGrid::kTileWidth;
    const double key = WorldObject::SortKeyAt(object.GetPosition(), mapPixelWidth);
    object.InsertInList(head, mapPixelWidth, m_orders[list].Add(object, key));
}

void TileMap::Remove(int list, WorldObject& object) {
    WorldObject*& head = m_lists[list];
    if (!object.IsInList(head))
        return;
    object.RemoveFromList(head);
    m_orders[list].Remove(object, head);
}

bool TileMap::AddObject(WorldObject* object) {
    if (!object)
        return false;
    Insert(ListOfKind(object->GetKind()), *object);
    return true;
}

bool TileMap::RemoveObject(WorldObject* object) {
    if (!object)
        return false;
    Remove(ListOfKind(object->GetKind()), *object);
    return true;
}

bool TileMap::AddObjectToExtraList(WorldObject* object) {
    if (!object)
        return false;
    Insert(kExtraList, *object);
    return true;
}

bool TileMap::RemoveObjectFromExtraList(WorldObject* object) {
    if (!object)
        return false;
    Remove(kExtraList, *object);
    return true;
}

WorldObject* TileMap::GetList(ObjectList list) const {
    return list >= 0 && list < kObjectListCount ? m_lists[list] : nullptr;
}

void TileMap::FlagStaticObjects() {
    m_refreshVisible = true;
    for (WorldObject* object = m_lists[kStaticList]; object; object = object->GetNext())
        object->AddFlags(kStaticFlag);
}

bool TileMap::CellHas(int x, int y, uint32_t flags) const {
    const TileRecord* cell = m_map.grid.Find(x, y);
    return cell && cell->Has(flags);
}

bool TileMap::IsWalkableType(int x, int y) const {
    const TileRecord* cell = m_map.grid.Find(x, y);
    return cell && cell->IsWalkableType();
}

bool TileMap::IsSeeThrough(int x, int y) const {
    const TileRecord* cell = m_map.grid.Find(x, y);
    return cell && cell->GetType() != TileRecord::kSightBlockingType;
}

int TileMap::GetTileClass(int x, int y) const {
    const TileRecord* cell = m_map.grid.Find(x, y);
    const int type = cell ? cell->GetType() : 0;
    return type == 3 ? 1 : type == 5 ? 2 : 0;
}

bool TileMap::GetTileType(int x, int y, int& type) const {
    const TileRecord* cell = m_map.grid.Find(x, y);
    if (cell)
        type = cell->GetType();
    return cell != nullptr;
}

bool TileMap::GetHeight(int x, int y, int& height) const {
    const TileRecord* cell = m_map.grid.Find(x, y);
    if (cell)
        height = cell->GetHeight();
    return cell != nullptr;
}

bool TileMap::GetLight(int x, int y, int& light1, int& light2, int& light3) const {
    const TileRecord* cell = m_map.grid.Find(x, y);
    if (!cell)
        return false;
    light1 = cell->GetLight(1) - TileRecord::kUnlit;
    light2 = cell->GetLight(2) - TileRecord::kUnlit;
    light3 = cell->GetLight(3) - TileRecord::kUnlit;
    return true;
}

namespace {

template <class Change> void ChangeCell(TileGrid& grid, int x, int y, Change change) {
    if (TileRecord* cell = grid.Find(x, y))
        change(*cell);
}

} // namespace

template <class Change> void TileMap::ChangeWalkCell(int x, int y, Change change) {
    if (TileRecord* cell = m_map.grid.Find(x, y)) {
        const bool walkable = cell->Has(TileRecord::kWalkable);
        change(*cell);
        if (walkable != cell->Has(TileRecord::kWalkable)) {
            ++m_walkChanges;
            m_blockedCells.NoteTurn(x, y, !walkable);
        }
    }
}

void TileMap::SetCellFlags(int x, int y, uint32_t flags, bool on) {
    ChangeWalkCell(x, y, [flags, on](TileRecord& cell) { cell.Set(flags, on); });
}

void TileMap::NoteWalkReset() {
    ++m_walkChanges;
    m_blockedCells.Invalidate();
}

void TileMap::SetEdgeDir(int x, int y, int dir) {
    ChangeCell(m_map.grid, x, y, [dir](TileRecord& cell) { cell.SetEdgeDir(dir); });
}

void TileMap::SetTileType(int x, int y, int type) {
    ChangeCell(m_map.grid, x, y, [type](TileRecord& cell) { cell.SetType(type); });
}

void TileMap::SetDoorCell(int x, int y, bool open) {
    ChangeWalkCell(x, y, [open](TileRecord& cell) {
        cell.Set(TileRecord::kDoor, true);
        cell.Set(TileRecord::kDoorOpen | TileRecord::kWalkable, open);
    });
}

void TileMap::RestoreWalkable(int x, int y) {
    ChangeWalkCell(x, y, [](TileRecord& cell) {
        const bool walkable =
            cell.Has(TileRecord::kDoor) ? cell.Has(TileRecord::kDoorOpen) : cell.IsWalkableType();
        cell.Set(TileRecord::kWalkable, walkable);
        cell.Set(TileRecord::kArea, false);
    });
}

void TileMap::ResetCellStates() {
    NoteWalkReset();
    for (TileRecord& cell : m_map.grid) {
        cell.Set(TileRecord::kWalkable, cell.IsWalkableType());
        cell.Set(TileRecord::kDoor | TileRecord::kDoorOpen | TileRecord::kExplored |
                     TileRecord::kInView,
                 false);
    }
}

void TileMap::ClearFog() {
    for (TileRecord& cell : m_map.grid)
        cell.Set(TileRecord::kFogBits, false);
}

bool TileMap::ReadExploredList(Stream& stream, long cells, TagList& explored) {
    if (!explored.Read(stream))
        return false;
    if (cells > 0 && explored.GetBitCount() != cells) {
        std::fprintf(stderr, "The explored cells are saved for a map of %d cells, not %ld\n",
                     explored.GetBitCount(), cells);
        return false;
    }
    return true;
}

bool TileMap::ReadExplored(Stream& stream) {
    TagList explored;
    const long cells = m_map.grid.CellCount();
    if (!ReadExploredList(stream, cells, explored))
        return false;
    for (long index = 0; index < cells; ++index)
        m_map.grid.AtIndex(index).Set(TileRecord::kExplored,
                                      explored.IsSet(static_cast<int>(index)));
    return true;
}

bool TileMap::WriteExplored(Stream& stream) const {
    const long cells = m_map.grid.CellCount();
    TagList explored(static_cast<int>(cells));
    for (long index = 0; index < cells; ++index)
        if (m_map.grid.AtIndex(index).Has(TileRecord::kExplored))
            explored.Set(static_cast<int>(index));
    return explored.Write(stream);
}

namespace {
// A world coordinate's cell: truncated toward zero.
int CellOf(float value) {
    return ToIntWithin(value, INT_MIN, INT_MAX);
}
} // namespace

// The test reads the cell's record in place: a line walk asks about every cell it passes.
template <class Test>
bool TileMap::WalkLine(const Vector& from, const Vector& to, Test test) const {
    LineTracer tracer([this, &test](int x, int y) {
        const TileRecord* cell = m_map.grid.Find(x, y);
        return cell != nullptr && test(*cell);
    });
    return tracer.Trace(CellOf(from.x), CellOf(from.y), CellOf(to.x), CellOf(to.y));
}

bool TileMap::IsWalkableAt(const Vector& point) const {
    return IsWalkable(CellOf(point.x), CellOf(point.y));
}

bool TileMap::FindNearestWalkableCell(const Vector& point, Vector& out) const {
    const int x = CellOf(point.x), y = CellOf(point.y);
    if (IsWalkable(x, y)) {
        out = point;
        return true;
    }
    float nearest = FLT_MAX;
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) {
            const Vector centre(x + dx + 0.5f, y + dy + 0.5f, 0.0f);
            const float d2 = DistanceSquared2d(point, centre);
            if (IsWalkable(x + dx, y + dy) && d2 < nearest) {
                nearest = d2;
                out = centre;
            }
        }
    return nearest < FLT_MAX;
}

bool TileMap::WalkLineA(const Vector& from, const Vector& to) const {
    return WalkLine(from, to, [](const TileRecord& cell) { return cell.IsWalkableType(); });
}

bool TileMap::WalkLineB(const Vector& from, const Vector& to) const {
    return WalkLine(from, to,
                    [](const TileRecord& cell) { return cell.Has(TileRecord::kWalkable); });
}

// Every cell of a line lies between its two end cells on both axes, and both are walked.
bool TileMap::WalkLineBCounted(const Vector& from, const Vector& to) const {
    const int x1 = CellOf(from.x), y1 = CellOf(from.y), x2 = CellOf(to.x), y2 = CellOf(to.y);
    if (!m_map.grid.Contains(x1, y1) || !m_map.grid.Contains(x2, y2))
        return false;
    return m_blockedCells.IsLineClear(m_map.grid, BresenhamLine(x1, y1, x2, y2));
}
