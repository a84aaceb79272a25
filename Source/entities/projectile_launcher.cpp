#include "Source/entities/projectile_launcher.h"

#include "Library/core/game_mode_id.h"
#include "Source/entities/projectile_mgr.h"
#include "Source/entities/view_transform.h"

ProjectileLauncher* g_projectileLauncher = nullptr;

ProjectileLauncher::ProjectileLauncher(EntityMgr* const& entities) : m_entities(entities) {}

const char* ProjectileLauncher::GetKindName(int kind) {
    static const char* const kNames[] = {
        "arrow",          "rock",           "grenade",        "knife",
        "spear",          "rocket",         "magic_missle_1", "magic_missle_2",
        "magic_missle_3", "stinking_cloud", "fireball",
    };
    return kind >= kFirstKind && kind <= kLastKind ? kNames[kind - kFirstKind] : nullptr;
}

bool ProjectileLauncher::Fire(int kind, const LaunchedAbility& ability) {
    const char* name = GetKindName(kind);
    if (name == nullptr)
        return false;
    EntityMgr* live = CurrentModeId() == kModeAreaMap ? m_entities : nullptr;
    ProjectileMgr set(live, &ability);
    return set.Load(name);
}
