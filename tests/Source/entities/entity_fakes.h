#pragma once
// Stand-ins for what the entities reach beyond themselves: a creature and the factory that
// gives every soldier one, the party, the player's messages, the journeys of travel points
// and script machines that record what they are asked; and square zones for map objects.

#include "Library/core/mem_mgr.h"
#include "Library/scripts/entity_ref.h"
#include "LibraryScriptCompiler/script_func_header.h"
#include "Source/entities/creature_parts.h"
#include "Source/entities/entity.h"
#include "Source/entities/journey_requests.h"
#include "Source/entities/map_object.h"
#include "Source/entities/party_services.h"
#include "Source/entities/player_messages.h"
#include "Source/entities/script_machine.h"
#include "Source/entities/script_machine_factory.h"
#include "Source/entities/soldier_entity.h"
#include "Source/entities/soldier_parts_factory.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace testsupport {

// What every recording fake of one test wrote, in order.
using CallLog = std::vector<std::string>;

// A creature whose values the test sets and whose parts record what they are asked.
class FakeCreature : public CreatureParts {
public:
    explicit FakeCreature(int strengthValue = 10, int healthValue = 100, CallLog* log = nullptr)
        : strength(strengthValue), health(healthValue), m_log(log) {}

    // The fake of a soldier made under a FakeCreatureFactory.
    static FakeCreature& Of(Entity* soldier);

    void Reset() override {}
    bool LoadRecords(Stream&) override { return true; }
    bool SaveRecords(Stream&) const override { return true; }
    bool LoadHealTimer(Stream&) override { return true; }
    bool SaveHealTimer(Stream&) const override { return true; }

    int GetStrength() const override { return strength; }
    int GetHitPointsPercent() const override { return health; }
    float GetHitPoints() const override { return hitPoints; }
    void AddHitPoints(float delta) override { hitPoints = std::max(0.0f, hitPoints + delta); }
    uint32_t GetExperienceValue() const override { return experience; }
    int GetTimerPercent() const override { return 0; }
    void ChargeTime(float) override {}
    const Stringc& GetScriptName(int index) const override {
        static const Stringc kNone;
        return index >= 0 && index < 7 ? scripts[index] : kNone;
    }
    const Stringc& GetDeathScope() const override { return deathScope; }
    int GetDisplayBits() const override { return 1; }
    void FadeColours(bool) override {}

    float GetSightRange() const override { return 20.0f; }
    bool CanSee(const Vector& point) const override {
        return visible.count({static_cast<int>(point.x), static_cast<int>(point.y)}) > 0;
    }
    void RecomputeVision(const Vector&) override {}
    const EntityRef& GetTarget(int slot) const override {
        static const EntityRef kEmpty;
        return slot >= 0 && slot < kTargetSlots ? targets[slot] : kEmpty;
    }
    void RecordSeen(const EntityRef& ref) override { seen.push_back(ref); }
    void RecordDamagedBy(const EntityRef& ref, int32_t) override { Note("damaged by", ref); }
    void RecordAttackedBy(const EntityRef& ref, int32_t) override { Note("attacked by", ref); }
    void RecordAttacking(const EntityRef& ref) override { Note("attacking", ref); }
    void RecordContact(const EntityRef& ref) override { Note("contact", ref); }
    bool TestSkill(int skill, int difficulty) override {
        Note("skill " + std::to_string(skill) + " against " + std::to_string(difficulty));
        return skillSucceeds;
    }

    void UpdateFrame(uint32_t) override { Note("creature"); }
    void SetHealPeriod(int) override {}
    void UpdateRecords(uint32_t) override {}

    void LoadArtSet() override {}
    void RefreshArt() override {}
    void UpdateArt() override {}
    void DrawArt(Screen&) override {}
    void ShowBlood() override { Note("blood"); }
    void SetColourLevel(int, int, int) override {}

    CarriedItems* GetCarried() override { return nullptr; }

    const Stringc& GetDialogueName() const override { return dialogueName; }
    const Stringc& GetDialogueLabel() const override { return dialogueLabel; }
    void SetDialogueLabel(const Stringc& label) override { dialogueLabel = label; }
    uint32_t GetDialogueValue() const override { return dialogueValue; }
    void SetDialogueValue(uint32_t value) override { dialogueValue = value; }
    void SetWillTrade(bool trades) override { willTrade = trades; }

    int strength;
    int health;
    float hitPoints = 10.0f;
    uint32_t experience = 0;
    bool skillSucceeds = false;
    Stringc scripts[7];
    Stringc deathScope;
    Stringc dialogueName;
    Stringc dialogueLabel = "start";
    uint32_t dialogueValue = 0;
    bool willTrade = true;
    std::set<std::pair<int, int>> visible; // the cells the creature's vision shows
    EntityRef targets[kTargetSlots];
    std::vector<EntityRef> seen;

private:
    void Note(const std::string& what) const {
        if (m_log)
            m_log->push_back(what);
    }
    void Note(const char* what, const EntityRef& ref) const {
        Note(std::string(what) + " " + ref.GetName().c_str());
    }
    CallLog* m_log;
};

// Installed for its lifetime: every soldier handed out meanwhile gets a FakeCreature
// recording into the log.
class FakeCreatureFactory : public SoldierPartsFactory {
public:
    explicit FakeCreatureFactory(CallLog* log = nullptr) : m_log(log) {
        SetSoldierPartsFactory(this);
    }
    ~FakeCreatureFactory() override { SetSoldierPartsFactory(nullptr); }

    std::unique_ptr<CreatureParts> CreateCreature(SoldierEntity&) const override {
        return std::make_unique<FakeCreature>(10, 100, m_log);
    }

private:
    CallLog* m_log;
};

inline FakeCreature& FakeCreature::Of(Entity* soldier) {
    return dynamic_cast<FakeCreature&>(*static_cast<SoldierEntity*>(soldier)->GetCreature());
}

// Records "<name> <event>" for each event posted and "<name> update" for each frame.
class RecordingScript : public ScriptMachine {
public:
    explicit RecordingScript(CallLog* log, std::string scriptName = "script")
        : name(std::move(scriptName)), m_log(log) {}

    bool LoadScript(const Stringc&) override { return loads; }
    void Reset() override {}
    bool Update(uint32_t) override {
        Note("update");
        return busy;
    }
    bool HasFired() const override { return fired; }
    void SetPeriod(int) override {}
    void ClearActions() override { Note("clear actions"); }
    void ClearEvents() override { Note("clear events"); }
    void SetKeepOwnerCommand(bool) override {}
    int QuietMs() const override { return quietMs; }
    void CountQuietMs(int ms) override { Note("counted " + std::to_string(ms)); }
    // "event <code>", then the names of its entities, its numbers and its texts.
    void PostEvent(const ScriptFuncHeader& event) override {
        std::string note = "event " + std::to_string(event.GetId());
        for (int i = 0; i < event.ObjectCount(); ++i)
            note += std::string(" ") + event.GetObject(i).GetName().c_str();
        for (int i = 0; i < event.NumberCount(); ++i)
            note += " " + std::to_string(static_cast<int64_t>(event.GetNumber(i)));
        for (int i = 0; i < event.StringCount(); ++i)
            note += std::string(" ") + event.GetString(i).c_str();
        Note(note);
    }

    std::string name;
    bool busy = false;
    bool fired = false;
    bool loads = true;
    int quietMs = -1; // never quiet

private:
    void Note(const std::string& what) {
        if (m_log)
            m_log->push_back(name + " " + what);
    }
    CallLog* m_log;
};

// Installed for its lifetime: every machine made meanwhile records into the log, named
// "region" for the one without an owner, after their owner's class for map objects and
// towns ("trigger", "chest", "door", "town"), and "slot" for a soldier's.
class RecordingScriptFactory : public ScriptMachineFactory {
public:
    explicit RecordingScriptFactory(CallLog& log) : m_log(log) { SetScriptMachineFactory(this); }
    ~RecordingScriptFactory() override { SetScriptMachineFactory(nullptr); }

    std::unique_ptr<ScriptMachine> Create(Entity* owner) const override {
        return std::make_unique<RecordingScript>(&m_log, NameOf(owner));
    }

private:
    static std::string NameOf(const Entity* owner) {
        switch (owner ? owner->GetType() : -1) {
        case -1:
            return "region";
        case Entity::kTypeTrigger:
            return "trigger";
        case Entity::kTypeContainerMap:
            return "chest";
        case Entity::kTypeDoor:
            return "door";
        case Entity::kTypeTown:
            return "town";
        default:
            return "slot";
        }
    }

    CallLog& m_log;
};

// A log and, for their lifetime, the script machines and creatures that record into it.
class RecordingFakes {
public:
    int Count(const std::string& entry) const {
        return static_cast<int>(std::count(m_log.begin(), m_log.end(), entry));
    }

protected:
    CallLog m_log;
    RecordingScriptFactory m_scripts{m_log};
    FakeCreatureFactory m_creatures{&m_log};
};

// The square zone of the half side around the centre, as the map object's current one.
inline void SetSquareZone(MapObject& mapObject, const Vector& centre, float halfSide) {
    MemMgr<Vector> points;
    points.Alloc()->Set(centre.x - halfSide, centre.y - halfSide, 0.0f);
    points.Alloc()->Set(centre.x + halfSide, centre.y - halfSide, 0.0f);
    points.Alloc()->Set(centre.x + halfSide, centre.y + halfSide, 0.0f);
    points.Alloc()->Set(centre.x - halfSide, centre.y + halfSide, 0.0f);
    mapObject.BuildZone(points);
}

// Installed for its lifetime: the messages for the player, in order.
class RecordingMessages : public PlayerMessages {
public:
    RecordingMessages() { g_playerMessages = this; }
    ~RecordingMessages() override { g_playerMessages = nullptr; }
    void Add(const char* text) override { shown.push_back(text); }

    std::vector<std::string> shown;
};

// Installed for its lifetime: "<request> <map> <entry point>" for each journey asked for.
class RecordingJourneys : public JourneyRequests {
public:
    RecordingJourneys() { g_journeyRequests = this; }
    ~RecordingJourneys() override { g_journeyRequests = nullptr; }
    void RequestMapToWorld(const Stringc& map, const Stringc& entry) override {
        asked.push_back(std::string("to world ") + map.c_str() + " " + entry.c_str());
    }
    void RequestMapToPage(const Stringc& page) override {
        asked.push_back(std::string("to page ") + page.c_str() + " ");
    }
    void RequestTempMapToWorld(const Stringc& map, const Stringc& entry) override {
        asked.push_back(std::string("temporary to world ") + map.c_str() + " " + entry.c_str());
    }
    void RequestMapToMap(const Stringc& map, const Stringc& entry) override {
        asked.push_back(std::string("to map ") + map.c_str() + " " + entry.c_str());
    }

    std::vector<std::string> asked;
};

class FakeParty : public PartyServices {
public:
    explicit FakeParty(CallLog* log = nullptr) : m_log(log) {}

    Entity* GetLeader() const override { return leader; }
    bool IsMember(const Entity* entity) const override { return members.count(entity) > 0; }
    void ShareAmong(uint32_t amount) override { shared.push_back(amount); }
    void RemoveMember(Entity* entity) override { members.erase(entity); }
    void ForgetMember(const Entity* entity) override {
        members.erase(entity);
        if (leader == entity)
            leader = nullptr;
    }
    void UpdateVision() override {
        if (m_log)
            m_log->push_back("vision");
    }

    Entity* leader = nullptr;
    std::set<const Entity*> members;
    std::vector<uint32_t> shared;

private:
    CallLog* m_log;
};

} // namespace testsupport
