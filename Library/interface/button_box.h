#pragma once
// A dialog window with a block of text and up to two image buttons (ids 0 and 1), polled by
// its screen each frame; a click on either is reported once. The window stays with the
// Interface until the screen clears it.

#include "Library/interface/text_block.h"

#include <SDL/SDL.h>

#include <cstdint>

class InterfaceObject;
class Screen;
struct Rect;

class ButtonBox {
public:
    ButtonBox(const char* image, int x, int y); // a window of g_interface
    ButtonBox(const ButtonBox&) = delete;
    ButtonBox& operator=(const ButtonBox&) = delete;
    virtual ~ButtonBox();

    // The text goes to the window's top-left + (dx, dy), wrapped to the width.
    void SetTextLayout(int dx, int dy, int font, int wrapWidth);
    void Poll(); // makes the window active and notes a clicked button
    bool HandleEvent(const SDL_Event& event);
    void Draw(Screen& screen);
    const Rect& GetRect() const;
    InterfaceObject* GetWindow() const { return m_window; }
    const Stringc& GetText() const { return m_text.GetText(); }

protected:
    void AddButton(uint32_t id, const char* image, int x, int y); // x, y within the window
    bool TakeButton(uint32_t id);                                 // true once after a click
    void ShowText(const char* text, bool byWords);                // in the layout's font and width

private:
    InterfaceObject* m_window;
    TextBlock m_text;
    int m_font = 0;
    int m_wrapWidth = 0;
    bool m_clicked[2] = {false, false};
};
