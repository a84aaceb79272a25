#include "Source/entities/queued_entity.h"

#include "Library/core/game_mode_id.h"
#include "Library/graphics/colour_mod.h"
#include "Library/graphics/graphic_mgr.h"
#include "Library/graphics/screen.h"
#include "Library/graphics/uni_animation_mgr.h"
#include "Library/interface/mouse_position.h"
#include "Source/entities/entity_mgr.h"
#include "Source/entities/view_transform.h"

QueuedEntity::QueuedEntity() {
    SetType(kTypeQueued);
}

QueuedEntity::~QueuedEntity() = default;

void QueuedEntity::Init() {
    Entity::Init();
    ClearOrderFlags();
    m_hasCurrentOrder = false;
    m_orderQueue.Clear();
    m_eventQueue.Clear();
    m_state.Clear();
    m_animation.Release();
}

bool QueuedEntity::Load(Stream& stream) {
    return Entity::Load(stream) && m_state.Read(stream) && m_animation.Read(stream);
}

bool QueuedEntity::Save(Stream& stream) const {
    return Entity::Save(stream) && m_state.Write(stream) && m_animation.Write(stream);
}

bool QueuedEntity::Update(uint32_t frameMs) {
    Entity::Update(frameMs);
    ProcessEvents();
    if (IsIdle())
        NextOrder();
    RunOrder();
    m_animation.Advance(true, frameMs);
    return true;
}

void QueuedEntity::NextOrder() {
    TakeNextOrder();
    ClearOrderFlags();
}

void QueuedEntity::TakeNextOrder() {
    const EntityOrder* next = m_orderQueue.Pop();
    m_hasCurrentOrder = next != nullptr;
    if (next != nullptr)
        m_currentOrder = *next;
}

void QueuedEntity::ClearOrderFlags() {
    m_actionDone = false;
    m_animationFinished = false;
    m_orderFlag = false;
}

void QueuedEntity::ProcessEvents() {
    // A copy: handling an event may queue others, which would reuse the popped entry.
    while (const EntityEvent* queued = m_eventQueue.Pop()) {
        const EntityEvent event = *queued;
        HandleEvent(event);
    }
}

void QueuedEntity::ClearOrders() {
    m_hasCurrentOrder = false;
    m_orderQueue.Clear();
}

void QueuedEntity::ClearEvents() {
    m_eventQueue.Clear();
}

void QueuedEntity::ClearAll() {
    ClearEvents();
    ClearOrders();
}

void QueuedEntity::SetState(int32_t state) {
    if (state == m_state.values[0])
        return;
    m_state.values[0] = state;
    LoadAnimations();
}

// An entity of no animation set, such as the backpack a creature carries, has no art to
// look for.
bool QueuedEntity::SetAnimation(const char* name) {
    if (g_uniAnimationMgr == nullptr || m_animation.GetAnimationName().Length() == 0 ||
        !m_animation.SetAnimation(name, *g_uniAnimationMgr))
        return false;
    ScreenPos& rect = ScreenRect();
    rect.w = m_animation.GetFrameWidth();
    rect.h = m_animation.GetFrameHeight();
    return true;
}

bool QueuedEntity::QueueHolds(Queue<EntityOrder>& queue, int kind) {
    for (const EntityOrder* record = queue.Front(); record != nullptr; record = queue.Next())
        if (record->kind == kind)
            return true;
    return false;
}

bool QueuedEntity::HasEventOfKind(int kind) {
    return QueueHolds(m_eventQueue, kind);
}

bool QueuedEntity::HasOrderOfKind(int kind) {
    return (m_hasCurrentOrder && m_currentOrder.kind == kind) || QueueHolds(m_orderQueue, kind);
}

bool QueuedEntity::HasPending() const {
    return m_hasCurrentOrder || m_orderQueue.Count() > 0 || m_eventQueue.Count() > 0;
}

bool QueuedEntity::HasOrderOrEventOfKind(int eventKind, int orderKind) {
    return (m_hasCurrentOrder && m_currentOrder.kind == orderKind) || HasEventOfKind(eventKind) ||
           HasOrderOfKind(orderKind);
}
