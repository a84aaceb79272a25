// The map editor's new, load and save.
#include "Source/editors/map_editor.h"

#include "Library/files/data_paths.h"
#include "Library/files/file_stream.h"
#include "Library/files/mem_stream.h"
#include "Library/graphics/graphic.h"
#include "Library/graphics/graphic_mgr.h"
#include "Library/interface/directory_panel.h"
#include "Library/interface/edit_box.h"
#include "Library/interface/interface_object.h"
#include "Library/world/game_mode.h"
#include "Library/world/tile_map.h"
#include "Library/world/view_scale.h"
#include "Source/editors/panel_number.h"
#include "Source/entities/entity_mgr.h"
#include "Source/world/region_mgr.h"
#include "Source/world/weather_mgr.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {

constexpr int kScreenWidth = 800;
constexpr int kScreenHeight = 600;

// The weather kinds of the toolbar's three chance fields, in field order.
constexpr struct {
    uint32_t field;
    int kind;
} kChanceFields[] = {
    {MapEditor::kChanceRain, WeatherMgr::kRain},
    {MapEditor::kChanceSnow, WeatherMgr::kSnow},
    {MapEditor::kChanceStorm, WeatherMgr::kStorm},
};

// The chosen line's path from the directory: a map in a sub-directory loads as "sub/name".
Stringc RelativeTo(const Stringc& root, const Stringc& directory, const Stringc& name) {
    const int length = root.Length();
    if (directory.Length() > length && std::strncmp(directory.c_str(), root.c_str(), length) == 0 &&
        directory.c_str()[length] == '/')
        return Stringc(directory.c_str() + length + 1) + "/" + name;
    return name;
}

} // namespace

void MapEditor::PointMapDirectory(const char* label, const char* filter, const Stringc& directory) {
    SetField(kToolbarWindow, kPickerLabel, label);
    m_mapDirectory->ClearFilter();
    m_mapDirectory->AddFilter(filter);
    m_mapDirectory->Enter(directory.c_str());
}

// A name with a '.' of its own is offered with ".map", so that the one extension the save
// cuts is that and not part of the name.
void MapEditor::EnterSaveMap() {
    m_saveBox->SetText(std::strchr(m_mapName.c_str(), '.') ? (m_mapName + ".map").c_str()
                                                           : m_mapName.c_str());
    PointMapDirectory("MAP", "map", g_dataPaths ? g_dataPaths->GetTileMapDir() : Stringc());
    ChangeState(kSaveMap);
}

// The chosen line's path from root ("sub/name" for a line of a sub-directory); false when
// no line was chosen this frame. Cancel returns to EDIT MAP.
bool MapEditor::TakeChosenFile(const Stringc& root, Stringc& path) {
    m_mapDirectory->Update(g_gameMode->GetFrameMs());
    if (m_mapDirectory->TakeCancelled()) {
        ChangeState(kEditMap);
        return false;
    }
    const Stringc name = m_mapDirectory->TakeChosenName();
    if (name.Length() == 0)
        return false;
    path = RelativeTo(root, m_mapDirectory->GetDirectory(), name);
    return true;
}

void MapEditor::UpdateNewMap() {
    Stringc graphic;
    if (g_dataPaths != nullptr && TakeChosenFile(g_dataPaths->GetMapGraphicDir(), graphic) &&
        NewMap(graphic))
        ChangeState(kEditMap);
}

void MapEditor::UpdateLoadMap() {
    Stringc path;
    if (g_dataPaths == nullptr || !TakeChosenFile(g_dataPaths->GetTileMapDir(), path))
        return;
    // A refused load keeps the chances typed for the map being edited.
    if (!LoadMap(path))
        return;
    ChangeState(kEditMap);
    FillWeather();
}

void MapEditor::UpdateSaveMap() {
    m_saveBox->Poll();
    if (m_saveBox->TakeCancelled()) {
        ChangeState(kEditMap);
        return;
    }
    if (!m_saveBox->TakeAccepted() || m_saveBox->GetText().Length() == 0)
        return;
    StoreWeather();
    if (SaveMap(m_saveBox->GetText()))
        ChangeState(kEditMap);
}

// What a new or loaded map replaces: the picker, the placed list, every selection, the
// per-map objects and the mini map's picture, whose cache the renewal empties.
void MapEditor::EmptyForMap() {
    EmptyPicker();
    m_editList.Clear();
    ClearSelections();
    ReleaseMiniMap();
    m_services.renewSession();
}

// The map is made aside first: a picture that makes none costs the map being edited nothing.
bool MapEditor::NewMap(const Stringc& imageName) {
    TileMap::Contents map;
    if (!g_tileMap->CreateLayersAside(imageName.c_str(), map)) {
        m_failure.Show(imageName + " makes no map");
        return false;
    }
    EmptyForMap();
    g_tileMap->Take(std::move(map));
    g_tileMap->SetViewOrigin(Vector(0, 0, 0));
    TakeMiniMap();
    FillWeather();
    return true;
}

// Both files are read aside first: a damaged or missing one costs the map being edited
// nothing, and the author is told which.
bool MapEditor::LoadMap(Stringc name) {
    name.StripExtension();
    const auto refuse = [this](const Stringc& file) {
        m_failure.Show(file + " cannot be loaded");
        return false;
    };
    TileMap::Contents map;
    MemStream region(kStreamReadBinary);
    // The region's loader cuts one extension: given ".reg", it keeps the dots of the name.
    const Stringc regionName = name + ".reg";
    if (!g_tileMap->LoadForEditor(name.c_str(), map))
        return refuse(name + ".map");
    if (!g_regionMgr->ReadRegFileAside(regionName.c_str(), region))
        return refuse(regionName);
    EmptyForMap();
    g_tileMap->Adopt(std::move(map));
    // The load leaves the drawing transform without the view's offset, which the pointer
    // already uses: without this the map is drawn off the pointer until the view moves.
    g_viewScale.Set(ViewScale::kAreaMap, g_tileMap->GetViewOffset());
    TakeMiniMap();
    if (!g_regionMgr->LoadDefinition(region, &m_editList)) // read whole above
        return refuse(regionName);
    g_entityMgr->RegisterWithTileMap();
    FillWeather();
    m_mapName = name;
    return true;
}

// "town.map" and "sub/town.txt" save as "town", "town.v2.map" as "town.v2"; "sub/town"
// keeps its directory.
bool MapEditor::SaveMap(Stringc name) {
    if (std::strchr(name.c_str(), '.') != nullptr) {
        name.StripExtension();
        if (const char* slash = std::strrchr(name.c_str(), '/'))
            name = Stringc(slash + 1);
    }
    m_mapName = name;
    if (g_dataPaths == nullptr)
        return false;
    const Stringc mapPath = g_dataPaths->GetTileMapDir() + "/" + name + ".map";
    const Stringc regionPath = g_dataPaths->GetRegionDir() + "/" + name + ".reg";
    const bool saved = FileStream::WriteReplacingPair(
        mapPath.c_str(), [](Stream& stream) { return g_tileMap->SaveFromEditor(stream); },
        regionPath.c_str(),
        [this](Stream& stream) { return g_regionMgr->SaveDefinition(stream, &m_editList); });
    if (!saved)
        m_failure.Show(mapPath + " and " + regionPath + " cannot be written");
    return saved;
}

void MapEditor::TakeMiniMap() {
    ReleaseMiniMap();
    m_miniMapName = g_tileMap->GetGraphicPath();
    m_miniMap = g_graphicMgr ? g_graphicMgr->GetGraphic(m_miniMapName.c_str()) : nullptr;
    m_miniMapWidth = m_miniMap ? m_miniMap->GetWidth() : 0;
    m_miniMapHeight = m_miniMap ? m_miniMap->GetHeight() : 0;
    m_miniMapX = (kScreenWidth - m_miniMapWidth) / 2;
    m_miniMapY = (kScreenHeight - m_miniMapHeight) / 2;
}

void MapEditor::ReleaseMiniMap() {
    if (m_miniMap != nullptr && g_graphicMgr != nullptr)
        g_graphicMgr->Release(m_miniMapName.c_str());
    m_miniMap = nullptr;
}

void MapEditor::FillWeather() {
    SetTick(kToolbarWindow, kWeatherOn, g_weatherMgr->IsWeatherEnabled());
    SetTick(kToolbarWindow, kTintOn, g_weatherMgr->IsTintEnabled());
    for (const auto& chance : kChanceFields) {
        char text[48];
        std::snprintf(text, sizeof text, "%.0f", g_weatherMgr->GetKindChance(chance.kind));
        SetField(kToolbarWindow, chance.field, text);
    }
}

// Chances are percentages kept as floats: a fraction typed is kept, the range is not passed.
void MapEditor::StoreWeather() {
    for (const auto& chance : kChanceFields)
        g_weatherMgr->SetKindChance(
            chance.kind,
            std::clamp(PanelNumber::ReadFloat(Field(kToolbarWindow, chance.field).c_str()), 0.0f,
                       100.0f));
}
