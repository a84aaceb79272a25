#include "Library/interface/mouse_mgr.h"

#include "Library/core/game_mode_id.h"
#include "Library/core/tracked_new.h"
#include "Library/core/vector.h"
#include "Library/graphics/animation_mgr.h"
#include "Library/graphics/blit_state.h"
#include "Library/graphics/colour.h"
#include "Library/graphics/colour_mod.h"
#include "Library/graphics/dirty_rect_graphic.h"
#include "Library/graphics/graphic.h"
#include "Library/graphics/screen.h"
#include "Library/graphics/uni_animation_mgr.h"
#include "Library/graphics/update_rectangles.h"
#include "Library/interface/mouse_position.h"

#include <algorithm>
#include <iterator>

MouseMgr* g_mouseMgr = nullptr;

namespace {

constexpr const char* kAnimationSet = "Mouse";
constexpr const char* kKindAnimations[] = {"pointer", "attack", "use_item", "use_spell"};
constexpr const char* kScrollAnimation = "scroll";
constexpr const char* kErrorAnimation = "error";

constexpr int kScrollingModes[] = {kModeAreaMap, kModeWorldMap, kModeMapEditor};

// Corners are tested before sides, so a corner wins where they overlap.
constexpr int kEdgeTestOrder[] = {1, 3, 5, 7, 0, 2, 4, 6};
constexpr float kEdgeDirections[MouseMgr::kEdgeCount][2] = {{0, -1}, {1, -1}, {1, 0},  {1, 1},
                                                            {0, 1},  {-1, 1}, {-1, 0}, {-1, -1}};
// The speed steps up each time the scroll animation shows the frame of the current step.
constexpr float kScrollSpeeds[] = {0.0f, 0.2f, 0.4f, 1.0f};
constexpr int kTopSpeedStep = 3;

constexpr int kHoverSaverSide = 10;
constexpr int kTooltipFont = 1;

int ClampLowWins(int value, int low, int high) {
    return std::max(low, std::min(value, high));
}

} // namespace

void MouseMgr::ClickTimer::Release() {
    if (!armNext && elapsedMs < kDoubleClickMs) {
        doubleClick = true;
        armNext = true;
        return;
    }
    armNext = false;
    elapsedMs = 0;
}

bool MouseMgr::ClickTimer::Take() {
    const bool was = doubleClick;
    doubleClick = false;
    return was;
}

MouseMgr::MouseMgr(int screenWidth, int screenHeight)
    : m_animations(NEW UniAnimationMgr), m_cursor(NEW AnimationMgr),
      m_cursorSaver(NEW DirtyRectGraphic), m_hoverSaver(NEW DirtyRectGraphic),
      m_bounds(Rect::Make(0, 0, screenWidth, screenHeight)) {
    const int w = screenWidth, h = screenHeight, c = kCursorSize;
    m_edges[0] = Rect::Make(c, 0, w - c, c);
    m_edges[1] = Rect::Make(w - c, 0, w, c);
    m_edges[2] = Rect::Make(w - c, c, w, h - c);
    m_edges[3] = Rect::Make(w - c, h - c, w, h);
    m_edges[4] = Rect::Make(c, h - c, w - c, h);
    m_edges[5] = Rect::Make(0, h - c, c, h);
    m_edges[6] = Rect::Make(0, c, c, h - c);
    m_edges[7] = Rect::Make(0, 0, c, c);
    m_cursor->SetAnimationName(kAnimationSet);
    m_hoverSaver->SetSize(kHoverSaverSide, kHoverSaverSide);
    SetKind(kCursorPointer);
}

MouseMgr::~MouseMgr() = default;

void MouseMgr::SetPosition(int x, int y) {
    m_x = ClampLowWins(x, m_bounds.x1, m_bounds.x2 - kCursorSize);
    m_y = ClampLowWins(y, m_bounds.y1, m_bounds.y2 - kCursorSize);
    g_mouseX = m_x;
    g_mouseY = m_y;
}

void MouseMgr::Update(uint32_t frameMs, int gameModeId) {
    // saturated: only "below the limit" is ever asked
    m_left.elapsedMs = std::min(m_left.elapsedMs + frameMs, kDoubleClickMs);
    m_right.elapsedMs = std::min(m_right.elapsedMs + frameMs, kDoubleClickMs);
    if (m_x == m_previousX && m_y == m_previousY) {
        m_hoverMs = std::min(m_hoverMs + frameMs, kHoverMs);
        m_hovering = m_hovering || m_hoverMs >= kHoverMs;
    } else {
        m_hoverMs = 0;
        if (m_hovering) {
            m_hovering = false;
            m_hoverText.Clear();
        }
    }
    m_previousX = m_x;
    m_previousY = m_y;

    switch (m_mode) {
    case kCursorNormal:
        m_cursor->Advance(true, frameMs);
        if (const int edge = FindEdge(gameModeId); edge >= 0) {
            m_scrollEdge = edge;
            SetMode(kCursorScroll);
        }
        break;
    case kCursorScroll:
        UpdateScroll(gameModeId, frameMs);
        break;
    case kCursorError:
        if (!m_cursor->Advance(false, frameMs))
            SetMode(kCursorNormal);
        break;
    default:
        break;
    }
}

void MouseMgr::UpdateScroll(int gameModeId, uint32_t frameMs) {
    const int edge = FindEdge(gameModeId);
    if (edge < 0) {
        SetMode(kCursorNormal);
        return;
    }
    m_scrollEdge = edge;
    m_cursor->SetSequence(edge);
    m_cursor->Advance(true, frameMs);
    if (m_speedStep < kTopSpeedStep && m_cursor->GetFrame() == m_speedStep)
        ++m_speedStep;
}

int MouseMgr::FindEdge(int gameModeId) const {
    if (std::find(std::begin(kScrollingModes), std::end(kScrollingModes), gameModeId) ==
        std::end(kScrollingModes))
        return -1;
    for (const int edge : kEdgeTestOrder)
        if (m_edges[edge].Covers(m_x, m_y))
            return edge;
    return -1;
}

void MouseMgr::HandleButton(const SDL_Event& event) {
    if (event.type != SDL_MOUSEBUTTONUP)
        return;
    if (event.button.button == SDL_BUTTON_LEFT)
        m_left.Release();
    else if (event.button.button == SDL_BUTTON_RIGHT)
        m_right.Release();
}

bool MouseMgr::TakeLeftDoubleClick() {
    return m_left.Take();
}

bool MouseMgr::TakeRightDoubleClick() {
    return m_right.Take();
}

void MouseMgr::SetMode(int mode) {
    m_mode = mode;
    if (mode != kCursorScroll) // also when an error cursor cuts a scroll short
        m_speedStep = 0;
    const char* name = nullptr;
    if (mode == kCursorNormal && m_kind >= kCursorPointer && m_kind <= kCursorUseSpell)
        name = kKindAnimations[m_kind];
    else if (mode == kCursorScroll)
        name = kScrollAnimation;
    else if (mode == kCursorError)
        name = kErrorAnimation;
    if (name) {
        m_cursor->SetSequence(0); // the new animation may have fewer sequences
        m_cursor->SetAnimation(name, *m_animations);
    }
    if (mode >= kCursorNormal && mode <= kCursorError) {
        m_cursor->SetFrame(0);
        m_cursor->SetSequence(mode == kCursorScroll ? m_scrollEdge : 0);
    }
    m_cursorSaver->SetSize(m_cursor->GetFrameWidth(), m_cursor->GetFrameHeight());
    m_hoverSaver->SetSize(m_hoverBox.x2 - m_hoverBox.x1, m_hoverBox.y2 - m_hoverBox.y1);
}

void MouseMgr::SetKind(int kind) {
    if (kind == m_kind)
        return;
    m_kind = kind;
    if (m_mode == kCursorNormal)
        SetMode(kCursorNormal);
}

void MouseMgr::GetScrollVector(Vector& direction, float& speed) const {
    direction.Set(kEdgeDirections[m_scrollEdge][0], kEdgeDirections[m_scrollEdge][1], 0.0f);
    speed = kScrollSpeeds[m_speedStep];
}

void MouseMgr::SetHoverText(const Stringc& text, const Screen& screen) {
    if (text.Length() == 0 || text == m_hoverText)
        return;
    m_hoverText = text;
    const int w = screen.TextWidth(text.c_str()), h = screen.FontHeight();
    m_hoverX = ClampLowWins(m_x, m_bounds.x1, m_bounds.x2 - w - 4);
    m_hoverY = ClampLowWins(m_y - h - 2, m_bounds.y1, m_bounds.y2 - h - 1);
    m_hoverBox = Rect::Make(m_hoverX - 4, m_hoverY - 3, m_hoverX + w + 3, m_hoverY + h);
    m_hoverSaver->SetPosition(m_hoverBox.x1, m_hoverBox.y1);
    m_hoverSaver->SetSize(m_hoverBox.x2 - m_hoverBox.x1, m_hoverBox.y2 - m_hoverBox.y1);
}

// The saved area is where the frame about to be drawn lands, crop included, so the cursor
// leaves no trail whatever its frames' offsets.
void MouseMgr::PrepareDraw(Screen& screen) {
    BlitStateScope blitState;
    Graphic::SetBlitMode(0);
    screen.ResetClipRect();
    m_cursor->Update();
    m_cursorSaver->SetPosition(m_x + m_cursor->GetCropX(), m_y + m_cursor->GetCropY());
    m_cursorSaver->SetSize(m_cursor->GetFrameWidth(), m_cursor->GetFrameHeight());
    m_cursorSaver->SaveBackground(screen.GetSurface());
    if (m_hoverText.Length() > 0)
        m_hoverSaver->SaveBackground(screen.GetSurface());
}

void MouseMgr::Draw(Screen& screen) {
    if (m_firstDraw) {
        m_firstDraw = false;
        return;
    }
    m_cursor->ApplyColourMod(ColourMod()); // the cursor keeps its animation's own colours
    m_cursor->DrawSurface(screen.GetVideoSurface(), m_x, m_y);
    m_cursorSaver->Draw(screen.GetSurface());
    DrawTooltip(screen);
    AddUpdateRect(*m_cursorSaver);
    if (m_hoverText.Length() > 0) {
        m_hoverSaver->Draw(screen.GetSurface());
        AddUpdateRect(*m_hoverSaver);
    }
}

void MouseMgr::DrawTooltip(Screen& screen) const {
    if (!m_hovering || m_hoverText.Length() == 0)
        return;
    screen.ResetClipRect();
    const uint16_t savedColour = screen.GetDrawColour();
    const Rect& box = m_hoverBox;
    screen.SetDrawColour(Colour(255, 234, 132).Pack16());
    screen.FillRect(box.x1 + 1, box.y1 + 1, box.x2 - 1, box.y2 - 1);
    screen.SetDrawColour(Colour(0, 0, 0).Pack16());
    screen.DrawRect(box.x1 + 1, box.y1 + 1, box.x2 - 1, box.y2 - 1);
    screen.SetDrawColour(savedColour);
    screen.SetFont(kTooltipFont);
    screen.DrawText(m_hoverX, m_hoverY, m_hoverText);
}

void MouseMgr::Erase(const Screen& screen) {
    BlitStateScope blitState;
    Graphic::SetBlitMode(0);
    m_cursorSaver->RestoreBackground(screen.GetSurface());
    AddUpdateRect(*m_cursorSaver);
    if (m_hoverText.Length() > 0) {
        m_hoverSaver->RestoreBackground(screen.GetSurface());
        AddUpdateRect(*m_hoverSaver);
    }
}

void MouseMgr::AddUpdateRect(const DirtyRectGraphic& saver) const {
    const ScreenPos& area = saver.GetPos();
    if (g_updateRects != nullptr)
        g_updateRects->Add(area.x, area.y, area.w, area.h);
}
