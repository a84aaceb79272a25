#include "Source/entities/door_entity.h"

#include "Library/core/game_mode_id.h"
#include "Library/core/stream.h"
#include "Library/graphics/colour.h"
#include "Library/graphics/screen.h"
#include "Library/interface/mouse_position.h"
#include "Source/entities/view_transform.h"

// The map object's script is made for the entity once it is a door.
DoorEntity::DoorEntity() {
    SetType(kTypeDoor);
    m_mapObject = std::make_unique<DoorMapObject>(*this);
}

DoorEntity::~DoorEntity() = default;

void DoorEntity::Init() {
    BinaryEntity::Init();
    m_mapObject->Reset();
}

bool DoorEntity::Load(Stream& stream) {
    return BinaryEntity::Load(stream) && m_mapObject->Load(stream);
}

bool DoorEntity::Save(Stream& stream) const {
    return BinaryEntity::Save(stream) && m_mapObject->Save(stream);
}

bool DoorEntity::Update(uint32_t frameMs) {
    BinaryEntity::Update(frameMs);
    if (GetStateBits() == kStateClosing && GetFrame() >= (GetFrameCount() - 1) / 2 &&
        !m_mapObject->CanClose())
        SetStateBits(kStateOpening);
    return true;
}

bool DoorEntity::Draw(Screen& screen) {
    BinaryEntity::UpdateScreenPos(screen);
    screen.SetDrawColour(Colour(0, 255, 0).Pack16());
    if (CurrentModeId() != kModeMapEditor) {
        if (HasAnyFlag(kFlagMouseOver))
            m_mapObject->DrawZone(screen);
        return true;
    }
    m_mapObject->EditSettings().position = GetPosition();
    m_mapObject->DrawEditor(1, screen);
    m_mapObject->DrawEditor(2, screen);
    return true;
}

void DoorEntity::OnEvent(int kind, EventArg /*p1*/, EventArg /*p2*/, EventArg p3) {
    if (kind == kEventUse)
        m_mapObject->Use(p3.AsEntity());
}

void DoorEntity::CheckMouseOver() {
    if (m_mapObject->GetKind() == kMapObjectDoor && HitTest(g_mouseX, g_mouseY))
        AddFlags(kFlagMouseOver);
}

bool DoorEntity::HitTest(int x, int y) const {
    return HitTestZone(*m_mapObject, x, y);
}

bool DoorEntity::IsIdle() {
    const EntityOrder* order = GetCurrentOrder();
    if (order != nullptr && order->kind == kOrderChangeState && HasAnyFlag(kFlagChanging)) {
        if (IsOpen())
            m_mapObject->SetState1();
        else if (IsClosed())
            m_mapObject->SetState0();
    }
    return BinaryEntity::IsIdle();
}

bool DoorEntity::LoadPlacement(Stream& stream) {
    uint8_t open = 0;
    if (!m_mapObject->Load(stream))
        return false;
    SetPosition(m_mapObject->GetSettings().position);
    if (!stream.ReadValue(open))
        return false;
    if (open)
        ShowFirstFrame();
    else
        ShowLastFrame();
    return true;
}

bool DoorEntity::SavePlacement(Stream& stream) {
    m_mapObject->EditSettings().position = GetPosition();
    const uint8_t open = IsOpenOrOpening() ? 1 : 0;
    return m_mapObject->Save(stream) && stream.WriteValue(open);
}
