#include "Library/files/data_paths.h"

#include "Library/core/tracked_new.h"
#include "platform/win_io.h"

#include <cctype>

DataPaths* g_dataPaths = nullptr;

namespace {

constexpr int kMaxRootLength = 4096;

// Slots 2, 9 and 10 have no directory.
constexpr const char* kEntityDirNames[DataPaths::kEntityTypeCount] = {
    "/Entity/Base",       "/Entity/Item",  nullptr,          "/Entity/Soldier",
    "/Entity/Projectile", "/Entity/Cycle", "/Entity/Binary", "/Entity/Door",
    "/Entity/Container",  nullptr,         nullptr,          "/Entity/Town"};

Stringc WorkingDirectory() {
    char root[kMaxRootLength];
    return _getcwd(root, kMaxRootLength) != nullptr ? Stringc(root) : Stringc();
}

} // namespace

DataPaths::DataPaths() : DataPaths(WorkingDirectory().c_str()) {}

DataPaths::DataPaths(const char* root)
    : m_entityDirs(NEW Stringc[kEntityTypeCount]),
      m_uncompiledEntityDirs(NEW Stringc[kEntityTypeCount]) {
    Build(root);
}

DataPaths::~DataPaths() = default;

void DataPaths::Build(const char* root) {
    m_root = root;
    m_root.NormaliseDirectory();

    const Stringc compiled = m_root + "/Data";
    m_uncompiledDataDir = m_root + "/uncompiled/data";
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
    m_uncompiledScriptDir = m_root + "/Uncompiled/Script";
    for (int type = 0; type < kEntityTypeCount; ++type) {
        const char* name = kEntityDirNames[type];
        m_entityDirs[type] = name ? compiled + name : Stringc();
        m_uncompiledEntityDirs[type] = name ? m_uncompiledDataDir + name : Stringc();
    }
}

DataPaths::NameChars::NameChars() {
    for (int c = 0; c < 256; ++c)
        of[c] = static_cast<char>(std::tolower(c == '\\' ? '/' : c));
}

int DataPaths::RootPrefixLength(const char* path) const {
    const int rootLength = m_root.Length();
    if (path == nullptr || rootLength == 0)
        return 0;
    for (int i = 0; i < rootLength; ++i)
        if (path[i] == '\0' || static_cast<unsigned char>(NameChar(path[i])) !=
                                   std::tolower(static_cast<unsigned char>(m_root[i])))
            return 0;
    return NameChar(path[rootLength]) == '/' ? rootLength + 1 : 0;
}

Stringc DataPaths::MakePath(const char* path) const {
    Stringc name(path == nullptr ? path : path + RootPrefixLength(path));
    name.BackslashToSlash();
    name.ToLower();
    return name;
}

Stringc DataPaths::GetEntityDir(int type) const {
    return type >= 0 && type < kEntityTypeCount ? m_entityDirs[type] : Stringc();
}

Stringc DataPaths::GetUncompiledEntityDir(int type) const {
    return type >= 0 && type < kEntityTypeCount ? m_uncompiledEntityDirs[type] : Stringc();
}
