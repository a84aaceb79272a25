#include "Source/screens/spell_book_panel.h"

#include "Library/core/stringc.h"
#include "Library/graphics/rect.h"
#include "Library/interface/info_panel.h"
#include "Library/interface/interface_object.h"
#include "Library/interface/message_box.h"
#include "Library/world/game_mode.h"
#include "Source/creatures/creature.h"
#include "Source/creatures/creature_data.h"
#include "Source/creatures/game_rules.h"
#include "Source/screens/dialog_boxes.h"

namespace {

constexpr int kBoxX = 17;
constexpr int kFirstBoxY = 15;
constexpr int kBoxStep = 35;

WidgetEntry Box(int index) {
    return WidgetEntry{static_cast<uint32_t>(SpellBookPanel::kFirstBox + index),
                       kWidgetToggle,
                       kBoxX,
                       kFirstBoxY + kBoxStep * index,
                       80,
                       30,
                       "button_spell_or_skill.tga",
                       "skill box"};
}

const WidgetEntry kWidgets[] = {
    Box(0),
    Box(1),
    Box(2),
    Box(3),
    Box(4),
    Box(5),
    Box(6),
    Box(7),
    Box(8),
    Box(9),
    Box(10),
    Box(11),
    {SpellBookPanel::kLeft, kWidgetButton, 17, 439, 30, 20, "button_left_3.tga", "left"},
    {SpellBookPanel::kRight, kWidgetButton, 57, 439, 30, 20, "button_right_3.tga", "right"},
    {SpellBookPanel::kTextUp, kWidgetButton, 493, 280, 12, 20, "button_up.tga", "text up"},
    {SpellBookPanel::kTextDown, kWidgetButton, 493, 305, 12, 20, "button_dwn.tga", "text down"},
    {SpellBookPanel::kDone, kWidgetButton, 462, 439, 64, 14, "button_done.tga", "Done"},
};
static_assert(sizeof kWidgets / sizeof kWidgets[0] == SpellBookPanel::kBoxes + 5);

SpellMgr* SpellsOf(Entity* leader) {
    Creature* creature = Creature::Of(leader);
    return creature ? &creature->GetData().GetSpellMgr() : nullptr;
}

} // namespace

WindowLayout SpellBookPanel::BookLayout() {
    return MakeLayout(WindowEntry{"menu_spell_skill_book.tga", "", 130, 44, 670 - 130, 508 - 44},
                      kWidgets);
}

SpellBookPanel::SpellBookPanel(GraphicMgr& graphics, Entity* leader)
    : m_window(BuildWindow(BookLayout())),
      m_description(std::make_unique<InfoPanel>(Rect::Make(335, 241, 600, 451), 1, 30, 5, 0)),
      m_noticeBox(MakeNoticeBox()), m_leader(leader), m_spellMgr(SpellsOf(leader)),
      m_background(graphics) {
    for (int index = 0; index < kBoxes; ++index)
        m_boxes[index] = m_window->FindChild(static_cast<uint32_t>(kFirstBox + index));
    Stringc notice;
    notice.Format("You cannot tag more than %d spells at this time.", GameRules::MaxTaggedSpells());
    m_noticeBox->SetText(notice.c_str());
    m_description->AddTextWithId(0, kDescriptionText);
}

SpellBookPanel::~SpellBookPanel() = default;

void SpellBookPanel::Update() {
    if (m_state != kNoticeShown)
        return;
    m_noticeBox->Poll();
    if (!m_noticeBox->TakeFirstButton())
        return;
    m_state = kBook;
    m_redraw = true;
}

bool SpellBookPanel::HandleEvent(const SDL_Event&) {
    return false;
}

void SpellBookPanel::Draw(Screen& screen) {
    g_gameMode->InvalidateScreen();
    m_background.DrawWith(screen, m_redraw, *m_window);
    if (m_state == kNoticeShown)
        m_noticeBox->Draw(screen);
}
