#pragma once
// Every path of the data tree, built once from the data root, and the switch that sends
// loaders to the resource archives instead of the loose files. The game mode owns the
// game's; a tool makes its own on its data root. Loaders reach it through g_dataPaths.

#include "Library/core/stringc.h"

#include <cctype>
#include <memory>

class DataPaths {
public:
    static constexpr int kEntityTypeCount = 12;

    DataPaths(); // the data root is the working directory
    explicit DataPaths(const char* root);
    DataPaths(const DataPaths&) = delete;
    DataPaths& operator=(const DataPaths&) = delete;
    ~DataPaths();

    // Every data path from the root; a trailing '/' of the root is dropped.
    void Build(const char* root);

    // The archive entry name of a file path: without the data root and the '/' after it
    // (when the path starts with them, ignoring case), lower case, '/' separators.
    Stringc MakePath(const char* path) const;
    // How many leading characters of path MakePath drops: the root and its '/', or none.
    int RootPrefixLength(const char* path) const;
    // A character of a path as MakePath gives it.
    static char NameChar(char c) {
        static const NameChars table;
        return table.of[static_cast<unsigned char>(c)];
    }

    bool GetUseResourceFiles() const { return m_useResourceFiles; }
    void SetUseResourceFiles(bool use) { m_useResourceFiles = use; }

    const Stringc& GetRootDir() const { return m_root; }
    const Stringc& GetGeneralResPath() const { return m_generalResPath; }
    const Stringc& GetAnimationResPath() const { return m_animationResPath; }
    const Stringc& GetSavePath() const { return m_savePath; }
    const Stringc& GetAnimDir() const { return m_animDir; }
    const Stringc& GetGraphicDir() const { return m_graphicDir; }
    const Stringc& GetMusicDir() const { return m_musicDir; }
    const Stringc& GetSfxDir() const { return m_sfxDir; }
    const Stringc& GetInterfaceDir() const { return m_interfaceDir; }
    const Stringc& GetTextDir() const { return m_textDir; }
    const Stringc& GetRegionDir() const { return m_regionDir; }
    const Stringc& GetTileMapDir() const { return m_tileMapDir; }
    const Stringc& GetMapGraphicDir() const { return m_mapGraphicDir; }
    const Stringc& GetEffectDir() const { return m_effectDir; }
    const Stringc& GetSpellDir() const { return m_spellDir; }
    const Stringc& GetProjMgrDir() const { return m_projMgrDir; }
    const Stringc& GetExplMgrDir() const { return m_explMgrDir; }
    const Stringc& Get2DArrayDir() const { return m_2DArrayDir; }
    const Stringc& GetScriptDir() const { return m_scriptDir; }
    Stringc GetEntityDir(int type) const; // "" for a type without a directory
    // The sources the tools compile from: tables and definitions, scripts, entities.
    const Stringc& GetUncompiledDataDir() const { return m_uncompiledDataDir; }
    const Stringc& GetUncompiledScriptDir() const { return m_uncompiledScriptDir; }
    Stringc GetUncompiledEntityDir(int type) const;

private:
    // Built once from the C library, so the characters are those ToLower gives.
    struct NameChars {
        NameChars();
        char of[256];
    };

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
    Stringc m_uncompiledDataDir;
    Stringc m_uncompiledScriptDir;
    std::unique_ptr<Stringc[]> m_entityDirs;
    std::unique_ptr<Stringc[]> m_uncompiledEntityDirs;
    bool m_useResourceFiles = false;
};

// The game's paths (its game mode's) or a tool's own; loaders that find it null fail or,
// where they can, read the path they were given as it stands.
extern DataPaths* g_dataPaths;
