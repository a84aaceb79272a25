#pragma once
// The engine's one global state object: the data paths, all built once from the data
// root; the current and the requested game mode, whose change is carried out once per
// frame; the frame clock with its two pulses and blink; and the pause, in-game and
// on-map flags, and the one that sends loaders to the archives instead of loose files.

#include "Library/game_mode_id.h"
#include "Library/mode_record.h"
#include "Library/stringc.h"

#include <cstdint>
#include <memory>

class ModePageFactory;
class TickSource;
class Vector;
struct Rect;

class GameMode {
public:
    static constexpr int kEntityTypeCount = 12;
    static constexpr uint32_t kMaxFrameMs = 33;
    static constexpr uint32_t kBlinkMs = 450;
    // Results of ApplyPendingMode.
    static constexpr int kModeUnchanged = 0;
    static constexpr int kModeChangedWithSession = 1; // an editor: per-map objects made anew
    static constexpr int kModeChanged = 2;

    GameMode(); // the data root is the working directory; the screen size g_screen's
    GameMode(const GameMode&) = delete;
    GameMode& operator=(const GameMode&) = delete;
    ~GameMode();

    void Init(); // paths, mode 0, clocks and flags back to their start
    // Every data path from the root; a trailing '/' of the root is dropped.
    void BuildPaths(const char* root);

    // The archive entry name of a file path: without the data root and the '/' after it
    // (when the path starts with them, ignoring case), lower case, '/' separators.
    Stringc MakePath(const char* path) const;

    bool GetUseResourceFiles() const { return m_useResourceFiles; }
    void SetUseResourceFiles(bool use) { m_useResourceFiles = use; }

    // Requests take effect at the next ApplyPendingMode; the last request wins.
    void SetMode(int id, ModeArg a1 = 0, ModeArg a2 = 0, ModeArg a3 = 0, ModeArg a4 = 0);
    void SetModeFromRecord(const ModeRecord& record); // leaves the in-game and on-map flags
    // Once per frame: a request for another id than the current one becomes current and
    // its page is made through the page factory.
    int ApplyPendingMode();
    void SetPageFactory(ModePageFactory* pages) { m_pages = pages; } // not owned; null: none
    const ModeRecord& GetCurrentMode() const { return m_current; }
    int GetModeId() const { return m_current.GetId(); }
    int GetPendingModeId() const { return m_pending.GetId(); }

    // Once per frame, in this order.
    void UpdateFrameTime();
    bool UpdateBlink(); // true when the blink flag toggled
    void UpdatePulse();
    void UpdatePulse2();
    void SetTickSource(TickSource& ticks) { m_ticks = &ticks; } // not owned
    uint32_t GetFrameMs() const { return m_frameMs; }
    double GetFrameSeconds() const { return m_frameSeconds; }
    int GetPulse() const { return m_pulse.value; }   // 128-255
    int GetPulse2() const { return m_pulse2.value; } // 64-128
    bool GetBlink() const { return m_blink; }

    bool IsPaused() const { return m_paused; }
    void SetPaused(bool paused) { m_paused = paused; }
    bool IsInGame() const { return m_inGame; }
    bool IsOnMap() const { return m_onMap; }
    int GetScreenWidth() const { return m_screenWidth; }
    int GetScreenHeight() const { return m_screenHeight; }

    // In the area map the sound as asked; elsewhere once, at full volume, with no position.
    int PlaySound(const char* name, uint8_t flags, int volume, const Vector* position,
                  const Vector* velocity) const;

    // The screen's drawing clip rectangle (x1, y1, x2, y2); nothing without a screen.
    void InvalidateRect(const Rect& rect) const;
    void InvalidateRectXYWH(int x1, int y1, int x2, int y2) const;
    void InvalidateScreen() const; // the whole screen
    void InvalidateAll() const;    // the whole screen
    void GetClipRect(Rect& rect) const;

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
    // The sources the tools compile from: tables and definitions, scripts, entities.
    Stringc GetUncompiledDataDir() const { return m_uncompiledDataDir; }
    Stringc GetUncompiledScriptDir() const { return m_uncompiledScriptDir; }
    Stringc GetUncompiledEntityDir(int type) const;

private:
    // A value that swings between low and high by step, one step each time its timer
    // reaches 0.03 s.
    struct Pulse {
        double timer = 0;
        bool rising = true;
        int value = 0;

        void Reset(int start);
        void Update(double frameSeconds, int step, int low, int high);
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

    ModeRecord m_current;
    ModeRecord m_pending;
    ModePageFactory* m_pages = nullptr;
    int m_screenWidth = 0;
    int m_screenHeight = 0;
    bool m_paused = false;
    bool m_inGame = false;
    bool m_onMap = false;

    TickSource* m_ticks;
    uint32_t m_lastTicks = 0;
    uint32_t m_frameMs = 0;
    double m_frameSeconds = 0;
    Pulse m_pulse;
    Pulse m_pulse2;
    bool m_blink = false;
    uint32_t m_blinkMs = 0;
};

// Made by start-up; a tool makes its own on its data root and points this at it.
// Loaders that find it null fail.
extern GameMode* g_gameMode;
