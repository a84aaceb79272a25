#pragma once
// The map object of a door: besides its two states it patches the map's tile pictures with
// the door's closed or open image, and blocks the map cells the door fills in each state.
//
// Record: the two-state map object's, then u16 patch x, u16 patch y (map pixels of the
// images' top-left corner), Stringc closed image, Stringc open image, u32 count and count
// Vector cells blocked while closed, u32 count and count Vector cells blocked while open.

#include "Source/entities/binary_map_object.h"

#include <vector>

class TileGraphic;
class TileMap;

class DoorMapObject : public BinaryMapObject {
public:
    explicit DoorMapObject(Entity& owner) : BinaryMapObject(owner, kMapObjectDoor) {}

    void Reset() override; // no patch, no cells

    // Each shows its image in the tiles and, outside the map editor, blocks its state's
    // cells and frees the other state's.
    void SetState1() override;
    void SetState0() override;
    // Opening: false while locked, or while a living soldier stands, by its floored
    // position, on a closed-state cell; closing: while one stands on an open-state cell.
    bool CanChangeState() const override;
    bool CanClose() const override;

    // The map editor's cells: the one clicked goes into (or out of) the list of the state
    // the door is not in.
    void AddCell(int x, int y);
    void RemoveCell(int x, int y);
    // Mode 1 the current zone, yellow closed and red open; mode 2 the edited list's cells,
    // green while open and blue while closed. The label follows.
    void DrawEditor(int mode, Screen& screen) const;

    // What the patch drew into the tiles put back, for a door that leaves the map.
    void TakePatchOff();
    // The patch's images (in "TileGraphic" of the map graphic directory) and their corner.
    void SetPatch(const Stringc& closedImage, const Stringc& openImage, uint16_t x, uint16_t y);
    uint16_t GetPatchX() const { return m_patchX; }
    uint16_t GetPatchY() const { return m_patchY; }
    const Stringc& GetPatchImage(uint32_t state) const { return m_images[state == kStateOpen]; }
    const std::vector<Vector>& GetCells(uint32_t state) const {
        return state == kStateOpen ? m_openCells : m_closedCells;
    }

protected:
    bool AcceptsKind(uint32_t kind) const override { return kind == kMapObjectDoor; }
    bool ReadRecord(Stream& stream) override;
    bool WriteRecord(Stream& stream) const override;

private:
    TileMap* GetTileMap() const; // the owner's manager's; null without one
    void ShowState(uint32_t state);
    bool SoldierStandsOn(const std::vector<Vector>& cells) const; // a living one
    std::vector<Vector>& EditedCells() { return IsOpen() ? m_closedCells : m_openCells; }
    static bool ReadCells(Stream& stream, std::vector<Vector>& cells);
    static bool WriteCells(Stream& stream, const std::vector<Vector>& cells);

    uint16_t m_patchX = 0;
    uint16_t m_patchY = 0;
    Stringc m_images[2];            // closed, open
    TileGraphic* m_patch = nullptr; // the tile map's; not stored
    std::vector<Vector> m_closedCells;
    std::vector<Vector> m_openCells;
};
