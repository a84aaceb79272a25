#pragma once
// The frame of the leader's book of spells and skills: twelve spell-or-skill boxes, page
// buttons, a description panel, "Done" and the notice that refuses tagging more spells
// than the rules allow. What the book does with them is not built yet, and no mode opens it.

#include "Source/screens/screen_backdrop.h"
#include "Source/screens/window_layout.h"

#include <SDL/SDL.h>

#include <cstdint>
#include <memory>

class Entity;
class GraphicMgr;
class InfoPanel;
class InterfaceObject;
class MessageBox;
class Screen;
class SpellMgr;

class SpellBookPanel {
public:
    enum State : int { kBook = 0, kNoticeShown = 1 };
    enum ButtonId : uint32_t {
        kRight = 0,
        kLeft = 1,
        kTextUp = 2,
        kTextDown = 3,
        kDone = 4,
        kFirstBox = 5, // to 16
    };
    static constexpr int kBoxes = 12;
    static constexpr const char* kDescriptionText =
        "Detailed description of the last selected spell.";

    // The leader may be null: the book then has no spells to show.
    SpellBookPanel(GraphicMgr& graphics, Entity* leader);
    SpellBookPanel(const SpellBookPanel&) = delete;
    SpellBookPanel& operator=(const SpellBookPanel&) = delete;
    ~SpellBookPanel();

    void Update();
    bool HandleEvent(const SDL_Event& event); // takes none
    void Draw(Screen& screen);

    int GetState() const { return m_state; }
    int GetPage() const { return m_page; }
    const SpellMgr* GetSpellMgr() const { return m_spellMgr; }
    InterfaceObject* GetBox(int index) const { return m_boxes[index]; }
    const InfoPanel& GetDescription() const { return *m_description; }
    const MessageBox& GetNoticeBox() const { return *m_noticeBox; }
    static WindowLayout BookLayout();

private:
    int m_state = kBook;
    InterfaceObject* m_window = nullptr; // the interface's
    std::unique_ptr<InfoPanel> m_description;
    std::unique_ptr<MessageBox> m_noticeBox;
    Entity* m_leader;
    SpellMgr* m_spellMgr = nullptr; // the leader's
    int m_page = 0;
    const void* m_entries[kBoxes] = {};
    InterfaceObject* m_boxes[kBoxes] = {};
    ScreenBackdrop m_background;
    bool m_redraw = true;
};
