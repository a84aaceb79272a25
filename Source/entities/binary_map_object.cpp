#include "Source/entities/binary_map_object.h"

#include "Library/core/stream.h"
#include "Source/entities/entity.h"
#include "Source/entities/script_machine.h"

#include <cstdio>

BinaryMapObject::BinaryMapObject(Entity& owner, uint32_t kind) : MapObject(owner, kind) {}

void BinaryMapObject::Reset() {
    MapObject::Reset();
    m_state = kStateClosed;
    m_openZone.ResetPolygon();
}

void BinaryMapObject::Activate(Entity& entity) {
    Use(&entity);
}

void BinaryMapObject::Use(Entity* user) {
    if (user == nullptr)
        return;
    Settings& s = EditSettings();
    if (!IsOpen()) {
        if (s.trapArmed) {
            // The run alone tells the script nothing: the trap event says what sprang it.
            s.trapArmed = 0;
            GetScript().PostEvent16(user->GetRef());
            GetScript().Update(0);
            return;
        }
        if (s.locked) {
            PlaySound(s.lockedSound);
            ShowMessage("It's locked.");
            return;
        }
        if (!CanChangeState()) {
            ShowMessage("Something is blocking it.");
            return;
        }
        SetState1();
        GetScript().PostEvent14(user->GetRef());
    } else {
        if (!CanClose()) {
            ShowMessage("Something is blocking it.");
            return;
        }
        SetState0();
        GetScript().PostEvent15(user->GetRef());
    }
    PlaySound(IsOpen() ? s.openSound : s.closeSound);
}

void BinaryMapObject::SetStateWithSound(bool open) {
    if (open) {
        EditSettings().locked = 0;
        SetState1();
    } else {
        SetState0();
    }
    PlaySound(IsOpen() ? GetSettings().openSound : GetSettings().closeSound);
}

void BinaryMapObject::SetState1() {
    m_state = kStateOpen;
}

void BinaryMapObject::SetState0() {
    m_state = kStateClosed;
}

bool BinaryMapObject::CanChangeState() const {
    return IsOpen() || !GetSettings().locked;
}

bool BinaryMapObject::ReadRecord(Stream& stream) {
    uint32_t state = 0;
    if (!MapObject::ReadRecord(stream) || !stream.ReadValue(state))
        return false;
    if (state != kStateClosed && state != kStateOpen) {
        std::fprintf(stderr, "Map object %s: state %u is neither open nor closed\n",
                     GetSettings().name.c_str(), state);
        return false;
    }
    m_state = state;
    return m_openZone.Read(stream);
}

bool BinaryMapObject::WriteRecord(Stream& stream) const {
    return MapObject::WriteRecord(stream) && stream.WriteValue(m_state) && m_openZone.Write(stream);
}

void BinaryMapObject::ApplyState() {
    if (IsOpen())
        SetState1();
    else
        SetState0();
}
