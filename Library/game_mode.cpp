#include "Library/game_mode.h"

#include "Library/tracked_new.h"
#include "platform/win_io.h"
#include "platform/win_string.h"

GameMode* g_gameMode = nullptr;

namespace {

constexpr int kMaxRootLength = 4096;

// Slots 2, 9 and 10 have no directory.
constexpr const char* kEntityDirNames[GameMode::kEntityTypeCount] = {
    "/Entity/Base",       "/Entity/Item",  nullptr,          "/Entity/Soldier",
    "/Entity/Projectile", "/Entity/Cycle", "/Entity/Binary", "/Entity/Door",
    "/Entity/Container",  nullptr,         nullptr,          "/Entity/Town"};

} // namespace

GameMode::GameMode() : m_entityDirs(NEW Stringc[kEntityTypeCount]) {
    char root[kMaxRootLength];
    m_root = _getcwd(root, kMaxRootLength) != nullptr ? root : "";
    Init();
}

GameMode::~GameMode() = default;

void GameMode::Init() {
    BuildPaths(Stringc(m_root).c_str());
}

void GameMode::BuildPaths(const char* root) {
    m_root = root;
    m_root.BackslashToSlash();
    while (m_root.Length() > 1 && m_root[m_root.Length() - 1] == '/')
        m_root.DropLastChar();

    const Stringc compiled = m_root + "/Data";
    m_generalResPath = m_root + "/general.rsc";
    m_animationResPath = m_root + "/animation.rsc";
    m_savePath = m_root + "/SaveGame";
    m_animDir = m_root + "/art/anim";
    m_graphicDir = m_root + "/art/graphic";
    m_musicDir = m_root + "/sound/music";
    m_sfxDir = m_root + "/sound/sfx";
    m_interfaceDir = m_root + "/art/graphic/interface";
    m_textDir = m_root + "/text";
    m_regionDir = compiled + "/Region";
    m_tileMapDir = compiled + "/TileMap";
    m_mapGraphicDir = m_root + "/art/graphic/map";
    m_effectDir = compiled + "/Effect";
    m_spellDir = compiled + "/Spell";
    m_projMgrDir = compiled + "/ProjMgr";
    m_explMgrDir = compiled + "/ExplMgr";
    m_2DArrayDir = compiled + "/2DArray";
    m_scriptDir = m_root + "/Script";
    for (int type = 0; type < kEntityTypeCount; ++type)
        m_entityDirs[type] = kEntityDirNames[type] ? compiled + kEntityDirNames[type] : Stringc();
    m_rootPrefixLength = m_root.Length() + 1;
}

Stringc GameMode::MakePath(const char* path) const {
    Stringc name(path);
    name.BackslashToSlash();
    const int rootLength = m_rootPrefixLength - 1;
    if (rootLength > 0 && name.Length() > rootLength && name[rootLength] == '/' &&
        _strnicmp(name.c_str(), m_root.c_str(), static_cast<unsigned>(rootLength)) == 0)
        name = Stringc(name.c_str() + m_rootPrefixLength);
    name.ToLower();
    return name;
}

Stringc GameMode::GetEntityDir(int type) const {
    return type >= 0 && type < kEntityTypeCount ? m_entityDirs[type] : Stringc();
}
