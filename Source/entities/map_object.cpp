// A map object's record, zone and drawing.
#include "Source/entities/map_object.h"

#include "Library/core/game_mode_id.h"
#include "Library/core/stream.h"
#include "Library/graphics/colour.h"
#include "Library/graphics/ellipse_shape.h"
#include "Library/graphics/screen.h"
#include "Library/scripts/stored_text.h"
#include "Library/world/view_scale.h"
#include "Source/entities/entity.h"
#include "Source/entities/script_machine.h"
#include "Source/entities/script_machine_factory.h"
#include "Source/entities/view_transform.h"

#include <cstdio>

MapObject::MapObject(Entity& owner, uint32_t kind)
    : m_owner(owner), m_kind(kind), m_script(GetScriptMachineFactory().Create(&owner)) {}

MapObject::~MapObject() = default;

void MapObject::Reset() {
    m_settings = Settings();
    m_zone.ResetPolygon();
    m_script->Reset();
}

bool MapObject::SetKind(uint32_t kind) {
    if (!AcceptsKind(kind))
        return false;
    m_kind = kind;
    return true;
}

Stringc MapObject::GetKindName() const {
    switch (m_kind) {
    case kMapObjectTravel:
        return "Travel";
    case kMapObjectInfo:
        return "Info";
    case kMapObjectTrap:
        return RulesApply() && m_settings.trapArmed ? "Trap" : "";
    case kMapObjectContainer:
        return "Container";
    case kMapObjectDoor:
        return "Door";
    default:
        return "";
    }
}

void MapObject::SetName(const Stringc& name) {
    m_settings.name = name;
    m_owner.GetRef().SetName(name);
}

bool MapObject::SetField(int id, const Stringc& text) {
    if (id == 6)
        m_settings.text = text;
    return true;
}

bool MapObject::LoadScript(const Stringc& name) {
    if (name.Length() == 0)
        return true;
    if (m_script->LoadScript(CompiledScriptPath(name)))
        return true;
    std::fprintf(stderr, "Map object %s: its script %s cannot be loaded\n", m_settings.name.c_str(),
                 name.c_str());
    return false;
}

bool MapObject::Load(Stream& stream) {
    if (!ReadRecord(stream))
        return false;
    m_owner.GetRef().SetName(m_settings.name);
    FollowKindRules();
    if (!LoadScript(m_settings.scriptName))
        return false;
    ApplyState();
    return true;
}

bool MapObject::Save(Stream& stream) const {
    return WriteRecord(stream);
}

void MapObject::FollowKindRules() {
    if (m_kind == kMapObjectTravel || m_kind == kMapObjectInfo)
        m_settings.flags &= ~kFlagRules;
    else if (m_kind != kMapObjectTrap)
        m_settings.flags |= kFlagRules;
}

bool MapObject::ReadRecord(Stream& stream) {
    uint32_t kind = 0;
    if (!stream.ReadValue(kind))
        return false;
    // The owner and the casts go by the class: a record of another kind must not pass.
    if (!AcceptsKind(kind)) {
        std::fprintf(stderr, "A map object record of kind %u cannot be read into one of kind %u\n",
                     kind, m_kind);
        return false;
    }
    m_kind = kind;
    Settings& s = m_settings;
    return ReadStoredText(stream, s.name) && s.position.Read(stream) &&
           stream.ReadValue(s.valueA) && m_zone.Read(stream) &&
           ReadStoredText(stream, s.entryName) && stream.ReadValue(s.valueB) &&
           stream.ReadValue(s.flags) && ReadStoredName(stream, s.targetMap) &&
           ReadStoredText(stream, s.targetEntry) && stream.ReadValue(s.trapArmed) &&
           stream.ReadValue(s.trapFound) && stream.ReadValue(s.locked) &&
           stream.ReadValue(s.disarmDifficulty) && stream.ReadValue(s.searchDifficulty) &&
           stream.ReadValue(s.lockDifficulty) && ReadStoredText(stream, s.keyItem) &&
           ReadStoredName(stream, s.scriptName) && ReadStoredText(stream, s.text) &&
           ReadStoredName(stream, s.openSound) && ReadStoredName(stream, s.closeSound) &&
           ReadStoredName(stream, s.unlockSound) && ReadStoredName(stream, s.failedPickSound) &&
           ReadStoredName(stream, s.lockedSound);
}

bool MapObject::WriteRecord(Stream& stream) const {
    const Settings& s = m_settings;
    return stream.WriteValue(m_kind) && s.name.Write(stream) && s.position.Write(stream) &&
           stream.WriteValue(s.valueA) && m_zone.Write(stream) && s.entryName.Write(stream) &&
           stream.WriteValue(s.valueB) && stream.WriteValue(s.flags) && s.targetMap.Write(stream) &&
           s.targetEntry.Write(stream) && stream.WriteValue(s.trapArmed) &&
           stream.WriteValue(s.trapFound) && stream.WriteValue(s.locked) &&
           stream.WriteValue(s.disarmDifficulty) && stream.WriteValue(s.searchDifficulty) &&
           stream.WriteValue(s.lockDifficulty) && s.keyItem.Write(stream) &&
           s.scriptName.Write(stream) && s.text.Write(stream) && s.openSound.Write(stream) &&
           s.closeSound.Write(stream) && s.unlockSound.Write(stream) &&
           s.failedPickSound.Write(stream) && s.lockedSound.Write(stream);
}

void MapObject::BuildZone(const MemMgr<Vector>& points) {
    CurrentZone().BuildPolygon(points);
}

bool MapObject::ZoneContains(const Vector& point) const {
    return CurrentZone().Contains(point);
}

bool MapObject::NearestZonePoint(const Vector& point, Vector& nearest) const {
    return CurrentZone().NearestBoundaryPoint(point, nearest);
}

void MapObject::DrawZone(Screen& screen) const {
    CurrentZone().Draw(screen, g_viewScale);
}

void MapObject::DrawLabel(const Vector& at, Screen& screen) const {
    screen.SetDrawColour(Colour(255, 255, 255).Pack16());
    EllipseShape ring;
    ring.valid = 1;
    WorldToScreen(at, ring.x, ring.y);
    ring.radiusX = 16.0;
    ring.radiusY = 12.0;
    DrawEllipse(ring, &screen);
    screen.DrawTextCentered(ring.x, ring.y, m_owner.GetRef().GetName());
}

// On the world map only visited travel points show it.
void MapObject::DrawSymbol(Screen& screen) const {
    const uint32_t needed =
        CurrentModeId() == kModeWorldMap ? kFlagSymbol | kFlagVisited : kFlagSymbol;
    if ((m_settings.flags & needed) != needed)
        return;
    int x = 0;
    int y = 0;
    WorldToScreen(m_settings.position, x, y);
    screen.DrawLine(x, y, x + 5, y - 5);
    screen.DrawLine(x, y, x - 5, y - 5);
    screen.DrawLine(x - 5, y - 5, x + 5, y - 5);
}
