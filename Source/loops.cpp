#include "Source/loops.h"

#include "Library/game_mode.h"
#include "Library/mode_page_factory.h"
#include "Library/rect.h"
#include "Library/screen.h"
#include "Library/sound_mgr.h"
#include "Library/stringc.h"
#include "Library/vector.h"
#include "Source/mode_page.h"
#include "Source/mode_pages.h"

#include <cstdlib>

namespace {

constexpr const char* kScreenshotName = "screen.bmp";
constexpr int kPauseFont = 3;

ModePages g_modePages;

// Carries out the game mode's changes on the frame driver.
class LoopsPageFactory : public ModePageFactory {
public:
    void DeleteModePages() override { Loops::DeleteModePages(); }
    void CreateModePages(const ModeRecord& mode) override { Loops::CreateModePages(mode); }
    void DeleteSessionObjects() override { Loops::DeleteSessionObjects(); }
    void CreateSessionObjects() override { Loops::CreateSessionObjects(); }
};

LoopsPageFactory g_pageFactory;

bool IsMapMode(int id) {
    return id == kModeAreaMap || id == kModeWorldMap;
}

Rect ScreenRect(const Screen& screen) {
    const PixelSurface& surface = screen.GetSurface();
    return Rect{0, 0, static_cast<int16_t>(surface.width), static_cast<int16_t>(surface.height)};
}

void DrawPauseBox(Screen& screen, const Rect& view) {
    const Stringc text("PAUSE MODE");
    const int x = view.x1 + std::abs(view.x1 - view.x2) / 2 - 38;
    const int y = view.y1 + std::abs(view.y1 - view.y2) / 2 - 8;
    const uint16_t colour = screen.GetDrawColour();
    screen.SetFont(kPauseFont);
    screen.DrawTextBox(x, y, text, 1, 0, 0, 0);
    screen.DrawText(x, y, text);
    screen.SetDrawColour(colour);
}

// Outside the area map the listener has no position.
void UpdateSoundListener() {
    if (!g_soundMgr)
        return;
    const Vector forward(0, 0, 1);
    const Vector up(0, -1, 0);
    g_soundMgr->Update(nullptr, nullptr, forward, up);
}

void HandleKeyRelease(SDLKey key) {
    const int mode = g_gameMode->GetModeId();
    if (mode == kModeAreaMap && key == SDLK_SPACE)
        g_gameMode->SetPaused(!g_gameMode->IsPaused());
    if (key == SDLK_F11 && g_screen)
        g_screen->SaveScreenshot(kScreenshotName);
}

} // namespace

void Loops::SetUp() {
    g_gameMode->SetPageFactory(&g_pageFactory);
    g_gameMode->SetMode(kModeTitleMenu);
    CreateSessionObjects();
}

void Loops::DeleteGlobals() {
    DeleteModePages();
    DeleteSessionObjects();
    if (g_gameMode)
        g_gameMode->SetPageFactory(nullptr);
}

void Loops::CreateSessionObjects() {}

void Loops::DeleteSessionObjects() {}

void Loops::CreateModePages(const ModeRecord& mode) {
    g_modePages.Create(mode);
    if (g_screen)
        g_screen->StartFade(1);
}

void Loops::DeleteModePages() {
    g_modePages.Delete();
}

ModePages& Loops::GetModePages() {
    return g_modePages;
}

void Loops::UpdateFrame(Screen& screen) {
    g_gameMode->ApplyPendingMode();
    if (ModePage* page = g_modePages.GetPage())
        page->Update(screen);
    UpdateSoundListener();
}

void Loops::RenderFrame(Screen& screen) {
    screen.GetSurfaceRect();
    DrawMode(screen);
    if (IsMapMode(g_gameMode->GetModeId()) && g_gameMode->IsPaused())
        DrawPauseBox(screen, ScreenRect(screen));
    screen.Flip();
}

void Loops::DrawMode(Screen& screen) {
    g_gameMode->InvalidateScreen();
    if (ModePage* page = g_modePages.GetPage())
        page->Draw(screen);
    g_gameMode->InvalidateAll();
}

void Loops::HandleKey(const SDL_Event& event) {
    if (event.type == SDL_KEYUP)
        HandleKeyRelease(event.key.keysym.sym);
    if (ModePage* page = g_modePages.GetPage())
        page->HandleEvent(event);
}
