#pragma once
// The directory chooser both editors use: "directory_box_3.tga" with its list, the scroll
// buttons, OK and cancel, centred on the 800 x 600 screen.

#include "Library/graphics/rect.h"
#include "Source/screens/window_layout.h"

#include <memory>

class DirectoryPanel;

std::unique_ptr<DirectoryPanel> MakeEditorDirectoryBox(); // a window of g_interface
WindowLayout EditorDirectoryBoxLayout();
Rect EditorDirectoryListRect(); // relative to the box
