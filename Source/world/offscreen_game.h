#pragma once
// What a game's player data is read into and written from, away from play: a party in an
// entity manager of its own (no map, messages, journeys or commands), the script variables,
// the two timer tables, a journal and a clock. Checks of saved games and tests use it.

#include "Library/scripts/global_mgr.h"
#include "Library/scripts/global_timer_table.h"
#include "Source/entities/entity_mgr.h"
#include "Source/world/game_clock.h"
#include "Source/world/log_mgr.h"
#include "Source/world/party_mgr.h"
#include "Source/world/player_data.h"

class OffscreenGame {
public:
    OffscreenGame() = default;
    OffscreenGame(const OffscreenGame&) = delete;
    OffscreenGame& operator=(const OffscreenGame&) = delete;

    EntityMgr& Entities() { return m_entities; }
    PartyMgr& Party() { return m_party; }
    GlobalMgr& Globals() { return m_globals; }
    GlobalTimerTable& GameTimers() { return m_gameTimers; }
    GameClock& Clock() { return m_clock; }
    LogMgr& Journal() { return m_journal; }
    PlayerData::Keepers Keepers() {
        return {m_party, m_globals, m_gameTimers, m_realTimers, m_journal, m_clock};
    }

private:
    EntityMgr m_entities;
    EntityMgr* m_entitySlot = &m_entities;
    EntryPtMgr* m_entries = nullptr;
    PlayerMessages* m_messages = nullptr;
    JourneyRequests* m_journeys = nullptr;
    PartyActions* m_actions = nullptr;
    PartyMgr m_party{{m_entitySlot, m_entries, m_messages, m_journeys, m_actions, ""}};
    GlobalMgr m_globals;
    GlobalTimerTable m_gameTimers;
    GlobalTimerTable m_realTimers;
    LogMgr m_journal;
    GameClock m_clock{m_gameTimers, m_realTimers};
};
