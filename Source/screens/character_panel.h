#pragma once
// The character sheet (mode 12): a party member's level, experience, hit points, armour,
// carry weight, healing, damage thresholds, resistances and skills, beside two description
// panels the description scripts fill. A member with a pending level-up goes up a level on
// entry and the player spends its skill points one step at a time, with undo down to the
// values at entry.

#include "Library/world/mode_page.h"
#include "Source/creatures/creature_data.h"
#include "Source/screens/screen_backdrop.h"
#include "Source/screens/window_layout.h"

#include <cstdint>
#include <memory>

class Entity;
class GraphicMgr;
class InfoPanel;
class InterfaceObject;
class MessageBox;
class PartyMgr;

class CharacterPanel : public ModePage {
public:
    enum State : int { kSheet = 0, kConfirming = 1 };
    enum ButtonId : uint32_t {
        kRightDown = 40,
        kRightUp = 41,
        kLeftDown = 42,
        kLeftUp = 43,
        kDone = 44,
        kFirstSkillButton = 0, // 0-39: even raises, odd lowers skill id / 2 + 1
    };
    static constexpr const char* kUnspentQuestion =
        "You have not distributed all of your skill points. Are you sure you want to leave "
        "this panel?";

    struct Services {
        GraphicMgr& graphics;
        PartyMgr& party;
        InfoPanel& right; // the two description panels, placed by the sheet
        InfoPanel& left;
    };

    explicit CharacterPanel(const Services& services);
    ~CharacterPanel() override;

    void Update(Screen& screen) override;
    void Draw(Screen& screen) override;
    void HandleEvent(const SDL_Event& event) override;

    int GetState() const { return m_state; }
    Entity* GetCharacter() const { return m_character; }
    bool IsLevelling() const { return m_levelling; }
    int GetPoints() const { return m_points; }
    InterfaceObject* GetWindow() const { return m_window; }
    const MessageBox& GetConfirmation() const { return *m_confirmation; }

    static WindowLayout Layout();
    // The sheet's skill buttons: up and down for each listed skill, top to bottom.
    static WindowLayout SkillButtons();

private:
    void StartLevelUp(int slot);
    void Act(uint32_t id);
    void Raise(int skill);
    void Lower(int skill);
    void Leave();

    Services m_services;
    int m_state = kSheet;
    Entity* m_character = nullptr;
    CreatureData* m_data = nullptr;
    InterfaceObject* m_window = nullptr; // the interface's
    std::unique_ptr<MessageBox> m_confirmation;
    ScreenBackdrop m_picture;
    bool m_redraw = true;
    bool m_levelling = false;
    int m_points = 0;
    int m_skillsAtEntry[CreatureData::kSkillCount] = {};
};
