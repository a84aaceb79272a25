// The map editor's colour and object panels: each fills from its target when it opens and
// applies back to it on OK, DONE or its own apply button.
#include "Source/editors/map_editor.h"

#include "Library/interface/interface.h"
#include "Library/interface/interface_object.h"
#include "Library/interface/mouse_position.h"
#include "Source/editors/panel_number.h"
#include "Source/entities/container_map_entity.h"
#include "Source/entities/door_entity.h"
#include "Source/entities/entity_mgr.h"
#include "Source/entities/trigger_entity.h"
#include "Source/world/ambient_snd.h"
#include "Source/world/entry_pt.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <iterator>

namespace {

constexpr float kMinSoundDistance = 1.0f;
constexpr uint32_t kTravelFlag02 = 0x02; // kept for the map object; the game reads it not
// The travel panel's ticks 56-61 in order.
constexpr uint32_t kTravelFlags[] = {kTravelFlag02,          MapObject::kFlagReleaseOwner,
                                     MapObject::kFlagSymbol, MapObject::kFlagToWorldMap,
                                     MapObject::kFlagToStoryPage, MapObject::kFlagFromTempMap};

Stringc FloatText(const char* format, float value) {
    char text[64];
    std::snprintf(text, sizeof text, format, static_cast<double>(value));
    return text;
}

// The shortest decimal text that reads back as the same float, so that reopening a panel
// and applying it again changes nothing.
Stringc ExactText(float value) {
    char text[64];
    for (int digits = 6; digits < 9; ++digits) {
        std::snprintf(text, sizeof text, "%.*g", digits, static_cast<double>(value));
        if (std::strtof(text, nullptr) == value)
            return text;
    }
    std::snprintf(text, sizeof text, "%.9g", static_cast<double>(value));
    return text;
}

Stringc IntText(long long value) {
    char text[32];
    std::snprintf(text, sizeof text, "%lld", value);
    return text;
}

uint16_t ReadU16(const Stringc& text) {
    return static_cast<uint16_t>(PanelNumber::Clamp(PanelNumber::ReadInt(text.c_str()), 0, UINT16_MAX));
}

} // namespace

void MapEditor::UpdatePanel() {
    const Window window = WindowOfState(m_state);
    if (window == kWindowCount)
        return;
    if (m_state <= kHeightColour && Panel(window).Contains(g_mouseX, g_mouseY))
        g_interface->SetActive(&Panel(window));
    const InterfaceObject* clicked = Clicked(window);
    if (clicked == nullptr)
        return;
    const uint32_t id = clicked->GetId();
    const bool closes = id == kOk || id == kDone || id == kCancel;
    const bool applies = id == kOk || id == kDone;
    switch (m_state) {
    case kSearchColour:
        if (SearchColourOfRadio(id) >= 0)
            m_searchColour = SearchColourOfRadio(id);
        break;
    case kEntryPtPanel:
        if (applies)
            ApplyEntryPt();
        break;
    case kTriggerPtPanel:
        if (applies || id == kTriggerApply)
            ApplyTrigger();
        if (id == kTriggerZone)
            StartLineDrawing();
        if (id == kTriggerApply && m_selectedTrigger != nullptr &&
            m_selectedTrigger->GetMapObject().GetKind() == kMapObjectTravel) {
            ChangeState(kTravelPanel);
            return;
        }
        break;
    case kTravelPanel:
        if (id == kDone) {
            ApplyTravel();
            ChangeState(kTriggerPtPanel);
            return;
        }
        break;
    case kMapDataPanel:
        if (applies)
            ApplyMapData();
        break;
    case kContainerPanel:
    case kDoorPanel:
        if (applies || id == kOpenTick)
            if (MapObject* mapObject = SelectedMapObject())
                ApplyTwoState(window, *mapObject);
        if (id == kContainerOutline || id == kDoorOutline)
            StartLineDrawing();
        if (id == kDoorCells)
            StartPointDrawing();
        break;
    case kAmbientSndPanel:
        if (applies || id == kSoundList)
            ApplySound();
        if (id == kSoundList) {
            ChangeState(kAmbientSndListPanel);
            return;
        }
        break;
    case kAmbientSndListPanel:
        if (id == kDone) {
            ApplySoundList();
            ChangeState(kAmbientSndPanel);
            return;
        }
        break;
    default:
        break;
    }
    if (closes)
        ChangeState(kEditMap);
}

void MapEditor::FillPanel(uint32_t state) {
    switch (state) {
    case kTravelPanel:
        FillTravel();
        break;
    case kMapDataPanel:
        FillMapData();
        break;
    case kContainerPanel:
    case kDoorPanel:
        if (MapObject* mapObject = SelectedMapObject())
            FillTwoState(state == kDoorPanel ? kDoorWindow : kContainerWindow, *mapObject);
        break;
    case kAmbientSndPanel:
        FillSound();
        break;
    case kAmbientSndListPanel:
        FillSoundList();
        break;
    default: // the entry and trigger point panels are filled by the keys that open them
        break;
    }
}

MapObject* MapEditor::SelectedMapObject() const {
    switch (m_state) {
    case kTriggerPtPanel:
    case kTravelPanel:
        return m_selectedTrigger ? &m_selectedTrigger->GetMapObject() : nullptr;
    case kContainerPanel:
        return m_selectedContainer ? &m_selectedContainer->GetMapObject() : nullptr;
    case kDoorPanel:
        return m_selectedDoor ? &m_selectedDoor->GetMapObject() : nullptr;
    default:
        return nullptr;
    }
}

void MapEditor::FillEntryPt() {
    if (m_selectedEntryPt == nullptr)
        return;
    SetField(kEntryPtWindow, kEntryName, m_selectedEntryPt->name.c_str());
    SetField(kEntryPtWindow, kEntryX, FloatText("%0.2f", m_selectedEntryPt->position.x).c_str());
    SetField(kEntryPtWindow, kEntryY, FloatText("%0.2f", m_selectedEntryPt->position.y).c_str());
    SetField(kEntryPtWindow, kEntryValue, IntText(m_selectedEntryPt->GetDirection()).c_str());
}

// The facing is one byte: 300 gives 44.
void MapEditor::ApplyEntryPt() {
    if (m_selectedEntryPt == nullptr)
        return;
    m_selectedEntryPt->name = Field(kEntryPtWindow, kEntryName);
    m_selectedEntryPt->position.x = PanelNumber::ReadFloat(Field(kEntryPtWindow, kEntryX).c_str());
    m_selectedEntryPt->position.y = PanelNumber::ReadFloat(Field(kEntryPtWindow, kEntryY).c_str());
    const int32_t value = PanelNumber::ReadInt(Field(kEntryPtWindow, kEntryValue).c_str());
    m_selectedEntryPt->facing = static_cast<uint32_t>(value) & 0xFF;
}

void MapEditor::FillTrigger() {
    if (m_selectedTrigger == nullptr)
        return;
    const MapObject& mapObject = m_selectedTrigger->GetMapObject();
    const uint32_t radios[] = {kTravelRadio, kInfoRadio, kTrapRadio};
    for (uint32_t kind = 0; kind < 3; ++kind)
        SetTick(kTriggerPtWindow, radios[kind], mapObject.GetKind() == kind);
    SetField(kTriggerPtWindow, kObjectName, mapObject.GetSettings().name.c_str());
    SetField(kTriggerPtWindow, kTriggerValue, IntText(mapObject.GetSettings().valueA).c_str());
    SetField(kTriggerPtWindow, kObjectString, mapObject.GetSettings().entryName.c_str());
}

// With no radio selected the kind stays; with more than one the last wins.
void MapEditor::ApplyTrigger() {
    if (m_selectedTrigger == nullptr)
        return;
    MapObject& mapObject = m_selectedTrigger->GetMapObject();
    const uint32_t radios[] = {kTravelRadio, kInfoRadio, kTrapRadio};
    for (uint32_t kind = 0; kind < 3; ++kind)
        if (IsTicked(kTriggerPtWindow, radios[kind]))
            mapObject.SetKind(kind);
    mapObject.SetName(Field(kTriggerPtWindow, kObjectName));
    const int32_t value = PanelNumber::ReadInt(Field(kTriggerPtWindow, kTriggerValue).c_str());
    mapObject.EditSettings().valueA = static_cast<uint32_t>(value < 0 ? 0 : value);
    mapObject.EditSettings().entryName = Field(kTriggerPtWindow, kObjectString);
}

void MapEditor::FillTravel() {
    if (m_selectedTrigger == nullptr)
        return;
    const MapObject::Settings& settings = m_selectedTrigger->GetMapObject().GetSettings();
    SetField(kTravelWindow, kTargetMap, settings.targetMap.c_str());
    SetField(kTravelWindow, kTargetEntry, settings.targetEntry.c_str());
    for (uint32_t tick = 0; tick < std::size(kTravelFlags); ++tick)
        SetTick(kTravelWindow, kFirstTravelFlag + tick, (settings.flags & kTravelFlags[tick]) != 0);
}

void MapEditor::ApplyTravel() {
    if (m_selectedTrigger == nullptr)
        return;
    MapObject::Settings& settings = m_selectedTrigger->GetMapObject().EditSettings();
    settings.targetMap = Field(kTravelWindow, kTargetMap);
    settings.targetEntry = Field(kTravelWindow, kTargetEntry);
    for (uint32_t tick = 0; tick < std::size(kTravelFlags); ++tick)
        settings.flags = IsTicked(kTravelWindow, kFirstTravelFlag + tick)
                             ? settings.flags | kTravelFlags[tick]
                             : settings.flags & ~kTravelFlags[tick];
}

void MapEditor::FillMapData() {
    const EntityMgr::Header& header = g_entityMgr->GetHeader();
    SetField(kMapDataWindow, kFirstHeaderField, header.regionScript.c_str());
    SetField(kMapDataWindow, kFirstHeaderField + 1, header.gridTableA.c_str());
    SetField(kMapDataWindow, kFirstHeaderField + 2, header.text.c_str());
    SetField(kMapDataWindow, kFirstHeaderField + 3, header.gridTableB.c_str());
}

void MapEditor::ApplyMapData() {
    EntityMgr::Header header;
    header.regionScript = Field(kMapDataWindow, kFirstHeaderField);
    header.gridTableA = Field(kMapDataWindow, kFirstHeaderField + 1);
    header.text = Field(kMapDataWindow, kFirstHeaderField + 2);
    header.gridTableB = Field(kMapDataWindow, kFirstHeaderField + 3);
    g_entityMgr->SetHeader(header);
}

void MapEditor::FillTwoState(Window window, MapObject& mapObject) {
    SetField(window, kObjectName, mapObject.GetSettings().name.c_str());
    SetField(window, kObjectString, mapObject.GetSettings().entryName.c_str());
    SetTick(window, kOpenTick, static_cast<BinaryMapObject&>(mapObject).IsOpen());
    if (window == kDoorWindow)
        FillDoorPatch();
}

void MapEditor::ApplyTwoState(Window window, MapObject& mapObject) {
    mapObject.SetName(Field(window, kObjectName));
    mapObject.EditSettings().entryName = Field(window, kObjectString);
    if (window == kDoorWindow)
        ApplyDoorPatch();
    auto& twoState = static_cast<BinaryMapObject&>(mapObject);
    if (IsTicked(window, kOpenTick))
        twoState.SetState1();
    else
        twoState.SetState0();
}

void MapEditor::FillDoorPatch() {
    const DoorMapObject& door = m_selectedDoor->GetMapObject();
    SetField(kDoorWindow, kPatchX, IntText(door.GetPatchX()).c_str());
    SetField(kDoorWindow, kPatchY, IntText(door.GetPatchY()).c_str());
    SetField(kDoorWindow, kPatchClosed, door.GetPatchImage(0).c_str());
    SetField(kDoorWindow, kPatchOpen, door.GetPatchImage(BinaryMapObject::kStateOpen).c_str());
}

void MapEditor::ApplyDoorPatch() {
    m_selectedDoor->GetMapObject().SetPatch(Field(kDoorWindow, kPatchClosed),
                                            Field(kDoorWindow, kPatchOpen),
                                            ReadU16(Field(kDoorWindow, kPatchX)),
                                            ReadU16(Field(kDoorWindow, kPatchY)));
}

void MapEditor::FillSound() {
    if (m_selectedSound == nullptr)
        return;
    const AmbientSnd& sound = *m_selectedSound;
    SetField(kAmbientSndWindow, kSoundName, sound.GetName().c_str());
    SetField(kAmbientSndWindow, kSoundX, ExactText(sound.GetPosition().x).c_str());
    SetField(kAmbientSndWindow, kSoundY, ExactText(sound.GetPosition().y).c_str());
    SetField(kAmbientSndWindow, kSoundMinDistance, ExactText(sound.GetMinDistance()).c_str());
    SetField(kAmbientSndWindow, kSoundRadius, ExactText(sound.GetRadius()).c_str());
    SetField(kAmbientSndWindow, kSoundVolume, IntText(sound.GetVolume()).c_str());
    SetField(kAmbientSndWindow, kSoundPeriod, IntText(sound.GetPeriod()).c_str());
    SetField(kAmbientSndWindow, kSoundChance, IntText(sound.GetChance()).c_str());
    SetTick(kAmbientSndWindow, kSoundContinuous, sound.IsContinuous());
}

// Distances below one unit become one; percentages are kept within 0-100.
void MapEditor::ApplySound() {
    if (m_selectedSound == nullptr)
        return;
    AmbientSnd& sound = *m_selectedSound;
    const auto number = [this](uint32_t id) {
        return PanelNumber::ReadFloat(Field(kAmbientSndWindow, id).c_str());
    };
    sound.SetName(Field(kAmbientSndWindow, kSoundName));
    sound.SetPosition(Vector(number(kSoundX), number(kSoundY), sound.GetPosition().z));
    sound.SetMinDistance(std::max(number(kSoundMinDistance), kMinSoundDistance));
    sound.SetRadius(std::max(number(kSoundRadius), kMinSoundDistance));
    sound.SetVolume(PanelNumber::Percent(Field(kAmbientSndWindow, kSoundVolume).c_str()));
    sound.SetPeriod(ReadU16(Field(kAmbientSndWindow, kSoundPeriod)));
    sound.SetChance(PanelNumber::Percent(Field(kAmbientSndWindow, kSoundChance).c_str()));
    sound.SetContinuous(IsTicked(kAmbientSndWindow, kSoundContinuous));
}

void MapEditor::FillSoundList() {
    if (m_selectedSound == nullptr)
        return;
    for (int slot = 0; slot < AmbientSnd::kSoundSlots; ++slot)
        SetField(kAmbientSndListWindow, kFirstSoundName + slot, m_selectedSound->GetSound(slot).c_str());
}

void MapEditor::ApplySoundList() {
    if (m_selectedSound == nullptr)
        return;
    for (int slot = 0; slot < AmbientSnd::kSoundSlots; ++slot)
        m_selectedSound->SetSound(slot, Field(kAmbientSndListWindow, kFirstSoundName + slot));
}
