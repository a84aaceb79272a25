#pragma once
// The game's own mouse cursor, an animation from the set "Mouse" ("pointer", "attack",
// "use_item", "use_spell", "scroll" with one sequence per screen edge, "error"), and the
// signals raw mouse activity gives: the clamped position, edge scrolling with a speed that
// ramps up, hovering with a tooltip beside the cursor, and left and right double clicks.

#include "Library/core/stringc.h"
#include "Library/graphics/rect.h"

#include <SDL/SDL.h>

#include <cstdint>
#include <memory>

class AnimationMgr;
class DirtyRectGraphic;
class Screen;
class UniAnimationMgr;
class Vector;

enum CursorMode : int { kCursorNormal = 0, kCursorScroll = 1, kCursorError = 2 };
enum CursorKind : int {
    kCursorNone = -1,
    kCursorPointer = 0,
    kCursorAttack = 1,
    kCursorUseItem = 2,
    kCursorUseSpell = 3,
};

class MouseMgr {
public:
    static constexpr int kCursorSize = 16;
    static constexpr int kEdgeCount = 8; // clockwise from the top: 0 top, 1 top-right, ...
    static constexpr uint32_t kHoverMs = 500;
    static constexpr uint32_t kDoubleClickMs = 250;

    MouseMgr(int screenWidth, int screenHeight);
    ~MouseMgr();
    MouseMgr(const MouseMgr&) = delete;
    MouseMgr& operator=(const MouseMgr&) = delete;

    // Clamped so the cursor stays on the screen; also written to g_mouseX and g_mouseY.
    void SetPosition(int x, int y);
    // Once per frame after SetPosition, with the frame's milliseconds and the current game
    // mode: edges scroll only in the area map, the world map and the map editor.
    void Update(uint32_t frameMs, int gameModeId);
    // Every SDL event; releases of the left and right buttons make double clicks.
    void HandleButton(const SDL_Event& event);

    // Normal mode shows the animation of the kind, scroll mode the edge's sequence of
    // "scroll", error mode "error" once, then normal again.
    void SetMode(int mode);
    int GetMode() const { return m_mode; }
    void SetKind(int kind); // shown at once in normal mode
    const AnimationMgr& GetAnimation() const { return *m_cursor; }

    // The scroll direction of the edge last entered (diagonals not normalised), and the
    // speed: 0 away from the edges, then 0.2, 0.4 and 1.0 with the scroll animation.
    void GetScrollVector(Vector& direction, float& speed) const;
    int GetScrollEdge() const { return m_scrollEdge; }
    bool IsHovering() const { return m_hovering; }
    bool TakeLeftDoubleClick();
    bool TakeRightDoubleClick();

    // Placed above the cursor, kept on the screen, measured in the screen's current font;
    // an empty text or the one already set changes nothing.
    void SetHoverText(const Stringc& text, const Screen& screen);
    void ClearHoverText() { m_hoverText.Clear(); }
    const Stringc& GetHoverText() const { return m_hoverText; }
    const Rect& GetHoverBox() const { return m_hoverBox; }

    // Each frame's drawing: PrepareDraw saves the screen under the cursor and the tooltip,
    // Draw draws them (not on the first call) and lists their areas for the update,
    // Erase puts the screen back once the frame has been shown.
    void PrepareDraw(Screen& screen);
    void Draw(Screen& screen);
    void Erase(const Screen& screen);

private:
    // Releases of one button pair up: an arming release starts the timer, the next one
    // within the double-click time completes a double click, a later one arms again.
    struct ClickTimer {
        bool armNext = true;
        bool doubleClick = false;
        uint32_t elapsedMs = 0;

        void Release();
        bool Take();
    };

    int FindEdge(int gameModeId) const; // -1 when none
    void UpdateScroll(int gameModeId, uint32_t frameMs);
    void DrawTooltip(Screen& screen) const;
    void AddUpdateRect(const DirtyRectGraphic& saver) const;

    int m_x = 0;
    int m_y = 0;
    int m_previousX = 0;
    int m_previousY = 0;
    std::unique_ptr<UniAnimationMgr> m_animations; // the cursor's own pool
    std::unique_ptr<AnimationMgr> m_cursor;
    std::unique_ptr<DirtyRectGraphic> m_cursorSaver;
    std::unique_ptr<DirtyRectGraphic> m_hoverSaver;
    bool m_firstDraw = true;
    bool m_hovering = false;
    uint32_t m_hoverMs = 0;
    ClickTimer m_left;
    ClickTimer m_right;
    int m_mode = kCursorNormal;
    int m_kind = kCursorNone;
    int m_scrollEdge = kEdgeCount - 1;
    int m_speedStep = 0; // 0-3: speed 0, 0.2, 0.4, 1.0
    Rect m_edges[kEdgeCount];
    Rect m_bounds;
    Stringc m_hoverText;
    int m_hoverX = 0;
    int m_hoverY = 0;
    Rect m_hoverBox;
};

extern MouseMgr* g_mouseMgr; // made when play starts and anew around every map change
