#include "Source/entities/container_map_entity.h"

#include "Library/core/game_mode_id.h"
#include "Library/graphics/colour.h"
#include "Library/graphics/screen.h"
#include "Library/interface/mouse_position.h"
#include "Library/world/game_mode.h"
#include "Source/entities/view_transform.h"

// The map object's script is made for the entity once it is a chest.
ContainerMapEntity::ContainerMapEntity() {
    SetType(kTypeContainerMap);
    m_mapObject = std::make_unique<ContainerMapObject>(*this);
}

ContainerMapEntity::~ContainerMapEntity() = default;

void ContainerMapEntity::Init() {
    ContainerEntity::Init();
    m_mapObject->Reset();
}

bool ContainerMapEntity::Load(Stream& stream) {
    return ContainerEntity::Load(stream) && m_mapObject->Load(stream);
}

bool ContainerMapEntity::Save(Stream& stream) const {
    return ContainerEntity::Save(stream) && m_mapObject->Save(stream);
}

bool ContainerMapEntity::Draw(Screen& screen) {
    UpdateScreenPos(screen);
    screen.SetDrawColour(Colour(0, 255, 0).Pack16());
    if (CurrentModeId() == kModeMapEditor) {
        m_mapObject->EditSettings().position = GetPosition();
        m_mapObject->DrawZone(screen);
        m_mapObject->DrawLabel(GetPosition(), screen);
    } else if (HasAnyFlag(kFlagMouseOver)) {
        m_mapObject->DrawZone(screen);
    }
    return true;
}

void ContainerMapEntity::OnEvent(int kind, EventArg /*p1*/, EventArg /*p2*/, EventArg p3) {
    Entity* user = p3.AsEntity();
    if (kind != kEventUse || user == nullptr) // no one to show the chest to
        return;
    m_mapObject->Use(user);
    if (m_mapObject->IsOpen() && g_gameMode != nullptr)
        g_gameMode->SetMode(kModeChosenInventory, ModeRecord::ToArg(user), ModeRecord::ToArg(this));
}

void ContainerMapEntity::CheckMouseOver() {
    if (m_mapObject->GetKind() == kMapObjectContainer && HitTest(g_mouseX, g_mouseY))
        AddFlags(kFlagMouseOver);
}

bool ContainerMapEntity::HitTest(int x, int y) const {
    return HitTestZone(*m_mapObject, x, y);
}

// Shown, as one read from a saved region is, so that a placed chest saved and read back
// stores the same flags.
bool ContainerMapEntity::LoadPlacement(Stream& stream) {
    if (!m_mapObject->Load(stream))
        return false;
    SetPosition(m_mapObject->GetSettings().position);
    AddFlags(kFlagShown);
    return true;
}

bool ContainerMapEntity::SavePlacement(Stream& stream) {
    m_mapObject->EditSettings().position = GetPosition();
    return m_mapObject->Save(stream);
}
