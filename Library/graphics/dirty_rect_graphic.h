#pragma once
// An image drawn over the screen that puts back the screen under it, so it can move
// without the scene being redrawn. Each frame: RestoreBackground (old place), move,
// SaveBackground (new place), Draw, then both places go to the update rectangles.

#include "Library/graphics/rect.h"
#include "Library/graphics/screen_pos.h"

#include <memory>

class Graphic;
struct PixelSurface;

class DirtyRectGraphic {
public:
    static constexpr int kResetPlace = -600;

    DirtyRectGraphic();
    virtual ~DirtyRectGraphic();
    DirtyRectGraphic(const DirtyRectGraphic&) = delete;
    DirtyRectGraphic& operator=(const DirtyRectGraphic&) = delete;

    void SetImage(Graphic* image); // not owned; null ignored; takes the image's size
    void SetSize(int w, int h);    // the saved area only ever grows to hold it
    Graphic* GetImage() const { return m_image; }
    void SetPosition(int x, int y) {
        m_pos.x = x;
        m_pos.y = y;
    }
    const ScreenPos& GetPos() const { return m_pos; }
    void Reset(); // the position and the saved place move off the screen

    void SaveBackground(const PixelSurface& surface); // within g_graphicClipRect
    void Draw(const PixelSurface& surface);           // the image, in the current blit mode
    // Once drawn, puts back exactly the pixels last saved, whatever the clip is now.
    void RestoreBackground(const PixelSurface& surface) const;
    bool IsOpaqueAt(int x, int y) const; // image coordinates; false without an image

private:
    ScreenPos m_pos;
    Graphic* m_image = nullptr;
    std::unique_ptr<Graphic> m_background;
    int m_savedX = ScreenPos::kUnplaced;
    int m_savedY = ScreenPos::kUnplaced;
    Rect m_savedClip; // the clip the background was saved within; empty when nothing is held
    bool m_drawn = false;
};
