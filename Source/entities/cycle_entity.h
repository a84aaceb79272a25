#pragma once
// An ambient animation on the map: fire, smoke, an explosion, a fountain. It plays its loop
// animation a number of times, then its end animation, stays hidden for a while and starts
// again; without an owner it loops for ever once started, and it can release itself when
// done. It is drawn through the clip map, so walls in front hide it.
//
// Record: the queued entity's; its cycle is not stored.

#include "Source/entities/queued_entity.h"

class CycleEntity : public QueuedEntity {
public:
    enum CycleState : uint32_t {
        kCycleStart = 0,
        kCycleLooping = 1, // for ever
        kCycleCounted = 2,
        kCycleEnding = 3,
        kCycleWaiting = 4, // hidden
    };

    CycleEntity();

    void Init() override; // counted, with no loops left
    // Shows "misc_1" of its set. The set becomes the loop animation of one that has none,
    // so that it starts again after its first pass and wait rather than showing nothing.
    bool Load(Stream& stream) override;
    bool Update(uint32_t frameMs) override; // one step of the cycle
    // False while waiting, and on the area map over an unexplored cell; never moused over.
    bool UpdateScreenPos(Screen& screen) override;
    bool Draw(Screen& screen) override;

    void SetOwner(const void* owner) { m_owner = owner; } // null: none; not owned
    // Starts again from the loop animation: up to maxLoops + 1 passes (RandomInt), then a
    // wait of up to maxWaitSeconds (RandomFloat).
    void Setup(const Stringc& loopAnimation, const Stringc& endAnimation, int maxLoops,
               float maxWaitSeconds);
    void SetRemoveWhenFinished() { m_removeWhenFinished = true; }
    uint32_t GetCycleState() const { return m_cycleState; }

private:
    void Start();
    void ShowAnimationOf(const Stringc& setName); // its "misc_1"
    bool StepOnce(uint32_t frameMs);              // false at the end of the animation
    bool IsShownOnMap() const;

    const void* m_owner = nullptr;
    uint32_t m_cycleState = kCycleCounted;
    Stringc m_loopAnimation;
    Stringc m_endAnimation;
    int32_t m_loopsLeft = 0;
    int32_t m_maxLoops = 0;
    float m_waitLeft = 0.0f; // seconds
    float m_maxWait = 0.0f;
    bool m_removeWhenFinished = false;
};
