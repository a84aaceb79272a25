#pragma once
// The game as it runs: the real start-up on a demo world, the game's own pages, and the
// main loop driven one frame at a time with pushed events on a clock of the test's own.

#include "Library/world/mode_page.h"
#include "demo_world_dir.h"
#include "game_events.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

class DirectoryPanel;
struct Rect;
struct ScreenPos;

namespace testsupport {

struct Point {
    int x;
    int y;
};

class RealGame : public DemoWorldSuite {
protected:
    static constexpr uint32_t kFrameMs = 33; // the longest frame the clock lets through

    void SetUp() override;
    void TearDown() override;

    void Start(); // start-up and set-up; the title menu is requested
    void Stop();  // shutdown, so that Start may run the program again
    void Frame(uint32_t ms = kFrameMs);
    void Frames(int count, uint32_t ms = kFrameMs);
    void MoveTo(int x, int y); // and a frame, so the page under the pointer takes it
    void Click(int x, int y);  // moved there first; pressed and released in the next frame
    void Click(const Point& at) { Click(at.x, at.y); }
    void RightClick(int x, int y);
    // Pressed on the icon's centre, moved to the point in the next frame and released there.
    void DragIcon(const ScreenPos& icon, const Point& to);
    void Release(SDLKey key);
    void Type(const char* text); // key presses that type the text
    void Erase(int count);       // backspace presses

    int Mode() const;
    ModePage* Page() const;
    template <class T> T* PageAs() const { return dynamic_cast<T*>(Page()); }
    uint16_t PixelAt(int x, int y) const;
    std::vector<uint16_t> PixelsIn(const Rect& rect) const; // row by row, x2 and y2 excluded
    static uint16_t Packed(int r, int g, int b);
    // The lower-right pixel of the frame drawn from the top-left corner given, followed along
    // its top and left edges in that corner's colour.
    Point FrameCorner(const Point& topLeft) const;

    // The first-run converter's targets in the demo world, gone or there.
    void RemoveConvertedMedia() const;
    void RunTitleUntilMenu(); // frames until the title menu shows its buttons
    // Clicks the chooser's line of the name, a file's or a directory's; false when there is
    // none. A line out of the list's view is first scrolled into it by holding the button at
    // scroll, when one is given.
    bool ClickListLine(const DirectoryPanel& chooser, const std::string& name,
                       const Point& scroll = Point{-1, -1});

    ManualClock m_clock;

private:
    std::filesystem::path m_savedDirectory;
    bool m_running = false;
};

} // namespace testsupport
