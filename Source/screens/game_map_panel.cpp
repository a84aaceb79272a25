#include "Source/screens/game_map_panel.h"

#include "Library/core/maths.h"
#include "Library/graphics/colour.h"
#include "Library/graphics/graphic_mgr.h"
#include "Library/graphics/screen.h"
#include "Library/interface/interface.h"
#include "Library/interface/interface_object.h"
#include "Library/interface/mouse_position.h"
#include "Library/world/game_mode.h"
#include "Library/world/tile_map.h"
#include "Source/entities/entity_mgr.h"
#include "Source/entities/sight_tests.h"
#include "Source/entities/soldier_entity.h"
#include "Source/screens/interface_routines.h"

namespace {

constexpr int kCanvasWidth = 800;
constexpr int kCanvasHeight = 600;
constexpr int kBorder = 10;

const WidgetEntry kButtons[] = {
    {GameMapPanel::kDone, kWidgetButton, 691, 537, 64, 20, "button_done.tga", "Done"},
};

// The cell's mark: a cross with two more pixels along the rising diagonal.
constexpr int kUnexploredDot[][2] = {{0, 0}, {-1, 0}, {1, 0}, {0, -1}, {0, 1}, {1, -1}, {-1, 1}};
constexpr int kCreatureDot[][2] = {{0, 0}, {-1, 0}, {1, 0}, {0, -1}, {0, 1}};

bool IsLeftButton(const SDL_Event& event, Uint8 type) {
    return event.type == type && event.button.button == SDL_BUTTON_LEFT;
}

} // namespace

WindowLayout GameMapPanel::Layout() {
    return MakeLayout(WindowEntry{"menu_game_map.tga", "", 0, 0, 800, 600}, kButtons);
}

GameMapPanel::GameMapPanel(const Services& services)
    : m_services(services),
      m_leader(services.entities ? services.entities->GetActivePartyMember() : nullptr) {
    m_window = BuildWindow(Layout());
    if (ComposeCanvas()) {
        DotUnexplored();
        DotCreatures();
    }
}

// The splash, then the overview picture centred on it; false without an overview.
bool GameMapPanel::ComposeCanvas() {
    if (!m_canvas.Create(kCanvasWidth, kCanvasHeight))
        return false;
    m_canvas.Fill(0);
    Graphic::SetBlitMode(0);
    CachedGraphic splash = LoadSplash(m_services.graphics, "");
    if (const Graphic* picture = splash.Get())
        picture->Draw(m_canvas.GetSurface(), 0, 0);
    FreeGraphic(splash);
    const bool encoding = m_services.graphics.GetEncode();
    m_services.graphics.SetEncode(false);
    m_mapPicture = TakeGraphic(m_services.graphics, m_services.map.GetGraphicPath().c_str());
    m_services.graphics.SetEncode(encoding);
    const Graphic* overview = m_mapPicture.Get();
    if (overview == nullptr || overview->GetWidth() <= 0 || overview->GetHeight() <= 0)
        return false;
    m_width = overview->GetWidth();
    m_height = overview->GetHeight();
    m_x = (kCanvasWidth - m_width) / 2;
    m_y = (kCanvasHeight - m_height) / 2;
    overview->Draw(m_canvas.GetSurface(), m_x, m_y);
    return true;
}

void GameMapPanel::PictureAt(float worldX, float worldY, int& x, int& y) const {
    const Vector factors = m_services.map.GetPixelsPerUnit();
    x = m_x + static_cast<int>(static_cast<float>(RoundToInt(worldX * factors.x)) * kPictureScale);
    y = m_y + static_cast<int>(static_cast<float>(RoundToInt(worldY * factors.y)) * kPictureScale);
}

void GameMapPanel::DotUnexplored() {
    const TileMap& map = m_services.map;
    for (int row = 0; row < map.GetHeight(); ++row)
        for (int column = 0; column < map.GetWidth(); ++column) {
            if (map.IsExplored(column, row))
                continue;
            int x = 0, y = 0;
            PictureAt(static_cast<float>(column), static_cast<float>(row), x, y);
            for (const auto& offset : kUnexploredDot)
                m_canvas.SetPixel(x + offset[0], y + offset[1], 0);
        }
}

void GameMapPanel::DotCreatures() {
    EntityMgr* entities = m_services.entities;
    if (entities == nullptr || g_screen == nullptr)
        return;
    for (int slot = 0; slot < entities->GetSlotCount(Entity::kTypeSoldier); ++slot) {
        SoldierEntity* soldier = nullptr;
        if (!entities->IsSlotUsed(Entity::kTypeSoldier, slot) ||
            !Entity::AsSoldier(entities->GetEntity(Entity::kTypeSoldier, slot), &soldier))
            continue;
        const Vector& at = soldier->GetPosition();
        if (!IsCellOrNeighbourSet(m_services.map, static_cast<int>(at.x), static_cast<int>(at.y)))
            continue;
        const uint16_t colour = soldier->GetSideColour(*g_screen);
        int x = 0, y = 0;
        PictureAt(at.x, at.y, x, y);
        for (const auto& offset : kCreatureDot)
            m_canvas.SetPixel(x + offset[0], y + offset[1], colour);
    }
}

bool GameMapPanel::IsOverPicture(int x, int y) const {
    return HasPicture() && x >= m_x && x <= m_x + m_width && y >= m_y && y <= m_y + m_height;
}

void GameMapPanel::Update(Screen&) {
    g_interface->SetActive(m_window);
    if (const InterfaceObject* clicked = m_window->GetClickedChild())
        if (clicked->GetId() == kDone)
            g_gameMode->SetMode(kModeAreaMap);
    if (m_dragging)
        CentreViewOnPointer();
}

void GameMapPanel::CentreViewOnPointer() {
    const Vector factors = m_services.map.GetPixelsPerUnit();
    const auto pixelsX = static_cast<float>(static_cast<int>((g_mouseX - m_x) * kScreenScale));
    const auto pixelsY = static_cast<float>(static_cast<int>((g_mouseY - m_y) * kScreenScale));
    m_services.map.CentreViewOn(Vector(pixelsX / factors.x, pixelsY / factors.y, 0.0f));
    m_redraw = true;
}

// A drag that starts on the picture follows the pointer anywhere until the release. The
// press itself moves the view: a quick click may bring its release in the same frame.
void GameMapPanel::HandleEvent(const SDL_Event& event) {
    if (IsLeftButton(event, SDL_MOUSEBUTTONDOWN) && IsOverPicture(g_mouseX, g_mouseY)) {
        m_dragging = true;
        CentreViewOnPointer();
    } else if (IsLeftButton(event, SDL_MOUSEBUTTONUP)) {
        m_dragging = false;
    }
}

void GameMapPanel::Draw(Screen& screen) {
    if (!m_redraw && !m_window->IsDirty())
        return;
    m_redraw = false;
    Graphic::SetBlitMode(0);
    m_canvas.Draw(screen.GetSurface(), 0, 0);
    m_window->SetDirty(true);
    m_window->Draw(screen);
    if (HasPicture())
        DrawFrames(screen);
}

// The main view's frame on the picture, and the picture's border.
void GameMapPanel::DrawFrames(Screen& screen) const {
    const TileMap& map = m_services.map;
    const Vector origin = map.GetViewPos();
    int x = 0, y = 0;
    PictureAt(origin.x, origin.y, x, y);
    screen.SetDrawColour(Colour(0, 200, 0).Pack16());
    screen.DrawRect(x, y,
                    x + static_cast<int>(static_cast<float>(map.GetViewWidth()) * kPictureScale),
                    y + static_cast<int>(static_cast<float>(map.GetViewHeight()) * kPictureScale));
    const int left = m_x - kBorder, top = m_y - kBorder;
    const int right = m_x + m_width + kBorder, bottom = m_y + m_height + kBorder;
    screen.SetDrawColour(Colour(155, 155, 155).Pack16());
    screen.FillRect(left, top, right, m_y);
    screen.FillRect(left, m_y + m_height, right, bottom);
    screen.FillRect(left, top, m_x, bottom);
    screen.FillRect(m_x + m_width, top, right, bottom);
    screen.SetDrawColour(Colour(66, 66, 66).Pack16());
    screen.DrawRect(left, top, right, bottom);
}
