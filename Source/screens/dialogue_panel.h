#pragma once
// The conversation screen (mode 21): the partner's dialogue is a compiled script run by the
// screen's own machine, owned by the partner. Each run fills the statements (what the other
// side says) and the responses the player may give; a clicked response runs the script again,
// which tests which one was chosen. While the screen exists it serves the dialogue natives:
// a new start label reruns the script, the end returns to the map, trade opens the trade
// screen.

#include "Library/core/stringc.h"
#include "Library/world/mode_page.h"
#include "Source/screens/screen_backdrop.h"
#include "Source/screens/window_layout.h"
#include "Source/scripting/dialogue_controls.h"
#include "Source/scripting/dialogue_lines.h"

#include <cstdint>
#include <memory>
#include <vector>

class Entity;
class GameVirtualMachine;
class GraphicMgr;
class InfoPanel;
class InterfaceObject;
class MessageBox;

class DialoguePanel : public ModePage, public DialogueLines, public DialogueControls {
public:
    enum SubState : uint32_t { kLists = 0, kMessageShown = 1 };
    enum ButtonId : uint32_t {
        kStatementsUp = 0,
        kStatementsDown = 1,
        kResponsesUp = 2,
        kResponsesDown = 3,
        kTrade = 4,
    };

    // A partner the region does not hold is no partner. An empty name, or a script that
    // cannot be loaded, ends the dialogue back on the map.
    DialoguePanel(GraphicMgr& graphics, Entity* partner, const Stringc& name);
    ~DialoguePanel() override;

    void Update(Screen& screen) override;
    void Draw(Screen& screen) override;
    void HandleEvent(const SDL_Event& event) override;

    // What the natives ask.
    void AddStatement(const Stringc& text) override;
    void AddResponse(const Stringc& text); // once, whatever its case
    bool AddResponseAndTest(const Stringc& text) override;
    bool IsTradeRequested() const override { return m_closed; }
    void EndDialogue() override;
    void RequestTradeAndEnd() override;
    void RequestTrade() override;
    void ShowMessage(const char* text);

    uint32_t GetSubState() const { return m_subState; }
    bool IsClosed() const { return m_closed; }
    const InfoPanel& GetStatements() const { return *m_statements; }
    const InfoPanel& GetResponses() const { return *m_responses; }
    const MessageBox& GetMessageBox() const { return *m_messageBox; }

    static WindowLayout Layout();

private:
    void ClearLists();
    void FailStart(const char* why);

    uint32_t m_subState = kLists;
    Stringc m_name;
    std::unique_ptr<GameVirtualMachine> m_machine;
    Entity* m_player = nullptr;
    Entity* m_partner = nullptr;
    InterfaceObject* m_window = nullptr; // the interface's
    std::unique_ptr<InfoPanel> m_statements;
    std::unique_ptr<InfoPanel> m_responses;
    std::unique_ptr<MessageBox> m_messageBox;
    uint32_t m_responseCount = 0;
    std::vector<Stringc> m_responseTexts;
    ScreenBackdrop m_picture;
    bool m_redraw = true;
    Stringc m_chosen;
    bool m_runScript = true;
    bool m_closed = false;
};
