#include "Source/screens/quest_panel.h"

#include "Library/core/stringc.h"
#include "Library/graphics/rect.h"
#include "Library/interface/info_panel.h"
#include "Library/interface/interface.h"
#include "Library/interface/interface_object.h"
#include "Library/world/game_mode.h"
#include "Source/world/log_mgr.h"

namespace {

constexpr int kStacking = 1;
constexpr int kMaxLines = 30;
constexpr int kFont = 0;
constexpr int kQuestHighlightFont = 1;

const WidgetEntry kButtons[] = {
    {QuestPanel::kQuestsUp, kWidgetButton, 384, 190, 12, 20, "button_up.tga", "text up"},
    {QuestPanel::kQuestsDown, kWidgetButton, 384, 215, 12, 20, "button_dwn.tga", "text down"},
    {QuestPanel::kNotesUp, kWidgetButton, 384, 433, 12, 20, "button_up.tga", "text up"},
    {QuestPanel::kNotesDown, kWidgetButton, 384, 458, 12, 20, "button_dwn.tga", "text down"},
    {QuestPanel::kTextUp, kWidgetButton, 732, 282, 12, 20, "button_up.tga", "text up"},
    {QuestPanel::kTextDown, kWidgetButton, 732, 307, 12, 20, "button_dwn.tga", "text down"},
    {QuestPanel::kDone, kWidgetButton, 369, QuestPanel::kDoneY, 64, 14, "button_done.tga", "Done"},
};

} // namespace

WindowLayout QuestPanel::PanelLayout() {
    return MakeLayout(WindowEntry{"menu_quest.tga", "", 0, 0, 800, 600}, kButtons);
}

QuestPanel::QuestPanel(GraphicMgr& graphics, LogMgr& journal, Entity* leader)
    : m_leader(leader), m_journal(journal), m_window(BuildWindow(PanelLayout())),
      m_quests(std::make_unique<InfoPanel>(Rect::Make(72, 106, 359, 313), kStacking, kMaxLines,
                                           kFont, kQuestHighlightFont)),
      m_notes(std::make_unique<InfoPanel>(Rect::Make(72, 394, 359, 528), kStacking, kMaxLines,
                                          kFont, kFont)),
      m_questText(std::make_unique<InfoPanel>(Rect::Make(422, 106, 709, 525), kStacking, kMaxLines,
                                              kFont, kFont)),
      m_background(graphics) {
    m_journal.FillPanelByKey(*m_quests, *m_questText, *m_notes);
}

QuestPanel::~QuestPanel() = default;

void QuestPanel::Update(Screen&) {
    g_interface->SetActive(m_window);
    ScrollWhileHeld();
    const InterfaceObject* clicked = m_window->GetClickedChild();
    if (clicked && clicked->GetId() == kDone)
        g_gameMode->SetMode(kModeAreaMap);
    Stringc topic;
    if (!m_quests->TakeClickedText(topic))
        return;
    m_journal.SetText(topic);
    m_journal.FillList(*m_notes, topic);
    m_journal.FillPanelForEntry(*m_questText, topic);
    m_redraw = true;
}

void QuestPanel::ScrollWhileHeld() {
    const uint32_t frameMs = g_gameMode->GetFrameMs();
    const struct {
        uint32_t id;
        InfoPanel& panel;
        bool up;
    } scrollers[] = {{kQuestsUp, *m_quests, true},  {kQuestsDown, *m_quests, false},
                     {kNotesUp, *m_notes, true},    {kNotesDown, *m_notes, false},
                     {kTextUp, *m_questText, true}, {kTextDown, *m_questText, false}};
    for (const auto& scroller : scrollers) {
        if (!m_window->FindChild(scroller.id)->IsPressed())
            continue;
        if (scroller.up)
            scroller.panel.ScrollUp(frameMs);
        else
            scroller.panel.ScrollDown(frameMs);
        m_redraw = true;
    }
}

void QuestPanel::HandleEvent(const SDL_Event& event) {
    bool changed = false;
    for (InfoPanel* panel : {m_quests.get(), m_notes.get(), m_questText.get()})
        changed = panel->HandleEvent(event) || changed;
    if (changed)
        m_redraw = true;
}

void QuestPanel::Draw(Screen& screen) {
    if (!m_background.DrawWith(screen, m_redraw, *m_window))
        return;
    for (InfoPanel* panel : {m_quests.get(), m_notes.get(), m_questText.get()})
        panel->Draw(screen);
}
