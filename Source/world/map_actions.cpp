#include "Source/world/map_actions.h"

#include "Library/core/struct.h"

MapActions* g_mapActions = nullptr;

MapActions::MapActions(SoundMgr* const& sound) : m_queue(kInitialCapacity), m_sound(sound) {}

MapActions::~MapActions() {
    m_queue.DeleteAll();
}

void MapActions::Clear() {
    m_current = nullptr;
    m_queue.DeleteAll();
}

bool MapActions::Add(uint32_t kind, const MapBehaviour::Argument& argument) {
    if (m_current)
        m_current->Reset();
    std::unique_ptr<MapBehaviour> behaviour = MapBehaviour::Create(kind, argument, m_sound);
    if (!behaviour)
        return false;
    m_queue.Add(behaviour.release());
    return true;
}

void MapActions::Update() {
    if (!m_current && m_queue.CountUsed() == 0) {
        m_state = kIdle;
        return;
    }
    if (m_current) {
        if (m_current->Update()) {
            m_state = kRunning;
            return;
        }
        m_queue.Remove(m_current);
        ReleaseObject(m_current);
    }
    const int slot = m_queue.FindUsed([](const MapBehaviour&) { return true; });
    m_current = slot < 0 ? nullptr : m_queue.Get(slot);
    m_state = m_current ? kRunning : kDrained;
}

void MapActions::DrawDebug(int x, int y, Screen& screen) const {
    if (m_current)
        m_current->DrawDebug(x, y, screen);
}
