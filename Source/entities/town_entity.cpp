#include "Source/entities/town_entity.h"

#include "Library/core/game_mode_id.h"
#include "Library/core/maths.h"
#include "Library/core/stream.h"
#include "Library/graphics/colour.h"
#include "Library/graphics/screen.h"
#include "Library/world/game_mode.h"
#include "Library/scripts/stored_text.h"
#include "Source/entities/creature_parts.h"
#include "Source/entities/script_machine.h"
#include "Source/entities/script_machine_factory.h"
#include "Source/entities/soldier_entity.h"
#include "Source/entities/view_transform.h"

#include <cstdio>

namespace {

constexpr float kLoopWaitSeconds = 2000.0f;

} // namespace

TownEntity::TownEntity() {
    SetType(kTypeTown);
    m_townScript = GetScriptMachineFactory().Create(this); // once it is a town
}

TownEntity::~TownEntity() = default;

void TownEntity::Init() {
    CycleEntity::Init();
    m_animationName.Clear();
    m_townText.Clear();
    m_scriptName.Clear();
    m_found = 1;
    m_discoverable = 1;
    m_difficulty = 0;
    m_townScript->Reset();
}

void TownEntity::SetTown(const Stringc& animationName, const Stringc& townText,
                         const Stringc& scriptName) {
    m_animationName = animationName;
    m_townText = townText;
    m_scriptName = scriptName;
}

void TownEntity::SetDiscovery(bool found, bool discoverable, int32_t difficulty) {
    m_found = found ? 1 : 0;
    m_discoverable = discoverable ? 1 : 0;
    m_difficulty = difficulty;
}

bool TownEntity::Load(Stream& stream) {
    if (!CycleEntity::Load(stream) || !ReadStoredName(stream, m_animationName) ||
        !ReadStoredText(stream, m_townText) || !ReadStoredName(stream, m_scriptName) ||
        !stream.ReadValue(m_found) || !stream.ReadValue(m_discoverable) ||
        !stream.ReadValue(m_difficulty))
        return false;
    if (m_scriptName.Length() > 0) {
        if (!m_townScript->LoadScript(CompiledScriptPath(m_scriptName))) {
            std::fprintf(stderr, "Town %s: its script %s cannot be loaded\n",
                         GetTemplateName().c_str(), m_scriptName.c_str());
            return false;
        }
    }
    SetOwner(nullptr);
    Setup(m_animationName, m_animationName, 1, kLoopWaitSeconds);
    return true;
}

bool TownEntity::Save(Stream& stream) const {
    return CycleEntity::Save(stream) && m_animationName.Write(stream) && m_townText.Write(stream) &&
           m_scriptName.Write(stream) && stream.WriteValue(m_found) &&
           stream.WriteValue(m_discoverable) && stream.WriteValue(m_difficulty);
}

void TownEntity::RunOrder() {
    CycleEntity::RunOrder();
    m_townScript->Update(g_gameMode != nullptr ? g_gameMode->GetFrameMs() : 0);
}

bool TownEntity::UpdateScreenPos(Screen& screen) {
    if (CurrentModeId() != kModeMapEditor) {
        if (!m_found) {
            RemoveFlags(kFlagShown);
            return false;
        }
        AddFlags(kFlagShown);
    }
    return QueuedEntity::UpdateScreenPos(screen);
}

bool TownEntity::Draw(Screen& screen) {
    if (CurrentModeId() != kModeMapEditor && !m_found)
        return false;
    screen.SetDrawColour((m_found ? Colour(255, 0, 0) : Colour(0, 0, 0)).Pack16());
    for (int shrink : {0, 1}) {
        const int across = ToIntWithin(GetRadius() * 16.0f, -1, kRingLimit) - shrink;
        const int down = ToIntWithin(GetRadius() * 8.0f, -1, kRingLimit) - shrink;
        if (across > 0)
            DrawRing(across, down, screen);
    }
    QueuedEntity::Draw(screen);
    screen.SetFont(3);
    const ScreenPos& rect = GetScreenRect();
    screen.DrawText(rect.x - screen.TextWidth(GetDisplayName().c_str()) / 2, rect.y - 33,
                    GetDisplayName());
    return true;
}

bool TownEntity::TryDiscover(Entity& creature) {
    if (m_found || !m_discoverable)
        return false; // a town found before is no new discovery
    if ((creature.GetPosition() - GetPosition()).LengthSquared() >= kDiscoverRange * kDiscoverRange)
        return false;
    SoldierEntity* soldier = nullptr;
    if (Entity::AsSoldier(&creature, &soldier) && soldier->GetCreature() != nullptr &&
        soldier->GetCreature()->TestSkill(kSkillSearch, m_difficulty))
        m_found = 1;
    return m_found != 0;
}
