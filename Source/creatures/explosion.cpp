#include "Source/creatures/explosion.h"

#include "Library/core/random.h"
#include "Library/files/data_file.h"
#include "Library/files/data_paths.h"
#include "Library/files/mem_stream.h"
#include "Library/files/res_file_mgr.h"
#include "Library/geometry/directions.h"
#include "Library/world/game_mode.h"
#include "Library/world/tile_map.h"
#include "Source/entities/cycle_entity.h"
#include "Source/entities/entity_mgr.h"
#include "Source/entities/entity_pickers.h"
#include "Source/entities/entity_ptr_list.h"
#include "Source/entities/launched_ability.h"
#include "Source/entities/projectile_entity.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

constexpr const char* kArtSet = "Misc/";
constexpr const char* kFragmentAnimation = "misc_1";
constexpr float kFragmentBaseSpeed = 15.0f;
constexpr VehicleParameters kFragmentVehicle{0.5f, 1.0f, 1.25f, 22.5f};
constexpr float kAbilityPause = 1.0f;
// A definition's factors are trusted only this far: a forged one must not flood the region.
constexpr uint64_t kMaxRingCount = 360;
constexpr uint64_t kMaxCloudCount = 500;
enum Tint : int { kCentreTint, kFragmentTint, kCloudTint };

Stringc ArtName(const Stringc& animation) {
    return Stringc(kArtSet) + animation;
}

// factor x the whole radius, held within the limit.
uint32_t CountFor(uint32_t factor, float radius, uint64_t limit) {
    const uint64_t whole = radius >= 1.0f ? static_cast<uint64_t>(std::min(radius, 1e6f)) : 0;
    return static_cast<uint32_t>(std::min(factor * whole, limit));
}

// An order for sorting that holds with a NaN, which goes after every number.
bool Before(float a, float b) {
    return std::isnan(b) ? !std::isnan(a) : a < b;
}

} // namespace

Explosion::Explosion() : m_points(1) {}

Explosion::~Explosion() = default;

void Explosion::Reset() {
    m_definition = ExplosionDefinition();
    m_state = kStarting;
    m_position = Vector();
    m_pause = 0.0f;
    m_radius = kDefaultRadius;
    m_ringCount = 0;
    m_cloudCount = 0;
    m_repeats = 0;
    m_timer = 0.0f;
    EmptyLists();
    m_use.reset();
}

bool Explosion::Load(const char* name) {
    Stringc path;
    MemStream stream(kStreamReadBinary);
    if (!MakeDataFilePath(&DataPaths::GetExplMgrDir, name, ".dat", path) ||
        !LoadDataFile(path.c_str(), g_generalRes, stream))
        return false;
    if (Read(stream))
        return true;
    std::fprintf(stderr, "%s: the explosion cannot be read\n", path.c_str());
    return false;
}

bool Explosion::Read(Stream& stream) {
    if (!m_definition.Read(stream))
        return false;
    m_ringCount = m_definition.ringCount;
    m_cloudCount = m_definition.cloudCount;
    m_repeats = m_definition.repeats;
    m_timer = m_definition.timer;
    return true;
}

void Explosion::SetAbility(const LaunchedAbility& use) {
    m_use = use.Clone();
    m_position = use.GetTargetPoint();
    m_pause = kAbilityPause;
    m_radius = use.GetAreaRadius();
}

void Explosion::SetState(uint32_t state) {
    m_state = state;
    if (state == kWaiting)
        m_timer = m_pause;
}

bool Explosion::Update(EntityMgr& entities, float frameSeconds) {
    switch (m_state) {
    case kStarting:
        Start(entities);
        break;
    case kRunning:
        Run(entities);
        break;
    case kWaiting:
        Wait(frameSeconds);
        break;
    case kPulsing:
        m_hitList.clear();
        HitArea(entities);
        SetState(kWaiting);
        break;
    case kFinished:
        if (m_use)
            m_use->Finish();
        m_use.reset();
        ReleaseClouds(entities);
        return false;
    default:
        break;
    }
    return true;
}

void Explosion::EmptyLists() {
    m_zone.ResetPolygon();
    m_hitList.clear();
    m_ring.clear();
    m_points.FreeAll();
    m_clouds.clear();
    m_cloudPoints.clear();
}

void Explosion::Start(EntityMgr& entities) {
    ReleaseClouds(entities);
    EmptyLists();
    if (g_gameMode != nullptr && m_definition.sound.Length() > 0)
        g_gameMode->PlaySound(m_definition.sound.c_str(), 1, 255, &m_position, nullptr);
    MakeCycle(entities, m_position, nullptr, ArtName(m_definition.centreAnimation), Stringc(), 0,
              0.0f, kCentreTint);
    LaunchRing(entities);
    ScatterCloudPoints();
    SetState(kRunning);
}

// Fragments evenly round the circle, the first along angle 0, each flying the radius out.
void Explosion::LaunchRing(EntityMgr& entities) {
    m_ringCount = CountFor(m_definition.ringFactor, m_radius, kMaxRingCount);
    const double step = m_ringCount > 0 ? 360.0 / m_ringCount : 0.0;
    for (uint32_t index = 0; index < m_ringCount; ++index) {
        ProjectileEntity* fragment = nullptr;
        if (!Entity::AsProjectile(entities.CreateEntity(m_position.x, m_position.y, m_position.z,
                                                        Entity::kTypeProjectile),
                                  &fragment))
            continue;
        const float spread =
            m_definition.heightSpread > 0.0f ? RandomFloat(0.0f, m_definition.heightSpread) : 0.0f;
        const double angle = index * step * kRadiansPerDegree;
        fragment->SetOwnerEntity(spread + kFragmentBaseSpeed);
        fragment->SetTarget(angle);
        fragment->SetVehicleParameters(kFragmentVehicle);
        if (!fragment->LaunchFromExplosion(m_position, m_radius, angle))
            continue;
        fragment->SetAnimationName(ArtName(m_definition.projectileAnimation));
        fragment->SetAnimation(kFragmentAnimation);
        ApplyTint(*fragment, kFragmentTint);
        Vector* last = m_points.Alloc();
        *last = fragment->GetPosition();
        m_ring.push_back({EntityHandle(fragment), m_points.SlotOf(last)});
    }
}

void Explosion::ScatterCloudPoints() {
    m_cloudCount = CountFor(m_definition.cloudFactor, m_radius, kMaxCloudCount);
    for (uint32_t index = 0; index < m_cloudCount; ++index) {
        Vector offset;
        offset.Randomise(m_radius - 1.0f);
        m_cloudPoints.push_back(m_position + offset);
    }
    // In the map's drawing order, so that each cloud goes onto the map beside the one
    // made before it rather than after a walk from the start of its list.
    std::sort(m_cloudPoints.begin(), m_cloudPoints.end(), [](const Vector& a, const Vector& b) {
        return Before(a.y, b.y) || (!Before(b.y, a.y) && Before(a.x, b.x));
    });
}

// A fragment that arrived, or whose entity is gone, leaves the ring; its last point stays
// part of the area.
void Explosion::Run(EntityMgr& entities) {
    m_ring.erase(std::remove_if(m_ring.begin(), m_ring.end(),
                                [&](const Fragment& fragment) {
                                    const Entity* projectile = fragment.projectile.Get(entities);
                                    if (projectile == nullptr ||
                                        !projectile->HasAnyFlag(ProjectileEntity::kFlagActive))
                                        return true;
                                    *m_points.Get(fragment.point) = projectile->GetPosition();
                                    return false;
                                }),
                 m_ring.end());
    m_zone.BuildPolygon(m_points);
    GrowClouds(entities);
    if (!m_ring.empty()) {
        HitArea(entities);
        return;
    }
    SetState(m_repeats < 1 ? kFinished : kWaiting);
}

void Explosion::GrowClouds(EntityMgr& entities) {
    std::vector<Vector> waiting;
    // Every waiting point is tested each frame: against the whole ring, the test would
    // grow with the clouds times the fragments.
    m_areaRows.File(m_zone.GetPolygon());
    for (const Vector& point : m_cloudPoints) {
        if (!m_areaRows.Contains(point)) {
            waiting.push_back(point);
            continue;
        }
        Entity* cloud = MakeCycle(entities, point, this, ArtName(m_definition.cloudAnimation),
                                  ArtName(m_definition.cloudEndAnimation),
                                  static_cast<int>(m_definition.cloudLoops),
                                  static_cast<float>(m_definition.cloudWait), kCloudTint);
        if (cloud != nullptr)
            m_clouds.push_back(EntityHandle(cloud));
    }
    m_cloudPoints.swap(waiting);
}

void Explosion::Wait(float frameSeconds) {
    m_timer -= frameSeconds;
    if (m_timer > 0.0f)
        return;
    if (m_definition.mode != kRestart && m_definition.mode != kPulse)
        return;
    const bool again = m_repeats-- > 0;
    if (!again)
        SetState(kFinished);
    else
        SetState(m_definition.mode == kRestart ? kStarting : kPulsing);
}

// Every living creature within the radius whose position lies inside the area, once a
// pulse, in full.
void Explosion::HitArea(EntityMgr& entities) {
    EntityPtrList* creatures = nullptr;
    if (!m_use || !entities.GetPoolInArea(m_position, m_radius, creatures))
        return;
    std::vector<Entity*> reached;
    creatures->ForEachSelected([&](Entity& creature) {
        if (!AlreadyHit(entities, creature) && m_zone.Contains(creature.GetPosition()))
            reached.push_back(&creature);
    });
    for (Entity* creature : reached) {
        m_hitList.push_back(EntityHandle(creature));
        m_use->SetTargetPoint(creature->GetPosition());
        m_use->ApplyToTarget(creature);
    }
}

bool Explosion::AlreadyHit(const EntityMgr& entities, const Entity& creature) const {
    return std::any_of(m_hitList.begin(), m_hitList.end(),
                       [&](const EntityHandle& hit) { return hit.Get(entities) == &creature; });
}

// Each cloud goes once its animation has played out.
void Explosion::ReleaseClouds(EntityMgr& entities) {
    CycleEntity* cycle = nullptr;
    for (const EntityHandle& handle : m_clouds)
        if (Entity::AsCycle(handle.Get(entities), &cycle))
            cycle->SetRemoveWhenFinished();
    m_clouds.clear();
}

Entity* Explosion::MakeCycle(EntityMgr& entities, const Vector& point, const void* owner,
                             const Stringc& loop, const Stringc& end, int loops, float wait,
                             int tint) {
    Entity* created = entities.CreateEntity(point.x, point.y, point.z, Entity::kTypeCycle);
    CycleEntity* cycle = nullptr;
    if (!Entity::AsCycle(created, &cycle))
        return nullptr;
    cycle->SetOwner(owner);
    cycle->Setup(loop, end, loops, wait);
    if (owner == nullptr)
        cycle->SetRemoveWhenFinished();
    ApplyTint(*cycle, tint);
    cycle->AddFlags(Entity::kFlagAlive);
    if (TileMap* map = entities.GetTileMap())
        map->AddObject(cycle);
    return cycle;
}

void Explosion::ApplyTint(Entity& entity, int tint) const {
    const ExplosionDefinition::Tint& chosen = m_definition.tints[tint];
    if (chosen.enabled != 0)
        entity.GetColourMod().SetTint(true, chosen.colour);
}
