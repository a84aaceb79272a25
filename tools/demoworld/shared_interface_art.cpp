#include "tools/demoworld/shared_interface_art.h"

#include "Library/files/data_paths.h"
#include "Source/editors/map_editor.h"
#include "tools/demoworld/canvas.h"
#include "tools/demoworld/frame_palette.h"
#include "tools/demoworld/label_font.h"
#include "tools/demoworld/window_art.h"

#include <cstring>

namespace {

using namespace framepalette;

const Colour kTickBox(16, 20, 32);
const Colour kTickEdge(250, 246, 230);
const Colour kTickMark(120, 230, 120);

// Plain plates the boxes write their text and put their buttons on.
const char* const kBoxPlates[] = {"msg_box_2.tga", "msg_box_3.tga", "msg_box_4.tga"};
constexpr int kBoxWidth = 200;
constexpr int kBoxHeight = 140;

// The boxes' buttons, each in a row along a box's foot.
const char* const kBoxButtons[][2] = {{"button_ok2.tga", "OK"},
                                      {"button_no2.tga", "No"},
                                      {"button_yes2.tga", "Yes"},
                                      {"button_cancel2.tga", "Cancel"}};
constexpr int kBoxButtonWidth = 58;
constexpr int kBoxButtonHeight = 16;

// The push buttons several screens show, at the size of the screens' own rectangles; those
// only the editors share wear the editors' slate.
const struct {
    const char* image;
    int width;
    int height;
    const char* label; // "^" and "v" draw arrows
    const Colour& face;
} kButtons[] = {
    {"button_ok.tga", 64, 14, "OK", kBronze},
    {"button_cancel.tga", 64, 14, "Cancel", kBronze},
    {"button_done.tga", 60, 14, "Done", kBronze},
    {"button_done_up.tga", 60, 14, "Done", kGold},
    {"button_exit_game.tga", 72, 14, "Exit", kBronze}, // the title's and the in-game menu's
    {"button_up.tga", 12, 20, "^", kBronze},
    {"button_dwn.tga", 12, 20, "v", kBronze},
    {"button_trade.tga", 60, 20, "trade", kBronze},
    {"button_stop.tga", 56, 20, "Stop", kBronze},
    {"button_save.tga", 184, 22, "Save", kSlate},
    {"button_exit_4.tga", 64, 20, "Exit", kSlate},
    {"button_transp.tga", 60, 22, "transp", kSlate},
    {"button_left_2.tga", 20, 20, "<", kSlate},
    {"button_right_2.tga", 20, 20, ">", kSlate},
};

} // namespace

SharedInterfaceArt::SharedInterfaceArt(const DataPaths& paths, LabelFont& font)
    : m_paths(paths), m_font(font) {}

bool SharedInterfaceArt::Write() const {
    return WriteBoxes() && WriteButtons() && WriteTicks();
}

bool SharedInterfaceArt::Owns(const char* image) {
    const auto is = [image](const char* name) { return std::strcmp(image, name) == 0; };
    for (const char* plate : kBoxPlates)
        if (is(plate))
            return true;
    for (const auto& button : kBoxButtons)
        if (is(button[0]))
            return true;
    for (const auto& button : kButtons)
        if (is(button.image))
            return true;
    return is(MapEditor::kTickImage) || is(MapEditor::kTickOffImage);
}

void SharedInterfaceArt::DrawTickBox(Canvas& canvas, int x, int y) {
    canvas.Fill(x, y, kTickSize, kTickSize, kTickBox);
    canvas.Frame(x, y, kTickSize, kTickSize, kTickEdge);
}

Stringc SharedInterfaceArt::Interface(const char* name) const {
    return m_paths.GetInterfaceDir() + "/" + name;
}

bool SharedInterfaceArt::WriteBoxes() const {
    Canvas plate(kBoxWidth, kBoxHeight, kPlate);
    plate.Frame(0, 0, kBoxWidth, kBoxHeight, kGold);
    plate.Frame(3, 3, kBoxWidth - 6, kBoxHeight - 6, kBronze);
    for (const char* image : kBoxPlates)
        if (!plate.SaveTga(Interface(image)))
            return false;
    for (const auto& button : kBoxButtons) {
        Canvas face(kBoxButtonWidth, kBoxButtonHeight, kBronze);
        face.Bevel(0, 0, kBoxButtonWidth, kBoxButtonHeight, kBronze);
        face.TextCentred(m_font, 10, kBoxButtonWidth / 2, kBoxButtonHeight / 2, kBoxButtonWidth - 4,
                         button[1], kGold);
        if (!face.SaveTga(Interface(button[0])))
            return false;
    }
    return true;
}

bool SharedInterfaceArt::WriteButtons() const {
    WindowArt art(m_paths.GetInterfaceDir(), m_font);
    for (const auto& button : kButtons)
        if (!art.WriteButton(button.image, button.width, button.height, button.label, button.face))
            return false;
    return true;
}

// Ticked: a green mark in the box; a toggle's unticked picture is the empty box.
bool SharedInterfaceArt::WriteTicks() const {
    Canvas on(kTickSize, kTickSize, kTickBox);
    DrawTickBox(on, 0, 0);
    on.Disc(kTickSize / 2, kTickSize / 2, kTickSize / 2 - 4, kTickMark);
    Canvas off(kTickSize, kTickSize, kTickBox);
    DrawTickBox(off, 0, 0);
    return on.SaveTga(Interface(MapEditor::kTickImage)) &&
           off.SaveTga(Interface(MapEditor::kTickOffImage));
}
