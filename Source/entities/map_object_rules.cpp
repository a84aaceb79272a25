// What creatures do to map objects: walking into travel points and traps, keys, skills
// and locks, with the sounds, messages and script events each gives.
#include "Source/entities/map_object.h"

#include "Library/sound/sound_mgr.h"
#include "Source/entities/creature_parts.h"
#include "Source/entities/journey_requests.h"
#include "Source/entities/player_messages.h"
#include "Source/entities/script_machine.h"
#include "Source/entities/soldier_entity.h"

#include <climits>
#include <cstdio>

JourneyRequests* g_journeyRequests = nullptr;
PlayerMessages* g_playerMessages = nullptr;

void MapObject::PlaySound(const Stringc& name) const {
    if (g_soundMgr != nullptr && name.Length() > 0)
        g_soundMgr->PlaySample(name.c_str(), 1, 255, &m_settings.position, nullptr);
}

void MapObject::ShowMessage(const char* text) {
    if (g_playerMessages != nullptr)
        g_playerMessages->Add(text);
}

void MapObject::Activate(Entity& entity) {
    Settings& s = m_settings;
    if (m_kind == kMapObjectTravel) {
        if (s.flags & kFlagSymbol)
            s.flags |= kFlagVisited;
        if (g_journeyRequests == nullptr)
            std::fprintf(stderr, "Travel point %s: no journey to %s can be asked for\n",
                         s.name.c_str(), s.targetMap.c_str());
        else if (s.flags & kFlagToWorldMap)
            g_journeyRequests->RequestMapToWorld(s.targetMap, s.targetEntry);
        else if (s.flags & kFlagToStoryPage)
            g_journeyRequests->RequestMapToPage(s.targetMap);
        else if (s.flags & kFlagFromTempMap)
            g_journeyRequests->RequestTempMapToWorld(s.targetMap, s.targetEntry);
        else
            g_journeyRequests->RequestMapToMap(s.targetMap, s.targetEntry);
        if (s.flags & kFlagReleaseOwner)
            m_owner.Release();
    } else if (m_kind == kMapObjectTrap && s.trapArmed) {
        if (RulesApply())
            s.trapFound = 1;
        if (!(s.flags & kFlagStaysArmed))
            s.trapArmed = 0;
        m_script->PostEvent16(entity.GetRef());
    }
}

void MapObject::OnItemUsed(Entity& /*user*/, const Stringc& itemName) {
    if (m_kind == kMapObjectInfo) {
        m_script->PostItemUsedEvent(itemName);
        return;
    }
    Settings& s = m_settings;
    if (!RulesApply() || s.keyItem.Length() == 0 || itemName != s.keyItem)
        return;
    bool used = false;
    if ((m_kind == kMapObjectContainer || m_kind == kMapObjectDoor) && s.locked) {
        s.locked = 0;
        PlaySound(s.unlockSound);
        used = true;
    }
    if (s.trapArmed || s.trapFound) {
        s.trapArmed = 0;
        s.trapFound = 1;
        used = true;
    }
    if (used)
        m_script->PostItemUsedEvent(itemName);
}

void MapObject::UseSkill(Entity& user, int skill, int mode) {
    if (!Entity::AsSoldier(&user))
        return;
    if (skill == kSkillLockPicking)
        PickLock(user);
    else if (skill == kSkillTraps && mode == 0)
        DisarmTrap(user);
    else if (skill == kSkillTraps && mode == 1)
        SearchTrap(user);
}

// A difficulty beyond the skill scale makes the chance hopeless, never wraps it round.
bool MapObject::SkillSucceeds(Entity& user, int skill, uint32_t difficulty) {
    SoldierEntity* soldier = nullptr;
    if (!Entity::AsSoldier(&user, &soldier) || soldier->GetCreature() == nullptr)
        return false;
    const int bounded = difficulty > INT_MAX ? INT_MAX : static_cast<int>(difficulty);
    return soldier->GetCreature()->TestSkill(skill, bounded);
}

void MapObject::SearchTrap(Entity& user) {
    Settings& s = m_settings;
    if (!RulesApply() || !s.trapArmed || s.trapFound)
        return;
    if (SkillSucceeds(user, kSkillTraps, s.searchDifficulty)) {
        s.trapFound = 1;
        ShowMessage("You found a trap!");
    }
}

void MapObject::DisarmTrap(Entity& user) {
    Settings& s = m_settings;
    if (!RulesApply() || !s.trapArmed || !s.trapFound)
        return;
    if (SkillSucceeds(user, kSkillTraps, s.disarmDifficulty)) {
        s.trapArmed = 0;
        ShowMessage("You disarmed the trap!");
    } else {
        ShowMessage("You failed to disarm it.");
    }
}

void MapObject::PickLock(Entity& user) {
    Settings& s = m_settings;
    if (!RulesApply() || (m_kind != kMapObjectContainer && m_kind != kMapObjectDoor))
        return;
    if (!s.locked) {
        ShowMessage("It is not locked.");
    } else if (SkillSucceeds(user, kSkillLockPicking, s.lockDifficulty)) {
        s.locked = 0;
        PlaySound(s.unlockSound);
        ShowMessage("You picked the lock!");
        m_script->PostLockPickedEvent(user.GetRef());
    } else {
        PlaySound(s.failedPickSound);
        ShowMessage("You failed to pick the lock.");
    }
}

void MapObject::Lock() {
    if (m_settings.locked)
        return;
    m_settings.locked = 1;
    PlaySound(m_settings.unlockSound);
}
