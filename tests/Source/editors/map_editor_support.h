#pragma once
// The map editor driven through the main loop on a demo world: its windows clicked by their
// layouts, its keys released over map points.

#include "Library/core/vector.h"
#include "Source/editors/map_editor.h"
#include "Source/real_game.h"
#include "tools/demoworld/field_images.h"

#include <string>

namespace testsupport {

class MapEditing : public RealGame {
protected:
    static constexpr Point kDirectoryCancel{300 + 45, 508 + 36 + 11}; // the map directory box's

    void SetUp() override;

    MapEditor& Editor() const { return *PageAs<MapEditor>(); }
    uint32_t State() const { return Editor().GetState(); }
    // The middle of a widget of the window, on the screen.
    static Point At(MapEditor::Window window, uint32_t id);
    void Press(MapEditor::Window window, uint32_t id) { Click(At(window, id)); }
    // Focuses the field and replaces its text.
    void Enter(MapEditor::Window window, uint32_t id, const char* text);
    std::string Field(MapEditor::Window window, uint32_t id) const;
    bool Ticked(MapEditor::Window window, uint32_t id) const;
    // Scrolls the directory box (of the layout) until the line shows, and clicks it.
    void Choose(const DirectoryPanel& box, const WindowLayout& layout, const std::string& name);
    // A new map from "field.tga", its FieldImages::kColumns x kRows cells.
    void NewField();
    void Load(const char* name);
    void Save(const char* name);
    void MoveOver(const Vector& point); // the pointer over a world point
    void KeyAt(const Vector& point, SDLKey key) {
        MoveOver(point);
        Release(key);
    }
    void Tool(uint32_t button) { Press(MapEditor::kToolbarWindow, button); }
    // Each point released as 'p' in DRAWING LINE mode, then 'a'.
    void DrawOutline(const std::initializer_list<Vector>& points);
    void ShiftPress(SDLKey key);
};

} // namespace testsupport
