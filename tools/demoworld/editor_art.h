#pragma once
// The editors' art: the animation editor's two windows, the graphic offset editor's two
// windows and the directory box both use, and the map editor's windows, with their buttons
// but those the shared interface art draws.

#include "Library/core/stringc.h"

class DataPaths;
class LabelFont;
class WindowArt;

class EditorArt {
public:
    EditorArt(const DataPaths& paths, LabelFont& font);

    bool Write() const; // false, with a message, at the first picture that cannot be written

private:
    bool WriteAnimationEditor() const;
    bool WriteOffsetEditor() const;
    bool WriteDirectoryBox() const;
    bool WriteMapEditor() const;
    bool WriteMapEditorWindow(WindowArt& art, int window) const;

    const DataPaths& m_paths;
    LabelFont& m_font;
};
