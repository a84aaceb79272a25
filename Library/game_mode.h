#pragma once
// The engine's one global state object: the data paths, all built once from the data
// root, and the flag that sends loaders to the resource archives instead of loose files.

#include "Library/stringc.h"

#include <memory>

class GameMode {
public:
    static constexpr int kEntityTypeCount = 12;

    GameMode(); // the data root is the working directory
    GameMode(const GameMode&) = delete;
    GameMode& operator=(const GameMode&) = delete;
    ~GameMode();

    void Init();
    // Every data path from the root; a trailing '/' of the root is dropped.
    void BuildPaths(const char* root);

    // The archive entry name of a file path: without the data root and the '/' after it
    // (when the path starts with them, ignoring case), lower case, '/' separators.
    Stringc MakePath(const char* path) const;

    bool GetUseResourceFiles() const { return m_useResourceFiles; }
    void SetUseResourceFiles(bool use) { m_useResourceFiles = use; }

    Stringc GetRootDir() const { return m_root; }
    Stringc GetGeneralResPath() const { return m_generalResPath; }
    Stringc GetAnimationResPath() const { return m_animationResPath; }
    Stringc GetSavePath() const { return m_savePath; }
    Stringc GetAnimDir() const { return m_animDir; }
    Stringc GetGraphicDir() const { return m_graphicDir; }
    Stringc GetMusicDir() const { return m_musicDir; }
    Stringc GetSfxDir() const { return m_sfxDir; }
    Stringc GetInterfaceDir() const { return m_interfaceDir; }
    Stringc GetTextDir() const { return m_textDir; }
    Stringc GetRegionDir() const { return m_regionDir; }
    Stringc GetTileMapDir() const { return m_tileMapDir; }
    Stringc GetMapGraphicDir() const { return m_mapGraphicDir; }
    Stringc GetEffectDir() const { return m_effectDir; }
    Stringc GetSpellDir() const { return m_spellDir; }
    Stringc GetProjMgrDir() const { return m_projMgrDir; }
    Stringc GetExplMgrDir() const { return m_explMgrDir; }
    Stringc Get2DArrayDir() const { return m_2DArrayDir; }
    Stringc GetScriptDir() const { return m_scriptDir; }
    Stringc GetEntityDir(int type) const; // "" for a type without a directory

private:
    Stringc m_root;
    Stringc m_generalResPath;
    Stringc m_animationResPath;
    Stringc m_savePath;
    Stringc m_animDir;
    Stringc m_graphicDir;
    Stringc m_musicDir;
    Stringc m_sfxDir;
    Stringc m_interfaceDir;
    Stringc m_textDir;
    Stringc m_regionDir;
    Stringc m_tileMapDir;
    Stringc m_mapGraphicDir;
    Stringc m_effectDir;
    Stringc m_spellDir;
    Stringc m_projMgrDir;
    Stringc m_explMgrDir;
    Stringc m_2DArrayDir;
    Stringc m_scriptDir;
    std::unique_ptr<Stringc[]> m_entityDirs;
    int m_rootPrefixLength = 0;
    bool m_useResourceFiles = false;
};

// Made by start-up; a tool makes its own on its data root and points this at it.
// Loaders that find it null fail.
extern GameMode* g_gameMode;
