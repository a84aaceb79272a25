#pragma once
// A real Screen on SDL's dummy video driver (5-6-5), run from a temporary data root
// whose "fonts" directory holds Liberation Mono under the game's font name.

#include "Library/graphics/screen.h"
#include "scratch_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <set>
#include <string>
#include <utility>

class ScreenTest : public ::testing::Test {
protected:
    static constexpr const char* kSystemFont =
        "/usr/share/fonts/truetype/liberation/LiberationMono-Regular.ttf";

    void SetUp() override {
        m_savedDirectory = std::filesystem::current_path();
        std::filesystem::current_path(m_root);
        ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO), 0) << SDL_GetError();
        m_screen = std::make_unique<Screen>(800, 600, SDL_FULLSCREEN, 16, 0.0);
        ASSERT_TRUE(m_screen->IsReady());
        g_screen = m_screen.get();
    }
    void TearDown() override {
        g_screen = nullptr;
        m_screen.reset();
        SDL_Quit();
        std::filesystem::current_path(m_savedDirectory);
    }

    void InstallFont() {
        std::filesystem::create_directories(m_root + "/fonts");
        std::filesystem::copy_file(kSystemFont, m_root + "/fonts/Cour.ttf");
    }
    // The set pixels of the screen.
    std::set<std::pair<int, int>> DrawnPixels() const {
        std::set<std::pair<int, int>> pixels;
        for (int y = 0; y < 600; ++y)
            for (int x = 0; x < 800; ++x)
                if (PixelAt(x, y))
                    pixels.insert({x, y});
        return pixels;
    }

    uint16_t PixelAt(int x, int y) const {
        const PixelSurface& s = m_screen->GetSurface();
        return s.pixels[y * s.width + x];
    }
    // The pixels of columns x1 to x2 and rows y1 to y2, the far edges excluded, that are
    // not the background.
    int CountInked(int x1, int y1, int x2, int y2, uint16_t background = 0) const {
        int count = 0;
        for (int y = y1; y < y2; ++y)
            for (int x = x1; x < x2; ++x)
                count += PixelAt(x, y) != background;
        return count;
    }
    int CountPixels(uint16_t value) const {
        const PixelSurface& s = m_screen->GetSurface();
        int count = 0;
        for (int i = 0; i < s.width * s.height; ++i)
            count += s.pixels[i] == value;
        return count;
    }
    void ClearTo(uint16_t value) {
        const uint16_t saved = m_screen->GetDrawColour();
        m_screen->SetDrawColour(value);
        m_screen->Clear();
        m_screen->SetDrawColour(saved);
    }

    testsupport::ScratchDir m_dir;
    const std::string m_root = m_dir.Root();
    std::filesystem::path m_savedDirectory;
    std::unique_ptr<Screen> m_screen;
};
