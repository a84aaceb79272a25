#include "Source/editors/map_editor_support.h"

#include "Library/geometry/map_view.h"
#include "Library/graphics/rect.h"
#include "Library/interface/directory_panel.h"
#include "Library/interface/gt_window.h"
#include "Library/interface/info_panel.h"
#include "Library/interface/interface_object.h"
#include "Library/interface/text_block.h"
#include "Library/world/game_mode.h"
#include "Library/world/tile_map.h"

namespace testsupport {

namespace {

Point Middle(int x, int y, const WidgetEntry& widget) {
    return Point{x + widget.x + widget.width / 2, y + widget.y + widget.height / 2};
}

} // namespace

void MapEditing::SetUp() {
    RealGame::SetUp();
    Frame();
    g_gameMode->SetMode(kModeMapEditor);
    Frame();
    ASSERT_NE(PageAs<MapEditor>(), nullptr);
}

Point MapEditing::At(MapEditor::Window window, uint32_t id) {
    const WindowLayout layout = MapEditor::Layout(window);
    for (const WidgetEntry& widget : layout)
        if (widget.id == id)
            return Middle(layout.window.x, layout.window.y, widget);
    ADD_FAILURE() << "no widget " << id << " in window " << window;
    return Point{0, 0};
}

void MapEditing::Enter(MapEditor::Window window, uint32_t id, const char* text) {
    Click(At(window, id));
    Erase(40);
    Type(text);
}

std::string MapEditing::Field(MapEditor::Window window, uint32_t id) const {
    return Editor().GetWindow(window).FindChild(id)->GetText().c_str();
}

bool MapEditing::Ticked(MapEditor::Window window, uint32_t id) const {
    const InterfaceObject* tick = Editor().GetWindow(window).FindChild(id);
    return tick->GetType() == kWidgetRadio ? tick->IsSelected() : tick->IsOn();
}

void MapEditing::Choose(const DirectoryPanel& box, const WindowLayout& layout,
                        const std::string& name) {
    const WidgetEntry& lower = layout.widgets[1];
    ASSERT_TRUE(ClickListLine(box, name,
                              Point{layout.window.x + lower.x + lower.width / 2,
                                    layout.window.y + lower.y + lower.height / 2}))
        << name;
}

void MapEditing::NewField() {
    Tool(MapEditor::kNew);
    ASSERT_EQ(State(), MapEditor::kNewMap);
    Choose(Editor().GetMapDirectory(), MapEditor::MapDirectoryLayout(), "field.tga");
    Frame();
    ASSERT_EQ(State(), MapEditor::kEditMap);
    ASSERT_EQ(g_tileMap->GetWidth(), FieldImages::kColumns);
}

void MapEditing::Load(const char* name) {
    Tool(MapEditor::kLoad);
    ASSERT_EQ(State(), MapEditor::kLoadMap);
    Choose(Editor().GetMapDirectory(), MapEditor::MapDirectoryLayout(), name);
    Frame();
}

void MapEditing::Save(const char* name) {
    Tool(MapEditor::kSave);
    ASSERT_EQ(State(), MapEditor::kSaveMap);
    Erase(40);
    Type(name);
    const WindowLayout box = MapEditor::SaveBoxLayout();
    Click(box.window.x + box.widgets[0].x + 10, box.window.y + box.widgets[0].y + 10);
}

void MapEditing::MoveOver(const Vector& point) {
    int x = 0, y = 0;
    WorldToPixel(*g_tileMap, point, x, y);
    MoveTo(x, y);
}

void MapEditing::DrawOutline(const std::initializer_list<Vector>& points) {
    ASSERT_TRUE(Editor().IsDrawingLine());
    for (const Vector& point : points)
        KeyAt(point, SDLK_p);
    Release(SDLK_a);
    ASSERT_FALSE(Editor().IsDrawingLine());
}

void MapEditing::ShiftPress(SDLKey key) {
    SDL_Event event = KeyDown(key, static_cast<Uint16>(key));
    event.key.keysym.mod = KMOD_LSHIFT;
    Push(event);
    Frame();
}

} // namespace testsupport
