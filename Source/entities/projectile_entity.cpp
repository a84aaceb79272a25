// A projectile's record, its set-up from a set's record and its drawing.
#include "Source/entities/projectile_entity.h"

#include "Library/core/game_mode_id.h"
#include "Library/core/stream.h"
#include "Library/graphics/screen.h"
#include "Library/world/tile_map.h"
#include "Library/world/vehicle.h"
#include "Library/world/view_scale.h"
#include "Source/entities/entity_mgr.h"
#include "Source/entities/launched_ability.h"
#include "Source/entities/view_transform.h"

namespace {

constexpr const char* kFlightAnimation = "misc_1";

} // namespace

ProjectileEntity::ProjectileEntity() {
    SetType(kTypeProjectile);
}

ProjectileEntity::~ProjectileEntity() = default;

void ProjectileEntity::Init() {
    QueuedEntity::Init();
    m_byte = 0;
    m_speed = 0.0f;
    m_angleOffset = 0.0;
    m_launchAngle = 0.0;
    m_distance = kDefaultDistance;
    m_flightMode = kPursue;
    m_explosionKind = 0;
    m_targetPoint = Vector();
    m_ability.reset();
    m_target = EntityHandle();
    m_exclusions = GatheredEntityList();
    m_parameters = VehicleParameters();
    if (m_vehicle)
        m_vehicle->Reset();
    AddFlags(kFlagActive | kFlagShown);
}

bool ProjectileEntity::Load(Stream& stream) {
    if (!QueuedEntity::Load(stream) || !stream.ReadValue(m_byte) || !stream.ReadValue(m_speed) ||
        !stream.ReadValue(m_angleOffset) || !stream.ReadValue(m_launchAngle) ||
        !stream.ReadValue(m_distance) || !stream.ReadValue(m_flightMode) ||
        !stream.ReadValue(m_explosionKind) || !m_parameters.Read(stream))
        return false;
    SetAnimation(kFlightAnimation);
    return true;
}

bool ProjectileEntity::Save(Stream& stream) const {
    return QueuedEntity::Save(stream) && stream.WriteValue(m_byte) && stream.WriteValue(m_speed) &&
           stream.WriteValue(m_angleOffset) && stream.WriteValue(m_launchAngle) &&
           stream.WriteValue(m_distance) && stream.WriteValue(m_flightMode) &&
           stream.WriteValue(m_explosionKind) && m_parameters.Write(stream);
}

void ProjectileEntity::SetupFromRecord(const ProjectileEntity& record) {
    Init();
    GetColourMod() = record.GetColourMod();
    m_byte = record.m_byte;
    m_speed = record.m_speed;
    m_angleOffset = record.m_angleOffset;
    m_launchAngle = record.m_launchAngle;
    m_distance = record.m_distance;
    m_flightMode = record.m_flightMode;
    m_explosionKind = record.m_explosionKind;
    m_parameters = record.m_parameters;
    SetAnimationName(record.GetAnimationName());
    SetAnimation(kFlightAnimation);
}

TileMap* ProjectileEntity::GetMap() const {
    return GetManager() ? GetManager()->GetTileMap() : nullptr;
}

bool ProjectileEntity::IsOverUnexplored() const {
    const TileMap* map = GetMap();
    const Vector& position = GetPosition();
    return CurrentModeId() == kModeAreaMap &&
           (map == nullptr ||
            !map->IsExplored(static_cast<int>(position.x), static_cast<int>(position.y)));
}

bool ProjectileEntity::UpdateScreenPos(Screen& screen) {
    if (!IsActive() || IsOverUnexplored())
        return false;
    const bool shown = QueuedEntity::UpdateScreenPos(screen);
    RemoveFlags(kFlagMouseOver);
    return shown;
}

bool ProjectileEntity::Draw(Screen& screen) {
    const TileMap* map = GetMap();
    if (!IsActive() || IsOverUnexplored() || map == nullptr)
        return false;
    AnimationMgr& animation = GetAnimation();
    animation.ApplyColourMod(GetColourMod());
    animation.SetScreenPosition(GetScreenRect().x, GetScreenRect().y);
    map->GetClipMap().DrawClipped2(screen.GetSurface(), g_viewScale, animation);
    return true;
}
