#pragma once
// The editors' file chooser: a window with scroll, OK and cancel buttons over a list of the
// current directory: "..", then its subdirectories, then the files whose extension passes
// the filter, each group sorted by name ignoring case and each line showing the name alone.
// A clicked directory is entered; a clicked file becomes the chosen name, which the caller
// confirms with OK.

#include "Library/core/stringc.h"

#include <SDL/SDL.h>

#include <cstdint>
#include <memory>

class InfoPanel;
class InterfaceObject;
class Screen;
struct Rect;

class DirectoryPanel {
public:
    enum ButtonId : uint32_t { kScrollDown = 0, kScrollUp = 1, kOk = 2, kCancel = 3 };

    DirectoryPanel(const char* image, int x, int y); // a window of g_interface
    DirectoryPanel(const DirectoryPanel&) = delete;
    DirectoryPanel& operator=(const DirectoryPanel&) = delete;
    virtual ~DirectoryPanel();

    // The list at rect, given relative to the window.
    void Create(const Rect& rect, int stacking, int maxLines, int font, int highlightFont);
    void AddScrollDownButton(const char* image, int x, int y) {
        AddButton(kScrollDown, image, x, y);
    }
    void AddScrollUpButton(const char* image, int x, int y) { AddButton(kScrollUp, image, x, y); }
    void AddOkButton(const char* image, int x, int y) { AddButton(kOk, image, x, y); }
    void AddCancelButton(const char* image, int x, int y) { AddButton(kCancel, image, x, y); }
    void AddButton(uint32_t id, const char* image, int x, int y); // x, y within the window

    void AddFilter(const char* extension); // without the '.'; none passes every file
    void ClearFilter();
    void Enter(const char* directory);
    void GoUp();
    const Stringc& GetDirectory() const { return m_directory; }

    void Update(uint32_t frameMs); // once per frame while shown
    bool HandleEvent(const SDL_Event& event);
    bool TakeChosen();
    bool TakeCancelled();
    Stringc TakeChosenName();
    Stringc GetLinePath(int fileIndex) const; // the directory and the name of a file line
    int GetDirectoryLineCount() const { return static_cast<int>(m_directoryLines); }
    int GetFileLineCount() const { return static_cast<int>(m_fileLines); }
    const InfoPanel& GetList() const { return *m_list; }

    void Draw(Screen& screen); // only when the list or the window changed
    void SetDirty();
    bool Contains(int x, int y) const;
    const Rect& GetRect() const;
    void Clear();

private:
    void List();
    bool HasFilter() const;
    bool PassesFilter(const char* name) const;
    void ChooseLine(int id, const Stringc& text);

    Stringc m_directory;
    Stringc m_filter; // a chain of extensions; empty passes every file
    Stringc m_chosenName;
    uint32_t m_directoryLines = 0; // ".." included
    uint32_t m_fileLines = 0;
    InterfaceObject* m_window;
    std::unique_ptr<InfoPanel> m_list;
    bool m_chosen = false;
    bool m_cancelled = false;
};
