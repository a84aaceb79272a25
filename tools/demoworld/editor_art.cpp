#include "tools/demoworld/editor_art.h"

#include "Library/files/data_paths.h"
#include "Library/interface/interface_object.h"
#include "Source/editors/animation_editor.h"
#include "Source/editors/editor_directory_box.h"
#include "Source/editors/graphic_offset_calc.h"
#include "Source/editors/map_editor.h"
#include "tools/demoworld/canvas.h"
#include "tools/demoworld/frame_palette.h"
#include "tools/demoworld/label_font.h"
#include "tools/demoworld/shared_interface_art.h"
#include "tools/demoworld/window_art.h"

namespace {

using namespace framepalette;

const Colour kTeal(40, 92, 96);
const Colour kInk(250, 246, 230);
const Colour kList(12, 16, 26);
const Colour kMoss(54, 84, 64);
constexpr int kLabelPoints = 10;

// The toolbar's fields are labelled on their left, where a panel's caption column would
// run into the buttons.
const struct {
    uint32_t field;
    const char* label;
} kToolbarLabels[] = {{MapEditor::kChanceRain, "Rain"},
                      {MapEditor::kChanceSnow, "Snow"},
                      {MapEditor::kChanceStorm, "Storm"}};

} // namespace

EditorArt::EditorArt(const DataPaths& paths, LabelFont& font) : m_paths(paths), m_font(font) {}

bool EditorArt::Write() const {
    return WriteAnimationEditor() && WriteOffsetEditor() && WriteDirectoryBox() && WriteMapEditor();
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

// Every window the map editor builds but the picker, whose picture the graphic offset
// editor draws, then its two directory boxes and its save box, whose picture the game's
// description box shows too.
bool EditorArt::WriteMapEditor() const {
    WindowArt art(m_paths.GetInterfaceDir(), m_font);
    for (int window = 0; window < MapEditor::kWindowCount; ++window)
        if (window != MapEditor::kPickerWindow && !WriteMapEditorWindow(art, window))
            return false;
    for (const WindowLayout& box :
         {MapEditor::EntityDirectoryLayout(), MapEditor::MapDirectoryLayout()}) {
        Canvas background = art.DrawBackground(box, kSlate);
        const Rect list = MapEditor::DirectoryListRect();
        background.Fill(list.x1, list.y1, list.x2 - list.x1, list.y2 - list.y1, kList);
        if (!art.SaveBackground(box, background) || !art.WriteWidgets(box, kSlate))
            return false;
    }
    return art.Write(MapEditor::SaveBoxLayout(), kSlate);
}

// Ticks and radios stand on empty boxes with their captions on the right; the search
// colours' radios on swatches of the tile types they paint.
bool EditorArt::WriteMapEditorWindow(WindowArt& art, int window) const {
    const WindowLayout layout = MapEditor::Layout(static_cast<MapEditor::Window>(window));
    Canvas background = art.DrawBackground(layout, kMoss);
    for (const WidgetEntry& widget : layout) {
        const int colour = MapEditor::SearchColourOfRadio(widget.id);
        if (colour >= 0 && window == MapEditor::kSearchColourWindow) {
            Colour swatch;
            swatch.ByIndex(colour);
            background.Fill(widget.x + 4, widget.y + 4, widget.width - 8, widget.height - 8,
                            swatch);
        }
        if (widget.type != kWidgetToggle && widget.type != kWidgetRadio)
            continue;
        if (window != MapEditor::kSearchColourWindow)
            SharedInterfaceArt::DrawTickBox(background, widget.x, widget.y);
        if (*widget.caption)
            background.Text(m_font, kLabelPoints, widget.x + widget.width + 6, widget.y + 2,
                            widget.caption, kInk);
    }
    if (window == MapEditor::kToolbarWindow)
        for (const auto& label : kToolbarLabels)
            for (const WidgetEntry& widget : layout)
                if (widget.id == label.field)
                    background.Text(m_font, kLabelPoints,
                                    widget.x - m_font.TextWidth(kLabelPoints, label.label) - 4,
                                    widget.y + 2, label.label, kInk);
    return art.SaveBackground(layout, background) && art.WriteWidgets(layout, kMoss);
}
