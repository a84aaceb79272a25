#pragma once
// The load screen (game mode 5) and the save screen (game mode 6): the ten slots, each
// with its title and the description saved in it, picked with the mouse and handed to the
// load-and-save manager; saving first asks for the description, the slot's old one to
// edit when it holds a game. A load refused says why in a box over the slots. The slots are
// read once, when the screen opens.

#include "Library/core/stringc.h"
#include "Library/graphics/rect.h"
#include "Library/world/mode_page.h"
#include "Source/screens/screen_backdrop.h"
#include "Source/screens/window_layout.h"

#include <cstdint>
#include <memory>

class EditBox;
class GraphicMgr;
class InterfaceObject;
class LoadSaveMgr;
class MessageBox;

class LoadSavePanel : public ModePage {
public:
    enum State : int { kChoosingToLoad = 0, kChoosingToSave = 1, kTyping = 2, kRefusalShown = 3 };
    enum ButtonId : uint32_t { kOk = 0, kCancel = 1 };
    static constexpr int kSlots = 10;
    static constexpr int kFirstLineY = 96;
    static constexpr int kFont = 1;
    static constexpr int kSelectedFont = 4;
    static constexpr int kLineWidth = 300; // a longer description is cut to it on the list
    static constexpr const char* kEmptyText = "~ Empty ~";

    struct Services {
        GraphicMgr& graphics;
        LoadSaveMgr& loadSave;
    };

    // The state kChoosingToLoad or kChoosingToSave.
    LoadSavePanel(const Services& services, int mode);
    ~LoadSavePanel() override;

    void Update(Screen& screen) override;
    void Draw(Screen& screen) override;
    void HandleEvent(const SDL_Event& event) override;

    int GetState() const { return m_state; }
    int GetSelected() const { return m_selected; } // 0-9, or -1
    const Stringc& GetTitle(int index) const { return m_titles[index]; }
    const Stringc& GetDescription(int index) const { return m_descriptions[index]; }
    const EditBox& GetDescriptionBox() const { return *m_descriptionBox; }
    const MessageBox& GetRefusalBox() const { return *m_refusalBox; }
    // Where slot index's title and description lines lie on the screen.
    Rect TitleRect(int index) const;
    Rect DescriptionRect(int index) const;

    static WindowLayout PanelLayout();

private:
    struct SlotLines {
        int top;    // of the title
        int height; // of each line
    };

    SlotLines LinesOf(int index) const;
    Rect CentredLine(const Stringc& text, int top, int height, int font) const;
    Stringc ShownDescription(int index) const; // in the slot's font
    int FontOf(int index) const { return index == m_selected ? kSelectedFont : kFont; }
    int SlotAt(int x, int y) const; // -1 for none
    void FillSlots();
    void UpdateChoosing();
    void UpdateTyping();
    void UpdateRefusal();
    void GoBack();

    Services m_services;
    int m_state;
    InterfaceObject* m_window = nullptr; // the interface's
    std::unique_ptr<EditBox> m_descriptionBox;
    std::unique_ptr<MessageBox> m_refusalBox;
    ScreenBackdrop m_background;
    Stringc m_titles[kSlots];
    Stringc m_descriptions[kSlots];
    int m_selected = -1;
    bool m_redraw = true;
};
