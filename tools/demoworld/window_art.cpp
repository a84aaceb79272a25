#include "tools/demoworld/window_art.h"

#include "Library/interface/interface_object.h"
#include "tools/demoworld/frame_palette.h"
#include "tools/demoworld/label_font.h"
#include "tools/demoworld/shared_interface_art.h"

#include <cstring>

namespace {

constexpr int kTitlePoints = 12;
constexpr int kLabelPoints = 12;
constexpr int kCaptionPoints = 10;
constexpr int kRingWidth = 3;
const Colour kInk(250, 246, 230);
const Colour kFieldBox(16, 20, 32);
const Colour kFieldEdge(140, 150, 170);
const Colour kRing(255, 220, 40);

bool IsOneOf(const char* label, const char* marks) {
    return std::strlen(label) == 1 && std::strchr(marks, label[0]) != nullptr;
}

// Light on a dark face, dark on a light one.
const Colour& InkOn(const Colour& face) {
    return framepalette::Luminance(face) > 128 ? framepalette::kPlate : kInk;
}

} // namespace

WindowArt::WindowArt(const Stringc& interfaceDir, LabelFont& font)
    : m_interfaceDir(interfaceDir), m_font(font) {}

Canvas WindowArt::DrawBackground(const WindowLayout& layout, const Colour& face) {
    const WindowEntry& window = layout.window;
    Canvas canvas(window.width, window.height, face);
    canvas.Bevel(0, 0, window.width, window.height, face);
    if (*window.title)
        canvas.TextCentred(m_font, kTitlePoints, window.width / 2, 12, window.width - 8,
                           window.title, kInk);
    for (const WidgetEntry& widget : layout) {
        if (widget.type != kWidgetTextEdit)
            continue;
        canvas.Fill(widget.x, widget.y, widget.width, widget.height, kFieldBox);
        canvas.Frame(widget.x, widget.y, widget.width, widget.height, kFieldEdge);
        if (*widget.caption)
            canvas.Text(m_font, kCaptionPoints, 6, widget.y + 3, widget.caption, kInk);
    }
    return canvas;
}

bool WindowArt::SaveBackground(const WindowLayout& layout, const Canvas& canvas) {
    return canvas.SaveTga(PathOf(layout.window.image));
}

bool WindowArt::WriteWidgets(const WindowLayout& layout, const Colour& face) {
    for (const WidgetEntry& widget : layout) {
        if (!*widget.image || SharedInterfaceArt::Owns(widget.image))
            continue;
        const bool written =
            widget.type == kWidgetRadio ? WriteRadioRing(widget) : WriteButton(widget, face);
        if (!written)
            return false;
    }
    return true;
}

bool WindowArt::Write(const WindowLayout& layout, const Colour& face) {
    return SaveBackground(layout, DrawBackground(layout, face)) && WriteWidgets(layout, face);
}

bool WindowArt::WriteButton(const WidgetEntry& button, const Colour& face) {
    Canvas canvas(button.width, button.height, face);
    canvas.Bevel(0, 0, button.width, button.height, face);
    const int centreX = button.width / 2;
    const int centreY = button.height / 2;
    const Colour& ink = InkOn(face);
    if (IsOneOf(button.label, "^v<>"))
        canvas.Arrow(centreX, centreY, button.height - 6, button.label[0], ink);
    else if (IsOneOf(button.label, "+-"))
        canvas.Sign(centreX, centreY, (button.height - 3) / 2, button.label[0], ink);
    else if (!canvas.TextCentred(m_font, kLabelPoints, centreX, centreY, button.width - 4,
                                 button.label, ink))
        return false;
    return canvas.SaveTga(PathOf(button.image));
}

bool WindowArt::WriteButton(const char* image, int width, int height, const char* label,
                            const Colour& face) {
    return WriteButton(WidgetEntry{0, kWidgetButton, 0, 0, width, height, image, label}, face);
}

// Transparent inside, so the colour under the radio shows through.
bool WindowArt::WriteRadioRing(const WidgetEntry& radio) {
    Canvas canvas(radio.width, radio.height, kRing);
    canvas.Fill(kRingWidth, kRingWidth, radio.width - 2 * kRingWidth, radio.height - 2 * kRingWidth,
                Canvas::kTransparent);
    return canvas.SaveTga(PathOf(radio.image));
}
