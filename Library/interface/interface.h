#pragma once
// Owner of the top-level interface windows, the one that is active (it alone receives mouse
// events and is updated each frame) and the cache of interface images, which all treat the
// colour key as transparent. Operations on a window it does not hold are ignored.

#include "Library/core/mem_mgr.h"

#include <SDL/SDL.h>

#include <memory>

class Graphic;
class GraphicMgr;
class InterfaceObject;

class Interface {
public:
    static constexpr int kInitialWindows = 10;

    Interface();
    Interface(const Interface&) = delete;
    Interface& operator=(const Interface&) = delete;
    virtual ~Interface();

    // A window in its reset state; the caller sets it up as type 0 without a parent.
    InterfaceObject* CreateWindow();
    // A window set up at x, y showing the background image.
    InterfaceObject* CreateImageWindow(const char* image, int x, int y);
    void DestroyWindow(InterfaceObject* window); // with all its children
    bool Holds(const InterfaceObject* window) const;
    void SetActive(InterfaceObject* window); // the old one loses its pressed and clicked flags
    InterfaceObject* GetActive() const { return m_active; }

    void HandleEvent(const SDL_Event& event); // to the active window
    // Once per frame after the game's update: ends this frame's clicks.
    void Update(bool blink);
    void Clear(); // every image and every window

    Graphic* GetGraphic(const char* path);        // loaded on first use; null when it cannot be
    GraphicMgr& GetImages() { return *m_images; } // for holders that give a picture back

private:
    NullItemMemMgr<InterfaceObject> m_windows;
    InterfaceObject* m_active = nullptr;
    std::unique_ptr<GraphicMgr> m_images; // the interface's own images, run-length encoded
};

// Made by start-up and deleted at shutdown.
extern Interface* g_interface;
