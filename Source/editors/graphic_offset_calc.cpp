#include "Source/editors/graphic_offset_calc.h"

#include "Library/core/tracked_new.h"
#include "Library/files/data_paths.h"
#include "Library/graphics/colour.h"
#include "Library/graphics/ellipse_shape.h"
#include "Library/graphics/graphic.h"
#include "Library/graphics/graphic_mgr.h"
#include "Library/graphics/screen.h"
#include "Library/interface/directory_panel.h"
#include "Library/interface/info_panel.h"
#include "Library/interface/interface.h"
#include "Library/interface/interface_object.h"
#include "Library/interface/mouse_position.h"
#include "Library/world/game_mode.h"
#include "Library/world/tile_map.h"
#include "Source/editors/editor_directory_box.h"

#include <algorithm>

namespace {

const Vector kAnchor(15.0f, 16.0f, 0.0f);
const Colour kOverlayColour(40, 40, 90); // the anchor's cell
constexpr int kStateNameInset = 160;
constexpr int kStateNameY = 130;
constexpr int kListFont = 1;
constexpr int kListCharWidth = 8;
constexpr int kListTop = 26;    // below the up button
constexpr int kListBottom = 24; // above the down button
constexpr int kListGap = 15;

const WidgetEntry kMainWidgets[] = {
    // Wide enough for an offset such as "-12.345" in the 12-point face every font uses.
    {GraphicOffsetCalc::kOffsetX, kWidgetTextEdit, 60, 30, 58, 20, "", "0.000", "Offset"},
    {GraphicOffsetCalc::kOffsetY, kWidgetTextEdit, 120, 30, 58, 20, "", "0.000"},
    {GraphicOffsetCalc::kOffsetZ, kWidgetTextEdit, 180, 30, 58, 20, "", "0.000"},
    {GraphicOffsetCalc::kSelectGraphic, kWidgetButton, 10, 65, 75, 22, "button_sel_graphic.tga",
     "Sel Graphic"},
    {GraphicOffsetCalc::kTransparent, kWidgetButton, 92, 65, 60, 22, "button_transp.tga", "transp"},
    {GraphicOffsetCalc::kExit, kWidgetButton, 160, 65, 70, 22, "button_exit_3.tga", "Exit"},
};

const WidgetEntry kGraphicWidgets[] = {
    {GraphicOffsetCalc::kListUp, kWidgetButton, 188, 4, 18, 18, "button_up.tga", "^"},
    {GraphicOffsetCalc::kListDown, kWidgetButton, 188, 418, 18, 18, "button_dwn.tga", "v"},
};

void SetFieldNumber(InterfaceObject& window, uint32_t id, float value) {
    if (InterfaceObject* field = window.FindChild(id)) {
        Stringc text;
        text.Format("%.3f", static_cast<double>(value));
        field->SetText(text.c_str());
    }
}

} // namespace

WindowLayout GraphicOffsetCalc::MainLayout() {
    return MakeLayout(WindowEntry{"menu_graphic_offset_editor.tga", "Graphic Offset Calculator", 10,
                                  10, 240, 100},
                      kMainWidgets);
}

WindowLayout GraphicOffsetCalc::GraphicLayout() {
    return MakeLayout(WindowEntry{"menu_graphic_panel.tga", "", 580, 150, 210, 440},
                      kGraphicWidgets);
}

GraphicOffsetCalc::GraphicOffsetCalc(TileMap& map)
    : m_chooser(MakeEditorDirectoryBox()), m_graphicWindow(BuildWindow(GraphicLayout())),
      m_anchor(kAnchor), m_map(map) {
    m_mainWindow = BuildWindow(MainLayout());
    ShowOffsets();
}

GraphicOffsetCalc::~GraphicOffsetCalc() = default;

void GraphicOffsetCalc::Update(Screen&) {
    if (m_state == kMainPanel)
        UpdateMainPanel();
    else
        UpdateFileChooser();
}

void GraphicOffsetCalc::UpdateMainPanel() {
    if (m_mainWindow->Contains(g_mouseX, g_mouseY))
        g_interface->SetActive(m_mainWindow);
    if (const InterfaceObject* clicked = m_mainWindow->GetClickedChild()) {
        switch (clicked->GetId()) {
        case kSelectGraphic:
            m_state = kSelectGraphicFile;
            if (g_dataPaths)
                m_chooser->Enter(g_dataPaths->GetGraphicDir().c_str());
            break;
        case kTransparent:
            m_transparent = !m_transparent;
            break;
        case kExit:
            g_gameMode->SetMode(kModeEditorMenu);
            break;
        }
    }
    if (m_drag) {
        m_offset = m_map.MouseToWorld() - m_anchor;
        ShowOffsets();
    }
}

void GraphicOffsetCalc::UpdateFileChooser() {
    if (m_graphicWindow->Contains(g_mouseX, g_mouseY)) {
        g_interface->SetActive(m_graphicWindow);
        const InterfaceObject* clicked = m_graphicWindow->GetClickedChild();
        if (clicked && clicked->GetId() == kListUp)
            m_firstShown = std::max(m_firstShown - 1, 0);
        else if (clicked && clicked->GetId() == kListDown)
            m_firstShown = std::max(std::min(m_firstShown + 1, m_count - 1), 0);
        return;
    }
    m_chooser->Update(g_gameMode->GetFrameMs());
    const bool ok = m_chooser->TakeChosen();
    const bool cancelled = m_chooser->TakeCancelled();
    if (ok || cancelled)
        m_state = kMainPanel;
    if (m_chooser->TakeChosenName().Length() > 0)
        LoadGraphics();
}

// The file lines only: ".." and the directories are no graphics.
void GraphicOffsetCalc::LoadGraphics() {
    m_selected = nullptr;
    m_drawn.clear();
    m_graphics.reset(NEW GraphicMgr);
    for (int line = 0; line < m_chooser->GetFileLineCount(); ++line)
        m_graphics->GetGraphicFromFile(m_chooser->GetLinePath(line).c_str(), true);
    m_firstShown = 0;
    m_count = m_graphics->Count();
}

void GraphicOffsetCalc::Reset() {
    m_offset = Vector();
    ShowOffsets();
    m_selected = nullptr;
    m_drawn.clear();
    m_graphics.reset();
    m_firstShown = 0;
    m_count = 0;
}

void GraphicOffsetCalc::HandleEvent(const SDL_Event& event) {
    if (m_state == kSelectGraphicFile)
        HandleChooserEvent(event);
    else if (event.type == SDL_KEYUP)
        HandleMainKey(event.key.keysym.sym);
}

void GraphicOffsetCalc::HandleChooserEvent(const SDL_Event& event) {
    if (m_chooser->GetList().Contains(g_mouseX, g_mouseY)) {
        m_chooser->HandleEvent(event);
        return;
    }
    if (event.type != SDL_MOUSEBUTTONDOWN || event.button.button != SDL_BUTTON_RIGHT)
        return;
    if (m_graphicWindow->Contains(g_mouseX, g_mouseY))
        SelectGraphicAt(g_mouseX, g_mouseY);
    else if (m_selected)
        m_state = kMainPanel;
}

void GraphicOffsetCalc::HandleMainKey(SDLKey key) {
    switch (key) {
    case SDLK_d:
        m_drag = !m_drag;
        return;
    case SDLK_UP:
        MoveOffset(0, -1);
        return;
    case SDLK_DOWN:
        MoveOffset(0, 1);
        return;
    case SDLK_RIGHT:
        MoveOffset(1, 0);
        return;
    case SDLK_LEFT:
        MoveOffset(-1, 0);
        return;
    default:
        return;
    }
}

void GraphicOffsetCalc::MoveOffset(float dx, float dy) {
    const Vector scale = m_map.GetPixelsPerUnit();
    m_offset.x += dx / scale.x;
    m_offset.y += dy / scale.y;
    ShowOffsets();
}

void GraphicOffsetCalc::ShowOffsets() {
    SetFieldNumber(*m_mainWindow, kOffsetX, m_offset.x);
    SetFieldNumber(*m_mainWindow, kOffsetY, m_offset.y);
    SetFieldNumber(*m_mainWindow, kOffsetZ, m_offset.z);
}

// Only what the list showed at its last drawing can be picked, in the order shown.
void GraphicOffsetCalc::SelectGraphicAt(int x, int y) {
    m_selected = nullptr;
    for (const DrawnGraphic& drawn : m_drawn) {
        const Graphic& graphic = *drawn.graphic;
        const bool inside = x > drawn.x && x < drawn.x + graphic.GetWidth() && y > drawn.y &&
                            y < drawn.y + graphic.GetHeight();
        if (inside && graphic.IsOpaqueAt(x - drawn.x, y - drawn.y)) {
            m_selected = drawn.graphic;
            return;
        }
    }
}

void GraphicOffsetCalc::Draw(Screen& screen) {
    screen.SetDrawColour(Colour(0, 0, 0).Pack16());
    screen.Clear();
    DrawAnchorAndGraphic(screen);
    if (m_state == kMainPanel) {
        m_mainWindow->SetDirty(true);
        m_mainWindow->Draw(screen);
    } else {
        m_graphicWindow->SetDirty(true);
        m_graphicWindow->Draw(screen);
        DrawGraphicList(screen);
        m_chooser->SetDirty();
        m_chooser->Draw(screen);
    }
    screen.SetFont(0);
    screen.DrawText(screen.GetSurface().width - kStateNameInset, kStateNameY, StateName());
}

// Through the map view's own transform, so the graphic stands where the mouse drags it.
void GraphicOffsetCalc::DrawAnchorAndGraphic(Screen& screen) {
    int x = 0, y = 0;
    if (m_selected) {
        WorldToPixel(m_map, m_anchor + m_offset, x, y);
        Graphic::SetBlitMode(m_transparent ? 9 : 0);
        m_selected->Draw(screen.GetSurface(), x, y);
        Graphic::SetBlitMode(0);
    }
    screen.SetDrawColour(kOverlayColour.Pack16());
    m_map.DrawTileOverlay(screen, m_anchor);
    WorldToPixel(m_map, m_anchor, x, y);
    screen.SetDrawColour(Colour(255, 255, 0).Pack16());
    DrawEllipse(EllipseShape{1, x, y, 8, 4}, &screen);
    DrawEllipse(EllipseShape{1, x, y, 7, 3}, &screen);
}

// From the first shown downward, each with its file name under it, clipped to the window.
void GraphicOffsetCalc::DrawGraphicList(Screen& screen) {
    m_drawn.clear();
    if (!m_graphics)
        return;
    const Rect& window = m_graphicWindow->GetRect();
    const int middle = (window.x1 + window.x2) / 2;
    const int bottom = window.y2 - kListBottom;
    screen.SetClipRect(window.x1, window.y1 + kListTop, window.x2, bottom);
    screen.SetFont(kListFont);
    Graphic::SetBlitMode(0);
    int y = window.y1 + kListTop;
    for (int slot = m_firstShown; slot < m_count && y < bottom; ++slot) {
        Graphic* graphic = m_graphics->GetAt(slot);
        if (!graphic)
            continue;
        const int x = middle - graphic->GetWidth() / 2;
        graphic->Draw(screen.GetSurface(), x, y);
        m_drawn.push_back(DrawnGraphic{graphic, x, y});
        const Stringc name = graphic->GetFileName() + graphic->GetExtension();
        const int textY = y + graphic->GetHeight();
        screen.DrawText(middle - name.Length() * kListCharWidth / 2, textY, name);
        y = textY + kListGap + screen.FontHeight();
    }
    screen.ResetClipRect();
}

const char* GraphicOffsetCalc::StateName() const {
    switch (m_state) {
    case kMainPanel:
        return m_drag ? "DRAG TO OFFSET" : "MAIN_PANEL";
    case kSelectGraphicFile:
        return "SELECT_GRAPHIC_FILE";
    }
    return "ERROR";
}
