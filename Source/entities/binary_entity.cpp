#include "Source/entities/binary_entity.h"

BinaryEntity::BinaryEntity() {
    SetType(kTypeBinary);
}

void BinaryEntity::Init() {
    QueuedEntity::Init();
    m_user = nullptr;
    RemoveFlags(kFlagChanging | kStateMask);
}

bool BinaryEntity::Load(Stream& stream) {
    if (!QueuedEntity::Load(stream))
        return false;
    SetAnimation("misc_1");
    // Read as the saved form stores motion: toward open shows open, toward closed closed.
    if (IsOpenOrOpening())
        ShowFirstFrame();
    else
        ShowLastFrame();
    return true;
}

uint32_t BinaryEntity::GetSavedFlags() const {
    return (GetFlags() & ~kStateMask) | (IsOpenOrOpening() ? kStateOpen : kStateClosed);
}

bool BinaryEntity::Update(uint32_t frameMs) {
    m_frameMs = frameMs;
    ProcessEvents();
    if (IsIdle())
        NextOrder();
    RunOrder();
    return true;
}

bool BinaryEntity::UpdateScreenPos(Screen& /*screen*/) {
    PlaceOnScreen(Vector());
    RemoveFlags(kFlagMouseOver);
    CheckMouseOver();
    RemoveFlags(kFlagStatic);
    return true;
}

void BinaryEntity::OnEvent(int kind, EventArg p1, EventArg p2, EventArg p3) {
    QueuedEntity::OnEvent(kind, p1, p2, p3);
    if (kind != kEventUse)
        return;
    m_user = p3.AsEntity();
    EntityEvent event;
    event.kind = kEventUse;
    event.a = p1.AsInt();
    PushEvent(event);
}

bool BinaryEntity::IsIdle() {
    const EntityOrder* order = GetCurrentOrder();
    if (order == nullptr)
        return true;
    if (order->kind != kOrderChangeState || !HasAnyFlag(kFlagChanging))
        return false;
    if (!IsOpen() && !IsClosed())
        return false;
    RemoveFlags(kFlagChanging);
    return true;
}

void BinaryEntity::NextOrder() {
    TakeNextOrder();
}

void BinaryEntity::HandleEvent(const EntityEvent& event) {
    QueuedEntity::HandleEvent(event);
    if (event.kind != kEventUse)
        return;
    EntityOrder order;
    order.kind = kOrderChangeState;
    order.a = event.a;
    order.extra = event.extra;
    PushOrder(order);
}

void BinaryEntity::RunOrder() {
    if (HasAnyFlag(kFlagChanging)) {
        StepChange();
        return;
    }
    const EntityOrder* order = GetCurrentOrder();
    if (order == nullptr || order->kind != kOrderChangeState)
        return;
    AddFlags(kFlagChanging);
    SetStateBits(order->a == 1 ? kStateOpening : kStateClosing);
}

// An entity already at its end frame comes to rest there: the looping step would wrap
// round and play the whole animation again.
void BinaryEntity::StepChange() {
    AnimationMgr& animation = GetAnimation();
    const bool animated = animation.GetAnimation() != nullptr;
    const int lastFrame = GetFrameCount() - 1;
    switch (GetStateBits()) {
    case kStateOpening:
        if (animated && GetFrame() >= 1)
            animation.AdvanceReverse(true, m_frameMs);
        if (!animated || GetFrame() < 1)
            SetStateBits(kStateOpen);
        break;
    case kStateClosing:
        if (animated && GetFrame() < lastFrame)
            animation.Advance(true, m_frameMs);
        if (!animated || GetFrame() >= lastFrame)
            SetStateBits(kStateClosed);
        break;
    default:
        break;
    }
}

void BinaryEntity::ShowFirstFrame() {
    RemoveFlags(kFlagChanging);
    SetStateBits(kStateOpen);
    SetFrame(0);
}

void BinaryEntity::ShowLastFrame() {
    RemoveFlags(kFlagChanging);
    SetStateBits(kStateClosed);
    SetFrame(GetFrameCount() - 1);
}
