#include "tools/demoworld/menu_screens_art.h"

#include "Library/files/data_paths.h"
#include "Library/interface/interface_object.h"
#include "Source/screens/credits_panel.h"
#include "Source/screens/game_over_panel.h"
#include "Source/screens/load_save_panel.h"
#include "Source/screens/menu_panel.h"
#include "Source/screens/new_game_panel.h"
#include "Source/screens/options_panel.h"
#include "Source/screens/quest_panel.h"
#include "Source/screens/select_player_script_panel.h"
#include "Source/screens/spell_book_panel.h"
#include "tools/demoworld/canvas.h"
#include "tools/demoworld/frame_palette.h"
#include "tools/demoworld/label_font.h"
#include "tools/demoworld/shared_interface_art.h"
#include "tools/demoworld/window_art.h"

namespace {

using namespace framepalette;

constexpr int kScreenWidth = 800;
constexpr int kScreenHeight = 600;
const Colour kParchment(226, 212, 176);
const Colour kLight(250, 246, 230);
const char* const kSliderCaptions[] = {"Effects", "Music", "Master"}; // by slider id

// A leaf for black text, from corner to corner.
void Leaf(Canvas& canvas, int x1, int y1, int x2, int y2) {
    canvas.Bevel(x1 - 8, y1 - 8, x2 - x1 + 16, y2 - y1 + 16, kParchment);
}

// A well for white text.
void Well(Canvas& canvas, int x1, int y1, int x2, int y2) {
    canvas.Fill(x1 - 4, y1 - 4, x2 - x1 + 8, y2 - y1 + 8, kPlate);
    canvas.Frame(x1 - 4, y1 - 4, x2 - x1 + 8, y2 - y1 + 8, kGold);
}

// Text over the open frame sits on a plate: on the see-through colour its edges would
// blend into it.
void Heading(Canvas& canvas, LabelFont& font, int centreX, int centreY, int width,
             const char* text) {
    canvas.Bevel(centreX - width / 2, centreY - 13, width, 26, kPlate);
    canvas.TextCentred(font, 14, centreX, centreY, width - 8, text, kGold);
}

} // namespace

Canvas OpenScreenFrame() {
    Canvas canvas(kScreenWidth, kScreenHeight, Canvas::kTransparent);
    for (int edge = 0; edge < 10; ++edge)
        canvas.Frame(edge, edge, kScreenWidth - 2 * edge, kScreenHeight - 2 * edge,
                     edge < 3 || edge > 6 ? kGold : kBronze);
    return canvas;
}

MenuScreensArt::MenuScreensArt(const DataPaths& paths, LabelFont& font)
    : m_paths(paths), m_font(font) {}

bool MenuScreensArt::Write() const {
    return WriteGameMenu() && WriteLoadSave() && WriteOptions() && WriteNewGame() &&
           WriteCredits() && WriteGameOver() && WritePlayerScript() && WriteQuestLog() &&
           WriteSpellBook();
}

Stringc MenuScreensArt::Interface(const char* name) const {
    return m_paths.GetInterfaceDir() + "/" + name;
}

bool MenuScreensArt::Save(const WindowLayout& layout, const Canvas& screen) const {
    return screen.SaveTga(Interface(layout.window.image)) &&
           WindowArt(m_paths.GetInterfaceDir(), m_font).WriteWidgets(layout, kBronze);
}

bool MenuScreensArt::WriteGameMenu() const {
    const WindowLayout layout = MenuPanel::MenuLayout();
    Canvas menu = OpenScreenFrame();
    menu.Bevel(345, 200, 110, 150, kPlate);
    menu.TextCentred(m_font, 14, 400, 220, 100, "MENU", kGold);
    return Save(layout, menu);
}

// The slots' lines are drawn in black on a parchment leaf.
bool MenuScreensArt::WriteLoadSave() const {
    const WindowLayout layout = LoadSavePanel::PanelLayout();
    Canvas screen = OpenScreenFrame();
    constexpr int kMargin = 10;
    screen.Bevel(kScreenWidth / 2 - LoadSavePanel::kLineWidth / 2 - kMargin, 60,
                 LoadSavePanel::kLineWidth + 2 * kMargin, 470, kParchment);
    screen.TextCentred(m_font, 16, 400, 78, 300, "SAVED GAMES", kBronze);
    screen.Bevel(610, 528, 170, 40, kPlate);
    return Save(layout, screen);
}

// The sliders run along grooves in the slider window; the view sizes sit in the other.
bool MenuScreensArt::WriteOptions() const {
    const WindowLayout sliders = OptionsPanel::SliderLayout();
    const WindowLayout sizes = OptionsPanel::SizeLayout();
    Canvas screen = OpenScreenFrame();
    Heading(screen, m_font, 400, 60, 160, "OPTIONS");
    for (const WindowLayout* window : {&sliders, &sizes})
        screen.Bevel(window->window.x, window->window.y, window->window.width,
                     window->window.height, kPlate);
    Heading(screen, m_font, 566, 258, 120, "Sound");
    Heading(screen, m_font, 231, 204, 120, "View size");
    for (const WidgetEntry& slider : sliders) {
        const int y = sliders.window.y + slider.y;
        screen.Fill(OptionsPanel::kTrackStart, y + slider.height / 2 - 1,
                    OptionsPanel::kTrackEnd - OptionsPanel::kTrackStart, 3, kBronze);
        screen.Text(m_font, 11, OptionsPanel::kTrackStart, y + slider.height + 2,
                    kSliderCaptions[slider.id], kLight);
    }
    for (const WidgetEntry& size : sizes) {
        const int x = sizes.window.x + size.x;
        const int y = sizes.window.y + size.y;
        SharedInterfaceArt::DrawTickBox(screen, x, y);
        screen.Text(m_font, 12, x + SharedInterfaceArt::kTickSize + 10, y + 3, size.label, kLight);
    }
    Canvas knob(10, 20, kGold);
    knob.Bevel(0, 0, 10, 20, kGold);
    Canvas held(10, 20, kLight);
    held.Bevel(0, 0, 10, 20, kLight);
    return Save(OptionsPanel::MainLayout(), screen) && knob.SaveTga(Interface("slider_up.tga")) &&
           held.SaveTga(Interface("slider_dwn.tga"));
}

// The new game's sheet is the character screen's picture, which the item screens' art
// draws; its Cancel held down is its own.
bool MenuScreensArt::WriteNewGame() const {
    return WindowArt(m_paths.GetInterfaceDir(), m_font)
        .WriteButton("button_cancel_up.tga", 64, 14, "Cancel", kBronze);
}

bool MenuScreensArt::WriteCredits() const {
    const WindowLayout layout = CreditsPanel::PanelLayout();
    Canvas screen = OpenScreenFrame();
    Leaf(screen, 213, 54, 586, 544);
    return Save(layout, screen);
}

bool MenuScreensArt::WriteGameOver() const {
    const WindowLayout layout = GameOverPanel::PanelLayout();
    Canvas screen = OpenScreenFrame();
    screen.Bevel(200, 200, 400, 140, kPlate);
    screen.TextCentred(m_font, 40, 400, 270, 380, "GAME OVER", Colour(200, 40, 30));
    return Save(layout, screen);
}

bool MenuScreensArt::WritePlayerScript() const {
    const WindowLayout layout = SelectPlayerScriptPanel::PanelLayout();
    Canvas screen = OpenScreenFrame();
    screen.Bevel(230, 200, 340, 220, kPlate);
    screen.TextCentred(m_font, 14, 400, 225, 320, "What the leader does when idle", kGold);
    const char* const kinds[] = {"Stand and wait", "Keep watch", "Stay on guard"};
    int kind = 0;
    for (const WidgetEntry& radio : layout) {
        if (radio.type != kWidgetRadio)
            continue;
        SharedInterfaceArt::DrawTickBox(screen, radio.x, radio.y);
        screen.Text(m_font, 12, radio.x + SharedInterfaceArt::kTickSize + 10, radio.y + 3,
                    kinds[kind++], kLight);
    }
    return Save(layout, screen);
}

// The journal's texts are drawn in white.
bool MenuScreensArt::WriteQuestLog() const {
    const WindowLayout layout = QuestPanel::PanelLayout();
    Canvas screen = OpenScreenFrame();
    Well(screen, 72, 106, 359, 313);
    Well(screen, 72, 394, 359, 528);
    Well(screen, 422, 106, 709, 525);
    Heading(screen, m_font, 132, 86, 120, "Quests");
    Heading(screen, m_font, 132, 374, 120, "Notes");
    Heading(screen, m_font, 482, 86, 120, "Journal");
    return Save(layout, screen);
}

bool MenuScreensArt::WriteSpellBook() const {
    const WindowLayout layout = SpellBookPanel::BookLayout();
    Canvas book(layout.window.width, layout.window.height, kPlate);
    book.Frame(0, 0, layout.window.width, layout.window.height, kGold);
    book.Bevel(205, 197, 265, 210, kParchment);
    return Save(layout, book);
}
