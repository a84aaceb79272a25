#pragma once
// The map editor (game mode 26): edits the current region's tile map, entities, entry
// points, sound emitters and weather chances with single keys released over the map, and
// saves them as "<name>.map" and "<name>.reg". The mouse works the windows, the directory
// boxes, edge scrolling and the mini map. Everything edited lives in the region's managers;
// the editor keeps only its windows, its tools and the list of the entities it placed.

#include "Library/core/mem_mgr.h"
#include "Library/core/stringc.h"
#include "Library/core/vector.h"
#include "Library/geometry/zone.h"
#include "Library/world/mode_page.h"
#include "Source/editors/editor_failure.h"
#include "Source/entities/placed_entity_list.h"
#include "Source/screens/window_layout.h"

#include <cstdint>
#include <functional>
#include <memory>

class AmbientSnd;
struct Rect;
class ContainerMapEntity;
class DirectoryPanel;
class DoorEntity;
class EditBox;
class Entity;
class EntityMgr;
class Graphic;
class InterfaceObject;
class MapObject;
class TriggerEntity;
struct EntryPt;

class MapEditor : public ModePage {
public:
    enum State : uint32_t {
        kEditMap,
        kNewMap,
        kLoadMap,
        kSaveMap,
        kSearchColour,
        kLightColour,
        kHeightColour,
        kMiniMap,
        kEntryPtPanel,
        kTriggerPtPanel,
        kTravelPanel,
        kMapDataPanel,
        kContainerPanel,
        kDoorPanel,
        kAmbientSndPanel,
        kAmbientSndListPanel,
        kStateCount,
    };
    // In the order the status lists them after the entity tool's.
    enum Tool : int {
        kEntityTool,
        kSearchMapTool,
        kLightMapTool,
        kHeightMapTool,
        kClipTool,
        kContainerTool,
        kDoorTool,
        kEntryPtTool,
        kTriggerPtTool,
        kAmbientSndTool,
        kToolCount,
    };
    enum WidgetId : uint32_t {
        kNew = 0, // the toolbar's
        kLoad = 1,
        kSave = 2,
        kExit = 3,
        kPickerLabel = 4,
        kPickerLeft = 5,
        kPickerRight = 6,
        kChanceRain = 7,
        kChanceSnow = 8,
        kChanceStorm = 9,
        kWeatherOn = 10,
        kTintOn = 11,
        kEntityButton = 12,
        kAmbientSndButton = 13,
        kClipButton = 14,
        kContainerButton = 15,
        kDoorButton = 16,
        kMiniMapButton = 17,
        kSearchMapButton = 18,
        kSearchColourButton = 19,
        kLightMapButton = 20,
        kLightColourButton = 21,
        kHeightMapButton = 22,
        kHeightColourButton = 23,
        kEntryPtButton = 24,
        kTriggerPtButton = 25,
        kShowTravel = 26,
        kShowTrap = 27,
        kShowInfo = 28,
        kPickerUp = 29, // the picker window's
        kPickerDown = 30,
        kFirstColourRadio = 31, // 31-42, the search colour panel's
        kEntryName = 43,        // the entry point panel's
        kEntryX = 44,
        kEntryY = 45,
        kEntryValue = 46,
        kTravelRadio = 47, // the trigger point panel's
        kInfoRadio = 48,
        kTrapRadio = 49,
        kObjectName = 50,
        kTriggerValue = 51,
        kTriggerZone = 52,
        kTriggerApply = 53,
        kTargetMap = 54, // the travel panel's
        kTargetEntry = 55,
        kFirstTravelFlag = 56, // 56-61
        kFirstHeaderField = 62, // 62-65, the map data panel's
        kSoundName = 66,        // the ambient sound panel's
        kSoundList = 67,
        kSoundX = 68,
        kSoundY = 69,
        kSoundMinDistance = 70,
        kSoundRadius = 71,
        kSoundVolume = 72,
        kSoundPeriod = 73,
        kSoundChance = 74,
        kSoundContinuous = 75,
        kFirstSoundName = 76, // 76-85, the ambient sound list panel's
        kContainerOutline = 86,
        kDoorOutline = 87,
        kDoorCells = 88,
        kPatchX = 89,
        kPatchY = 90,
        kPatchClosed = 91,
        kPatchOpen = 92,
        kOpenTick = 93,
        kObjectString = 94,
        kOk = 95,
        kDone = 96,
        kCancel = 97,
        kPanelCaption = 98, // the colour panels' captions
    };
    // The windows, each a layout of its own.
    enum Window : int {
        kToolbarWindow,
        kPickerWindow,
        kSearchColourWindow,
        kLightColourWindow,
        kHeightColourWindow,
        kEntryPtWindow,
        kTriggerPtWindow,
        kTravelWindow,
        kMapDataWindow,
        kContainerWindow,
        kDoorWindow,
        kAmbientSndWindow,
        kAmbientSndListWindow,
        kWindowCount,
    };
    static constexpr int kToolbarHeight = 92;
    static constexpr const char* kTickImage = "button_tick.tga";
    static constexpr const char* kTickOffImage = "button_tick_off.tga"; // a toggle's, when off
    static constexpr float kMiniMapScale = 0.09375006f; // of the map's pixels
    static constexpr float kArrowStep = 0.2f;
    static constexpr int kShownFacing = 4;

    struct Services {
        // Deletes and makes again the frame driver's per-map objects: a new entity manager,
        // mouse manager and picture cache, and an empty tile map.
        std::function<void()> renewSession;
    };

    explicit MapEditor(const Services& services);
    MapEditor(const MapEditor&) = delete;
    MapEditor& operator=(const MapEditor&) = delete;
    ~MapEditor() override;

    void Update(Screen& screen) override;
    void Draw(Screen& screen) override;
    void HandleEvent(const SDL_Event& event) override;

    static WindowLayout Layout(Window window);
    static WindowLayout EntityDirectoryLayout();
    static WindowLayout MapDirectoryLayout();
    static WindowLayout SaveBoxLayout();
    static Rect DirectoryListRect(); // relative to either directory box
    static const char* StateName(uint32_t state);
    static Window WindowOfState(uint32_t state); // kWindowCount for a state without one
    static int SearchColourOfRadio(uint32_t id); // -1 for another widget
    // A loaded template, or its copy placed on the map, as the editor shows it: an item
    // with its icon (the picker's first, the map's second), a soldier facing direction 4.
    // False when the icon cannot be loaded.
    static bool ReadyToShow(Entity& entity, bool placed);

    uint32_t GetState() const { return m_state; }
    bool IsToolOn(Tool tool) const { return m_tools[tool]; }
    bool IsDrawingLine() const { return m_drawingLine; }
    bool IsDrawingPoints() const { return m_drawingPoints; }
    bool IsPickerShown() const { return m_pickerShown; }
    bool IsPainting() const { return m_painting; }
    bool IsExiting() const { return m_exiting; }
    const Stringc& GetMapName() const { return m_mapName; }
    // Why the last new, load or save failed, shown until the state changes; empty when none.
    const Stringc& GetFailure() const { return m_failure.GetText(); }
    const PlacedEntityList& GetEditList() const { return m_editList; }
    Entity* GetChosenTemplate() const { return m_chosenTemplate; }
    Entity* GetSelectedEntity() const { return m_selectedEntity; }
    const Vector& GetGrabOffset() const { return m_grabOffset; }
    const EntityMgr& GetPicker() const { return *m_picker; }
    int GetPickerFirst() const { return m_pickerFirst; }
    int GetPickerCount() const { return m_pickerCount; }
    uint32_t GetPickerType() const { return m_pickerType; }
    int GetSearchColour() const { return m_searchColour; }
    const Vector& GetClipBase() const { return m_clipBase; }
    const Zone& GetClipZone() const { return m_clipZone; }
    int GetPointCount() const { return m_points.CountUsed(); }
    bool HasMiniMapPicture() const { return m_miniMap != nullptr; }
    int GetMiniMapX() const { return m_miniMapX; }
    int GetMiniMapY() const { return m_miniMapY; }
    EntryPt* GetSelectedEntryPt() const { return m_selectedEntryPt; }
    AmbientSnd* GetSelectedSound() const { return m_selectedSound; }
    TriggerEntity* GetSelectedTrigger() const { return m_selectedTrigger; }
    DoorEntity* GetSelectedDoor() const { return m_selectedDoor; }
    ContainerMapEntity* GetSelectedContainer() const { return m_selectedContainer; }
    const InterfaceObject& GetWindow(Window window) const { return *m_windows[window]; }
    const DirectoryPanel& GetEntityDirectory() const { return *m_entityDirectory; }
    const DirectoryPanel& GetMapDirectory() const { return *m_mapDirectory; }

private:
    void ShowToggleStates();
    // States and tools.
    void ChangeState(uint32_t state);
    void ClearTools();
    void ClearSelections();
    void SwitchTool(Tool tool);
    void StartLineDrawing();
    void StartPointDrawing();
    void SetTriggerFilters(bool travel, bool trap, bool info);
    void UpdateEditMap();
    void ActOnToolbar(uint32_t id);
    void UpdateMiniMap();
    void Exit();
    InterfaceObject& Panel(Window window) const { return *m_windows[window]; }
    InterfaceObject* Clicked(Window window) const;
    // The template picker.
    void PointEntityDirectory();
    void EmptyPicker();
    void LoadTemplates();
    void PagePicker();
    // New, load and save.
    void PointMapDirectory(const char* label, const char* filter, const Stringc& directory);
    void EnterSaveMap();
    bool TakeChosenFile(const Stringc& root, Stringc& path);
    void UpdateNewMap();
    void UpdateLoadMap();
    void UpdateSaveMap();
    void EmptyForMap();
    bool NewMap(const Stringc& imageName);
    bool LoadMap(Stringc name);
    bool SaveMap(Stringc name);
    void TakeMiniMap();
    void ReleaseMiniMap();
    void FillWeather();
    void StoreWeather();
    // Panels.
    void UpdatePanel();
    void FillPanel(uint32_t state);
    void FillEntryPt();
    void ApplyEntryPt();
    void FillTrigger();
    void ApplyTrigger();
    void FillTravel();
    void ApplyTravel();
    void FillMapData();
    void ApplyMapData();
    void FillTwoState(Window window, MapObject& mapObject);
    void ApplyTwoState(Window window, MapObject& mapObject);
    void FillDoorPatch();
    void ApplyDoorPatch();
    void FillSound();
    void ApplySound();
    void FillSoundList();
    void ApplySoundList();
    void UpdateSearchColour();
    MapObject* SelectedMapObject() const; // of the panel's state's selection
    Stringc Field(Window window, uint32_t id) const;
    void SetField(Window window, uint32_t id, const char* text);
    bool IsTicked(Window window, uint32_t id) const;
    void SetTick(Window window, uint32_t id, bool on);
    // Tool keys and drawing modes, each true when it used the event.
    bool UseDrawingLine(const SDL_Event& event);
    bool UseDrawingPoints(const SDL_Event& event);
    bool UseTools(const SDL_Event& event);
    bool UseSearchMap(const SDL_Event& event);
    bool UseEntityTool(SDLKey key);
    bool UseEntryPtTool(SDLKey key);
    bool UseTriggerPtTool(SDLKey key);
    bool UseZoneTool(SDLKey key, int type);
    bool UseClipTool(SDLKey key);
    bool UseAmbientSndTool(SDLKey key);
    bool SelectEntityAtPointer();
    bool ChooseTemplateAtPointer();
    void PlaceTemplate();
    void DeleteEntityAtPointer();
    void MoveSelected(float dx, float dy);
    void Forget(const Entity* entity); // a released entity leaves the lists and selections
    Entity* FindTriggerAtPointer() const;
    bool PointerInPicker() const;
    bool PointerInToolbar() const;
    bool PointerInEntityDirectory() const;
    bool PointerOnMap(Vector& point) const; // the map point under the pointer, on a cell
    void PaintAtPointer();
    // Drawing.
    void DrawMap(Screen& screen);
    void DrawLine(Screen& screen);
    void DrawPicker(Screen& screen);
    void DrawMiniMap(Screen& screen);
    void DrawStatus(Screen& screen);
    bool ShowsMap() const;

    Services m_services;
    uint32_t m_state = kEditMap;
    PlacedEntityList m_editList;
    uint32_t m_pickerType = 0;
    Stringc m_mapName;
    EditorFailure m_failure;
    Entity* m_chosenTemplate = nullptr;
    Entity* m_selectedEntity = nullptr;
    std::unique_ptr<EntityMgr> m_picker;
    int m_pickerFirst = 0;
    int m_pickerCount = 0;
    int m_pickerWidth = 0;
    bool m_miniMapDragging = false;
    Vector m_grabOffset;
    Graphic* m_miniMap = nullptr; // the graphic manager's, under m_miniMapName
    Stringc m_miniMapName;
    int m_miniMapX = 0;
    int m_miniMapY = 0;
    int m_miniMapWidth = 0;
    int m_miniMapHeight = 0;
    bool m_showTravel = true;
    bool m_showTrap = true;
    bool m_showInfo = true;
    InterfaceObject* m_windows[kWindowCount] = {}; // the interface's
    std::unique_ptr<DirectoryPanel> m_entityDirectory;
    std::unique_ptr<DirectoryPanel> m_mapDirectory;
    std::unique_ptr<EditBox> m_saveBox;
    Zone m_clipZone;
    Vector m_clipBase;
    int m_searchColour = 0;
    bool m_pickerShown = false;
    bool m_drawingLine = false;
    bool m_drawingPoints = false;
    bool m_tools[kToolCount] = {};
    bool m_exiting = false;
    bool m_painting = false; // the search map tool's continuous painting
    MemMgr<Vector> m_points;
    EntryPt* m_selectedEntryPt = nullptr;
    AmbientSnd* m_selectedSound = nullptr;
    TriggerEntity* m_selectedTrigger = nullptr;
    DoorEntity* m_selectedDoor = nullptr;
    ContainerMapEntity* m_selectedContainer = nullptr;
};
