#include "Source/screens/window_layout.h"

#include "Library/graphics/rect.h"
#include "Library/interface/interface.h"
#include "Library/interface/interface_object.h"

#include <cassert>

InterfaceObject* BuildWindow(const WindowLayout& layout) {
    assert(g_interface);
    const WindowEntry& entry = layout.window;
    InterfaceObject* window = g_interface->CreateWindow();
    window->Setup(kWidgetImage,
                  Rect::Make(entry.x, entry.y, entry.x + entry.width, entry.y + entry.height),
                  entry.title, nullptr);
    if (*entry.image)
        window->SetImage(entry.image);
    for (const WidgetEntry& widget : layout)
        AddWidget(*window, widget);
    return window;
}

InterfaceObject* AddWidget(InterfaceObject& window, const WidgetEntry& entry) {
    InterfaceObject* widget = window.AddChild(
        entry.type, Rect::Make(entry.x, entry.y, entry.x + entry.width, entry.y + entry.height),
        entry.label);
    widget->SetId(entry.id);
    if (*entry.image) {
        widget->SetImage(entry.image);
        widget->SetImage2(entry.image);
    }
    return widget;
}
