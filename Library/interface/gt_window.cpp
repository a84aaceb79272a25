#include "Library/interface/gt_window.h"

#include "Library/core/stringc.h"
#include "Library/core/tracked_new.h"
#include "Library/graphics/screen.h"
#include "Library/interface/text_block.h"

#include <algorithm>
#include <cstdlib>

GtWindow::GtWindow(const Rect& rect, int stacking, int maxBlocks, int font, int highlightFont)
    : m_rect(rect), m_stacking(static_cast<uint8_t>(stacking)), m_maxBlocks(maxBlocks),
      m_font(font), m_highlightFont(highlightFont) {
    m_blocks.reserve(static_cast<size_t>(std::max(maxBlocks, 0)));
    Clear();
}

GtWindow::~GtWindow() = default;

void GtWindow::Clear() {
    m_count = 0;
    m_highlightedId = -1;
    m_changed = true;
    m_scrollTimer = 0;
}

void GtWindow::AddText(const char* text, int id) {
    m_changed = true;
    DropOldest();
    if (m_count == static_cast<int>(m_blocks.size()))
        m_blocks.emplace_back(NEW TextBlock());
    TextBlock& block = *m_blocks[m_count++];
    block.SetFont(m_font);
    block.SetHighlight(false);
    block.SetText(static_cast<uint32_t>(id), text, WrapWidth());
    Layout();
}

// The dropped block's object moves behind the ones in use, for reuse.
void GtWindow::DropOldest() {
    if (m_count == 0 || m_count < m_maxBlocks)
        return;
    std::rotate(m_blocks.begin(), m_blocks.begin() + 1, m_blocks.begin() + m_count);
    --m_count;
}

int GtWindow::WrapWidth() const {
    return std::abs(m_rect.x2 - m_rect.x1);
}

void GtWindow::Layout() {
    if (m_stacking == 1)
        LayoutDown();
    else
        LayoutUp();
}

void GtWindow::LayoutDown() {
    int y = m_rect.y1;
    for (int i = 0; i < m_count; ++i) {
        m_blocks[i]->SetPosition(m_rect.x1, y);
        y += m_blocks[i]->GetPosition().h;
    }
}

void GtWindow::LayoutUp() {
    int y = m_rect.y2;
    for (int i = m_count - 1; i >= 0; --i) {
        y -= m_blocks[i]->GetPosition().h;
        m_blocks[i]->SetPosition(m_rect.x1, y);
    }
}

// Frame time gathers toward a step; what is left over when one is taken is dropped.
bool GtWindow::Scroll(uint32_t frameMs) {
    m_scrollTimer += frameMs;
    if (m_scrollTimer < kScrollMs)
        return false;
    m_scrollTimer = 0;
    m_changed = true;
    return m_count > 0;
}

void GtWindow::ScrollUp(uint32_t frameMs) {
    if (!Scroll(frameMs))
        return;
    const ScreenPos& newest = m_blocks[m_count - 1]->GetPosition();
    if (newest.y + newest.h > m_rect.y1)
        MoveBlocks(0, -kScrollStep);
}

void GtWindow::ScrollDown(uint32_t frameMs) {
    if (!Scroll(frameMs))
        return;
    if (m_blocks[0]->GetPosition().y < m_rect.y2)
        MoveBlocks(0, kScrollStep);
}

void GtWindow::MoveBlocks(int dx, int dy) {
    for (int i = 0; i < m_count; ++i)
        m_blocks[i]->Move(dx, dy);
}

int GtWindow::BlockAt(int x, int y) {
    ClearHighlight();
    for (int i = 0; i < m_count; ++i) {
        TextBlock& block = *m_blocks[i];
        if (block.Contains(x, y)) {
            m_highlightedId = static_cast<int>(block.GetId());
            block.SetFont(m_highlightFont);
        }
    }
    return m_highlightedId;
}

void GtWindow::ClearHighlight() {
    for (int i = 0; i < m_count; ++i)
        m_blocks[i]->SetFont(m_font);
    m_highlightedId = -1;
    m_changed = true;
}

void GtWindow::Highlight(int id) {
    for (int i = 0; i < m_count; ++i)
        if (static_cast<int>(m_blocks[i]->GetId()) == id)
            m_blocks[i]->SetHighlight(true);
    m_changed = true;
}

bool GtWindow::GetBlockText(int id, Stringc& text) const {
    for (int i = 0; i < m_count; ++i)
        if (static_cast<int>(m_blocks[i]->GetId()) == id) {
            text = m_blocks[i]->GetText();
            return true;
        }
    return false;
}

// Blocks in a window never show the typing cursor, nor a line pushed or scrolled past the top.
void GtWindow::Draw(Screen& screen) const {
    screen.SetClipRectFrom(m_rect);
    for (int i = 0; i < m_count; ++i)
        m_blocks[i]->Draw(screen, false, m_rect.y1);
    screen.ResetClipRect();
}

bool GtWindow::TakeChanged() {
    const bool changed = m_changed;
    m_changed = false;
    return changed;
}

void GtWindow::Move(int x, int y) {
    const int dx = x - m_rect.x1;
    const int dy = y - m_rect.y1;
    m_rect = m_rect.Translated(dx, dy);
    MoveBlocks(dx, dy);
    m_changed = true;
}

void GtWindow::SetRect(const Rect& rect) {
    m_rect = rect;
    std::vector<std::pair<int, Stringc>> lines;
    for (int i = 0; i < m_count; ++i)
        lines.emplace_back(static_cast<int>(m_blocks[i]->GetId()), m_blocks[i]->GetText());
    Clear();
    for (const auto& [id, text] : lines)
        AddText(text.c_str(), id);
}
