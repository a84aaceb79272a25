#pragma once
// The area effect that follows an exploding projectile, such as a fire ball or a gas cloud:
// a ring of fragments flies out from the point of impact, the polygon the ring spans is the
// area, creatures inside it are hit by the use that caused the explosion (each at most once
// a pulse, in full), clouds fill the area, and the whole may start again or pulse. The
// fragments and clouds are entities of the region; the explosion only refers to them.

#include "Library/core/mem_mgr.h"
#include "Library/geometry/polygon_rows.h"
#include "Library/geometry/zone.h"
#include "Source/creatures/explosion_definition.h"
#include "Source/entities/entity_handle.h"

#include <cstdint>
#include <memory>
#include <vector>

class EntityMgr;
class LaunchedAbility;
class MapView;
class Screen;
class Stream;

class Explosion {
public:
    enum State : uint32_t {
        kStarting = 0,
        kRunning = 1, // the ring flies out
        kWaiting = 2, // until the next repeat
        kPulsing = 3,
        kFinished = 4,
    };
    enum Mode : uint8_t {
        kRestart = 0, // a repeat starts the explosion again
        kPulse = 1,   // a repeat hits the area again
    };
    static constexpr float kDefaultRadius = 10.0f;

    Explosion();
    Explosion(const Explosion&) = delete;
    Explosion& operator=(const Explosion&) = delete;
    virtual ~Explosion();

    void Reset(); // no definition, no use, nothing made
    // The explosion directory + "/" + name (extension dropped) + ".dat", from the archive
    // or the loose file.
    bool Load(const char* name);
    bool Read(Stream& stream); // the definition; a failed read changes nothing
    bool Write(Stream& stream) const { return m_definition.Write(stream); }
    // A copy of the use, centred at its target point, reaching its radius, a second apart.
    void SetAbility(const LaunchedAbility& use);

    // One frame in the region whose entities it makes; false once it has finished.
    bool Update(EntityMgr& entities, float frameSeconds);
    void SetState(uint32_t state); // waiting starts the pause
    // The tints of the centre (1), the ring's fragments (2) and the clouds (3), for what is
    // made from now on.
    void SetColour1(bool enabled, const Colour& colour) { SetTint(0, enabled, colour); }
    void SetColour2(bool enabled, const Colour& colour) { SetTint(1, enabled, colour); }
    void SetColour3(bool enabled, const Colour& colour) { SetTint(2, enabled, colour); }
    void Draw(Screen& screen, const MapView& view) const { m_zone.Draw(screen, view); }

    uint32_t GetState() const { return m_state; }
    const ExplosionDefinition& GetDefinition() const { return m_definition; }
    const Zone& GetZone() const { return m_zone; }
    const Vector& GetPosition() const { return m_position; }
    float GetRadius() const { return m_radius; }
    uint32_t GetRingCount() const { return m_ringCount; }
    uint32_t GetCloudCount() const { return m_cloudCount; }
    int GetFlyingCount() const { return static_cast<int>(m_ring.size()); }
    int GetCloudEntityCount() const { return static_cast<int>(m_clouds.size()); }

private:
    struct Fragment {
        EntityHandle projectile;
        int point; // its slot in the point list
    };

    void Start(EntityMgr& entities);
    void Run(EntityMgr& entities);
    void Wait(float frameSeconds);
    void HitArea(EntityMgr& entities);
    void ReleaseClouds(EntityMgr& entities);
    void EmptyLists();
    void LaunchRing(EntityMgr& entities);
    void ScatterCloudPoints();
    void GrowClouds(EntityMgr& entities);
    // A cycle entity on the map at the point, tinted by the definition's tint: without an
    // owner it plays its loop once and goes; with one it loops, ends and waits until told.
    Entity* MakeCycle(EntityMgr& entities, const Vector& point, const void* owner,
                      const Stringc& loop, const Stringc& end, int loops, float wait, int tint);
    void ApplyTint(Entity& entity, int tint) const;
    void SetTint(int tint, bool enabled, const Colour& colour) {
        m_definition.tints[tint] = {static_cast<uint8_t>(enabled ? 1 : 0), colour};
    }
    bool AlreadyHit(const EntityMgr& entities, const Entity& creature) const;

    ExplosionDefinition m_definition;
    uint32_t m_state = kStarting;
    Vector m_position;
    float m_pause = 0.0f;
    float m_radius = kDefaultRadius;
    uint32_t m_ringCount = 0;
    uint32_t m_cloudCount = 0;
    int32_t m_repeats = 0;
    float m_timer = 0.0f;
    Zone m_zone;
    PolygonRows m_areaRows;              // the zone's, filed anew each time the clouds grow
    std::vector<EntityHandle> m_hitList; // hit in this pulse
    std::vector<Fragment> m_ring;        // still flying
    MemMgr<Vector> m_points;             // where each fragment was last, flying or not
    std::vector<EntityHandle> m_clouds;
    std::vector<Vector> m_cloudPoints; // waiting for the area to reach them
    std::unique_ptr<LaunchedAbility> m_use;
};
