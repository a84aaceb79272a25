#include "Source/editors/editor_directory_box.h"

#include "Library/core/tracked_new.h"
#include "Library/interface/directory_panel.h"
#include "Library/interface/interface_object.h"

namespace {

constexpr int kListLines = 200;
constexpr int kListFont = 0;
constexpr int kListHighlightFont = 5;

const WidgetEntry kButtons[] = {
    {DirectoryPanel::kScrollUp, kWidgetButton, 276, 30, 18, 18, "button_up.tga", "^"},
    {DirectoryPanel::kScrollDown, kWidgetButton, 276, 262, 18, 18, "button_dwn.tga", "v"},
    {DirectoryPanel::kOk, kWidgetButton, 40, 290, 90, 22, "button_ok_2.tga", "OK"},
    {DirectoryPanel::kCancel, kWidgetButton, 170, 290, 90, 22, "button_cancel_2.tga", "Cancel"},
};

} // namespace

WindowLayout EditorDirectoryBoxLayout() {
    return MakeLayout(WindowEntry{"directory_box_3.tga", "Choose a directory", 250, 140, 300, 320},
                      kButtons);
}

Rect EditorDirectoryListRect() {
    return Rect::Make(10, 30, 270, 280);
}

std::unique_ptr<DirectoryPanel> MakeEditorDirectoryBox() {
    const WindowLayout layout = EditorDirectoryBoxLayout();
    std::unique_ptr<DirectoryPanel> box(
        NEW DirectoryPanel(layout.window.image, layout.window.x, layout.window.y));
    box->Create(EditorDirectoryListRect(), 1, kListLines, kListFont, kListHighlightFont);
    for (const WidgetEntry& button : layout)
        box->AddButton(button.id, button.image, button.x, button.y);
    return box;
}
