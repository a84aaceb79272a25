#include "Source/screens/select_player_script_panel.h"

#include "Library/core/stringc.h"
#include "Library/interface/interface.h"
#include "Library/interface/interface_object.h"
#include "Library/world/game_mode.h"
#include "Source/creatures/creature.h"
#include "Source/creatures/creature_data.h"

namespace {

const WidgetEntry kChildren[] = {
    {0, kWidgetRadio, 252, 264, 22, 20, "button_tick.tga", ""},
    {1, kWidgetRadio, 252, 322, 22, 20, "button_tick.tga", ""},
    {2, kWidgetRadio, 252, 380, 22, 20, "button_tick.tga", ""},
    {SelectPlayerScriptPanel::kDone, kWidgetButton, 691, 537, 64, 14, "button_done.tga", "Done"},
};

CreatureData* DataOf(Entity* entity) {
    Creature* creature = Creature::Of(entity);
    return creature ? &creature->GetData() : nullptr;
}

} // namespace

WindowLayout SelectPlayerScriptPanel::PanelLayout() {
    return MakeLayout(WindowEntry{"menu_select_player_script.tga", "", 0, 0, 800, 600}, kChildren);
}

SelectPlayerScriptPanel::SelectPlayerScriptPanel(GraphicMgr& graphics, Entity* leader)
    : m_window(BuildWindow(PanelLayout())), m_background(graphics), m_character(leader) {
    g_interface->SetActive(m_window);
    TickCurrentChoice();
}

// A name stored with its extension ticks its button too.
void SelectPlayerScriptPanel::TickCurrentChoice() {
    const CreatureData* data = DataOf(m_character);
    if (!data)
        return;
    Stringc current = data->GetScript(CreatureData::kIdleScript);
    current.StripExtension();
    for (int id = 0; id < kScripts; ++id)
        if (current == kScriptNames[id])
            m_window->FindChild(static_cast<uint32_t>(id))->Select();
}

int SelectPlayerScriptPanel::GetTicked() const {
    const InterfaceObject* selected = m_window->GetSelectedChild();
    return selected ? static_cast<int>(selected->GetId()) : -1;
}

void SelectPlayerScriptPanel::Update(Screen&) {
    const InterfaceObject* clicked = m_window->GetClickedChild();
    if (!clicked)
        return;
    const uint32_t id = clicked->GetId();
    if (id == kDone) {
        g_gameMode->SetMode(g_gameMode->IsOnMap() ? kModeAreaMap : kModeStoryPage);
        return;
    }
    if (CreatureData* data = DataOf(m_character); data && id < kScripts)
        data->SetScript(CreatureData::kIdleScript, kScriptNames[id]);
}

void SelectPlayerScriptPanel::Draw(Screen& screen) {
    m_background.DrawWith(screen, m_redraw, *m_window);
}
