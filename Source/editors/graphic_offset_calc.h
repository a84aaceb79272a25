#pragma once
// The graphic offset editor (game mode 25): the user picks a directory of graphics, picks
// one of them from the loaded list and moves it over a fixed anchor with the arrow keys or
// by dragging; the editor shows the graphic's offset from the anchor in world units, for
// the user to copy into data files. It writes no file.

#include "Library/core/vector.h"
#include "Library/world/mode_page.h"
#include "Source/screens/window_layout.h"

#include <cstdint>
#include <memory>
#include <vector>

class DirectoryPanel;
class Graphic;
class GraphicMgr;
class InterfaceObject;
class TileMap;

class GraphicOffsetCalc : public ModePage {
public:
    enum WidgetId : uint32_t {
        kListUp = 0, // the graphic window's
        kListDown = 1,
        kOffsetX = 2, // the main window's
        kOffsetY = 3,
        kOffsetZ = 4,
        kSelectGraphic = 5,
        kTransparent = 6,
        kExit = 7,
    };
    enum State : uint32_t { kMainPanel = 0, kSelectGraphicFile = 1 };

    explicit GraphicOffsetCalc(TileMap& map); // the map must outlive the editor
    ~GraphicOffsetCalc() override;

    void Update(Screen& screen) override;
    void Draw(Screen& screen) override;
    void HandleEvent(const SDL_Event& event) override;
    // Back to no offset, no selection and no graphics loaded.
    void Reset();

    static WindowLayout MainLayout();
    static WindowLayout GraphicLayout();

    State GetState() const { return m_state; }
    const Vector& GetOffset() const { return m_offset; }
    const Vector& GetAnchor() const { return m_anchor; }
    const Graphic* GetSelected() const { return m_selected; }
    int GetFirstShown() const { return m_firstShown; }
    int GetCount() const { return m_count; }
    bool IsDragging() const { return m_drag; }
    bool IsTransparent() const { return m_transparent; }
    const DirectoryPanel& GetChooser() const { return *m_chooser; }
    const InterfaceObject& GetMainWindow() const { return *m_mainWindow; }

private:
    void UpdateMainPanel();
    void UpdateFileChooser();
    void LoadGraphics();
    void SelectGraphicAt(int x, int y);
    void MoveOffset(float dx, float dy); // in screen pixels
    void ShowOffsets();
    void HandleMainKey(SDLKey key);
    void HandleChooserEvent(const SDL_Event& event);
    void DrawAnchorAndGraphic(Screen& screen);
    void DrawGraphicList(Screen& screen);
    const char* StateName() const;

    struct DrawnGraphic {
        Graphic* graphic;
        int x; // top-left on the screen
        int y;
    };

    std::unique_ptr<DirectoryPanel> m_chooser;
    InterfaceObject* m_mainWindow;    // the interface's
    InterfaceObject* m_graphicWindow; // the interface's
    bool m_drag = false;
    bool m_transparent = false;
    State m_state = kMainPanel;
    Vector m_anchor;
    Vector m_offset;
    Graphic* m_selected = nullptr; // one of m_graphics
    std::unique_ptr<GraphicMgr> m_graphics;
    int m_firstShown = 0;
    int m_count = 0;
    std::vector<DrawnGraphic> m_drawn; // the list as last drawn
    TileMap& m_map;
};
