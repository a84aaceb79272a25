#pragma once
// Stand-ins for what the entities reach beyond themselves: a creature, a map object, the
// party and script machines that record what they are asked.

#include "Library/scripts/entity_ref.h"
#include "Source/entities/creature_parts.h"
#include "Source/entities/map_object_link.h"
#include "Source/entities/party_services.h"
#include "Source/entities/script_machine.h"
#include "Source/entities/script_machine_factory.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace testsupport {

// What every recording fake of one test wrote, in order.
using CallLog = std::vector<std::string>;

class FakeCreature : public CreatureParts {
public:
    explicit FakeCreature(int strengthValue = 10, int healthValue = 100, CallLog* log = nullptr)
        : strength(strengthValue), health(healthValue), m_log(log) {}

    int GetStrength() const override { return strength; }
    int GetHitPointsPercent() const override { return health; }
    float GetSightRange() const override { return sightRange; }
    bool CanSee(const Vector& point) const override {
        return visible.count({static_cast<int>(point.x), static_cast<int>(point.y)}) > 0;
    }
    const EntityRef& GetTarget(int slot) const override {
        static const EntityRef kEmpty;
        return slot >= 0 && slot < kTargetSlots ? targets[slot] : kEmpty;
    }
    void RecordSeen(const EntityRef& ref) override { seen.push_back(ref); }
    void UpdateFrame(uint32_t) override { Note("creature"); }
    void SetHealPeriod(int period) override { healPeriod = period; }
    void DrawTextBubble(Screen&) override { Note("bubble"); }

    int strength;
    int health;
    float sightRange = 20.0f;
    int healPeriod = 0;
    std::set<std::pair<int, int>> visible; // the cells the creature's vision shows
    EntityRef targets[kTargetSlots];
    std::vector<EntityRef> seen;

private:
    void Note(const char* what) const {
        if (m_log)
            m_log->push_back(what);
    }
    CallLog* m_log;
};

// Records "<name> <event>" for each event posted and "<name> update" for each frame.
class RecordingScript : public ScriptMachine {
public:
    explicit RecordingScript(CallLog* log, std::string scriptName = "script")
        : name(std::move(scriptName)), m_log(log) {}

    bool LoadScript(const Stringc&) override { return true; }
    void Reset() override {}
    bool Update(uint32_t) override {
        Note("update");
        return false;
    }
    void ClearActions() override { Note("clear actions"); }
    void ClearEvents() override { Note("clear events"); }
    void PostEvent(int code) override { Note("event " + std::to_string(code)); }
    void PostEntityEvent(int code, const EntityRef& entity) override {
        Note("event " + std::to_string(code) + " " + entity.GetName().c_str());
    }
    void PostNumberEvent(int code, double number) override {
        Note("event " + std::to_string(code) + " " + std::to_string(static_cast<int>(number)));
    }
    void PostEntityNumberEvent(int code, const EntityRef& entity, double number) override {
        Note("event " + std::to_string(code) + " " + entity.GetName().c_str() + " " +
             std::to_string(static_cast<int>(number)));
    }

    std::string name;

private:
    void Note(const std::string& what) {
        if (m_log)
            m_log->push_back(name + " " + what);
    }
    CallLog* m_log;
};

// Installed for its lifetime: every machine made meanwhile records into the log, named
// "region" for the one without an owner and "slot" for the others.
class RecordingScriptFactory : public ScriptMachineFactory {
public:
    explicit RecordingScriptFactory(CallLog& log) : m_log(log) { SetScriptMachineFactory(this); }
    ~RecordingScriptFactory() override { SetScriptMachineFactory(nullptr); }

    std::unique_ptr<ScriptMachine> Create(Entity* owner) const override {
        return std::make_unique<RecordingScript>(&m_log, owner ? "slot" : "region");
    }

private:
    CallLog& m_log;
};

class FakeMapObject : public MapObjectLink {
public:
    FakeMapObject(uint32_t zoneKind, const Vector& zoneCentre, float zoneHalfSide, CallLog* log,
                  const std::string& name)
        : kind(zoneKind), centre(zoneCentre), halfSide(zoneHalfSide), script(log, name) {}

    uint32_t GetKind() const override { return kind; }
    bool ZoneContains(const Vector& point) const override {
        return std::abs(point.x - centre.x) <= halfSide && std::abs(point.y - centre.y) <= halfSide;
    }
    // The point of the square nearest to the given one.
    bool NearestZonePoint(const Vector& point, Vector& nearest) const override {
        nearest = point;
        nearest.x = std::max(centre.x - halfSide, std::min(point.x, centre.x + halfSide));
        nearest.y = std::max(centre.y - halfSide, std::min(point.y, centre.y + halfSide));
        return true;
    }
    ScriptMachine& GetScript() override { return script; }

    uint32_t kind;
    Vector centre;
    float halfSide;
    RecordingScript script;
};

class FakeParty : public PartyServices {
public:
    explicit FakeParty(CallLog* log = nullptr) : m_log(log) {}

    Entity* GetLeader() const override { return leader; }
    bool IsMember(const Entity* entity) const override { return members.count(entity) > 0; }
    void UpdateVision() override {
        if (m_log)
            m_log->push_back("vision");
    }

    Entity* leader = nullptr;
    std::set<const Entity*> members;

private:
    CallLog* m_log;
};

} // namespace testsupport
