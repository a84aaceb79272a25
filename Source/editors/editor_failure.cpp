#include "Source/editors/editor_failure.h"

#include "Library/graphics/colour.h"
#include "Library/graphics/screen.h"

#include <cstdio>

namespace {

constexpr int kFont = 0;
constexpr int kScreenRight = 800;

} // namespace

void EditorFailure::Show(const Stringc& text) {
    std::fprintf(stderr, "%s\n", text.c_str());
    m_text = text;
}

void EditorFailure::Draw(Screen& screen, int x, int y) const {
    if (m_text.Length() == 0)
        return;
    screen.SetDrawColour(0);
    screen.FillRect(x, y, kScreenRight, y + screen.FontHeight());
    screen.SetFont(kFont);
    screen.SetDrawColour(Colour(255, 255, 255).Pack16());
    screen.DrawText(x, y, m_text);
}
