#include "Source/creatures/spell_cast_command.h"

#include "Source/creatures/spell_ability.h"
#include "Source/entities/soldier_entity.h"

bool SpellCastCommand::Update() {
    if (IsHeldByTimer())
        return true;
    switch (GetState()) {
    case kStart:
        if (m_spell == nullptr) {
            Fail();
            SetState(kEnd);
        } else if (!Cast()) {
            SetState(kEnd);
        }
        break;
    case kCastingSpell:
        if (!IsCasting())
            SetState(kEnd);
        break;
    default:
        WatchWalk();
        break;
    }
    return IsRunning();
}

bool SpellCastCommand::PostCast(int event, EventArg b, EventArg c) {
    Stop();
    Owner().OnEvent(event, m_spell->GetId(), b, c);
    SetState(kCastingSpell);
    return true;
}
