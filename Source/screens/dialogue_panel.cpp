#include "Source/screens/dialogue_panel.h"

#include "Library/files/stored_name.h"
#include "Library/graphics/screen.h"
#include "Library/interface/info_panel.h"
#include "Library/interface/interface.h"
#include "Library/interface/interface_object.h"
#include "Library/interface/message_box.h"
#include "Library/interface/mouse_position.h"
#include "Library/world/game_mode.h"
#include "Library/world/mode_record.h"
#include "Source/creatures/creature.h"
#include "Source/creatures/creature_data.h"
#include "Source/entities/entity_mgr.h"
#include "Source/screens/interface_routines.h"
#include "Source/scripting/game_virtual_machine.h"

#include <cstdio>

namespace {

constexpr uint32_t kMatchGender = 4; // the reference's match code a creature says it by

const WidgetEntry kButtons[] = {
    {DialoguePanel::kStatementsUp, kWidgetButton, 638, 178, 12, 20, "button_up.tga",
     "statement up"},
    {DialoguePanel::kStatementsDown, kWidgetButton, 638, 203, 12, 20, "button_dwn.tga",
     "statement down"},
    {DialoguePanel::kResponsesUp, kWidgetButton, 638, 375, 12, 20, "button_up.tga", "response up"},
    {DialoguePanel::kResponsesDown, kWidgetButton, 638, 400, 12, 20, "button_dwn.tga",
     "response down"},
    {DialoguePanel::kTrade, kWidgetButton, 371, 521, 60, 14, "button_trade.tga", "text up"},
};

const char* RefusalOf(const Entity& creature) {
    switch (creature.GetRef().GetMatch(kMatchGender)) {
    case 1:
        return "He will not trade with you.";
    case 2:
        return "She will not trade with you.";
    default:
        return "It will not trade with you.";
    }
}

} // namespace

WindowLayout DialoguePanel::Layout() {
    return MakeLayout(WindowEntry{"menu_dialogue.tga", "", 0, 0, 800, 600}, kButtons);
}

DialoguePanel::DialoguePanel(GraphicMgr& graphics, Entity* partner, const Stringc& name)
    : m_name(name), m_picture(graphics) {
    m_player = g_entityMgr ? g_entityMgr->GetActivePartyMember() : nullptr;
    m_partner = g_entityMgr && g_entityMgr->IsInUsedSlot(partner) ? partner : nullptr;
    m_window = BuildWindow(Layout());
    m_statements = std::make_unique<InfoPanel>(Rect{175, 109, 627, 284}, 1, 30, 1, 0);
    m_responses = std::make_unique<InfoPanel>(Rect{175, 319, 627, 492}, 1, 30, 1, 4);
    m_messageBox = std::make_unique<MessageBox>("msg_box_3.tga", 300, 235);
    m_messageBox->SetTextLayout(25, 20, 5, 155);
    m_messageBox->AddButton("button_ok2.tga", 71, 113);
    SetDialogueLines(this);
    g_dialogueControls = this;
    if (m_name.Length() == 0) {
        FailStart("a dialogue without a script");
        return;
    }
    m_machine = std::make_unique<GameVirtualMachine>(m_partner);
    m_machine->SetPeriod(0);
    if (!StoredName::IsContained(m_name.c_str()) ||
        !m_machine->LoadScript(g_gameMode->GetScriptDir() + "/" + m_name + ".scr")) {
        m_machine.reset();
        FailStart(m_name.c_str());
    }
}

DialoguePanel::~DialoguePanel() {
    if (GetDialogueLines() == this)
        SetDialogueLines(nullptr);
    if (g_dialogueControls == this)
        g_dialogueControls = nullptr;
    m_machine.reset();
}

// Ended as the script's own end would: back on the map, running.
void DialoguePanel::FailStart(const char* why) {
    std::fprintf(stderr, "Dialogue: %s cannot be started\n", why);
    RequestTradeAndEnd();
    g_gameMode->SetMode(kModeAreaMap);
    g_gameMode->SetPaused(false);
}

void DialoguePanel::ClearLists() {
    m_statements->Clear();
    m_responses->Clear();
    m_responseTexts.clear();
    m_responseCount = 0;
    m_redraw = true;
}

void DialoguePanel::Update(Screen&) {
    if (m_closed)
        return;
    if (m_subState == kMessageShown) {
        m_messageBox->Poll();
        if (m_messageBox->TakeFirstButton()) {
            m_subState = kLists;
            m_redraw = true;
        }
        return;
    }
    g_interface->SetActive(m_window);
    const uint32_t frameMs = g_gameMode->GetFrameMs();
    if (m_window->FindChild(kStatementsUp)->IsPressed())
        m_statements->ScrollUp(frameMs);
    if (m_window->FindChild(kStatementsDown)->IsPressed())
        m_statements->ScrollDown(frameMs);
    if (m_window->FindChild(kResponsesUp)->IsPressed())
        m_responses->ScrollUp(frameMs);
    if (m_window->FindChild(kResponsesDown)->IsPressed())
        m_responses->ScrollDown(frameMs);
    if (const InterfaceObject* clicked = m_window->GetClickedChild();
        clicked && clicked->GetId() == kTrade)
        RequestTrade();
    if (m_runScript && m_machine) {
        m_runScript = false;
        m_machine->Update(frameMs);
        m_chosen = "";
    }
}

// While the message box shows, it alone hears the player.
void DialoguePanel::HandleEvent(const SDL_Event& event) {
    if (m_subState == kMessageShown || m_closed)
        return;
    if (m_responses->Contains(g_mouseX, g_mouseY)) {
        m_responses->HandleEvent(event);
        Stringc text;
        if (event.type == SDL_MOUSEBUTTONUP && event.button.button == SDL_BUTTON_LEFT &&
            m_responses->TakeClickedText(text)) {
            m_chosen = text;
            m_runScript = true;
        }
    } else {
        m_responses->TakeClickedLine();
        m_chosen = "";
    }
    m_redraw = true;
}

void DialoguePanel::Draw(Screen& screen) {
    if (m_subState == kMessageShown) {
        m_messageBox->Draw(screen);
        return;
    }
    if (m_statements->TakeRedraw() | m_responses->TakeRedraw())
        m_redraw = true;
    if (!m_picture.DrawWith(screen, m_redraw, *m_window))
        return;
    m_statements->Draw(screen);
    m_responses->Draw(screen);
}

void DialoguePanel::AddStatement(const Stringc& text) {
    m_statements->AddText(text.c_str());
    m_redraw = true;
}

void DialoguePanel::AddResponse(const Stringc& text) {
    for (const Stringc& offered : m_responseTexts)
        if (offered == text)
            return;
    m_responseTexts.push_back(text);
    m_responses->AddTextWithId(static_cast<int>(m_responseCount++), text.c_str());
    m_redraw = true;
}

bool DialoguePanel::AddResponseAndTest(const Stringc& text) {
    AddResponse(text);
    return m_chosen.Length() > 0 && text == m_chosen;
}

void DialoguePanel::EndDialogue() {
    ClearLists();
    m_runScript = true;
}

void DialoguePanel::RequestTradeAndEnd() {
    m_closed = true;
    ClearLists();
}

void DialoguePanel::RequestTrade() {
    if (!Creature::Of(m_partner)) {
        ShowMessage("You cannot trade with it.");
        return;
    }
    if (!Creature::Of(m_partner)->GetData().WillTrade()) {
        ShowMessage(RefusalOf(*m_partner));
        return;
    }
    ModeRecord trade(kModeTrade, 0, 0, 0, 0);
    trade.SetEntity(m_partner);
    trade.SetName(m_name.c_str());
    g_gameMode->SetModeFromRecord(trade);
}

void DialoguePanel::ShowMessage(const char* text) {
    m_messageBox->SetText(text);
    m_subState = kMessageShown;
    m_redraw = true;
}
