// The actions that write texts for the player to read: a creature's aside, the play
// screen's message box and message lines, the full-screen text panels, the tutorial box and the
// texts floating in the map view.
#include "Source/scripting/game_natives.h"

#include "Library/interface/framed_info_panel.h"
#include "Library/world/tile_map.h"
#include "Source/entities/soldier_entity.h"
#include "Source/entities/speech_bubble.h"
#include "Source/scripting/native_call.h"
#include "Source/scripting/native_table.h"
#include "Source/world/drifting_lantern_page.h"
#include "Source/world/info_panels.h"
#include "Source/world/story_page_view.h"
#include "Source/world/view_port_string_mgr.h"

#include <algorithm>

namespace {

// The plain box above the owner creature.
int32_t SayAside(const NativeCall& call) {
    SoldierEntity* soldier = call.GetOwnerSoldier();
    if (soldier == nullptr)
        return kActionFailed;
    soldier->GetSpeechBubble().SayAlt(call.String(0));
    return kActionDone;
}

// In the play screen's message box, the screen the story page shows in; the action lasts
// into the next frame, with or without a play screen to show the text.
int32_t ShowMessage(const NativeCall& call) {
    if (StoryPageView* screen = g_page ? g_page->GetView() : nullptr)
        screen->ShowMessage(call.String(0).c_str());
    return kActionStarted;
}

template <InfoPanel** kPanel> int32_t ClearPanel(const NativeCall&) {
    if (*kPanel != nullptr)
        (*kPanel)->Clear();
    return kActionDone;
}

template <InfoPanel** kPanel> int32_t AddToPanel(const NativeCall& call) {
    if (*kPanel != nullptr)
        (*kPanel)->AddText(call.String(0).c_str());
    return kActionDone;
}

int32_t ToggleTutorial(const NativeCall&) {
    if (g_tutorialPanel != nullptr)
        g_tutorialPanel->SetVisible(!g_tutorialPanel->IsVisible());
    return kActionDone;
}

int32_t ReplaceTutorialText(const NativeCall& call) {
    if (g_tutorialPanel != nullptr) {
        g_tutorialPanel->Clear();
        g_tutorialPanel->AddText(call.String(0).c_str());
    }
    return kActionDone;
}

// Pixels across and lines down from the view's corner, each held within the map's extent in
// pixels either way: further out nothing shows, and the view's arithmetic stays in range.
int32_t FloatText(const NativeCall& call) {
    if (g_viewPortStringMgr == nullptr || g_tileMap == nullptr)
        return kActionDone;
    const Vector perUnit = g_tileMap->GetPixelsPerUnit();
    const float wide = static_cast<float>(g_tileMap->GetWidth()) * perUnit.x;
    const float high = static_cast<float>(g_tileMap->GetHeight()) * perUnit.y;
    const Vector at = call.Point(0);
    g_viewPortStringMgr->Add(NativeCall::ToInt(std::clamp(at.x, -wide, wide)),
                             NativeCall::ToInt(std::clamp(at.y, -high, high)), call.String(0));
    return kActionDone;
}

} // namespace

void RegisterTextNatives(NativeTable& table) {
    table.AddAction(4, "S", &SayAside);
    table.AddAction(105, "S", &ShowMessage);
    table.AddAction(107, "", &ClearPanel<&g_infoPanel2>);
    table.AddAction(108, "S", &AddToPanel<&g_infoPanel2>);
    table.AddAction(109, "", &ClearPanel<&g_infoPanel3>);
    table.AddAction(110, "S", &AddToPanel<&g_infoPanel3>);
    table.AddAction(111, "", &ClearPanel<&g_infoPanel4>);
    table.AddAction(112, "S", &AddToPanel<&g_infoPanel4>);
    table.AddAction(113, "SP", &FloatText);
    table.AddAction(400, "", &ClearPanel<&g_hudMessages>);
    table.AddAction(401, "S", &AddToPanel<&g_hudMessages>);
    table.AddAction(402, "", &ToggleTutorial);
    table.AddAction(403, "S", &ReplaceTutorialText);
}
