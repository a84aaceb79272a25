#pragma once
// The engine's one global state object: the current and the requested game mode, whose
// change is carried out once per frame; the frame clock with its two pulses and blink; the
// pause, in-game and on-map flags; and the game's data paths, which it owns.

#include "Library/core/game_mode_id.h"
#include "Library/core/stringc.h"
#include "Library/files/data_paths.h"
#include "Library/world/mode_record.h"

#include <cstdint>

class ModePageFactory;
class TickSource;
class Vector;
struct Rect;

class GameMode {
public:
    static constexpr int kEntityTypeCount = DataPaths::kEntityTypeCount;
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

    DataPaths& Paths() { return m_paths; }
    const DataPaths& Paths() const { return m_paths; }
    void BuildPaths(const char* root) { m_paths.Build(root); }
    Stringc MakePath(const char* path) const { return m_paths.MakePath(path); }
    // Whether loaders read the archives: as set, except while an editor (modes 24-26) is
    // current, which reads and writes the loose tree so that it loads what it saved.
    bool GetUseResourceFiles() const { return m_paths.GetUseResourceFiles(); }
    void SetUseResourceFiles(bool use);

    // Requests take effect at the next ApplyPendingMode; the last request wins.
    void SetMode(int id, ModeArg a1 = 0, ModeArg a2 = 0, ModeArg a3 = 0, ModeArg a4 = 0);
    void SetModeFromRecord(const ModeRecord& record); // leaves the in-game and on-map flags
    // The current mode forgotten, so that the next request makes its page anew even for
    // the same id.
    void InvalidateMode();
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
    // The developers' overlay of the area map; off from Init.
    bool IsDebugView() const { return m_debugView; }
    void SetDebugView(bool on) { m_debugView = on; }
    bool IsInGame() const { return m_inGame; }
    bool IsOnMap() const { return m_onMap; }
    // What scripts leave for one another: the encounter flag the world map's area script
    // sets, and a tag kept with the player's data.
    bool GetEncounterFlag() const { return m_encounterFlag; }
    void SetEncounterFlag(bool set) { m_encounterFlag = set; }
    const Stringc& GetScriptTag() const { return m_scriptTag; }
    void SetScriptTag(const Stringc& tag) { m_scriptTag = tag; }
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

    const Stringc& GetRootDir() const { return m_paths.GetRootDir(); }
    const Stringc& GetGeneralResPath() const { return m_paths.GetGeneralResPath(); }
    const Stringc& GetAnimationResPath() const { return m_paths.GetAnimationResPath(); }
    const Stringc& GetSavePath() const { return m_paths.GetSavePath(); }
    const Stringc& GetAnimDir() const { return m_paths.GetAnimDir(); }
    const Stringc& GetGraphicDir() const { return m_paths.GetGraphicDir(); }
    const Stringc& GetMusicDir() const { return m_paths.GetMusicDir(); }
    const Stringc& GetSfxDir() const { return m_paths.GetSfxDir(); }
    const Stringc& GetInterfaceDir() const { return m_paths.GetInterfaceDir(); }
    const Stringc& GetTextDir() const { return m_paths.GetTextDir(); }
    const Stringc& GetRegionDir() const { return m_paths.GetRegionDir(); }
    const Stringc& GetTileMapDir() const { return m_paths.GetTileMapDir(); }
    const Stringc& GetMapGraphicDir() const { return m_paths.GetMapGraphicDir(); }
    const Stringc& GetEffectDir() const { return m_paths.GetEffectDir(); }
    const Stringc& GetSpellDir() const { return m_paths.GetSpellDir(); }
    const Stringc& GetProjMgrDir() const { return m_paths.GetProjMgrDir(); }
    const Stringc& GetExplMgrDir() const { return m_paths.GetExplMgrDir(); }
    const Stringc& Get2DArrayDir() const { return m_paths.Get2DArrayDir(); }
    const Stringc& GetScriptDir() const { return m_paths.GetScriptDir(); }
    Stringc GetEntityDir(int type) const { return m_paths.GetEntityDir(type); }
    const Stringc& GetUncompiledDataDir() const { return m_paths.GetUncompiledDataDir(); }
    const Stringc& GetUncompiledScriptDir() const { return m_paths.GetUncompiledScriptDir(); }
    Stringc GetUncompiledEntityDir(int type) const { return m_paths.GetUncompiledEntityDir(type); }

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

    void ApplyArchiveFlag();

    DataPaths m_paths;
    bool m_archiveWanted = false;

    ModeRecord m_current;
    ModeRecord m_pending;
    ModePageFactory* m_pages = nullptr;
    int m_screenWidth = 0;
    int m_screenHeight = 0;
    bool m_paused = false;
    bool m_debugView = false;
    bool m_inGame = false;
    bool m_onMap = false;
    bool m_encounterFlag = false;
    Stringc m_scriptTag;

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
