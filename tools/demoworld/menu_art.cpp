#include "tools/demoworld/menu_art.h"

#include "Library/files/data_paths.h"
#include "Library/interface/interface_object.h"
#include "Source/screens/edit_game_panel.h"
#include "Source/screens/main_panel.h"
#include "Source/world/load_save_mgr.h"
#include "tools/demoworld/canvas.h"
#include "tools/demoworld/frame_palette.h"
#include "tools/demoworld/label_font.h"
#include "tools/demoworld/menu_screens_art.h"
#include "tools/demoworld/window_art.h"

namespace {

using namespace framepalette;

constexpr int kScreenWidth = 800;
constexpr int kScreenHeight = 600;
const Colour kNight(10, 14, 40);
const Colour kDusk(150, 70, 60);
const Colour kGround(18, 14, 20);

// A dark plate in a gold frame with the name on it.
Canvas TitlePlate(LabelFont& font, int width, int height, int points, const char* subtitle) {
    Canvas plate(width, height, kPlate);
    plate.Frame(0, 0, width, height, kGold);
    plate.Frame(3, 3, width - 6, height - 6, kBronze);
    const int nameY = subtitle ? height * 2 / 5 : height / 2;
    plate.TextCentred(font, points, width / 2, nameY, width - 12, "VAULTANE", kGold);
    if (subtitle)
        plate.TextCentred(font, points / 3, width / 2, height * 4 / 5, width - 12, subtitle,
                          Colour(220, 210, 190));
    return plate;
}

} // namespace

MenuArt::MenuArt(const DataPaths& paths, LabelFont& font) : m_paths(paths), m_font(font) {}

bool MenuArt::Write() const {
    return WriteSplash() && WriteTitleSymbols() && WriteTitleMenu() && WriteEditorMenu();
}

// Dusk over a ruined skyline.
bool MenuArt::WriteSplash() const {
    Canvas splash(kScreenWidth, kScreenHeight, kNight);
    splash.Gradient(0, 0, kScreenWidth, 460, kNight, kDusk);
    uint32_t seed = 7;
    for (int star = 0; star < 90; ++star) {
        seed = seed * 1103515245u + 12345u;
        const int x = static_cast<int>(seed >> 8) % kScreenWidth;
        seed = seed * 1103515245u + 12345u;
        const int y = static_cast<int>(seed >> 8) % 300;
        splash.Fill(x, y, 1 + star % 2, 1 + star % 2, Colour(255, 250, 220));
    }
    splash.Disc(620, 120, 34, Colour(250, 236, 200));
    splash.Fill(0, 460, kScreenWidth, kScreenHeight - 460, kGround);
    for (int tower = 0; tower < 12; ++tower) {
        const int height = 40 + (tower * 53) % 110;
        const int width = 30 + (tower * 29) % 40;
        splash.Fill(tower * 70 + 10, 460 - height, width, height, kGround);
        splash.Fill(tower * 70 + 10 + width / 3, 460 - height - 12, width / 3, 12, kGround);
    }
    return splash.SaveBmp(m_paths.GetGraphicDir() + "/splash/splash1.bmp");
}

bool MenuArt::WriteTitleSymbols() const {
    const Stringc directory = m_paths.GetGraphicDir() + "/splash/";
    return TitlePlate(m_font, 460, 120, 48, "a tile-map role-playing game")
               .SaveTga(directory + "tcv_txt_sym.tga") &&
           TitlePlate(m_font, 144, 40, 22, nullptr).SaveTga(directory + "tcv_txt_sym_small.tga");
}

// Open in the middle, so the splash behind the menu shows; a plate behind the buttons.
bool MenuArt::WriteTitleMenu() const {
    const WindowLayout layout = MainPanel::MenuLayout();
    Canvas menu = OpenScreenFrame();
    menu.Bevel(346, 238, 108, 140, kPlate);
    menu.Bevel(714, 560, 76, 30, kPlate);
    WindowArt art(m_paths.GetInterfaceDir(), m_font);
    return art.SaveBackground(layout, menu) && art.WriteWidgets(layout, kBronze);
}

bool MenuArt::WriteEditorMenu() const {
    const WindowLayout layout = EditGamePanel::MenuLayout(kScreenWidth, kScreenHeight);
    WindowArt art(m_paths.GetInterfaceDir(), m_font);
    Canvas menu = art.DrawBackground(layout, kSlate);
    menu.TextCentred(m_font, 14, EditGamePanel::kWidth / 2, 48, EditGamePanel::kWidth - 10,
                     "EDITORS", kGold);
    return art.SaveBackground(layout, menu) && art.WriteWidgets(layout, kSlate);
}
