#pragma once
// The base of every entity that acts over time. What happens to it arrives as events; a
// class turns events into orders; orders are taken one at a time and run every frame until
// the class says the entity is idle again. Its animation player shows it.

#include "Library/core/queue.h"
#include "Library/graphics/animation_mgr.h"
#include "Source/entities/entity.h"
#include "Source/entities/entity_order.h"
#include "Source/entities/queued_entity_state.h"

class QueuedEntity : public Entity {
public:
    static constexpr int kQueueCapacity = 5;

    QueuedEntity();
    ~QueuedEntity() override;

    void Init() override;
    // The entity record, the state record (three i32), then the animation player's record.
    bool Load(Stream& stream) override;
    bool Save(Stream& stream) const override;
    // Colour modification, events, a new order when idle, the order, then one looping step
    // of the animation.
    bool Update(uint32_t frameMs) override;
    bool UpdateScreenPos(Screen& screen) override;
    void UpdateMouseOver(Screen& screen) override;
    bool Draw(Screen& screen) override;
    void DrawHighlight(Screen& screen) override;
    bool HitTestPixel(int x, int y) const override;

    // Asked once a frame before a new order is taken: a class may end its order here.
    virtual bool IsIdle() { return !HasCurrentOrder(); }
    virtual void LoadAnimations() {}
    virtual void NextOrder(); // the front order becomes current (none when empty)
    virtual void HandleEvent(const EntityEvent& /*event*/) {}
    virtual void RunOrder() {}
    virtual void ProcessEvents(); // every queued event to HandleEvent, front first
    virtual void ClearOrders();
    virtual void ClearEvents();
    virtual void ClearAll();

    // A different state is stored and the animations loaded for it; the same does nothing.
    void SetState(int32_t state);
    int32_t GetState() const { return m_state.values[0]; }
    const QueuedEntityState& GetStateRecord() const { return m_state; }

    void SetAnimationName(const Stringc& setName) { m_animation.SetAnimationName(setName); }
    Stringc GetAnimationName() const { return m_animation.GetAnimationName(); }
    // From the game's animation pool; the screen size takes the frame's size.
    bool SetAnimation(const char* name);
    void SetFrame(int frame) { m_animation.SetFrame(frame); }
    int GetFrame() const { return m_animation.GetFrame(); }
    int GetFrameCount() const { return m_animation.GetFrameCount(); }
    void SetDirection(int direction) { m_animation.SetSequence(direction); } // 0-7
    int GetDirection() const { return m_animation.GetSequence(); }
    int GetDirectionCount() const { return m_animation.GetSequenceCount(); }
    AnimationMgr& GetAnimation() { return m_animation; }

    void PushEvent(const EntityEvent& event) { m_eventQueue.PushCopy(event); }
    void PushOrder(const EntityOrder& order) { m_orderQueue.PushCopy(order); }
    bool HasCurrentOrder() const { return m_hasCurrentOrder; }
    // The order being run: a copy taken when it left the queue, so later pushes never
    // overwrite it. Null when there is none.
    const EntityOrder* GetCurrentOrder() const {
        return m_hasCurrentOrder ? &m_currentOrder : nullptr;
    }
    int CountOrders() const { return m_orderQueue.Count(); }
    int CountEvents() const { return m_eventQueue.Count(); }
    bool HasEventOfKind(int kind);
    bool HasOrderOfKind(int kind); // the current one or a queued one
    bool HasPending() const;       // a current order, or anything queued
    bool HasOrderOrEventOfKind(int eventKind, int orderKind);

    bool IsActionDone() const { return m_actionDone; }
    void SetActionDone(bool done) { m_actionDone = done; }
    bool IsAnimationFinished() const { return m_animationFinished; }
    void SetAnimationFinished(bool finished) { m_animationFinished = finished; }
    // A third per-order flag for a class's own use, cleared with the other two.
    bool IsOrderFlagSet() const { return m_orderFlag; }
    void SetOrderFlag(bool set) { m_orderFlag = set; }

protected:
    void TakeNextOrder();   // the front order, without touching the per-order flags
    void ClearOrderFlags(); // action done, animation finished and the order flag
    Vector GetFrameOffsets() const;
    bool IsOnExploredCell() const; // always outside the area map

private:
    static bool QueueHolds(Queue<EntityOrder>& queue, int kind);

    Queue<EntityOrder> m_orderQueue{kQueueCapacity};
    Queue<EntityEvent> m_eventQueue{kQueueCapacity};
    EntityOrder m_currentOrder;
    bool m_hasCurrentOrder = false;
    bool m_actionDone = false;
    QueuedEntityState m_state;
    bool m_animationFinished = false;
    bool m_orderFlag = false;
    AnimationMgr m_animation; // its frame's fields first, beside the order's
};
