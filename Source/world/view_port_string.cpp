#include "Source/world/view_port_string.h"

#include "Library/graphics/screen.h"

namespace {

constexpr int kFilled = 3; // the screen's box mode that fills

} // namespace

void ViewPortString::Draw(Screen& screen) const {
    const int x = position.x + 3;
    const int y = position.y + 1;
    screen.SetFont(static_cast<int>(font));
    screen.DrawTextBox(x, y, text, kFilled, 0, 0, 0);
    screen.DrawTextBoxAt(x, y, text, 255, 255, 0);
    screen.DrawText(x, y, text);
}
