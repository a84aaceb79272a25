#include "Source/entities/door_map_object.h"

#include "Library/core/stream.h"
#include "Library/geometry/stored_vectors.h"
#include "Library/graphics/colour.h"
#include "Library/graphics/screen.h"
#include "Library/scripts/stored_text.h"
#include "Library/world/game_mode.h"
#include "Library/world/tile_map.h"
#include "Source/entities/entity_filters.h"
#include "Source/entities/entity_mgr.h"
#include "Source/entities/view_transform.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

bool SameCell(const Vector& a, const Vector& b) {
    return std::floor(a.x) == std::floor(b.x) && std::floor(a.y) == std::floor(b.y);
}

} // namespace

void DoorMapObject::Reset() {
    BinaryMapObject::Reset();
    m_patchX = m_patchY = 0;
    m_images[0].Clear();
    m_images[1].Clear();
    m_patch = nullptr;
    m_closedCells.clear();
    m_openCells.clear();
}

void DoorMapObject::SetPatch(const Stringc& closedImage, const Stringc& openImage, uint16_t x,
                             uint16_t y) {
    m_images[0] = closedImage;
    m_images[1] = openImage;
    m_patchX = x;
    m_patchY = y;
}

void DoorMapObject::TakePatchOff() {
    if (TileMap* map = GetTileMap())
        map->ReleaseTileGraphics(m_patch);
    m_patch = nullptr;
}

TileMap* DoorMapObject::GetTileMap() const {
    const EntityMgr* manager = GetOwner().GetManager();
    return manager ? manager->GetTileMap() : nullptr;
}

void DoorMapObject::SetState1() {
    ShowState(kStateOpen);
}

void DoorMapObject::SetState0() {
    ShowState(kStateClosed);
}

void DoorMapObject::ShowState(uint32_t state) {
    SetState(state);
    TileMap* map = GetTileMap();
    if (map == nullptr)
        return;
    const bool open = state == kStateOpen;
    if (m_images[0].Length() > 0 || m_images[1].Length() > 0) {
        m_patch = map->LoadTileGraphics(m_patch, m_images[0].c_str(), m_images[1].c_str(), m_patchX,
                                        m_patchY);
        map->DrawTile(m_patch, open);
    }
    if (CurrentModeId() == kModeMapEditor)
        return;
    const auto cellOf = [](float value) { return static_cast<int>(std::floor(value)); };
    for (const Vector& cell : m_closedCells)
        map->SetDoorCell(cellOf(cell.x), cellOf(cell.y), open);
    for (const Vector& cell : m_openCells)
        map->SetDoorCell(cellOf(cell.x), cellOf(cell.y), !open);
}

bool DoorMapObject::SoldierStandsOn(const std::vector<Vector>& cells) const {
    EntityMgr* manager = GetOwner().GetManager();
    EntityPtrList* soldiers = nullptr;
    if (cells.empty() || manager == nullptr || !manager->GetPool(Entity::kTypeSoldier, soldiers))
        return false;
    DeselectDeadSoldiers(*soldiers);
    bool standing = false;
    soldiers->ForEachSelected([&](const Entity& soldier) {
        standing = standing || std::any_of(cells.begin(), cells.end(), [&](const Vector& cell) {
                       return SameCell(cell, soldier.GetPosition());
                   });
    });
    return standing;
}

bool DoorMapObject::CanChangeState() const {
    return BinaryMapObject::CanChangeState() && !SoldierStandsOn(m_closedCells);
}

bool DoorMapObject::CanClose() const {
    return !SoldierStandsOn(m_openCells);
}

void DoorMapObject::AddCell(int x, int y) {
    const Vector cell(static_cast<float>(x), static_cast<float>(y), 0.0f);
    std::vector<Vector>& cells = EditedCells();
    if (std::none_of(cells.begin(), cells.end(),
                     [&](const Vector& held) { return SameCell(held, cell); }))
        cells.push_back(cell);
}

void DoorMapObject::RemoveCell(int x, int y) {
    const Vector cell(static_cast<float>(x), static_cast<float>(y), 0.0f);
    std::vector<Vector>& cells = EditedCells();
    cells.erase(std::remove_if(cells.begin(), cells.end(),
                               [&](const Vector& held) { return SameCell(held, cell); }),
                cells.end());
}

void DoorMapObject::DrawEditor(int mode, Screen& screen) const {
    if (mode == 1) {
        screen.SetDrawColour((IsOpen() ? Colour(255, 0, 0) : Colour(255, 255, 0)).Pack16());
        DrawZone(screen);
    } else if (mode == 2) {
        const TileMap* map = GetTileMap();
        if (map != nullptr && g_gameMode != nullptr) {
            g_gameMode->InvalidateRect(map->GetViewRect());
            screen.SetDrawColour((IsOpen() ? Colour(0, 255, 0) : Colour(0, 0, 255)).Pack16());
            for (const Vector& cell : IsOpen() ? m_closedCells : m_openCells)
                map->DrawTileOverlay(screen, cell);
            g_gameMode->InvalidateScreen();
        }
    }
    DrawLabel(GetSettings().position, screen);
}

bool DoorMapObject::ReadCells(Stream& stream, std::vector<Vector>& cells) {
    uint32_t count = 0;
    if (!ReadStoredCount(stream, kStoredVectorBytes, "door cells", count))
        return false;
    std::vector<Vector> read(count);
    if (!ReadStoredPlaces(stream, read.data(), static_cast<int>(count), "A door's cells"))
        return false;
    cells = std::move(read);
    return true;
}

bool DoorMapObject::WriteCells(Stream& stream, const std::vector<Vector>& cells) {
    return WriteCountedVectors(stream, cells.data(), static_cast<int>(cells.size()));
}

bool DoorMapObject::ReadRecord(Stream& stream) {
    return BinaryMapObject::ReadRecord(stream) && stream.ReadValue(m_patchX) &&
           stream.ReadValue(m_patchY) && ReadStoredName(stream, m_images[0]) &&
           ReadStoredName(stream, m_images[1]) && ReadCells(stream, m_closedCells) &&
           ReadCells(stream, m_openCells);
}

bool DoorMapObject::WriteRecord(Stream& stream) const {
    return BinaryMapObject::WriteRecord(stream) && stream.WriteValue(m_patchX) &&
           stream.WriteValue(m_patchY) && m_images[0].Write(stream) && m_images[1].Write(stream) &&
           WriteCells(stream, m_closedCells) && WriteCells(stream, m_openCells);
}
