#pragma once
// A map object with an open and a closed state, each with its own zone: a chest's or a
// door's. Using it fires its trap, refuses while locked or blocked, or switches its state.
//
// Record: the map object's, then u32 state (0 closed, 1 open) and the open state's Zone.

#include "Source/entities/map_object.h"

class BinaryMapObject : public MapObject {
public:
    static constexpr uint32_t kStateClosed = 0;
    static constexpr uint32_t kStateOpen = 1;

    BinaryMapObject(Entity& owner, uint32_t kind);

    void Reset() override;                  // closed, both zones empty
    void Activate(Entity& entity) override; // a use
    // Nothing without a user. Closed: an armed trap fires instead, a locked one says so,
    // a blocked one too, else it opens. Open: it closes unless blocked.
    void Use(Entity* user);
    // Opening unlocks; then the state as asked, with the sound of the state reached.
    void SetStateWithSound(bool open);

    virtual void SetState1();            // open
    virtual void SetState0();            // closed
    virtual bool CanChangeState() const; // to open: false while closed and locked
    virtual bool CanClose() const { return true; }

    bool IsOpen() const { return m_state == kStateOpen; }

protected:
    bool AcceptsKind(uint32_t kind) const override = 0; // a chest's or a door's
    bool ReadRecord(Stream& stream) override;
    bool WriteRecord(Stream& stream) const override;
    void ApplyState() override;
    const Zone& CurrentZone() const override {
        return IsOpen() ? m_openZone : MapObject::CurrentZone();
    }
    Zone& CurrentZone() override { return IsOpen() ? m_openZone : MapObject::CurrentZone(); }
    void SetState(uint32_t state) { m_state = state; }

private:
    uint32_t m_state = kStateClosed;
    Zone m_openZone;
};
