#pragma once
// An info panel in a yellow frame over a darkened box, which puts back the screen under it
// (the tutorial box). Hidden, it neither moves nor draws; holding no text, it draws nothing
// and saves and puts back nothing, visible or not.

#include "Library/interface/info_panel.h"

#include <memory>

class DirtyRectGraphic;

class FramedInfoPanel : public InfoPanel {
public:
    static constexpr int kInset = 5;    // text area inside the frame
    static constexpr int kBoxStyle = 0; // a quarter black over three quarters of the screen

    FramedInfoPanel(const Rect& rect, int stacking, int maxLines, int font, int highlightFont);
    ~FramedInfoPanel() override;

    void SetRect(const Rect& rect) override; // the frame; the text goes inside it
    void Move(int x, int y) override;        // the frame's top-left
    void Draw(Screen& screen) override;      // the first call after construction draws nothing
    void SetVisible(bool on) { m_visible = on; }
    bool IsVisible() const { return m_visible; }
    bool IsShown() const; // visible with text to show
    const Rect& GetFrame() const { return m_frame; }

    void SaveBackground(const Screen& screen);
    void RestoreBackground(const Screen& screen); // the area goes to the update rectangles

private:
    void FitSaver();
    void AddSavedAreaToUpdates() const;

    bool m_firstDraw = true;
    bool m_visible = true;
    Rect m_frame;
    std::unique_ptr<DirtyRectGraphic> m_saver;
};
