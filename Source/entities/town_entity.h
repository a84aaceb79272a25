#pragma once
// A town on the world map: its animation looping for ever, a name, the text the world map
// shows, a script of its own, and whether the player has found it. Towns not found are not
// shown; a creature near one may find it by searching.
//
// Record: the queued entity's, then Stringc animation, Stringc town text, Stringc script
// name, u8 found, u8 discoverable, i32 difficulty.

#include "Source/entities/cycle_entity.h"

#include <memory>

class ScriptMachine;

class TownEntity : public CycleEntity {
public:
    static constexpr int kSkillSearch = 19;
    static constexpr float kDiscoverRange = 10.0f; // world units, exclusive

    TownEntity(); // its script machine, run for it
    ~TownEntity() override;

    void Init() override; // found, discoverable, no difficulty, no script
    // Loads its script (a town without a script name has none; one that cannot be loaded
    // fails the load) and loops its animation for ever.
    bool Load(Stream& stream) override;
    bool Save(Stream& stream) const override;
    bool UpdateScreenPos(Screen& screen) override; // outside the map editor, found ones only
    // Rings red when found, black when not (the map editor shows both), then the frame and
    // the display name.
    bool Draw(Screen& screen) override;
    // The town's order step runs its script, at the game's frame time. Its update is the
    // cycle's alone, so only a caller of its own runs the step.
    void RunOrder() override;

    // A chance of the creature's search skill less the difficulty, for a discoverable town
    // not yet found and closer than ten units. Whether the town is found.
    bool TryDiscover(Entity& creature);

    const Stringc& GetTownText() const { return m_townText; }
    bool IsFound() const { return m_found != 0; }
    void SetFound(bool found) { m_found = found ? 1 : 0; }
    void SetTown(const Stringc& animationName, const Stringc& townText, const Stringc& scriptName);
    void SetDiscovery(bool found, bool discoverable, int32_t difficulty);

private:
    Stringc m_animationName;
    Stringc m_townText;
    Stringc m_scriptName;
    uint8_t m_found = 1;
    uint8_t m_discoverable = 1;
    int32_t m_difficulty = 0;
    std::unique_ptr<ScriptMachine> m_townScript;
};
