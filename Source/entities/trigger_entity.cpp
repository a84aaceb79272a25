#include "Source/entities/trigger_entity.h"

#include "Library/core/game_mode_id.h"
#include "Library/graphics/colour.h"
#include "Library/graphics/screen.h"
#include "Library/interface/mouse_position.h"
#include "Source/entities/view_transform.h"

// The map object's script is made for the entity once it is a trigger.
TriggerEntity::TriggerEntity() {
    SetType(kTypeTrigger);
    m_mapObject = std::make_unique<MapObject>(*this, kMapObjectTravel);
}

TriggerEntity::~TriggerEntity() = default;

void TriggerEntity::Init() {
    Entity::Init();
    m_mapObject->Reset();
}

bool TriggerEntity::Load(Stream& stream) {
    if (!Entity::Load(stream) || !m_mapObject->Load(stream))
        return false;
    NameAfterKind();
    return true;
}

void TriggerEntity::NameAfterKind() {
    if (GetDisplayName().Length() == 0)
        SetDisplayName(m_mapObject->GetKindName());
}

bool TriggerEntity::Save(Stream& stream) const {
    return Entity::Save(stream) && m_mapObject->Save(stream);
}

bool TriggerEntity::LoadPlacement(Stream& stream) {
    if (!m_mapObject->Load(stream))
        return false;
    SetPosition(m_mapObject->GetSettings().position);
    NameAfterKind();
    return true;
}

bool TriggerEntity::SavePlacement(Stream& stream) {
    m_mapObject->EditSettings().position = GetPosition();
    return m_mapObject->Save(stream);
}

bool TriggerEntity::UpdateScreenPos(Screen& /*screen*/) {
    RemoveFlags(kFlagMouseOver);
    PlaceOnScreen(Vector());
    CheckMouseOver();
    RemoveFlags(kFlagStatic);
    return true;
}

bool TriggerEntity::IsFoundArmedTrap() const {
    const MapObject::Settings& settings = m_mapObject->GetSettings();
    return m_mapObject->GetKind() == kMapObjectTrap && settings.trapFound && settings.trapArmed;
}

void TriggerEntity::CheckMouseOver() {
    if (!HitTest(g_mouseX, g_mouseY))
        return;
    const uint32_t kind = m_mapObject->GetKind();
    if (kind == kMapObjectTravel || kind == kMapObjectInfo || IsFoundArmedTrap())
        AddFlags(kFlagMouseOver);
}

bool TriggerEntity::HitTest(int x, int y) const {
    return HitTestZone(*m_mapObject, x, y);
}

bool TriggerEntity::Draw(Screen& screen) {
    UpdateScreenPos(screen);
    const uint32_t kind = m_mapObject->GetKind();
    const uint16_t green = Colour(0, 255, 0).Pack16();
    const uint16_t red = Colour(255, 0, 0).Pack16();
    if (CurrentModeId() != kModeMapEditor) {
        if (CurrentModeId() == kModeWorldMap) {
            if (kind == kMapObjectTravel) {
                screen.SetDrawColour(green);
                m_mapObject->DrawSymbol(screen);
            }
        } else if (IsFoundArmedTrap()) {
            screen.SetDrawColour(red);
            m_mapObject->DrawZone(screen);
        } else if (kind != kMapObjectTrap && HasAnyFlag(kFlagMouseOver)) {
            screen.SetDrawColour(green);
            m_mapObject->DrawZone(screen);
        }
        return true;
    }
    screen.SetDrawColour(kind == kMapObjectTrap ? red : green);
    m_mapObject->DrawZone(screen);
    if (kind == kMapObjectTravel) {
        screen.SetDrawColour(red);
        m_mapObject->DrawSymbol(screen);
    }
    m_mapObject->EditSettings().position = GetPosition();
    m_mapObject->DrawLabel(GetPosition(), screen);
    return true;
}
