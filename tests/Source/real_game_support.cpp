#include "real_game.h"

#include "Library/graphics/colour.h"
#include "Library/graphics/rect.h"
#include "Library/graphics/screen.h"
#include "Library/graphics/screen_pos.h"
#include "Library/interface/directory_panel.h"
#include "Library/interface/info_panel.h"
#include "Library/interface/text_block.h"
#include "Library/world/game_mode.h"
#include "Library/world/mode_pages.h"
#include "Source/loops.h"
#include "Source/main.h"
#include "Source/screens/main_panel.h"

namespace testsupport {

namespace {

constexpr int kMaxScrollFrames = 600;

} // namespace

void RealGame::SetUp() {
    ASSERT_TRUE(World().Built());
    m_savedDirectory = std::filesystem::current_path();
    std::filesystem::current_path(World().Root());
    Start();
}

void RealGame::TearDown() {
    Stop();
    std::filesystem::current_path(m_savedDirectory);
}

void RealGame::Start() {
    ASSERT_TRUE(Main::Init(0, 16, 0.0));
    Loops::SetUp();
    g_gameMode->SetTickSource(m_clock);
    m_running = true;
}

void RealGame::Stop() {
    if (!m_running)
        return;
    Main::Shutdown();
    SDL_Quit();
    m_running = false;
}

void RealGame::Frame(uint32_t ms) {
    m_clock.now += ms;
    Main::RunFrame();
}

void RealGame::Frames(int count, uint32_t ms) {
    for (int frame = 0; frame < count; ++frame)
        Frame(ms);
}

void RealGame::MoveTo(int x, int y) {
    Push(Motion(x, y));
    Frame();
}

void RealGame::Click(int x, int y) {
    MoveTo(x, y);
    Push(Event(SDL_MOUSEBUTTONDOWN));
    Push(Event(SDL_MOUSEBUTTONUP));
    Frame();
}

void RealGame::RightClick(int x, int y) {
    MoveTo(x, y);
    Push(Button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_RIGHT));
    Push(Button(SDL_MOUSEBUTTONUP, SDL_BUTTON_RIGHT));
    Frame();
}

void RealGame::DragIcon(const ScreenPos& icon, const Point& to) {
    MoveTo(icon.x + icon.w / 2, icon.y + icon.h / 2);
    Push(Event(SDL_MOUSEBUTTONDOWN));
    Frame();
    MoveTo(to.x, to.y);
    Push(Event(SDL_MOUSEBUTTONUP));
}

void RealGame::Release(SDLKey key) {
    Push(KeyUp(key));
    Frame();
}

void RealGame::Type(const char* text) {
    for (const char* c = text; *c; ++c)
        Push(KeyDown(static_cast<SDLKey>(*c), static_cast<Uint16>(*c)));
    Frame();
}

void RealGame::Erase(int count) {
    for (int i = 0; i < count; ++i)
        Push(KeyDown(SDLK_BACKSPACE));
    Frame();
}

int RealGame::Mode() const {
    return g_gameMode->GetModeId();
}

ModePage* RealGame::Page() const {
    return Loops::GetModePages().GetPage();
}

uint16_t RealGame::PixelAt(int x, int y) const {
    const PixelSurface& surface = g_screen->GetSurface();
    return surface.pixels[y * surface.width + x];
}

std::vector<uint16_t> RealGame::PixelsIn(const Rect& rect) const {
    std::vector<uint16_t> pixels;
    for (int y = rect.y1; y < rect.y2; ++y)
        for (int x = rect.x1; x < rect.x2; ++x)
            pixels.push_back(PixelAt(x, y));
    return pixels;
}

uint16_t RealGame::Packed(int r, int g, int b) {
    return Colour(static_cast<uint8_t>(r), static_cast<uint8_t>(g), static_cast<uint8_t>(b))
        .Pack16();
}

Point RealGame::FrameCorner(const Point& topLeft) const {
    const uint16_t colour = PixelAt(topLeft.x, topLeft.y);
    Point corner = topLeft;
    while (corner.x + 1 < g_screen->GetSurface().width &&
           PixelAt(corner.x + 1, topLeft.y) == colour)
        ++corner.x;
    while (corner.y + 1 < g_screen->GetSurface().height &&
           PixelAt(topLeft.x, corner.y + 1) == colour)
        ++corner.y;
    return corner;
}

void RealGame::RemoveConvertedMedia() const {
    for (const char* target : {"art/graphic/map/Area_001.tga", "art/graphic/map/Area_002.tga",
                               "sound/sfx/dog_bark1.wav", "sound/music/rain1.wav"})
        std::filesystem::remove(World().Path(target));
}

void RealGame::RunTitleUntilMenu() {
    for (int frame = 0; frame < 400; ++frame) {
        Frame();
        const MainPanel* title = PageAs<MainPanel>();
        if (title && !title->IsConverting())
            break;
    }
    Frame(); // the menu drawn
}

bool RealGame::ClickListLine(const DirectoryPanel& chooser, const std::string& name,
                             const Point& scroll) {
    const GtWindow& list = chooser.GetList().GetWindow();
    const auto find = [&]() -> const ScreenPos* {
        for (int block = 0; block < list.GetBlockCount(); ++block)
            if (name == list.GetBlock(block).GetText().c_str())
                return &list.GetBlock(block).GetPosition();
        return nullptr;
    };
    const auto shown = [&](const ScreenPos* place) {
        return place != nullptr && chooser.GetList().Contains(place->x + 2, place->y + 1) &&
               chooser.GetList().Contains(place->x + 2, place->y + place->h - 1);
    };
    if (find() != nullptr && !shown(find()) && scroll.x >= 0) {
        MoveTo(scroll.x, scroll.y);
        Push(Event(SDL_MOUSEBUTTONDOWN));
        for (int frame = 0; frame < kMaxScrollFrames && !shown(find()); ++frame)
            Frame();
        Push(Event(SDL_MOUSEBUTTONUP));
        Frame();
    }
    const ScreenPos* place = find();
    if (place == nullptr)
        return false;
    Click(place->x + 2, place->y + 2);
    return true;
}

} // namespace testsupport
