// Membership, the stored forms and the flight off a map.
#include "Source/world/party_mgr.h"

#include "Library/core/maths.h"
#include "Library/core/stream.h"
#include "Library/files/file_stream.h"
#include "Library/world/random_source.h"
#include "Source/creatures/creature.h"
#include "Source/creatures/creature_inventory.h"
#include "Source/creatures/game_rules.h"
#include "Source/entities/creature_commands.h"
#include "Source/entities/creature_placement.h"
#include "Source/entities/entity_mgr.h"
#include "Source/entities/entity_queries.h"
#include "Source/entities/item_entity.h"
#include "Source/entities/journey_requests.h"
#include "Source/entities/player_messages.h"
#include "Source/entities/script_machine.h"
#include "Source/entities/soldier_entity.h"
#include "Source/entities/soldier_planner.h"
#include "Source/world/party_actions.h"

#include <algorithm>
#include <cstdio>
#include <vector>

PartyMgr* g_partyMgr = nullptr;
PartyActions* g_partyActions = nullptr;

namespace {

constexpr float kFarCorner = 1000000.0f;
const Vector kCorners[] = {
    Vector(-kFarCorner, -kFarCorner, 0),
    Vector(kFarCorner, -kFarCorner, 0),
    Vector(kFarCorner, kFarCorner, 0),
    Vector(-kFarCorner, kFarCorner, 0),
};
constexpr float kBackHitShare = 0.3f;

bool IsCommandRunning(const SoldierEntity& member) {
    const CreatureCommands* behaviour = member.GetBehaviour();
    return behaviour != nullptr && behaviour->GetStatus() == CreatureCommands::kStatusRunning;
}

bool IsDead(const SoldierEntity& member) {
    const CreatureParts* creature = member.GetCreature();
    return creature == nullptr || creature->GetHitPoints() <= 0;
}

void RunStartScripts(SoldierEntity& soldier) {
    for (int slot = 0; slot < SoldierEntity::kEventSlots; ++slot) {
        ScriptMachine& script = soldier.GetScriptSlot(slot);
        script.PostStartEvent();
        script.Update(0);
    }
}

} // namespace

PartyMgr::PartyMgr(const Services& services) : m_services(services) {}

void PartyMgr::Reset() {
    m_fleeing = false;
    m_members.fill(nullptr);
    m_slots.fill(nullptr);
    m_levelUpPending.fill(false);
}

SoldierEntity* PartyMgr::MakeSoldier() const {
    EntityMgr* entities = m_services.entities;
    SoldierEntity* soldier = nullptr;
    if (entities == nullptr ||
        !Entity::AsSoldier(entities->CreateEntity(0, 0, 0, Entity::kTypeSoldier), &soldier))
        return nullptr;
    return soldier;
}

void PartyMgr::ReleaseSoldier(SoldierEntity* soldier) const {
    EntityMgr* entities = m_services.entities;
    if (soldier != nullptr && entities != nullptr && entities->IsSoldierLive(soldier))
        entities->ReleaseEntity(soldier);
}

bool PartyMgr::AddToList(SoldierEntity* soldier) {
    if (IsMember(soldier))
        return false;
    for (SoldierEntity*& entry : m_members) {
        if (entry == nullptr) {
            entry = soldier;
            return true;
        }
    }
    return false;
}

bool PartyMgr::AddCharacterByName(const Stringc& name) {
    Reset();
    SoldierEntity* soldier = MakeSoldier();
    if (soldier == nullptr)
        return false;
    if (!soldier->LoadByName(name)) {
        ReleaseSoldier(soldier);
        return false;
    }
    soldier->AddFlags(Entity::kFlagPartyMember);
    AddToList(soldier);
    RebuildSlots();
    return true;
}

// A creature freed by its manager has no place in the party: its slot may soon hold another.
bool PartyMgr::AddMember(Entity* entity) {
    const EntityMgr* entities = m_services.entities;
    SoldierEntity* soldier = nullptr;
    if (entities == nullptr || !entities->IsSoldierLive(entity) ||
        !Entity::AsSoldier(entity, &soldier) || IsFull() || IsMember(soldier))
        return false;
    AddToList(soldier);
    soldier->AddFlags(Entity::kFlagPartyMember);
    if (SoldierEntity* leader = GetLeaderSoldier()) {
        soldier->SetRunning(leader->IsRunning());
        ItemEntity* money = nullptr;
        Creature* creature = Creature::Of(soldier);
        if (creature != nullptr && creature->GetData().GetInventory().FindByName(kMoneyItem, money))
            MoveMoney(*soldier, leader, money->GetStackSize());
    }
    RebuildSlots();
    return true;
}

void PartyMgr::RemoveMember(Entity* entity) {
    if (entity != GetLeader())
        DropFromList(entity);
}

void PartyMgr::ForgetMember(const Entity* entity) {
    if (entity != nullptr && entity == GetLeader())
        m_levelUpPending[0] = false; // the leader's, to be spent on its sheet
    DropFromList(entity);
}

// A newcomer takes the first free entry, so none is left ahead of the leader's: the new
// leader is the oldest member left.
void PartyMgr::DropFromList(const Entity* entity) {
    const auto entry = std::find(m_members.begin(), m_members.end(), entity);
    if (entity == nullptr || entry == m_members.end())
        return;
    *entry = nullptr;
    std::rotate(m_members.begin(),
                std::find_if(m_members.begin(), m_members.end(),
                             [](const SoldierEntity* member) { return member != nullptr; }),
                m_members.end());
    RebuildSlots();
}

bool PartyMgr::ReleaseAll() {
    bool released = true;
    EntityMgr* entities = m_services.entities;
    for (SoldierEntity*& entry : m_members) {
        SoldierEntity* soldier = entry;
        entry = nullptr;
        if (soldier == nullptr || entities == nullptr || !entities->IsSoldierLive(soldier))
            continue;
        entities->ReleaseEntity(soldier);
        released = released && !entities->IsSoldierLive(soldier);
    }
    ClearSlots();
    return released;
}

void PartyMgr::RebuildSlots() {
    ClearSlots();
    int slot = 0;
    ForEachMember([&](SoldierEntity& member) { m_slots[slot++] = &member; });
}

void PartyMgr::ClearSlots() {
    m_slots.fill(nullptr);
}

SoldierEntity* PartyMgr::GetSlot(int index) const {
    return IsValidSlot(index) ? m_slots[index] : nullptr;
}

Entity* PartyMgr::GetLeader() const {
    return m_slots[0];
}

bool PartyMgr::FindSlot(const Entity* member, int& index) const {
    if (member == nullptr)
        return false;
    for (int slot = 0; slot < kMaxMembers; ++slot) {
        if (m_slots[slot] == member) {
            index = slot;
            return true;
        }
    }
    return false;
}

int PartyMgr::GetCount() const {
    int count = 0;
    ForEachMember([&](SoldierEntity&) { ++count; });
    return count;
}

bool PartyMgr::IsMember(const Entity* entity) const {
    if (entity == nullptr)
        return false;
    for (const SoldierEntity* member : m_members)
        if (member == entity)
            return true;
    return false;
}

bool PartyMgr::FindByName(const Stringc& name) const {
    Stringc wanted(name);
    wanted.StripExtension();
    bool found = false;
    ForEachMember(
        [&](SoldierEntity& member) { found = found || member.GetTemplateName() == wanted; });
    return found;
}

// ---- the stored forms ----

bool PartyMgr::Save(Stream& stream) const {
    const int32_t count = GetCount();
    if (stream.Write(&count, sizeof count) != kStreamOk)
        return false;
    bool written = true;
    ForEachMember([&](SoldierEntity& member) { written = written && member.Save(stream); });
    return written;
}

bool PartyMgr::Load(Stream& stream) {
    Reset();
    int32_t count = 0;
    if (stream.Read(&count, sizeof count) != kStreamOk)
        return false;
    if (count < 0 || count > kMaxMembers) {
        std::fprintf(stderr, "The saved party holds %d members; at most %d can be read\n", count,
                     kMaxMembers);
        return false;
    }
    std::vector<SoldierEntity*> made;
    for (int index = 0; index < count; ++index) {
        SoldierEntity* soldier = MakeSoldier();
        if (soldier != nullptr)
            made.push_back(soldier);
        if (soldier == nullptr || !soldier->Load(stream) || !AddToList(soldier)) {
            Reset();
            for (SoldierEntity* unread : made)
                ReleaseSoldier(unread);
            return false;
        }
        soldier->AddFlags(Entity::kFlagPartyMember);
    }
    RebuildSlots();
    return true;
}

bool PartyMgr::SavePlayer() const {
    const SoldierEntity* leader = GetLeaderSoldier();
    return leader != nullptr &&
           FileStream::WriteReplacing(m_services.playerFile.c_str(),
                                      [leader](Stream& stream) { return leader->Save(stream); });
}

bool PartyMgr::LoadPlayer() {
    Reset();
    FileStream file(m_services.playerFile.c_str(), kStreamReadBinary);
    if (!file.IsOpen()) {
        std::fprintf(stderr, "%s: the player's character cannot be opened\n",
                     m_services.playerFile.c_str());
        return false;
    }
    SoldierEntity* soldier = MakeSoldier();
    if (soldier == nullptr || !soldier->Load(file)) {
        std::fprintf(stderr, "%s: the player's character cannot be read\n",
                     m_services.playerFile.c_str());
        ReleaseSoldier(soldier);
        return false;
    }
    soldier->AddFlags(Entity::kFlagPartyMember);
    RunStartScripts(*soldier);
    AddToList(soldier);
    RebuildSlots();
    return true;
}

// ---- the flight off a map ----

void PartyMgr::StartFlee(const Stringc& region, const Stringc& entry) {
    if (m_fleeing)
        return;
    if (EntityMgr* entities = m_services.entities)
        entities->StartCombatCountdown();
    m_fleeing = true;
    m_fleeRegion = region;
    m_fleeEntry = entry;
    PartyActions* actions = m_services.actions;
    ForEachMember([&](SoldierEntity& member) {
        if (actions != nullptr)
            actions->EscapeArea(member, false);
    });
}

bool PartyMgr::IsOffMap(const SoldierEntity& member) const {
    for (const Vector& corner : kCorners)
        if (member.GetPosition() == corner)
            return true;
    return false;
}

// The draw's upper bound is exclusive: the last corner is never taken.
void PartyMgr::SendOffMap(SoldierEntity& member) const {
    if (RemoveEntityFromMap(member))
        member.SetPosition(kCorners[GameRules::Random().Int(0, 3)]);
}

// A dead member is done: the death handling takes it out of the party.
void PartyMgr::UpdateFlee() {
    if (!m_fleeing)
        return;
    if (EntityMgr* entities = m_services.entities)
        entities->StartCombatCountdown();
    bool busy = false;
    ForEachMember([&](SoldierEntity& member) {
        if (IsDead(member) || IsOffMap(member))
            return;
        if (IsCommandRunning(member)) {
            busy = true;
            return;
        }
        HitInBack(member);
        if (!IsDead(member))
            SendOffMap(member);
    });
    const SoldierEntity* leader = GetLeaderSoldier();
    if (leader == nullptr || IsDead(*leader)) {
        m_fleeing = false;
        return;
    }
    if (busy)
        return;
    m_fleeing = false;
    ForEachMember([](SoldierEntity& member) { member.RemoveFlags(Entity::kFlagNeverSaved); });
    if (JourneyRequests* journeys = m_services.journeys)
        journeys->RequestTempMapToWorld(m_fleeRegion, m_fleeEntry);
}

void PartyMgr::HitInBack(SoldierEntity& member) {
    EntityMgr* entities = member.GetManager();
    Creature* creature = Creature::Of(&member);
    if (entities == nullptr || creature == nullptr || IsDead(member) ||
        !AreEnemiesOnMap(*entities, member))
        return;
    const int limit = RoundToInt(creature->GetData().GetMaxHitPoints() * kBackHitShare);
    const int damage = GameRules::Random().Int(0, limit);
    if (damage <= 0)
        return;
    creature->AddHitPoints(static_cast<float>(-damage));
    Stringc text;
    text.Format(damage == 1 ? "%s was hit in the back for %d point of damage."
                            : "%s was hit in the back for %d points of damage.",
                member.GetDisplayName().c_str(), damage);
    AddMessage(text.c_str());
    if (IsDead(member)) {
        text.Format("%s is dead!", member.GetDisplayName().c_str());
        AddMessage(text.c_str());
    }
}

void PartyMgr::AddMessage(const char* text) const {
    if (PlayerMessages* messages = m_services.messages)
        messages->Add(text);
}

bool PartyMgr::FindSpotNear(Entity& creature, const Vector& centre, Vector& out) {
    EntityMgr* entities = m_services.entities;
    SoldierPlanner* planner = entities ? entities->GetPlanner() : nullptr;
    return planner != nullptr &&
           planner->FindSpotOnRadii(creature, centre, m_nearDistance, m_farDistance, out);
}

const Stringc& PartyMgr::GetSlotName(int index) const {
    static const Stringc kNone;
    return index >= 0 && index < kMaxMembers ? m_names[static_cast<size_t>(index)] : kNone;
}
