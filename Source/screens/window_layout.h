#pragma once
// Windows described as data: the background and the widgets of each, so the screen that
// builds a window and the art that is drawn for it read one table.

#include <cstddef>
#include <cstdint>

class InterfaceObject;

struct WidgetEntry {
    uint32_t id;
    uint32_t type; // WidgetType
    int x;         // relative to the window
    int y;
    int width; // the first rectangle; an image replaces it by its own size
    int height;
    const char* image; // "" for none; shown pressed and released alike
    const char* label;
    const char* caption = ""; // the art's name for the widget, drawn beside it
};

struct WindowEntry {
    const char* image;
    const char* title;
    int x;
    int y;
    int width; // until the image gives its own size
    int height;
};

struct WindowLayout {
    WindowEntry window;
    const WidgetEntry* widgets;
    size_t widgetCount;

    const WidgetEntry* begin() const { return widgets; }
    const WidgetEntry* end() const { return widgets + widgetCount; }
};

template <size_t N>
WindowLayout MakeLayout(const WindowEntry& window, const WidgetEntry (&widgets)[N]) {
    return WindowLayout{window, widgets, N};
}

// A window of g_interface with the layout's widgets.
InterfaceObject* BuildWindow(const WindowLayout& layout);
// One widget of the layout added to a window.
InterfaceObject* AddWidget(InterfaceObject& window, const WidgetEntry& entry);
