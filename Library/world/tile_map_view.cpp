// The view onto the map: its sizes, scrolling and centring, the conversions between the
// mouse, the screen and the world, and the drawing of the cells and objects in view.
#include "Library/world/tile_map.h"

#include "Library/core/maths.h"
#include "Library/graphics/colour.h"
#include "Library/graphics/screen.h"
#include "Library/interface/mouse_position.h"
#include "Library/world/view_scale.h"
#include "Library/world/world_object.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace {

struct ViewSize {
    int width, height; // pixels
    int x, y;          // the top-left corner on the screen
};
constexpr ViewSize kViewSizes[TileMap::kViewSizeCount] = {
    {400, 400, 200, 74}, {485, 485, 157, 32}, {683, 485, 58, 32}, {800, 485, 0, 32}};

constexpr int kTileWidth = TileGrid::kTileWidth;
constexpr int kTileHeight = TileGrid::kTileHeight;
constexpr int kNoMapTextX = 200, kNoMapTextY = 200;
constexpr int kDebugTextX = 10, kDebugTextY = 100, kDebugLineSkip = 14;
constexpr uint16_t kSoldierKind = 3;

// floor(value / 4), so that a sum of -255 gives -64.
int FloorQuarter(int value) {
    return value >= 0 ? value / 4 : (value - 3) / 4;
}

int Truncated(float value) {
    return ToIntWithin(value, INT_MIN, INT_MAX);
}

Colour TypeColour(int type) {
    Colour colour;
    colour.ByIndex(type);
    return colour;
}

} // namespace

void TileMap::ApplyViewOption(int option) {
    const ViewSize& size = kViewSizes[option];
    m_viewOption = option;
    m_viewWidth = size.width;
    m_viewHeight = size.height;
    m_viewScreenPos = Vector(static_cast<float>(size.x), static_cast<float>(size.y), 0.0f);
    m_visibleColumns = size.width / kTileWidth + 2;
    m_visibleRows = size.height / kTileHeight + 2;
    m_viewRect = Rect::Make(size.x, size.y, size.x + size.width, size.y + size.height);
    m_scrollDirection = Vector();
    m_scrollSpeed = 0;
    m_scrollFactor = kScrollFactor;
}

void TileMap::SetViewSize(int option) {
    if (option < 0 || option >= kViewSizeCount)
        return;
    const Vector centre = ViewCentre();
    ApplyViewOption(option);
    CentreViewOn(centre);
}

void TileMap::SetScroll(const Vector& direction, float speed) {
    m_scrollDirection = direction;
    m_scrollSpeed = speed;
}

// The lower bound is tested first: a map narrower than the view ends left of it.
Vector TileMap::ClampOrigin(Vector pixels) const {
    const Rect& bounds = m_map.scrollBounds;
    if (pixels.x < bounds.x1)
        pixels.x = bounds.x1;
    else if (pixels.x > bounds.x2 - m_viewWidth)
        pixels.x = static_cast<float>(bounds.x2 - m_viewWidth);
    if (pixels.y < bounds.y1)
        pixels.y = bounds.y1;
    else if (pixels.y > bounds.y2 - m_viewHeight)
        pixels.y = static_cast<float>(bounds.y2 - m_viewHeight);
    return pixels;
}

void TileMap::MoveOrigin(const Vector& pixels) {
    m_map.viewOrigin = ClampOrigin(pixels);
    g_viewScale.Set(ViewScale::kAreaMap, GetViewOffset());
}

void TileMap::UpdateScroll(double frameSeconds) {
    if (m_scrollSpeed == 0)
        return;
    const float amount = static_cast<float>(frameSeconds) * m_scrollFactor * m_scrollSpeed;
    Vector origin = ClampOrigin(m_map.viewOrigin + m_scrollDirection * amount);
    origin.x = m_scrollDirection.x >= 0 ? std::ceil(origin.x) : std::floor(origin.x);
    origin.y = m_scrollDirection.y >= 0 ? std::ceil(origin.y) : std::floor(origin.y);
    m_map.viewOrigin = origin;
    g_viewScale.Set(ViewScale::kAreaMap, GetViewOffset());
}

void TileMap::SetViewOrigin(const Vector& point) {
    MoveOrigin(Vector(static_cast<float>(RoundToPixel(point.x * kTileWidth)),
                      static_cast<float>(RoundToPixel(point.y * kTileHeight)), 0.0f));
}

void TileMap::CentreViewOn(const Vector& point) {
    MoveOrigin(Vector(static_cast<float>(RoundToPixel(point.x * kTileWidth) - m_viewWidth / 2),
                      static_cast<float>(RoundToPixel(point.y * kTileHeight) - m_viewHeight / 2),
                      0.0f));
}

Vector TileMap::GetViewPos() const {
    return Vector(m_map.viewOrigin.x / kTileWidth, m_map.viewOrigin.y / kTileHeight, 0.0f);
}

Vector TileMap::ViewCentre() const {
    const Vector& origin = m_map.viewOrigin;
    return Vector(static_cast<float>(Truncated(m_viewWidth / 2 + origin.x) / kTileWidth),
                  static_cast<float>(Truncated(m_viewHeight / 2 + origin.y) / kTileHeight), 0.0f);
}

Vector TileMap::MouseToMapPixels() const {
    return m_map.viewOrigin - m_viewScreenPos +
           Vector(static_cast<float>(g_mouseX), static_cast<float>(g_mouseY), 0.0f);
}

Vector TileMap::MouseToWorld() const {
    return ScreenToWorld(g_mouseX, g_mouseY);
}

Vector TileMap::ScreenToWorld(int x, int y) const {
    const Vector offset = GetViewOffset();
    return Vector(static_cast<float>(Truncated(offset.x) + x) / kTileWidth,
                  static_cast<float>(Truncated(offset.y) + y) / kTileHeight, 0.0f);
}

void TileMap::SetTint(const ColourOffset& tint) {
    if (m_cellTiles.empty() || tint == m_tint)
        return;
    m_tint = tint;
    m_refreshAll = true;
}

TileMap::CellRange TileMap::VisibleRange() const {
    const int width = GetWidth(), height = GetHeight();
    const int firstColumn = std::clamp(Truncated(m_map.viewOrigin.x / kTileWidth), 0, width);
    const int firstRow = std::clamp(Truncated(m_map.viewOrigin.y / kTileHeight), 0, height);
    return CellRange{firstColumn, firstRow, std::min(firstColumn + m_visibleColumns, width),
                     std::min(firstRow + m_visibleRows, height)};
}

void TileMap::CellScreenCorner(int x, int y, int& screenX, int& screenY) const {
    WorldToPixel(*this, Vector(static_cast<float>(x), static_cast<float>(y), 0.0f), screenX,
                 screenY);
}

void TileMap::Draw(Screen& screen, Fog fog) {
    if (m_cellTiles.empty()) {
        screen.DrawText(kNoMapTextX, kNoMapTextY, Stringc("TILE_MAP: Has no map graphics."));
        screen.SetDrawColour(Colour(0, 0, 0).Pack16());
        screen.DrawRect(m_viewRect.x1, m_viewRect.y1, m_viewRect.x2 - 1, m_viewRect.y2 - 1);
        return;
    }
    screen.SetClipRectFrom(m_viewRect);
    DrawTiles(screen.GetSurface(), fog);
}

bool TileMap::DrawTiles(const PixelSurface& surface, Fog fog) {
    m_composeFog = fog;
    if (!BuildVisibleTiles())
        return false;
    UpdateTiles(fog);
    Graphic::SetBlitMode(0);
    const CellRange range = VisibleRange();
    for (int row = range.firstRow; row < range.lastRow; ++row)
        for (int column = range.firstColumn; column < range.lastColumn; ++column)
            if (const Tile* tile = TileAt(column, row)) {
                int x = 0, y = 0;
                CellScreenCorner(column, row, x, y);
                tile->Draw(surface, x, y);
            }
    return true;
}

// The static and fifth lists take the first tint value for all three channels; the others
// each channel's tint with their cell's light, and stay as they are off the map.
void TileMap::DrawObjects(Screen& screen) {
    const int flat = m_tint.red * 4;
    for (ObjectList list : {kFifthList, kStaticList})
        for (WorldObject* object = m_lists[list]; object; object = object->GetNext())
            object->SetColourMod(flat, flat, flat);
    for (ObjectList list : {kExtraList, kItemList, kMobileList})
        for (WorldObject* object = m_lists[list]; object; object = object->GetNext()) {
            int light1 = 0, light2 = 0, light3 = 0;
            const Vector& position = object->GetPosition();
            if (GetLight(Truncated(position.x), Truncated(position.y), light1, light2, light3))
                object->SetColourMod(FloorQuarter(m_tint.red * 16 + light1),
                                     FloorQuarter(m_tint.green * 16 + light2),
                                     FloorQuarter(m_tint.blue * 16 + light3));
        }

    screen.SetClipRectFrom(m_viewRect);
    for (ObjectList list : {kStaticList, kExtraList, kItemList, kMobileList, kFifthList})
        for (WorldObject* object = m_lists[list]; object; object = object->GetNext()) {
            const bool soldier = object->GetKind() == kSoldierKind;
            if (list == kExtraList && !soldier)
                continue;
            if (list != kMobileList || !soldier)
                object->AddFlags(kShownFlag);
            if (object->UpdateScreenPos(screen))
                object->Draw(screen);
        }
    screen.ResetClipRect();
}

void TileMap::DrawDebugInfo(Screen& screen) const {
    const Vector view = GetViewPos(), mouse = MouseToWorld();
    int y = kDebugTextY;
    screen.Printf(kDebugTextX, y, "VP Pos (%0.1f, %0.1f)", view.x, view.y);
    screen.Printf(kDebugTextX, y += kDebugLineSkip, "Mouse Pos World (%0.1f, %0.1f)", mouse.x,
                  mouse.y);
    screen.Printf(kDebugTextX, y += kDebugLineSkip, "Mouse Pos Scrn VP (%d, %d)",
                  g_mouseX - m_viewRect.x1, g_mouseY - m_viewRect.y1);
    screen.Printf(kDebugTextX, y += kDebugLineSkip, "Mouse Pos Scrn Nat (%d, %d)", g_mouseX,
                  g_mouseY);
}

template <class Drawing> void TileMap::WithinView(Screen& screen, Drawing draw) const {
    screen.SetClipRectFrom(m_viewRect);
    draw();
    screen.ResetClipRect();
}

// paint(cell) gives the colour to fill the cell with, or false to leave it.
template <class Paint> void TileMap::PaintVisibleCells(Screen& screen, Paint paint) const {
    const uint16_t saved = screen.GetDrawColour();
    const CellRange range = VisibleRange();
    WithinView(screen, [&] {
        for (int row = range.firstRow; row < range.lastRow; ++row)
            for (int column = range.firstColumn; column < range.lastColumn; ++column) {
                Colour colour;
                if (!paint(m_map.grid.At(column, row), colour))
                    continue;
                int x = 0, y = 0;
                CellScreenCorner(column, row, x, y);
                screen.SetDrawColour(colour.Pack16());
                screen.FillRect(x, y, x + kTileWidth, y + kTileHeight);
            }
    });
    screen.SetDrawColour(saved);
}

void TileMap::DrawTileTypes(Screen& screen) const {
    PaintVisibleCells(screen, [](const TileRecord& cell, Colour& colour) {
        colour = TypeColour(cell.GetType());
        return true;
    });
}

void TileMap::DrawUnwalkableTypes(Screen& screen) const {
    PaintVisibleCells(screen, [](const TileRecord& cell, Colour& colour) {
        colour = TypeColour(cell.GetType());
        return !cell.Has(TileRecord::kWalkable);
    });
}

void TileMap::FillCell(int x, int y, Screen& screen) const {
    int screenX = 0, screenY = 0;
    CellScreenCorner(x, y, screenX, screenY);
    WithinView(screen, [&] {
        screen.FillRect(screenX, screenY, screenX + kTileWidth, screenY + kTileHeight);
    });
}

void TileMap::CrossCell(int x, int y, Screen& screen) const {
    int x1 = 0, y1 = 0;
    CellScreenCorner(x, y, x1, y1);
    const int x2 = x1 + kTileWidth - 1, y2 = y1 + kTileHeight - 1;
    WithinView(screen, [&] {
        screen.FillRect(x1, y1, x2 + 1, y2 + 1);
        screen.DrawLine(x1, y1, x2, y2);
        screen.DrawLine(x2, y1, x1, y2);
    });
}

void TileMap::DrawTileOverlay(Screen& screen, const Vector& point) const {
    FillCell(Truncated(std::floor(point.x)), Truncated(std::floor(point.y)), screen);
}

void TileMap::DrawForEditor(Screen& screen) const {
    const ClipMap& clip = m_map.clipMap;
    const Vector offset = GetViewOffset();
    const int dx = RoundToPixel(offset.x), dy = RoundToPixel(offset.y);
    const int left = RoundToPixel(m_map.viewOrigin.x);
    const long first = std::max(0, left);
    const long last = std::min<long>(clip.GetColumns(), static_cast<long>(left) + m_viewWidth);
    WithinView(screen, [&] {
        for (long column = first; column < last; ++column)
            for (const ClipSpan& span : clip.GetSpans(column)) {
                const int x = static_cast<int>(column - dx);
                screen.DrawLine(x, static_cast<int>(span.top) - dy, x,
                                static_cast<int>(span.bottom) - dy);
            }
    });
}
