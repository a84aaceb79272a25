// The map editor's tool keys and drawing modes: each acts on a key release at the map
// point under the pointer and says whether it used the event.
#include "Source/editors/map_editor.h"

#include "Library/interface/directory_panel.h"
#include "Library/interface/interface_object.h"
#include "Library/interface/mouse_position.h"
#include "Library/sound/sound_mgr.h"
#include "Library/world/tile_map.h"
#include "Source/entities/container_map_entity.h"
#include "Source/entities/door_entity.h"
#include "Source/entities/entity_mgr.h"
#include "Source/entities/trigger_entity.h"
#include "Source/world/ambient_snd_mgr.h"
#include "Source/world/entry_pt_mgr.h"

#include <cmath>

namespace {

const Vector kNoClipBase(-500, -500, 0);

bool IsRelease(const SDL_Event& event) {
    return event.type == SDL_KEYUP;
}

Vector Floored(const Vector& point) {
    return Vector(std::floor(point.x), std::floor(point.y), std::floor(point.z));
}

} // namespace

bool MapEditor::PointerOnMap(Vector& point) const {
    if (g_tileMap == nullptr)
        return false;
    point = g_tileMap->MouseToWorld();
    const float x = std::floor(point.x), y = std::floor(point.y);
    return x >= 0 && y >= 0 && x < g_tileMap->GetWidth() && y < g_tileMap->GetHeight();
}

bool MapEditor::UseDrawingLine(const SDL_Event& event) {
    if (!m_drawingLine || !IsRelease(event))
        return false;
    const SDLKey key = event.key.keysym.sym;
    if (key == SDLK_p && g_tileMap != nullptr) {
        *m_points.Alloc() = g_tileMap->MouseToWorld();
    } else if (key == SDLK_a) {
        MapObject* mapObject = SelectedMapObject();
        if (m_state == kEditMap && m_tools[kClipTool])
            m_clipZone.BuildPolygon(m_points);
        else if (mapObject != nullptr && m_state != kTravelPanel)
            mapObject->BuildZone(m_points);
        m_drawingLine = false;
        m_points.FreeAll();
    }
    return true;
}

// The door's cells of the state it is not in: 'p' adds the cell under the pointer, 'd'
// removes it.
bool MapEditor::UseDrawingPoints(const SDL_Event& event) {
    if (!m_drawingPoints || !IsRelease(event))
        return false;
    const SDLKey key = event.key.keysym.sym;
    Vector point;
    if (key == SDLK_a) {
        m_drawingPoints = false;
    } else if (m_state == kDoorPanel && m_selectedDoor != nullptr && PointerOnMap(point)) {
        DoorMapObject& door = m_selectedDoor->GetMapObject();
        const int x = static_cast<int>(std::floor(point.x));
        const int y = static_cast<int>(std::floor(point.y));
        if (key == SDLK_p)
            door.AddCell(x, y);
        else if (key == SDLK_d)
            door.RemoveCell(x, y);
    }
    return true;
}

bool MapEditor::UseTools(const SDL_Event& event) {
    if (UseSearchMap(event))
        return true;
    if (!IsRelease(event))
        return false;
    if (m_tools[kLightMapTool] || m_tools[kHeightMapTool])
        return true;
    const SDLKey key = event.key.keysym.sym;
    return (m_tools[kEntityTool] && UseEntityTool(key)) ||
           (m_tools[kEntryPtTool] && UseEntryPtTool(key)) ||
           (m_tools[kTriggerPtTool] && UseTriggerPtTool(key)) ||
           (m_tools[kContainerTool] && UseZoneTool(key, Entity::kTypeContainerMap)) ||
           (m_tools[kDoorTool] && UseZoneTool(key, Entity::kTypeDoor)) ||
           (m_tools[kClipTool] && UseClipTool(key)) ||
           (m_tools[kAmbientSndTool] && UseAmbientSndTool(key));
}

// Shift+'s' paints every cell the pointer passes until a key is released; 's' alone
// paints once.
bool MapEditor::UseSearchMap(const SDL_Event& event) {
    if (!m_tools[kSearchMapTool])
        return false;
    if (event.type == SDL_KEYDOWN && event.key.keysym.sym == SDLK_s &&
        (event.key.keysym.mod & KMOD_SHIFT) != 0)
        m_painting = true;
    if (IsRelease(event)) {
        m_painting = false;
        if (event.key.keysym.sym == SDLK_s)
            PaintAtPointer();
        return true;
    }
    if (m_painting)
        PaintAtPointer();
    return event.type == SDL_KEYDOWN;
}

void MapEditor::PaintAtPointer() {
    Vector point;
    if (PointerOnMap(point))
        g_tileMap->SetTileType(static_cast<int>(std::floor(point.x)),
                               static_cast<int>(std::floor(point.y)), m_searchColour);
}

bool MapEditor::UseEntityTool(SDLKey key) {
    switch (key) {
    case SDLK_e:
        m_pickerShown = !m_pickerShown;
        return true;
    case SDLK_s:
        return SelectEntityAtPointer() || ChooseTemplateAtPointer();
    case SDLK_p:
        PlaceTemplate();
        return true;
    case SDLK_d:
        DeleteEntityAtPointer();
        return true;
    case SDLK_UP:
        MoveSelected(0, -kArrowStep);
        return true;
    case SDLK_DOWN:
        MoveSelected(0, kArrowStep);
        return true;
    case SDLK_RIGHT:
        MoveSelected(kArrowStep, 0);
        return true;
    case SDLK_LEFT:
        MoveSelected(-kArrowStep, 0);
        return true;
    default:
        return false;
    }
}

// Not through the picker, the toolbar or the entity directory box.
bool MapEditor::SelectEntityAtPointer() {
    if (PointerInPicker() || PointerInToolbar() || PointerInEntityDirectory())
        return false;
    m_selectedEntity = g_entityMgr->FindEntityAt(g_mouseX, g_mouseY);
    return m_selectedEntity != nullptr;
}

// The picker manager's own pick: a template's opaque pixels where the picker last drew it.
bool MapEditor::ChooseTemplateAtPointer() {
    if (!PointerInPicker())
        return false;
    m_chosenTemplate =
        m_picker->FindEntityOfTypeAt(static_cast<int>(m_pickerType), g_mouseX, g_mouseY);
    if (m_chosenTemplate == nullptr)
        return false;
    const ScreenPos& shown = m_chosenTemplate->GetScreenRect();
    m_grabOffset = Vector(static_cast<float>(shown.x - g_mouseX) / TileGrid::kTileWidth,
                          static_cast<float>(shown.y - g_mouseY) / TileGrid::kTileHeight, 0);
    m_selectedEntity = nullptr;
    return true;
}

// A copy of the chosen template on the cell under the pointer; nothing off the map.
void MapEditor::PlaceTemplate() {
    Vector point;
    if (m_chosenTemplate == nullptr || PointerInPicker() || PointerInToolbar() ||
        !PointerOnMap(point))
        return;
    Entity* entity = g_entityMgr->CreateEntity(0, 0, 0, m_chosenTemplate->GetType());
    if (entity == nullptr)
        return;
    if (!entity->LoadByName(m_chosenTemplate->GetTemplateName()) || !ReadyToShow(*entity, true)) {
        g_entityMgr->ReleaseEntity(entity);
        return;
    }
    entity->SetPosition(Floored(point));
    if (m_chosenTemplate->GetVector2() == Vector(0, 0, 0))
        entity->SetVector2(m_grabOffset);
    g_tileMap->AddObject(entity);
    if (!m_editList.Contains(entity))
        m_editList.Add(entity);
    m_selectedEntity = entity;
}

void MapEditor::DeleteEntityAtPointer() {
    if (SelectEntityAtPointer()) {
        Entity* entity = m_selectedEntity;
        Forget(entity);
        g_entityMgr->ReleaseEntity(entity);
    }
    m_selectedEntity = nullptr;
}

// Only onto a cell of the map: 0 <= floor(x) < width and 0 <= floor(y) < height.
void MapEditor::MoveSelected(float dx, float dy) {
    if (m_selectedEntity == nullptr)
        return;
    const Vector to = m_selectedEntity->GetPosition() + Vector(dx, dy, 0);
    const float x = std::floor(to.x), y = std::floor(to.y);
    if (x < 0 || y < 0 || x >= g_tileMap->GetWidth() || y >= g_tileMap->GetHeight())
        return;
    g_tileMap->RemoveObject(m_selectedEntity);
    m_selectedEntity->SetPosition(to);
    g_tileMap->AddObject(m_selectedEntity);
}

void MapEditor::Forget(const Entity* entity) {
    m_editList.Remove(entity);
    if (m_selectedEntity == entity)
        m_selectedEntity = nullptr;
    if (m_selectedTrigger == entity)
        m_selectedTrigger = nullptr;
    if (m_selectedDoor == entity)
        m_selectedDoor = nullptr;
    if (m_selectedContainer == entity)
        m_selectedContainer = nullptr;
}

// Every key release is the entry point tool's while it is on.
bool MapEditor::UseEntryPtTool(SDLKey key) {
    m_selectedEntryPt = nullptr;
    Vector point;
    const bool onMap = PointerOnMap(point);
    if (key == SDLK_i) {
        m_selectedEntryPt = g_entryPtMgr->FindAt(point);
        if (m_selectedEntryPt != nullptr) {
            FillEntryPt();
            ChangeState(kEntryPtPanel);
        }
    } else if (key == SDLK_p && onMap) {
        g_entryPtMgr->Add(point);
    } else if (key == SDLK_d) {
        g_entryPtMgr->Remove(g_entryPtMgr->FindAt(point));
    }
    return true;
}

// The shown kinds in the order Travel, Trap, Info: the first one shown is looked in.
Entity* MapEditor::FindTriggerAtPointer() const {
    const struct {
        bool shown;
        uint32_t kind;
    } filters[] = {{m_showTravel, kMapObjectTravel}, {m_showTrap, kMapObjectTrap},
                   {m_showInfo, kMapObjectInfo}};
    for (const auto& filter : filters)
        if (filter.shown)
            return g_entityMgr->FindTriggerAt(filter.kind, g_mouseX, g_mouseY);
    return nullptr;
}

bool MapEditor::UseTriggerPtTool(SDLKey key) {
    m_selectedTrigger = nullptr;
    Vector point;
    const bool onMap = PointerOnMap(point);
    if (key == SDLK_p) {
        SetTriggerFilters(true, true, true);
        if (onMap)
            m_selectedTrigger = static_cast<TriggerEntity*>(
                g_entityMgr->CreateEntity(point.x, point.y, point.z, Entity::kTypeTrigger));
        return true;
    }
    if (key == SDLK_i) {
        Entity* found = FindTriggerAtPointer();
        if (found != nullptr) {
            m_selectedTrigger = static_cast<TriggerEntity*>(found);
            FillTrigger();
            ChangeState(kTriggerPtPanel);
        }
        return true;
    }
    if (key == SDLK_d)
        if (Entity* found = FindTriggerAtPointer()) {
            Forget(found);
            g_entityMgr->ReleaseEntity(found);
        }
    return false;
}

// Chests (type 9) and doors (type 7); a deleted chest leaves the key to the later tools.
bool MapEditor::UseZoneTool(SDLKey key, int type) {
    const bool door = type == Entity::kTypeDoor;
    if (door)
        m_selectedDoor = nullptr;
    else
        m_selectedContainer = nullptr;
    Vector point;
    const bool onMap = PointerOnMap(point);
    Entity* entity = nullptr;
    if (key == SDLK_p) {
        if (onMap)
            entity = g_entityMgr->CreateEntity(point.x, point.y, point.z, type);
    } else if (key == SDLK_i) {
        entity = g_entityMgr->FindEntityOfTypeAt(type, g_mouseX, g_mouseY);
    } else if (key == SDLK_d) {
        if (Entity* found = g_entityMgr->FindEntityOfTypeAt(type, g_mouseX, g_mouseY)) {
            Forget(found);
            g_entityMgr->ReleaseEntity(found);
        }
        return door;
    } else {
        return false;
    }
    if (entity != nullptr) {
        if (door)
            m_selectedDoor = static_cast<DoorEntity*>(entity);
        else
            m_selectedContainer = static_cast<ContainerMapEntity*>(entity);
    }
    if (key == SDLK_i && entity != nullptr)
        ChangeState(door ? kDoorPanel : kContainerPanel);
    return true;
}

// The base height is the base point's y in map pixels, rounded half away from zero.
bool MapEditor::UseClipTool(SDLKey key) {
    if (key == SDLK_p && g_tileMap != nullptr) {
        m_clipBase = g_tileMap->MouseToWorld();
        StartLineDrawing();
        return true;
    }
    if (key == SDLK_u && g_tileMap != nullptr && m_clipZone.Contains(g_tileMap->MouseToWorld())) {
        const float base = std::round(m_clipBase.y * TileGrid::kTileHeight);
        g_tileMap->GetClipMap().SetBaseInZone(m_clipZone, base > 0 ? static_cast<uint32_t>(base) : 0);
        m_clipBase = kNoClipBase;
        m_clipZone.ResetPolygon();
    }
    return false;
}

bool MapEditor::UseAmbientSndTool(SDLKey key) {
    m_selectedSound = nullptr;
    Vector point;
    const bool onMap = PointerOnMap(point);
    if (key == SDLK_p && onMap) {
        g_ambientSndMgr->AddAt(point);
    } else if (key == SDLK_i) {
        m_selectedSound = g_ambientSndMgr->FindAt(point);
        if (m_selectedSound != nullptr) {
            if (g_soundMgr != nullptr)
                m_selectedSound->StopSound(*g_soundMgr);
            ChangeState(kAmbientSndPanel);
        }
    } else if (key == SDLK_d) {
        g_ambientSndMgr->Remove(g_ambientSndMgr->FindAt(point));
    }
    return false;
}
