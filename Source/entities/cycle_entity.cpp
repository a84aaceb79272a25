#include "Source/entities/cycle_entity.h"

#include "Library/core/random.h"
#include "Library/graphics/screen.h"
#include "Library/world/tile_map.h"
#include "Library/world/view_scale.h"
#include "Source/entities/entity_mgr.h"

namespace {

constexpr const char* kAnimation = "misc_1";

} // namespace

CycleEntity::CycleEntity() {
    SetType(kTypeCycle);
}

void CycleEntity::Init() {
    QueuedEntity::Init();
    m_owner = nullptr;
    m_cycleState = kCycleCounted;
    m_loopsLeft = m_maxLoops = 0;
    m_waitLeft = m_maxWait = 0.0f;
    m_loopAnimation.Clear();
    m_endAnimation.Clear();
    m_removeWhenFinished = false;
}

bool CycleEntity::Load(Stream& stream) {
    if (!QueuedEntity::Load(stream))
        return false;
    SetAnimation(kAnimation);
    if (m_loopAnimation.Length() == 0)
        m_loopAnimation = GetAnimation().GetAnimationName();
    return true;
}

void CycleEntity::Setup(const Stringc& loopAnimation, const Stringc& endAnimation, int maxLoops,
                        float maxWaitSeconds) {
    m_loopAnimation = loopAnimation;
    m_endAnimation = endAnimation;
    m_maxLoops = maxLoops;
    m_maxWait = maxWaitSeconds;
    m_cycleState = kCycleStart;
}

void CycleEntity::ShowAnimationOf(const Stringc& setName) {
    SetAnimationName(setName);
    SetAnimation(kAnimation);
}

bool CycleEntity::StepOnce(uint32_t frameMs) {
    return GetAnimation().Advance(false, frameMs);
}

void CycleEntity::Start() {
    ShowAnimationOf(m_loopAnimation);
    m_loopsLeft = m_maxLoops >= 1 ? RandomInt(0, m_maxLoops) : 1;
    m_waitLeft = m_maxWait > 0.0f ? RandomFloat(0.0f, m_maxWait) : 1.0f;
    m_cycleState = m_owner != nullptr ? kCycleCounted : kCycleLooping;
}

bool CycleEntity::Update(uint32_t frameMs) {
    switch (m_cycleState) {
    case kCycleStart:
        Start();
        break;
    case kCycleLooping:
        if (StepOnce(frameMs))
            break;
        if (m_removeWhenFinished)
            Release();
        else
            SetFrame(0);
        break;
    case kCycleCounted:
        if (StepOnce(frameMs))
            break;
        if (m_loopsLeft-- < 1) {
            ShowAnimationOf(m_endAnimation);
            m_cycleState = kCycleEnding;
        }
        SetFrame(0);
        break;
    case kCycleEnding:
        if (StepOnce(frameMs))
            break;
        if (m_removeWhenFinished)
            Release();
        else
            m_cycleState = kCycleWaiting;
        break;
    case kCycleWaiting:
        m_waitLeft -= static_cast<float>(frameMs) / 1000.0f;
        if (m_waitLeft <= 0.0f)
            m_cycleState = kCycleStart;
        break;
    default:
        break;
    }
    return true;
}

bool CycleEntity::IsShownOnMap() const {
    return m_cycleState != kCycleWaiting && IsOnExploredCell();
}

bool CycleEntity::UpdateScreenPos(Screen& /*screen*/) {
    if (m_cycleState == kCycleWaiting)
        return false;
    RemoveFlags(kFlagMouseOver);
    if (!IsShownOnMap())
        return false;
    AnimationMgr& animation = GetAnimation();
    PlaceOnScreen(GetFrameOffsets());
    animation.Update();
    PlaceOnScreen(GetFrameOffsets());
    animation.SetScreenPosition(GetScreenRect().x, GetScreenRect().y);
    return true;
}

bool CycleEntity::Draw(Screen& screen) {
    if (!IsShownOnMap())
        return true;
    const TileMap* map = GetManager() ? GetManager()->GetTileMap() : nullptr;
    if (map == nullptr)
        return true;
    AnimationMgr& animation = GetAnimation();
    animation.ApplyColourMod(GetColourMod());
    map->GetClipMap().DrawClipped(screen.GetSurface(), g_viewScale, animation, GetScreenRect().y,
                                  255);
    return true;
}
