#pragma once
// The quest log (game mode 14): the journal in three scrolling panels, the topics, the
// chosen topic's text and the notes filed under it; clicking a topic chooses it, and the
// journal keeps the choice for the next visit. Closed topics and notes show highlighted.

#include "Library/world/mode_page.h"
#include "Source/screens/screen_backdrop.h"
#include "Source/screens/window_layout.h"

#include <cstdint>
#include <memory>

class Entity;
class GraphicMgr;
class InfoPanel;
class InterfaceObject;
class LogMgr;

class QuestPanel : public ModePage {
public:
    enum ButtonId : uint32_t {
        kQuestsUp = 0,
        kQuestsDown = 1,
        kNotesUp = 2,
        kNotesDown = 3,
        kTextUp = 4,
        kTextDown = 5,
        kDone = 6,
    };
    // Done is the only way out: it sits where the cursor, held 16 pixels short of the
    // screen's bottom edge, reaches all of it.
    static constexpr int kDoneY = 569;

    QuestPanel(GraphicMgr& graphics, LogMgr& journal, Entity* leader);
    ~QuestPanel() override;

    void Update(Screen& screen) override;
    void Draw(Screen& screen) override;
    void HandleEvent(const SDL_Event& event) override;

    const InfoPanel& GetQuests() const { return *m_quests; }
    const InfoPanel& GetNotes() const { return *m_notes; }
    const InfoPanel& GetQuestText() const { return *m_questText; }
    static WindowLayout PanelLayout();

private:
    void ScrollWhileHeld();

    Entity* m_leader; // kept for the screens that will show it
    LogMgr& m_journal;
    InterfaceObject* m_window = nullptr; // the interface's
    std::unique_ptr<InfoPanel> m_quests;
    std::unique_ptr<InfoPanel> m_notes;
    std::unique_ptr<InfoPanel> m_questText;
    ScreenBackdrop m_background;
    bool m_redraw = true;
};
