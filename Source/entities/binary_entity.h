#pragma once
// An animated object with two rest states, open (its first frame) and closed (its last).
// A use event becomes a change order, which plays the animation backward to open or
// forward to close; the order ends when the entity next reports itself idle.

#include "Source/entities/queued_entity.h"

class BinaryEntity : public QueuedEntity {
public:
    // The state bits of the flags.
    static constexpr uint32_t kStateMask = kFlagStateA | kFlagStateB;
    static constexpr uint32_t kStateClosed = 0;
    static constexpr uint32_t kStateOpen = kFlagStateA;
    static constexpr uint32_t kStateClosing = kFlagStateB;               // playing forward
    static constexpr uint32_t kStateOpening = kFlagStateA | kFlagStateB; // playing backward
    static constexpr int kEventUse = 16;         // a = 1 opens, any other value closes
    static constexpr int kOrderChangeState = 15; // the same a

    BinaryEntity();

    void Init() override; // closed, no user
    // The queued entity's record. Loading shows the first frame of "misc_1" when open and
    // its last when closed; an entity in motion is stored at the state it is moving to.
    bool Load(Stream& stream) override;
    // Events, a new order when idle, then the order; the animation moves only in a change.
    bool Update(uint32_t frameMs) override;
    bool UpdateScreenPos(Screen& screen) override; // the world position, no frame offsets
    void OnEvent(int kind, EventArg p1, EventArg p2, EventArg p3) override; // use: p3 the user
    bool IsIdle() override; // ends a change order once the entity is at rest
    void NextOrder() override;
    void HandleEvent(const EntityEvent& event) override;
    void RunOrder() override;

    void ShowFirstFrame(); // open, at rest
    void ShowLastFrame();  // closed, at rest

    uint32_t GetStateBits() const { return GetFlags() & kStateMask; }
    bool IsOpen() const { return GetStateBits() == kStateOpen; }
    bool IsClosed() const { return GetStateBits() == kStateClosed; }
    bool IsOpenOrOpening() const { return HasAnyFlag(kFlagStateA); }
    Entity* GetUser() const { return m_user; } // the last to use it; not owned

protected:
    uint32_t GetSavedFlags() const override;
    void SetStateBits(uint32_t state) { SetFlags((GetFlags() & ~kStateMask) | state); }

private:
    void StepChange(); // one step of the animation toward the state under way

    Entity* m_user = nullptr;
    uint32_t m_frameMs = 0; // of the frame being run
};
