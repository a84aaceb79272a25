// The map editor's drawing: the map with the overlays of the tool that is on, the windows
// of the state, and the status strip.
#include "Source/editors/map_editor.h"

#include "Library/geometry/map_view.h"
#include "Library/graphics/colour.h"
#include "Library/graphics/graphic.h"
#include "Library/graphics/screen.h"
#include "Library/interface/directory_panel.h"
#include "Library/interface/edit_box.h"
#include "Library/interface/interface_object.h"
#include "Library/interface/mouse_position.h"
#include "Library/world/game_mode.h"
#include "Library/world/tile_map.h"
#include "Source/entities/door_entity.h"
#include "Source/entities/entity_mgr.h"
#include "Source/world/ambient_snd_mgr.h"
#include "Source/world/entry_pt_mgr.h"

#include <cmath>

namespace {

constexpr int kStatusFont = 0;
constexpr int kStatusX = 650;
constexpr int kCrossArm = 20;
constexpr int kFailureY = 490; // above the map directory box
constexpr int kTemplatesTop = 30;
constexpr int kNameGap = 15;
const int kHidden = -1000;

uint16_t Packed(int red, int green, int blue) {
    return Colour(static_cast<uint8_t>(red), static_cast<uint8_t>(green),
                  static_cast<uint8_t>(blue))
        .Pack16();
}

} // namespace

bool MapEditor::ShowsMap() const {
    if (m_state == kEditMap)
        return true;
    const bool drawing = m_drawingLine || m_drawingPoints;
    return drawing && (m_state == kTriggerPtPanel || m_state == kContainerPanel ||
                       m_state == kDoorPanel);
}

void MapEditor::Draw(Screen& screen) {
    if (m_exiting)
        return;
    // A map smaller than the view leaves the rest of the screen to be cleared each frame.
    g_gameMode->InvalidateScreen();
    screen.SetDrawColour(0);
    screen.Clear();
    if (ShowsMap())
        DrawMap(screen);
    switch (m_state) {
    case kEditMap:
        DrawPicker(screen);
        Panel(kToolbarWindow).SetDirty(true);
        Panel(kToolbarWindow).Draw(screen);
        m_entityDirectory->SetDirty();
        m_entityDirectory->Draw(screen);
        break;
    case kNewMap:
    case kLoadMap:
        m_mapDirectory->SetDirty();
        m_mapDirectory->Draw(screen);
        break;
    case kSaveMap:
        m_saveBox->Draw(screen);
        break;
    case kMiniMap:
        DrawMiniMap(screen);
        break;
    default:
        if (!ShowsMap() && WindowOfState(m_state) != kWindowCount) {
            InterfaceObject& panel = Panel(WindowOfState(m_state));
            panel.SetDirty(true);
            panel.Draw(screen);
        }
        break;
    }
    DrawStatus(screen);
}

void MapEditor::DrawMap(Screen& screen) {
    TileMap& map = *g_tileMap;
    map.Draw(screen, TileMap::kNoFog);
    map.DrawObjects(screen);
    const int pulse = g_gameMode->GetPulse();
    if (m_tools[kSearchMapTool])
        map.DrawTileTypes(screen);
    if (m_tools[kClipTool])
        map.DrawForEditor(screen);
    if (m_tools[kEntryPtTool])
        g_entryPtMgr->DrawDebug(screen, map);
    if (m_tools[kTriggerPtTool]) {
        if (m_showTravel)
            g_entityMgr->DrawTriggers(kMapObjectTravel, screen);
        if (m_showTrap)
            g_entityMgr->DrawTriggers(kMapObjectTrap, screen);
        if (m_showInfo)
            g_entityMgr->DrawTriggers(kMapObjectInfo, screen);
    }
    if (m_tools[kContainerTool])
        g_entityMgr->DrawType(Entity::kTypeContainerMap, screen);
    if (m_tools[kDoorTool])
        g_entityMgr->DrawType(Entity::kTypeDoor, screen);
    if (m_drawingPoints && m_state == kDoorPanel && m_selectedDoor != nullptr)
        m_selectedDoor->GetMapObject().DrawEditor(2, screen);
    if (m_tools[kClipTool]) {
        int x = 0, y = 0;
        WorldToPixel(map, m_clipBase, x, y);
        screen.SetDrawColour(Packed(255, 255, 0));
        screen.DrawLine(x - kCrossArm, y, x + kCrossArm, y);
        screen.DrawLine(x, y - kCrossArm, x, y + kCrossArm);
        screen.SetDrawColour(Packed(255, 0, 0));
        m_clipZone.Draw(screen, map);
    }
    if (m_tools[kAmbientSndTool])
        g_ambientSndMgr->DrawDebug(screen, map, pulse);
    if (m_drawingLine)
        DrawLine(screen);
    if (m_selectedEntity != nullptr) {
        const ScreenPos& rect = m_selectedEntity->GetScreenRect();
        screen.SetDrawColour(Packed(255, 255, 255));
        screen.DrawRect(rect.x, rect.y, rect.x + rect.w, rect.y + rect.h);
    }
}

// Red between the points, green from the last to the pointer, at the pulse's brightness.
void MapEditor::DrawLine(Screen& screen) {
    const int pulse = g_gameMode->GetPulse();
    bool first = true;
    int lastX = 0, lastY = 0;
    screen.SetDrawColour(Packed(pulse, 0, 0));
    for (int slot = 0; slot < m_points.GetCount(); ++slot) {
        if (!m_points.IsUsed(slot))
            continue;
        int x = 0, y = 0;
        WorldToPixel(*g_tileMap, *m_points.Get(slot), x, y);
        if (!first)
            screen.DrawLine(lastX, lastY, x, y);
        first = false;
        lastX = x;
        lastY = y;
    }
    if (first)
        return;
    screen.SetDrawColour(Packed(0, pulse, 0));
    screen.DrawLine(lastX, lastY, g_mouseX, g_mouseY);
}

// The templates down the window from the first index, each centred on half its width.
void MapEditor::DrawPicker(Screen& screen) {
    if (!m_pickerShown)
        return;
    InterfaceObject& window = Panel(kPickerWindow);
    window.SetDirty(true);
    window.Draw(screen);
    int index = 0;
    int y = kTemplatesTop;
    screen.SetFont(kStatusFont);
    for (int type = 0; type < Entity::kTypeCount; ++type)
        for (int slot = 0; slot < m_picker->GetSlotCount(type); ++slot) {
            Entity* entity = m_picker->GetEntity(type, slot);
            if (entity == nullptr || !m_picker->IsSlotUsed(type, slot))
                continue;
            if (index++ < m_pickerFirst) {
                entity->SetScreenPosition(kHidden, kHidden);
                continue;
            }
            const ScreenPos& rect = entity->GetScreenRect();
            const int x = m_pickerWidth / 2 - rect.w / 2;
            entity->SetScreenPosition(x, y);
            if (window.Contains(x, y)) {
                entity->Draw(screen);
                screen.DrawTextCentered(m_pickerWidth / 2, y + rect.h - kNameGap,
                                        entity->GetTemplateName());
                if (entity == m_chosenTemplate) {
                    screen.SetDrawColour(Packed(255, 255, 255));
                    screen.DrawRect(x, y, x + rect.w, y + rect.h);
                }
            }
            y += rect.h + kNameGap;
        }
}

void MapEditor::DrawMiniMap(Screen& screen) {
    if (m_miniMap == nullptr)
        return;
    Graphic::SetBlitMode(0);
    m_miniMap->Draw(screen.GetSurface(), m_miniMapX, m_miniMapY);
    const Vector& origin = g_tileMap->GetViewOrigin();
    const int x = m_miniMapX + static_cast<int>(static_cast<int>(origin.x) * kMiniMapScale);
    const int y = m_miniMapY + static_cast<int>(static_cast<int>(origin.y) * kMiniMapScale);
    screen.SetDrawColour(Packed(255, 255, 0));
    screen.DrawRect(x, y, x + static_cast<int>(g_tileMap->GetViewWidth() * kMiniMapScale),
                    y + static_cast<int>(g_tileMap->GetViewHeight() * kMiniMapScale));
}

void MapEditor::DrawStatus(Screen& screen) {
    screen.SetFont(kStatusFont);
    screen.SetDrawColour(Packed(255, 255, 255));
    if (m_tools[kClipTool]) {
        screen.DrawText(0, 300, "1) p == select base height");
        screen.DrawText(0, 310, "2) p == add pt, a = add the polygon");
        screen.DrawText(0, 320, "3) u == update the clip map overlapping the polygon");
    } else if (m_drawingLine) {
        screen.DrawText(0, 300, "DRAWING LINE: p == add pt, a = add and exit");
    } else if (m_drawingPoints) {
        screen.DrawText(0, 300, "DRAWING PTS: p == add pt, d = del pt, a = add and exit");
    }
    m_failure.Draw(screen, 0, kFailureY);
    screen.SetDrawColour(Packed(255, 255, 255));
    g_tileMap->DrawDebugInfo(screen);
    screen.SetDrawColour(0);
    screen.FillRect(kStatusX, 0, 800, 60);
    screen.SetDrawColour(Packed(255, 255, 255));
    screen.DrawText(kStatusX, 0, m_mapName);
    screen.DrawText(kStatusX, 20, StateName(m_state));
    static constexpr struct {
        Tool tool;
        const char* name;
    } kShown[] = {{kEntityTool, "ENTITY"},        {kClipTool, "CLIP MAP"},
                  {kEntryPtTool, "ENTRY PT"},     {kTriggerPtTool, "TRIGGER PT"},
                  {kAmbientSndTool, "AMB SND"},   {kContainerTool, "CONTAINERS"},
                  {kDoorTool, "DOORS"}};
    int y = 40;
    for (const auto& shown : kShown)
        if (m_tools[shown.tool]) {
            screen.DrawText(kStatusX, y, shown.name);
            y += 20;
        }
}
