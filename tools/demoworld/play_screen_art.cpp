#include "tools/demoworld/play_screen_art.h"

#include "Library/files/data_paths.h"
#include "Library/interface/interface_object.h"
#include "Source/screens/game_play_panel.h"
#include "tools/demoworld/canvas.h"
#include "tools/demoworld/frame_palette.h"
#include "tools/demoworld/label_font.h"
#include "tools/demoworld/window_art.h"

namespace {

using namespace framepalette;

const Colour kPaper(226, 212, 176);
const Colour kInk(40, 30, 20);
constexpr int kCommandWidth = 84;
constexpr int kCommandHeight = 16;

// The command boxes by picture, with the labels of their buttons from the top.
const struct {
    const char* image;
    int buttons;
} kCommandBoxes[] = {{"cmd_box_1b.tga", 3}, {"cmd_box_2.tga", 2}, {"cmd_box_3.tga", 2},
                     {"cmd_box_4.tga", 2},  {"cmd_box_5.tga", 4}, {"cmd_box_7.tga", 1},
                     {"cmd_box_8.tga", 2},  {"cmd_box_9.tga", 2}, {"cmd_box_10.tga", 5},
                     {"cmd_box_11.tga", 2}};
const struct {
    const char* image;
    const char* label;
} kCommandButtons[] = {
    {"button_examine.tga", "Examine"},     {"button_use.tga", "Use"},
    {"button_unload.tga", "Unload"},       {"button_attack.tga", "Attack"},
    {"button_talk.tga", "Talk"},           {"button_collect.tga", "Collect"},
    {"button_search.tga", "Search"},       {"button_open.tga", "Open"},
    {"button_pick_lock.tga", "Pick lock"}, {"button_diarm_trap.tga", "Disarm trap"},
};

// What the small buttons of the bars show in place of their labels.
const char* Caption(const WidgetEntry& button) {
    switch (button.id) {
    case GamePlayPanel::kCharacter:
        return "CHR";
    case GamePlayPanel::kSelectScript:
        return "SCR";
    case GamePlayPanel::kInventory:
        return "INV";
    case GamePlayPanel::kWeaponMode:
        return "";
    case GamePlayPanel::kPrevHand:
        return "<";
    case GamePlayPanel::kNextHand:
        return ">";
    case GamePlayPanel::kMessagesUp:
    case GamePlayPanel::kPageUp:
        return "^";
    case GamePlayPanel::kMessagesDown:
    case GamePlayPanel::kPageDown:
        return "v";
    default:
        return button.id >= GamePlayPanel::kFirstQuickSlot &&
                       button.id < GamePlayPanel::kFirstQuickSlot + GamePlayPanel::kQuickSlots
                   ? ""
                   : button.label;
    }
}

// Each button of the layout with its caption; a button without one is a plain plate.
bool WriteButtons(WindowArt& art, const WindowLayout& layout, const Colour& face) {
    for (const WidgetEntry& button : layout) {
        WidgetEntry captioned = button;
        captioned.label = Caption(button);
        if (*captioned.label == 0)
            captioned.label = " ";
        if (!art.WriteButton(captioned, face))
            return false;
    }
    return true;
}

} // namespace

PlayScreenArt::PlayScreenArt(const DataPaths& paths, LabelFont& font)
    : m_paths(paths), m_font(font) {}

bool PlayScreenArt::Write() const {
    return WriteBars() && WriteBook() && WriteSmallSplashes() && WriteCommandBoxes();
}

Stringc PlayScreenArt::Interface(const char* name) const {
    return m_paths.GetInterfaceDir() + "/" + name;
}

// Plates for the readouts: the messages on the left, weapon and quick slots on the right.
bool PlayScreenArt::WriteBars() const {
    WindowArt art(m_paths.GetInterfaceDir(), m_font);
    const WindowLayout bottom = GamePlayPanel::BottomBarLayout();
    Canvas bar = art.DrawBackground(bottom, kPlate);
    bar.Frame(0, 0, 800, 83, kGold);
    bar.Fill(66, 4, 350, 76, Colour(12, 10, 14));
    Canvas top(800, 32, kPlate);
    top.Frame(0, 0, 800, 32, kGold);
    top.Text(m_font, 12, 10, 8, "VAULTANE", kGold);
    top.Text(m_font, 10, 690, 9, "HP", kPaper);
    Canvas levelUp(60, 14, kBronze);
    levelUp.TextCentred(m_font, 10, 30, 7, 56, "LEVEL UP", kGold);
    Canvas levelUpPressed(60, 14, kGold);
    levelUpPressed.TextCentred(m_font, 10, 30, 7, 56, "LEVEL UP", kPlate);
    // Round the smaller views of the map, drawn from the top bar's foot: open where the
    // view is.
    const struct {
        const char* image;
        int x, y, width, height; // the view within the panel
    } sides[] = {{"side_panel_small.tga", 200, 42, 400, 400},
                 {"side_panel_medium.tga", 157, 0, 485, 485},
                 {"side_panel_large.tga", 58, 0, 683, 485}};
    for (const auto& side : sides) {
        Canvas panel(800, 485, kSlate);
        panel.Fill(side.x, side.y, side.width, side.height, Canvas::kTransparent);
        panel.Frame(side.x - 1, side.y - 1, side.width + 2, side.height + 2, kBronze);
        if (!panel.SaveTga(Interface(side.image)))
            return false;
    }
    return art.SaveBackground(bottom, bar) && WriteButtons(art, bottom, kBronze) &&
           top.SaveTga(Interface("menu_game_play_top.tga")) &&
           levelUp.SaveTga(Interface("button_level_up_unpress.tga")) &&
           levelUpPressed.SaveTga(Interface("button_level_up_press.tga"));
}

// An open book: the page's picture sits on the left leaf, its text on the right one.
bool PlayScreenArt::WriteBook() const {
    WindowArt art(m_paths.GetInterfaceDir(), m_font);
    const WindowLayout book = GamePlayPanel::BookLayout();
    Canvas canvas(800, 485, kPlate);
    canvas.Bevel(60, 30, 340, 440, kPaper);
    canvas.Bevel(400, 30, 340, 440, kPaper);
    canvas.Fill(398, 30, 4, 440, kBronze);
    for (const WidgetEntry& button : book) {
        WidgetEntry unpressed = button;
        unpressed.image = button.id == GamePlayPanel::kPageUp ? "button_up2_unpress.tga"
                                                              : "button_dwn2_unpress.tga";
        unpressed.label = Caption(button);
        if (!art.WriteButton(unpressed, kSlate))
            return false;
    }
    return art.SaveBackground(book, canvas) && WriteButtons(art, book, kBronze);
}

bool PlayScreenArt::WriteSmallSplashes() const {
    const Colour skies[] = {Colour(40, 50, 110), Colour(120, 60, 50), Colour(30, 80, 60),
                            Colour(90, 90, 120), Colour(20, 20, 40)};
    for (int index = 0; index < 5; ++index) {
        Canvas picture(260, 360, skies[index]);
        picture.Gradient(0, 0, 260, 240, skies[index], kPaper);
        picture.Fill(0, 240, 260, 120, Colour(30, 26, 22));
        picture.Disc(60 + index * 35, 80, 22, Colour(250, 236, 200));
        picture.Frame(0, 0, 260, 360, kInk);
        Stringc name;
        name.Format("%s/splash/small_splash%d.bmp", m_paths.GetGraphicDir().c_str(), index + 1);
        if (!picture.SaveBmp(name))
            return false;
    }
    return true;
}

bool PlayScreenArt::WriteCommandBoxes() const {
    WindowArt art(m_paths.GetInterfaceDir(), m_font);
    for (const auto& button : kCommandButtons) {
        if (!art.WriteButton(button.image, kCommandWidth, kCommandHeight, button.label, kBronze))
            return false;
    }
    for (const auto& box : kCommandBoxes) {
        Canvas canvas(kCommandWidth, kCommandHeight * box.buttons, kPlate);
        if (!canvas.SaveTga(Interface(box.image)))
            return false;
    }
    return true;
}
