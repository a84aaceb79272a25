#include "tools/demoworld/editor_art.h"

#include "Library/files/data_paths.h"
#include "Library/interface/interface_object.h"
#include "Source/editors/animation_editor.h"
#include "Source/editors/editor_directory_box.h"
#include "Source/editors/graphic_offset_calc.h"
#include "tools/demoworld/canvas.h"
#include "tools/demoworld/frame_palette.h"
#include "tools/demoworld/label_font.h"
#include "tools/demoworld/window_art.h"

namespace {

using namespace framepalette;

const Colour kTeal(40, 92, 96);
const Colour kInk(250, 246, 230);
const Colour kList(12, 16, 26);

} // namespace

EditorArt::EditorArt(const DataPaths& paths, LabelFont& font) : m_paths(paths), m_font(font) {}

bool EditorArt::Write() const {
    return WriteAnimationEditor() && WriteOffsetEditor() && WriteDirectoryBox();
}

namespace {

const Colour kTransparentKey(255, 0, 255);

} // namespace

// The colour-key radios sit on swatches of the colours they key.
bool EditorArt::WriteAnimationEditor() const {
    WindowArt art(m_paths.GetInterfaceDir(), m_font);
    const WindowLayout main = AnimationEditor::MainLayout();
    Canvas background = art.DrawBackground(main, kSlate);
    background.Text(m_font, 10, 10, 92, "Colour key", kInk);
    for (const WidgetEntry& widget : main) {
        const int key = AnimationEditor::ColourKeyOfRadio(widget.id);
        if (widget.type != kWidgetRadio || key < 0)
            continue;
        Colour swatch;
        swatch.ByIndex(key);
        if (swatch == kTransparentKey) // drawn as it is, the window would show through it
            swatch = Colour(240, 0, 240);
        background.Fill(widget.x + 4, widget.y + 4, widget.width - 8, widget.height - 8, swatch);
    }
    return art.SaveBackground(main, background) && art.WriteWidgets(main, kSlate) &&
           art.Write(AnimationEditor::EditLayout(), kSlate);
}

bool EditorArt::WriteOffsetEditor() const {
    WindowArt art(m_paths.GetInterfaceDir(), m_font);
    return art.Write(GraphicOffsetCalc::MainLayout(), kTeal) &&
           art.Write(GraphicOffsetCalc::GraphicLayout(), kTeal);
}

bool EditorArt::WriteDirectoryBox() const {
    WindowArt art(m_paths.GetInterfaceDir(), m_font);
    const WindowLayout box = EditorDirectoryBoxLayout();
    Canvas background = art.DrawBackground(box, kSlate);
    const Rect list = EditorDirectoryListRect();
    background.Fill(list.x1, list.y1, list.x2 - list.x1, list.y2 - list.y1, kList);
    return art.SaveBackground(box, background) && art.WriteWidgets(box, kSlate);
}
