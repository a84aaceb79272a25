#pragma once
// A Screen with fonts, data paths on the same scratch root, and g_interface, with helpers
// that lay out solid interface images and feed SDL events through SDL's queue the way the
// main loop does: a motion event moves g_mouseX and g_mouseY, then every event goes on.

#include "Library/files/data_paths.h"
#include "Library/graphics/graphic.h"
#include "Library/graphics/image_files.h"
#include "Library/graphics/screen_fixture.h"
#include "Library/interface/interface.h"
#include "Library/interface/interface_object.h"
#include "Library/interface/mouse_position.h"

#include <filesystem>
#include <fstream>
#include <functional>

class InterfaceTest : public ScreenTest {
protected:
    using Handler = std::function<void(const SDL_Event&)>;

    void SetUp() override {
        ScreenTest::SetUp();
        InstallFont();
        ASSERT_TRUE(m_screen->OpenFonts());
        ASSERT_TRUE(Graphic::InitScratch());
        m_paths = std::make_unique<DataPaths>();
        g_dataPaths = m_paths.get();
        m_interface = std::make_unique<Interface>();
        g_interface = m_interface.get();
        g_mouseX = g_mouseY = 0;
        std::filesystem::create_directories(m_root + "/art/graphic/interface");
    }
    void TearDown() override {
        g_interface = nullptr;
        m_interface.reset();
        g_dataPaths = nullptr;
        m_paths.reset();
        Graphic::FreeScratch();
        ScreenTest::TearDown();
    }

    // A 16-bit ".tga" of one 5-5-5 colour in the interface image directory.
    void MakeImage(const char* name, int width, int height, uint16_t colour) {
        const std::string bytes = MakeTga(
            width, height, 16, std::vector<uint16_t>(static_cast<size_t>(width * height), colour));
        std::ofstream(m_root + "/art/graphic/interface/" + name, std::ios::binary) << bytes;
    }

    static SDL_Event Motion(int x, int y) {
        SDL_Event event{};
        event.type = SDL_MOUSEMOTION;
        event.motion.x = static_cast<Uint16>(x);
        event.motion.y = static_cast<Uint16>(y);
        return event;
    }
    static SDL_Event Button(Uint8 type, Uint8 button = SDL_BUTTON_LEFT) {
        SDL_Event event{};
        event.type = type;
        event.button.button = button;
        return event;
    }
    static SDL_Event Key(SDLKey sym, Uint16 unicode) {
        SDL_Event event{};
        event.type = SDL_KEYDOWN;
        event.key.keysym.sym = sym;
        event.key.keysym.unicode = unicode;
        return event;
    }

    void Push(SDL_Event event) { ASSERT_EQ(SDL_PushEvent(&event), 0); }
    // Each event goes first to the screen's own handler, then to the interface.
    void Drain(const Handler& screenHandler = {}) {
        SDL_Event event;
        while (SDL_PollEvent(&event)) {
            if (event.type == SDL_MOUSEMOTION) {
                g_mouseX = event.motion.x;
                g_mouseY = event.motion.y;
            }
            if (screenHandler)
                screenHandler(event);
            m_interface->HandleEvent(event);
        }
    }
    void PressAt(int x, int y, Uint8 button = SDL_BUTTON_LEFT) {
        Push(Motion(x, y));
        Push(Button(SDL_MOUSEBUTTONDOWN, button));
    }
    void Release(Uint8 button = SDL_BUTTON_LEFT) { Push(Button(SDL_MOUSEBUTTONUP, button)); }
    void ClickAt(int x, int y, const Handler& screenHandler = {}) {
        PressAt(x, y);
        Release();
        Drain(screenHandler);
    }

    std::unique_ptr<DataPaths> m_paths;
    std::unique_ptr<Interface> m_interface;
};
