#include "Library/world/game_mode.h"

#include "Library/core/tick_source.h"
#include "Library/core/tracked_new.h"
#include "Library/graphics/rect.h"
#include "Library/graphics/screen.h"
#include "Library/interface/mouse_mgr.h"
#include "Library/sound/sound_mgr.h"
#include "Library/world/mode_page_factory.h"

GameMode* g_gameMode = nullptr;

namespace {

constexpr int kDefaultScreenWidth = 800;
constexpr int kDefaultScreenHeight = 600;
constexpr double kPulseSeconds = 0.03;

bool IsEditorMode(int id) {
    return id >= kModeAnimationEditor && id <= kModeMapEditor;
}

} // namespace

GameMode::GameMode() : m_ticks(&TickSource::Sdl()) {
    Init();
}

GameMode::~GameMode() = default;

void GameMode::Init() {
    m_paths.Build(Stringc(m_paths.GetRootDir()).c_str());
    m_pending = ModeRecord(kModeNone, 0, 0, 0, 0);
    m_current = m_pending;
    m_screenWidth = g_screen ? g_screen->GetSurface().width : kDefaultScreenWidth;
    m_screenHeight = g_screen ? g_screen->GetSurface().height : kDefaultScreenHeight;
    m_paused = false;
    m_debugView = false;
    m_inGame = false;
    m_onMap = false;
    m_lastTicks = 0;
    m_frameMs = 0;
    m_frameSeconds = 0;
    m_pulse.Reset(128);
    m_pulse2.Reset(64);
    m_blink = false;
    m_blinkMs = 0;
}

void GameMode::SetUseResourceFiles(bool use) {
    m_archiveWanted = use;
    ApplyArchiveFlag();
}

void GameMode::ApplyArchiveFlag() {
    m_paths.SetUseResourceFiles(m_archiveWanted && !IsEditorMode(m_current.GetId()));
}

void GameMode::SetMode(int id, ModeArg a1, ModeArg a2, ModeArg a3, ModeArg a4) {
    if (id == kModeStoryPage)
        m_onMap = false;
    else if (id == kModeAreaMap)
        m_onMap = true;
    if (g_screen)
        g_screen->StartFade(0);
    m_pending = ModeRecord(id, a1, a2, a3, a4);
    if (id == kModeTitleMenu)
        m_inGame = false;
    else if (id == kModeStoryPage || id == kModeAreaMap)
        m_inGame = true;
}

void GameMode::SetModeFromRecord(const ModeRecord& record) {
    if (g_screen)
        g_screen->StartFade(0);
    m_pending = record;
}

void GameMode::InvalidateMode() {
    m_current = ModeRecord(kModeInvalid, 0, 0, 0, 0);
}

int GameMode::ApplyPendingMode() {
    // Only the ids count: the same mode asked again with other arguments changes nothing.
    if (m_current.GetId() == m_pending.GetId())
        return kModeUnchanged;
    if (g_mouseMgr)
        g_mouseMgr->ClearHoverText();
    m_current = m_pending;
    ApplyArchiveFlag();
    const int id = m_current.GetId();
    if (id >= kModeTitleMenu && id <= kModeGameOver) {
        if (m_pages) {
            m_pages->DeleteModePages();
            m_pages->CreateModePages(m_current);
        }
        return kModeChanged;
    }
    if (IsEditorMode(id)) {
        if (m_pages) {
            m_pages->DeleteModePages();
            m_pages->DeleteSessionObjects();
            m_pages->CreateSessionObjects();
            m_pages->CreateModePages(m_current);
        }
        return kModeChangedWithSession;
    }
    return kModeUnchanged;
}

void GameMode::UpdateFrameTime() {
    const uint32_t now = m_ticks->GetTicks();
    const uint32_t delta = now - m_lastTicks; // unsigned: right across the wrap
    m_frameMs = delta > kMaxFrameMs ? kMaxFrameMs : delta;
    m_lastTicks = now;
    m_frameSeconds = m_frameMs * 0.001;
}

bool GameMode::UpdateBlink() {
    m_blinkMs += m_frameMs;
    if (m_blinkMs < kBlinkMs)
        return false;
    m_blinkMs = 0;
    m_blink = !m_blink;
    return true;
}

void GameMode::UpdatePulse() {
    m_pulse.Update(m_frameSeconds, 20, 128, 255);
}

void GameMode::UpdatePulse2() {
    m_pulse2.Update(m_frameSeconds, 7, 64, 128);
}

void GameMode::Pulse::Reset(int start) {
    timer = 0;
    rising = true;
    value = start;
}

void GameMode::Pulse::Update(double frameSeconds, int step, int low, int high) {
    timer += frameSeconds;
    if (timer < kPulseSeconds)
        return;
    timer = 0;
    value += rising ? step : -step;
    if (rising && value > high) {
        value = high;
        rising = false;
    } else if (!rising && value < low) {
        value = low;
        rising = true;
    }
}

int GameMode::PlaySound(const char* name, uint8_t flags, int volume, const Vector* position,
                        const Vector* velocity) const {
    if (!g_soundMgr)
        return -1;
    if (GetModeId() == kModeAreaMap)
        return g_soundMgr->PlaySample(name, flags, volume, position, velocity);
    return g_soundMgr->PlaySample(name, 1, 255, nullptr, nullptr);
}

void GameMode::InvalidateRect(const Rect& rect) const {
    InvalidateRectXYWH(rect.x1, rect.y1, rect.x2, rect.y2);
}

void GameMode::InvalidateRectXYWH(int x1, int y1, int x2, int y2) const {
    if (g_screen)
        g_screen->SetClipRect(x1, y1, x2, y2);
}

void GameMode::InvalidateScreen() const {
    InvalidateRectXYWH(0, 0, m_screenWidth, m_screenHeight);
}

void GameMode::InvalidateAll() const {
    InvalidateScreen();
}

void GameMode::GetClipRect(Rect& rect) const {
    rect = g_clipRect;
}
