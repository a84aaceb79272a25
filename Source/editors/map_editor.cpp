#include "Source/editors/map_editor.h"

#include "Library/core/tracked_new.h"
#include "Library/files/data_paths.h"
#include "Library/files/file_stream.h"
#include "Library/graphics/colour.h"
#include "Library/graphics/graphic_mgr.h"
#include "Library/graphics/rect.h"
#include "Library/graphics/screen.h"
#include "Library/interface/directory_panel.h"
#include "Library/interface/info_panel.h"
#include "Library/interface/edit_box.h"
#include "Library/interface/interface.h"
#include "Library/interface/interface_object.h"
#include "Library/interface/mouse_position.h"
#include "Library/world/game_mode.h"
#include "Library/world/tile_map.h"
#include "Source/entities/entity_mgr.h"
#include "Source/entities/item_entity.h"
#include "Source/entities/soldier_entity.h"
#include "Source/world/ambient_snd_mgr.h"
#include "Source/world/region_mgr.h"
#include "Source/world/weather_mgr.h"

#include <cstdio>
#include <iterator>

namespace {

constexpr int kPointSlots = 50;
constexpr int kListLines = 200;
constexpr int kListFont = 0;
constexpr int kListHighlightFont = 5;
constexpr int kSaveFont = 5;
constexpr int kSaveWrap = 155;
constexpr float kMiniMapToWorld = 10.666666f; // picture pixels to map pixels
const Vector kNoClipBase(-500, -500, 0);

const char* const kStateNames[] = {
    "EDIT MAP",       "NEW MAP",         "LOAD MAP",         "SAVE MAP",
    "SELECT SEARCH MAP COLOR", "SELECT LIGHT MAP COLOR", "SELECT HEIGHT MAP COLOR", "MINI MAP",
    "ENTRY PT PANEL", "TRIGGER PT PANEL", "TRAVEL PANEL",     "MAP DATA PANEL",
    "CONTAINER PANEL", "DOOR PANEL",     "AMBIENT SND PANEL", "AMBIENT SND LIST PANEL",
};

// The picker type's label; the types without one leave the field as it is.
const char* PickerLabel(uint32_t type) {
    switch (type) {
    case Entity::kTypeBase: return "ENT";
    case Entity::kTypeItem: return "ITEM";
    case Entity::kTypeSoldier: return "SOLD";
    case Entity::kTypeCycle: return "CYC";
    case Entity::kTypeBinary: return "BIN";
    case Entity::kTypeDoor: return "DOOR";
    case Entity::kTypeContainerMap: return "CONT";
    case Entity::kTypeTown: return "TOWN";
    default: return nullptr;
    }
}

std::unique_ptr<DirectoryPanel> MakeDirectoryBox(const WindowLayout& layout) {
    std::unique_ptr<DirectoryPanel> box(
        NEW DirectoryPanel(layout.window.image, layout.window.x, layout.window.y));
    box->Create(MapEditor::DirectoryListRect(), 1, kListLines, kListFont, kListHighlightFont);
    for (const WidgetEntry& button : layout)
        box->AddButton(button.id, button.image, button.x, button.y);
    return box;
}

std::unique_ptr<EditBox> MakeSaveBox() {
    const WindowLayout layout = MapEditor::SaveBoxLayout();
    std::unique_ptr<EditBox> box(NEW EditBox(layout.window.image, layout.window.x, layout.window.y));
    box->SetTextLayout(25, 20, kSaveFont, kSaveWrap);
    box->AddOkButton(layout.widgets[0].image, layout.widgets[0].x, layout.widgets[0].y);
    box->AddCancelButton(layout.widgets[1].image, layout.widgets[1].x, layout.widgets[1].y);
    return box;
}

} // namespace

MapEditor::MapEditor(const Services& services)
    : m_services(services), m_picker(NEW EntityMgr), m_points(kPointSlots) {
    for (int window = kToolbarWindow; window < kWindowCount; ++window)
        if (window != kPickerWindow)
            m_windows[window] = BuildWindow(Layout(static_cast<Window>(window)));
    m_saveBox = MakeSaveBox();
    m_mapDirectory = MakeDirectoryBox(MapDirectoryLayout());
    m_entityDirectory = MakeDirectoryBox(EntityDirectoryLayout());
    m_windows[kPickerWindow] = BuildWindow(Layout(kPickerWindow));
    ShowToggleStates();
    m_pickerWidth = m_windows[kPickerWindow]->GetRect().x2 - m_windows[kPickerWindow]->GetRect().x1;
    if (g_dataPaths)
        m_entityDirectory->Enter((g_dataPaths->GetRootDir() + "/art/graphic").c_str());
    if (InterfaceObject* first = Panel(kSearchColourWindow).FindChild(kFirstColourRadio))
        first->Select();
    m_clipBase = kNoClipBase;
    ClearTools();
    ChangeState(kEditMap);
    SetTriggerFilters(true, true, true);
}

MapEditor::~MapEditor() {
    ReleaseMiniMap();
    if (g_ambientSndMgr)
        g_ambientSndMgr->StopAll();
}

// A toggle shows its tick only while it is on.
void MapEditor::ShowToggleStates() {
    for (int window = kToolbarWindow; window < kWindowCount; ++window)
        for (const WidgetEntry& widget : Layout(static_cast<Window>(window)))
            if (widget.type == kWidgetToggle)
                m_windows[window]->FindChild(widget.id)->SetImage2(kTickOffImage);
}

const char* MapEditor::StateName(uint32_t state) {
    return state < kStateCount ? kStateNames[state] : "ERROR";
}

int MapEditor::SearchColourOfRadio(uint32_t id) {
    static constexpr int kTypes[] = {0, 1, 2, 4, 3, 5, 6, 8, 9, 10, 7, 11};
    const uint32_t index = id - kFirstColourRadio;
    return id >= kFirstColourRadio && index < std::size(kTypes) ? kTypes[index] : -1;
}

void MapEditor::ChangeState(uint32_t state) {
    m_state = state;
    m_failure.Clear();
    if (g_screen) {
        g_screen->SetDrawColour(0);
        g_screen->Clear();
    }
    if (state == kEditMap) {
        PointEntityDirectory();
        g_interface->SetActive(&Panel(kToolbarWindow));
        return;
    }
    if (state >= kEntryPtPanel && state < kStateCount) {
        g_interface->SetActive(&Panel(WindowOfState(state)));
        FillPanel(state);
    }
}

enum MapEditor::Window MapEditor::WindowOfState(uint32_t state) {
    static constexpr Window kWindows[] = {
        kWindowCount,         kWindowCount,        kWindowCount,        kWindowCount,
        kSearchColourWindow,  kLightColourWindow,  kHeightColourWindow, kWindowCount,
        kEntryPtWindow,       kTriggerPtWindow,    kTravelWindow,       kMapDataWindow,
        kContainerWindow,     kDoorWindow,         kAmbientSndWindow,   kAmbientSndListWindow};
    return state < kStateCount ? kWindows[state] : kWindowCount;
}

void MapEditor::ClearSelections() {
    m_chosenTemplate = nullptr;
    m_selectedEntity = nullptr;
    m_selectedEntryPt = nullptr;
    m_selectedSound = nullptr;
    m_selectedTrigger = nullptr;
    m_selectedDoor = nullptr;
    m_selectedContainer = nullptr;
}

void MapEditor::ClearTools() {
    for (bool& tool : m_tools)
        tool = false;
    m_pickerShown = false;
    m_drawingLine = false;
    m_drawingPoints = false;
    m_painting = false;
    ClearSelections();
}

void MapEditor::SwitchTool(Tool tool) {
    const bool on = !m_tools[tool];
    if (on)
        ClearTools();
    m_tools[tool] = on;
}

void MapEditor::StartLineDrawing() {
    m_drawingLine = true;
    m_points.FreeAll();
    m_drawingPoints = false;
}

void MapEditor::StartPointDrawing() {
    m_drawingPoints = true;
    m_drawingLine = false;
}

void MapEditor::SetTriggerFilters(bool travel, bool trap, bool info) {
    m_showTravel = travel;
    m_showTrap = trap;
    m_showInfo = info;
    SetTick(kToolbarWindow, kShowTravel, travel);
    SetTick(kToolbarWindow, kShowTrap, trap);
    SetTick(kToolbarWindow, kShowInfo, info);
}

InterfaceObject* MapEditor::Clicked(Window window) const {
    InterfaceObject* clicked = Panel(window).GetClickedChild();
    return clicked != nullptr && g_interface->GetActive() == &Panel(window) ? clicked : nullptr;
}

void MapEditor::Update(Screen&) {
    if (m_exiting)
        return;
    const bool sounds = m_tools[kAmbientSndTool];
    if (m_state == kEditMap || m_drawingLine || m_drawingPoints) {
        g_regionMgr->UpdateEditorView(sounds);
    } else if (sounds && g_tileMap) {
        g_ambientSndMgr->Update(g_tileMap->ViewCentre(), g_gameMode->GetFrameMs());
    } else {
        g_ambientSndMgr->StopAll();
    }
    switch (m_state) {
    case kEditMap:
        UpdateEditMap();
        break;
    case kNewMap:
        UpdateNewMap();
        break;
    case kLoadMap:
        UpdateLoadMap();
        break;
    case kSaveMap:
        UpdateSaveMap();
        break;
    case kMiniMap:
        UpdateMiniMap();
        break;
    default:
        UpdatePanel();
        break;
    }
}

void MapEditor::UpdateEditMap() {
    if (PointerInEntityDirectory())
        m_entityDirectory->Update(g_gameMode->GetFrameMs());
    if (PointerInToolbar())
        g_interface->SetActive(&Panel(kToolbarWindow));
    if (const InterfaceObject* clicked = Clicked(kToolbarWindow))
        ActOnToolbar(clicked->GetId());
    if (m_exiting || m_state != kEditMap)
        return;
    if (m_entityDirectory->TakeChosenName().Length() > 0)
        LoadTemplates();
    PagePicker();
}

void MapEditor::ActOnToolbar(uint32_t id) {
    static constexpr struct {
        uint32_t button;
        Tool tool;
    } kToolButtons[] = {
        {kEntityButton, kEntityTool},       {kAmbientSndButton, kAmbientSndTool},
        {kClipButton, kClipTool},           {kContainerButton, kContainerTool},
        {kDoorButton, kDoorTool},           {kSearchMapButton, kSearchMapTool},
        {kLightMapButton, kLightMapTool},   {kHeightMapButton, kHeightMapTool},
        {kEntryPtButton, kEntryPtTool},     {kTriggerPtButton, kTriggerPtTool},
    };
    for (const auto& entry : kToolButtons)
        if (entry.button == id) {
            SwitchTool(entry.tool);
            if (entry.tool == kClipTool) {
                m_clipBase = kNoClipBase;
                m_clipZone.ResetPolygon();
            }
            return;
        }
    const DataPaths* paths = g_dataPaths;
    switch (id) {
    case kNew:
        PointMapDirectory("TGA", "tga", paths ? paths->GetMapGraphicDir() : Stringc());
        ChangeState(kNewMap);
        break;
    case kLoad:
        PointMapDirectory("MAP", "map", paths ? paths->GetTileMapDir() : Stringc());
        ChangeState(kLoadMap);
        break;
    case kSave:
        EnterSaveMap();
        break;
    case kExit:
        Exit();
        break;
    case kSearchColourButton:
        ChangeState(kSearchColour);
        break;
    case kLightColourButton:
        ChangeState(kLightColour);
        break;
    case kHeightColourButton:
        ChangeState(kHeightColour);
        break;
    case kMiniMapButton:
        ChangeState(kMiniMap);
        break;
    case kShowTravel:
    case kShowTrap:
    case kShowInfo:
        m_showTravel = IsTicked(kToolbarWindow, kShowTravel);
        m_showTrap = IsTicked(kToolbarWindow, kShowTrap);
        m_showInfo = IsTicked(kToolbarWindow, kShowInfo);
        break;
    case kWeatherOn:
        g_weatherMgr->SetWeatherEnabled(IsTicked(kToolbarWindow, kWeatherOn));
        break;
    case kTintOn:
        g_weatherMgr->SetTintEnabled(IsTicked(kToolbarWindow, kTintOn));
        break;
    default: // the picker type stays; its arrows have nothing to do
        break;
    }
}

// Nothing is drawn or handled afterwards; the frame driver deletes the editor with the mode.
void MapEditor::Exit() {
    m_exiting = true;
    EmptyPicker();
    m_editList.Clear();
    ClearTools();
    ReleaseMiniMap();
    m_services.renewSession();
    g_gameMode->SetMode(kModeEditorMenu);
}

void MapEditor::UpdateMiniMap() {
    if (!m_miniMapDragging || g_tileMap == nullptr)
        return;
    const Vector pixels((g_mouseX - m_miniMapX) * kMiniMapToWorld,
                        (g_mouseY - m_miniMapY) * kMiniMapToWorld, 0);
    g_tileMap->CentreViewOn(Vector(pixels.x / TileGrid::kTileWidth,
                                   pixels.y / TileGrid::kTileHeight, 0));
}

// The picker.

void MapEditor::PointEntityDirectory() {
    if (const char* label = PickerLabel(m_pickerType))
        SetField(kToolbarWindow, kPickerLabel, label);
    m_entityDirectory->ClearFilter();
    m_entityDirectory->AddFilter("dat");
    if (g_dataPaths)
        m_entityDirectory->Enter(g_dataPaths->GetEntityDir(static_cast<int>(m_pickerType)).c_str());
    EmptyPicker();
}

void MapEditor::EmptyPicker() {
    if (g_ambientSndMgr)
        g_ambientSndMgr->StopAll();
    m_chosenTemplate = nullptr;
    m_selectedEntity = nullptr;
    m_picker.reset(NEW EntityMgr);
    m_pickerFirst = 0;
    m_pickerCount = 0;
    m_points.FreeAll();
}

// The directory box's file lines, in order; ".." and the directories hold no templates.
// A failure keeps the templates loaded before it.
void MapEditor::LoadTemplates() {
    EmptyPicker();
    int loaded = 0;
    for (int line = 0; line < m_entityDirectory->GetFileLineCount(); ++line) {
        const Stringc path = m_entityDirectory->GetLinePath(line);
        Entity* entity = m_picker->CreateEntity(0, 0, 0, static_cast<int>(m_pickerType));
        if (entity == nullptr)
            break;
        FileStream file(path.c_str(), kStreamReadBinary);
        bool ok = file.IsOpen() && entity->Load(file);
        if (ok) {
            entity->SetTemplateName(path);
            ok = ReadyToShow(*entity, false);
        }
        if (!ok) {
            std::fprintf(stderr, "%s: the template cannot be loaded\n", path.c_str());
            m_picker->ReleaseEntity(entity);
            break;
        }
        ++loaded;
    }
    m_pickerFirst = 0;
    m_pickerCount = loaded;
}

bool MapEditor::ReadyToShow(Entity& entity, bool placed) {
    ItemEntity* item = nullptr;
    if (Entity::AsItem(&entity, &item))
        return placed ? item->LoadIcon2() : item->LoadIcon();
    SoldierEntity* soldier = nullptr;
    if (Entity::AsSoldier(&entity, &soldier))
        soldier->SetDirection(kShownFacing);
    return true;
}

void MapEditor::PagePicker() {
    InterfaceObject& picker = Panel(kPickerWindow);
    if (!m_pickerShown || !picker.Contains(g_mouseX, g_mouseY))
        return;
    g_interface->SetActive(&picker);
    const InterfaceObject* clicked = Clicked(kPickerWindow);
    if (clicked == nullptr)
        return;
    if (clicked->GetId() == kPickerUp && m_pickerFirst > 0)
        --m_pickerFirst;
    else if (clicked->GetId() == kPickerDown && m_pickerFirst < m_pickerCount)
        ++m_pickerFirst;
}

// Events.

void MapEditor::HandleEvent(const SDL_Event& event) {
    if (m_exiting)
        return;
    if (UseDrawingLine(event) || UseDrawingPoints(event))
        return;
    switch (m_state) {
    case kEditMap:
        if (PointerInEntityDirectory())
            m_entityDirectory->HandleEvent(event);
        Panel(kToolbarWindow).HandleKey(event);
        if (!UseTools(event) && event.type == SDL_KEYUP && event.key.keysym.sym == SDLK_m)
            ChangeState(kMapDataPanel);
        return;
    case kNewMap:
    case kLoadMap:
        if (m_mapDirectory->GetList().Contains(g_mouseX, g_mouseY))
            m_mapDirectory->HandleEvent(event);
        return;
    case kSaveMap:
        m_saveBox->HandleKey(event);
        return;
    case kSearchColour:
    case kLightColour:
    case kHeightColour:
        return;
    case kMiniMap:
        if (event.type == SDL_MOUSEBUTTONDOWN && event.button.button == SDL_BUTTON_LEFT &&
            m_miniMap != nullptr && g_mouseX >= m_miniMapX && g_mouseY >= m_miniMapY &&
            g_mouseX < m_miniMapX + m_miniMapWidth && g_mouseY < m_miniMapY + m_miniMapHeight)
            m_miniMapDragging = true;
        if (event.type == SDL_MOUSEBUTTONUP && event.button.button == SDL_BUTTON_LEFT) {
            m_miniMapDragging = false;
            ChangeState(kEditMap);
        }
        return;
    default:
        if (InterfaceObject* active = g_interface->GetActive())
            active->HandleKey(event);
        return;
    }
}

bool MapEditor::PointerInPicker() const {
    return m_pickerShown && Panel(kPickerWindow).Contains(g_mouseX, g_mouseY);
}

bool MapEditor::PointerInToolbar() const {
    return Panel(kToolbarWindow).Contains(g_mouseX, g_mouseY);
}

bool MapEditor::PointerInEntityDirectory() const {
    return m_entityDirectory->Contains(g_mouseX, g_mouseY);
}

// Widgets.

Stringc MapEditor::Field(Window window, uint32_t id) const {
    const InterfaceObject* field = Panel(window).FindChild(id);
    return field ? field->GetText() : Stringc();
}

void MapEditor::SetField(Window window, uint32_t id, const char* text) {
    if (InterfaceObject* field = Panel(window).FindChild(id))
        field->SetText(text);
}

bool MapEditor::IsTicked(Window window, uint32_t id) const {
    const InterfaceObject* tick = Panel(window).FindChild(id);
    return tick != nullptr && (tick->GetType() == kWidgetRadio ? tick->IsSelected() : tick->IsOn());
}

void MapEditor::SetTick(Window window, uint32_t id, bool on) {
    InterfaceObject* tick = Panel(window).FindChild(id);
    if (tick == nullptr)
        return;
    if (tick->GetType() == kWidgetRadio)
        on ? tick->Select() : tick->Deselect();
    else
        on ? tick->SetOn() : tick->SetOff();
    tick->SetDirty(true);
}
