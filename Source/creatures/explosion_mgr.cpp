#include "Source/creatures/explosion_mgr.h"

#include "Library/core/stringc.h"

ExplosionMgr* g_explosionMgr = nullptr;

ExplosionMgr::ExplosionMgr(EntityMgr* const& entities)
    : m_entities(entities), m_explosions(kCapacity) {}

ExplosionMgr::~ExplosionMgr() = default;

bool ExplosionMgr::TypeName(int type, Stringc& out) {
    switch (type) {
    case 1:
        out = "fire_ring";
        return true;
    case 2:
        out = "green_gas_cloud";
        return true;
    default:
        return false;
    }
}

bool ExplosionMgr::Create(int type, const LaunchedAbility& use) {
    Stringc name;
    if (!TypeName(type, name))
        return false;
    Explosion* explosion = m_explosions.Alloc();
    explosion->Reset();
    if (!explosion->Load(name.c_str())) {
        m_explosions.Free(m_explosions.SlotOf(explosion));
        return false;
    }
    explosion->SetAbility(use);
    return true;
}

void ExplosionMgr::Update(float frameSeconds) {
    if (m_entities == nullptr)
        return;
    for (int slot = 0; slot < m_explosions.GetCount(); ++slot)
        if (m_explosions.IsUsed(slot) && !m_explosions.Get(slot)->Update(*m_entities, frameSeconds))
            m_explosions.Free(slot);
}

void ExplosionMgr::Draw(Screen& screen, const MapView& view) const {
    for (int slot = 0; slot < m_explosions.GetCount(); ++slot)
        if (m_explosions.IsUsed(slot))
            m_explosions.Get(slot)->Draw(screen, view);
}

const Explosion* ExplosionMgr::GetRunning(int index) const {
    for (int slot = 0; slot < m_explosions.GetCount(); ++slot)
        if (m_explosions.IsUsed(slot) && index-- == 0)
            return m_explosions.Get(slot);
    return nullptr;
}
