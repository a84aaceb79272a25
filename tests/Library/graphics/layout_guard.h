#pragma once
// Sets the pixel layout and its keys for one test and puts the old ones back.

#include "Library/graphics/pixel_format.h"

class LayoutGuard {
public:
    explicit LayoutGuard(int format) : m_saved(g_pixelFormat) { Set(format); }
    ~LayoutGuard() { Set(m_saved); }
    LayoutGuard(const LayoutGuard&) = delete;
    LayoutGuard& operator=(const LayoutGuard&) = delete;

    static void Set(int format) {
        g_pixelFormat = format;
        SetColourKeys();
        SetColourKeyForVideoMode();
    }

private:
    int m_saved;
};
