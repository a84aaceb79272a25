#include "Source/screens/character_panel.h"

#include "Library/graphics/screen.h"
#include "Library/interface/info_panel.h"
#include "Library/interface/interface.h"
#include "Library/interface/interface_object.h"
#include "Library/interface/message_box.h"
#include "Library/world/game_mode.h"
#include "Source/creatures/creature.h"
#include "Source/creatures/game_rules.h"
#include "Source/entities/soldier_entity.h"
#include "Source/screens/description_scripts.h"
#include "Source/screens/interface_routines.h"
#include "Source/screens/sheet_texts.h"
#include "Source/world/party_mgr.h"

namespace {

constexpr int kSheetX = 72;
constexpr int kSheetY = 73;

const WidgetEntry kButtons[] = {
    {CharacterPanel::kRightDown, kWidgetButton, 741, 389, 12, 20, "button_up.tga", "U"},
    {CharacterPanel::kRightUp, kWidgetButton, 741, 414, 12, 20, "button_dwn.tga", "D"},
    {CharacterPanel::kLeftDown, kWidgetButton, 396, 389, 12, 20, "button_up.tga", "U"},
    {CharacterPanel::kLeftUp, kWidgetButton, 396, 414, 12, 20, "button_dwn.tga", "D"},
    {CharacterPanel::kDone, kWidgetButton, 691, 537, 60, 14, "button_done.tga", "Done"},
};

// Guns, laser weapons, melee weapons and thrown weapons: each row of 14 pixels holds the
// up button over the down one.
const WidgetEntry kSkillButtons[] = {
    {0, kWidgetButton, 608, 111, 12, 7, "button_skill_up_press.tga", ""},
    {1, kWidgetButton, 608, 118, 12, 7, "button_skill_dwn_press.tga", ""},
    {4, kWidgetButton, 608, 125, 12, 7, "button_skill_up_press.tga", ""},
    {5, kWidgetButton, 608, 132, 12, 7, "button_skill_dwn_press.tga", ""},
    {8, kWidgetButton, 608, 139, 12, 7, "button_skill_up_press.tga", ""},
    {9, kWidgetButton, 608, 146, 12, 7, "button_skill_dwn_press.tga", ""},
    {10, kWidgetButton, 608, 153, 12, 7, "button_skill_up_press.tga", ""},
    {11, kWidgetButton, 608, 160, 12, 7, "button_skill_dwn_press.tga", ""},
};

} // namespace

WindowLayout CharacterPanel::Layout() {
    return MakeLayout(WindowEntry{"menu_character_stats.tga", "", 0, 0, 540, 464}, kButtons);
}

WindowLayout CharacterPanel::SkillButtons() {
    return MakeLayout(WindowEntry{"", "", 0, 0, 0, 0}, kSkillButtons);
}

CharacterPanel::CharacterPanel(const Services& services)
    : m_services(services), m_picture(services.graphics) {
    m_window = BuildWindow(Layout());
    m_window->FindChild(kDone)->SetImage2("button_done_up.tga");
    m_confirmation = std::make_unique<MessageBox>("msg_box_4.tga", 300, 235);
    m_confirmation->SetTextLayout(25, 20, 5, 155);
    m_confirmation->AddButton("button_yes2.tga", 29, 113);
    m_confirmation->AddSecondButton("button_no2.tga", 107, 113);
    m_services.right.SetRect(Rect{422, 298, 734, 527});
    m_services.left.SetRect(Rect{77, 298, 389, 527});
    int slot = 0;
    if (m_services.party.GetFirstLevelUpPending(slot))
        StartLevelUp(slot);
    else
        m_character = m_services.party.GetLeader();
    if (Creature* creature = Creature::Of(m_character))
        m_data = &creature->GetData();
    RunStatDescScript(kSheetX, kSheetY);
    RunCharDescScript();
}

CharacterPanel::~CharacterPanel() {
    FreeStatDescScript();
}

// The level is taken now; the points it brings are spent on this sheet or lost.
void CharacterPanel::StartLevelUp(int slot) {
    m_character = m_services.party.GetSlot(slot);
    m_services.party.ClearLevelUpPending(slot);
    Creature* creature = Creature::Of(m_character);
    if (!creature || !creature->GetData().LevelUp())
        return;
    CreatureData& data = creature->GetData();
    m_points = data.GetSkillPointsPerLevel();
    for (int skill = 0; skill < CreatureData::kSkillCount; ++skill)
        m_skillsAtEntry[skill] = data.GetSkill(skill);
    m_levelling = true;
    for (const WidgetEntry& button : kSkillButtons) {
        InterfaceObject* widget = AddWidget(*m_window, button);
        widget->SetImage2(button.id % 2 == 0 ? "button_skill_up_unpress.tga"
                                             : "button_skill_dwn_unpress.tga");
    }
}

void CharacterPanel::Update(Screen&) {
    if (m_state == kConfirming) {
        m_confirmation->Poll();
        if (m_confirmation->TakeFirstButton()) {
            Leave();
        } else if (m_confirmation->TakeSecondButton()) {
            m_state = kSheet;
            m_redraw = true;
        }
        return;
    }
    g_interface->SetActive(m_window);
    const uint32_t frameMs = g_gameMode->GetFrameMs();
    const struct {
        uint32_t id;
        InfoPanel& panel;
        bool down;
    } scrolls[] = {{kRightDown, m_services.right, true},
                   {kRightUp, m_services.right, false},
                   {kLeftDown, m_services.left, true},
                   {kLeftUp, m_services.left, false}};
    for (const auto& scroll : scrolls) {
        if (!m_window->FindChild(scroll.id)->IsPressed())
            continue;
        if (scroll.down)
            scroll.panel.ScrollDown(frameMs);
        else
            scroll.panel.ScrollUp(frameMs);
        m_redraw = true;
    }
    if (const InterfaceObject* clicked = m_window->GetClickedChild())
        Act(clicked->GetId());
}

void CharacterPanel::Act(uint32_t id) {
    if (id == kDone) {
        if (m_points > 0) {
            m_confirmation->SetText(kUnspentQuestion);
            m_state = kConfirming;
            return;
        }
        Leave();
        return;
    }
    if (!m_levelling || !m_data || id >= kRightDown)
        return;
    const int skill = static_cast<int>(id) / 2 + 1;
    if (id % 2 == 0)
        Raise(skill);
    else
        Lower(skill);
    m_redraw = true;
}

void CharacterPanel::Raise(int skill) {
    const int cost = GameRules::SkillPointCost(m_data->GetSkill(skill) + 1);
    if (m_points - cost < 0)
        return;
    m_points -= cost;
    m_data->AddSkill(
        skill, 0,
        static_cast<int16_t>(GameRules::SkillGainPerPoint(1, m_data->IsSkillTagged(skill))));
}

// The refund is what the raise that led here cost: a tagged skill moved by two from a value
// that cost one step less than the one it reached.
void CharacterPanel::Lower(int skill) {
    const int gain = GameRules::SkillGainPerPoint(1, m_data->IsSkillTagged(skill));
    const int value = m_data->GetSkill(skill);
    if (value - gain < m_skillsAtEntry[skill])
        return;
    m_points += GameRules::SkillPointCost(value - gain + 1);
    m_data->AddSkill(skill, 0, static_cast<int16_t>(-gain));
}

void CharacterPanel::Leave() {
    g_gameMode->SetMode(g_gameMode->IsOnMap() ? kModeAreaMap : kModeStoryPage);
}

void CharacterPanel::HandleEvent(const SDL_Event& event) {
    if (event.type == SDL_MOUSEMOTION && UpdateStatDescHover())
        m_redraw = true;
}

void CharacterPanel::Draw(Screen& screen) {
    if (m_state == kConfirming) {
        m_confirmation->Draw(screen);
        return;
    }
    if (!m_picture.DrawWith(screen, m_redraw, *m_window))
        return;
    BuildCharacterSheet(m_character, screen, kSheetX, kSheetY, m_levelling, m_points);
    m_services.right.Draw(screen);
    m_services.left.Draw(screen);
}
