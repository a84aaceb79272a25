#include "tools/demoworld/world_screen_art.h"

#include "Library/files/data_paths.h"
#include "Source/screens/game_map_panel.h"
#include "Source/screens/game_world_map_panel.h"
#include "Source/screens/rest_panel.h"
#include "Source/screens/world_map_panel.h"
#include "tools/demoworld/canvas.h"
#include "tools/demoworld/frame_palette.h"
#include "tools/demoworld/label_font.h"
#include "tools/demoworld/window_art.h"

namespace {

using namespace framepalette;

// A dark box framed in gold, for a list or a readout.
void Well(Canvas& canvas, int x1, int y1, int x2, int y2) {
    canvas.Fill(x1, y1, x2 - x1, y2 - y1, Colour(12, 10, 14));
    canvas.Frame(x1 - 1, y1 - 1, x2 - x1 + 2, y2 - y1 + 2, kGold);
}

} // namespace

WorldScreenArt::WorldScreenArt(const DataPaths& paths, LabelFont& font)
    : m_paths(paths), m_font(font) {}

bool WorldScreenArt::Write() const {
    return WriteRest() && WriteMapPictures() && WriteWorldMap();
}

// A plate in the middle of the splash: the readouts above, the list of durations below,
// the buttons along the bottom; the splash shows round it.
bool WorldScreenArt::WriteRest() const {
    WindowArt art(m_paths.GetInterfaceDir(), m_font);
    const WindowLayout layout = RestPanel::Layout();
    Canvas canvas(800, 600, Canvas::kTransparent);
    canvas.Bevel(280, 96, 240, 404, kPlate);
    canvas.Frame(280, 96, 240, 404, kGold);
    canvas.TextCentred(m_font, 14, 400, 114, 220, "REST", kGold);
    Well(canvas, 298, 132, 502, 184);
    Well(canvas, 324, 247, 489, 484);
    canvas.Bevel(540, 528, 224, 38, kPlate);
    return art.SaveBackground(layout, canvas) && art.WriteWidgets(layout, kBronze);
}

// The area map's picture is drawn on the splash, so its window is a strip along the bottom
// for "Done"; the world's picture is fields and a road east past the town.
bool WorldScreenArt::WriteMapPictures() const {
    WindowArt art(m_paths.GetInterfaceDir(), m_font);
    const WindowLayout area = GameMapPanel::Layout();
    Canvas areaCanvas(800, 600, Canvas::kTransparent);
    areaCanvas.Bevel(0, 526, 800, 42, kPlate);
    areaCanvas.Text(m_font, 12, 14, 540, "MAP", kGold);
    const WindowLayout world = GameWorldMapPanel::Layout();
    Canvas worldCanvas(800, 600, Colour(70, 110, 50));
    worldCanvas.Gradient(0, 0, 800, 300, Colour(90, 130, 60), Colour(70, 110, 50));
    worldCanvas.Fill(0, 292, 800, 16, Colour(150, 120, 80));
    worldCanvas.Disc(560, 300, 18, Colour(200, 180, 140));
    worldCanvas.Text(m_font, 14, 520, 326, "Thornford", kPlate);
    worldCanvas.Frame(0, 0, 800, 600, kGold);
    worldCanvas.Text(m_font, 14, 14, 12, "THE WORLD", kGold);
    return art.SaveBackground(area, areaCanvas) && art.WriteWidgets(area, kBronze) &&
           art.SaveBackground(world, worldCanvas) && art.WriteWidgets(world, kBronze);
}

// The world map's bars: the leader's hit points at the top right; below, the date's plate,
// the message list, its scroll buttons and the button that looks round the party's spot.
// The party's icon, lit when pressed. Its confirm box is the play screen art's.
bool WorldScreenArt::WriteWorldMap() const {
    WindowArt art(m_paths.GetInterfaceDir(), m_font);
    Canvas top(800, 31, kPlate);
    top.Frame(0, 0, 800, 31, kGold);
    top.Text(m_font, 12, 12, 8, "THE WORLD", kGold);
    top.Text(m_font, 10, 700, 9, "HP", kGold);
    const WindowLayout bottom = WorldMapPanel::BottomBarLayout();
    Canvas bar = art.DrawBackground(bottom, kPlate);
    bar.Frame(0, 0, 800, 83, kGold);
    bar.Frame(68, 15, 139, 55, kGold);
    Well(bar, 229, 6, 607, 79);
    bar.Text(m_font, 10, 644, 20, "Look round", kGold);
    Canvas icon(25, 13, Canvas::kTransparent);
    icon.Disc(12, 6, 5, kGold);
    Canvas pressed(25, 13, Canvas::kTransparent);
    pressed.Disc(12, 6, 6, Colour(255, 255, 255));
    const Stringc dir = m_paths.GetInterfaceDir() + "/";
    for (const WidgetEntry& button : bottom) {
        WidgetEntry captioned = button;
        captioned.label = button.id == WorldMapPanel::kMessagesUp     ? "^"
                          : button.id == WorldMapPanel::kMessagesDown ? "v"
                                                                      : "Explore";
        if (!art.WriteButton(captioned, kBronze))
            return false;
    }
    return top.SaveTga(dir + "menu_world_map_top.tga") && art.SaveBackground(bottom, bar) &&
           icon.SaveTga(dir + "hs1.tga") && pressed.SaveTga(dir + "hs2.tga");
}
