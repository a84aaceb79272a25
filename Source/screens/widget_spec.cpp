#include "Source/screens/widget_spec.h"

#include "Library/graphics/rect.h"
#include "Library/interface/interface.h"
#include "Library/interface/interface_object.h"

#include <cassert>

InterfaceObject* BuildWindow(const WindowLayout& layout) {
    assert(g_interface);
    const WindowSpec& spec = layout.window;
    InterfaceObject* window = g_interface->CreateWindow();
    window->Setup(kWidgetImage,
                  Rect::Make(spec.x, spec.y, spec.x + spec.width, spec.y + spec.height), spec.title,
                  nullptr);
    if (*spec.image)
        window->SetImage(spec.image);
    for (const WidgetSpec& widget : layout)
        AddWidget(*window, widget);
    return window;
}

InterfaceObject* AddWidget(InterfaceObject& window, const WidgetSpec& spec) {
    InterfaceObject* widget = window.AddChild(
        spec.type, Rect::Make(spec.x, spec.y, spec.x + spec.width, spec.y + spec.height),
        spec.label);
    widget->SetId(spec.id);
    if (*spec.image) {
        widget->SetImage(spec.image);
        widget->SetImage2(spec.image);
    }
    return widget;
}
