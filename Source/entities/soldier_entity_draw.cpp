// Where a soldier shows, its layers, highlight ring, side colour, status bars and the area
// of what it uses.
#include "Source/entities/soldier_entity.h"

#include "Library/core/game_mode_id.h"
#include "Library/graphics/colour.h"
#include "Library/graphics/screen.h"
#include "Library/world/game_mode.h"
#include "Library/world/view_scale.h"
#include "Source/entities/creature_parts.h"
#include "Source/entities/view_transform.h"

namespace {

constexpr int kDisplayMask = 0x03;
constexpr float kRingWidth = 16.0f; // pixels per unit of radius
constexpr float kRingHeight = 12.0f;
constexpr int kFullIntensity = 255;

bool IsPaused() {
    return g_gameMode != nullptr && g_gameMode->IsPaused();
}

// Keeps the screen's drawing colour as it was.
class SavedDrawColour {
public:
    explicit SavedDrawColour(Screen& screen) : m_screen(screen), m_colour(screen.GetDrawColour()) {}
    ~SavedDrawColour() { m_screen.SetDrawColour(m_colour); }
    SavedDrawColour(const SavedDrawColour&) = delete;
    SavedDrawColour& operator=(const SavedDrawColour&) = delete;

private:
    Screen& m_screen;
    uint16_t m_colour;
};

} // namespace

bool SoldierEntity::UpdateScreenPos(Screen& /*screen*/) {
    RemoveFlags(kFlagMouseOver);
    PlaceOnScreen(GetFrameOffsets());
    const ScreenPos& rect = GetScreenRect();
    const bool visible = GetAnimation().IsOnScreen(rect.x, rect.y) && m_creature &&
                         (m_creature->GetDisplayBits() & kDisplayMask) != 0;
    if (m_creature)
        m_creature->UpdateArt();
    if (visible)
        CheckMouseOver();
    return visible;
}

bool SoldierEntity::Draw(Screen& screen) {
    const int mode = CurrentModeId();
    if (mode == kModeWorldMap)
        return true;
    if (mode == kModeAreaMap && m_creature) {
        m_creature->DrawArt(screen);
        DrawStatusBars(screen);
    }
    if (IsInState(kStateAttacking) || IsInState(kStateCasting))
        DrawAreaShape(screen);
    return false;
}

void SoldierEntity::DrawHighlight(Screen& screen) {
    const bool mouseOver = HasAnyFlag(kFlagMouseOver);
    if (!mouseOver && !(IsAlive() && IsPaused()))
        return;
    GetSideColour(screen);
    if (!IsAlive()) {
        const ScreenPos& rect = GetScreenRect();
        GetAnimation().DrawOutline(screen.GetSurface(), rect.x, rect.y);
        return;
    }
    DrawRing(static_cast<int>(kRingWidth * GetRadius()),
             static_cast<int>(kRingHeight * GetRadius()), screen);
}

uint16_t SoldierEntity::GetSideColour(Screen& screen) const {
    const int v =
        IsPaused() || CurrentModeId() == kModeMapPicture ? kFullIntensity : CurrentPulse();
    const auto level = static_cast<uint8_t>(v);
    Colour colour(0, 0, level);
    if (IsDead())
        colour = Colour(level, level, level);
    else if (GetRef().IsPlayerSide())
        colour = Colour(0, level, 0);
    else if (GetRef().IsHostileSide())
        colour = Colour(level, 0, 0);
    const uint16_t packed = colour.Pack16();
    screen.SetDrawColour(packed);
    return packed;
}

// Beside the creature's foot, a black box holding the hit-point bar and the readiness bar,
// for the player's side and for creatures in a fight.
void SoldierEntity::DrawStatusBars(Screen& screen) {
    if ((!GetRef().IsPlayerSide() && m_inCombat == 0) || !IsAlive())
        return;
    int x = 0, y = 0;
    WorldToScreen(GetPosition(), x, y);
    x += static_cast<int>(kRingWidth * GetRadius());
    y -= static_cast<int>(kRingHeight * static_cast<float>(GetAux()));
    const SavedDrawColour saved(screen);
    screen.SetDrawColour(Colour(0, 0, 0).Pack16());
    screen.FillRect(x - 1, y - 1, x + 4, y + 17);
    m_hitPointBar.SetPosition(x, y);
    m_hitPointBar.SetValue(m_creature->GetHitPointsPercent());
    m_hitPointBar.Draw(screen);
    m_readinessBar.SetPosition(x + 2, y);
    m_readinessBar.SetValue(100 - m_creature->GetTimerPercent());
    m_readinessBar.Draw(screen);
}

void SoldierEntity::SetAreaShape(const Vector& origin, const Vector& target, float reach,
                                 double width) {
    if (width != 0.0)
        m_areaShape.Set(origin, (target - origin).Heading(), reach, width);
}

void SoldierEntity::DrawAreaShape(Screen& screen) const {
    const SavedDrawColour saved(screen);
    screen.SetDrawColour(Colour(255, 0, 0).Pack16());
    m_areaShape.DebugDraw(screen, g_viewScale);
}
