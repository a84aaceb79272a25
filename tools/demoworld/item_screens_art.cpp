#include "tools/demoworld/item_screens_art.h"

#include "Library/files/data_paths.h"
#include "Library/interface/interface_object.h"
#include "Source/screens/character_panel.h"
#include "Source/screens/dialogue_panel.h"
#include "Source/screens/player_inv_panel.h"
#include "Source/screens/trade_panel.h"
#include "tools/demoworld/canvas.h"
#include "tools/demoworld/frame_palette.h"
#include "tools/demoworld/label_font.h"
#include "tools/demoworld/window_art.h"

namespace {

using namespace framepalette;

constexpr int kCaptionPoints = 10;
const Colour kWell(226, 212, 176);  // the screens write on it in black
const Colour kItemWell(74, 58, 40); // the counts on it are white
const Colour kInk(226, 212, 176);   // captions, on the plate

// Equipment slots as the display lays them out, with what each is for.
const struct {
    int x;
    int y;
    const char* caption;
} kSlots[] = {{254, 217, "head"},    {313, 217, "neck"},    {372, 217, "body"},
              {431, 217, "shield"},  {490, 217, "cloak"},   {195, 277, "hands"},
              {254, 277, "ring"},    {313, 277, "hand 1"},  {372, 277, "hand 2"},
              {431, 277, "hand 3"},  {490, 277, "belt"},    {549, 277, "feet"},
              {313, 337, "quick 1"}, {372, 337, "quick 2"}, {431, 337, "quick 3"}};

} // namespace

ItemScreensArt::ItemScreensArt(const DataPaths& paths, LabelFont& font)
    : m_paths(paths), m_font(font) {}

bool ItemScreensArt::Write() const {
    return WriteBoxes() && WriteInventory() && WriteCharacterSheet() && WriteDialogue() &&
           WriteTrade();
}

Stringc ItemScreensArt::Interface(const char* name) const {
    return m_paths.GetInterfaceDir() + "/" + name;
}

void ItemScreensArt::Well(Canvas& canvas, int x1, int y1, int x2, int y2, const char* caption,
                          bool items) const {
    canvas.Fill(x1, y1, x2 - x1, y2 - y1, items ? kItemWell : kWell);
    canvas.Frame(x1 - 1, y1 - 1, x2 - x1 + 2, y2 - y1 + 2, kBronze);
    if (*caption)
        canvas.Text(m_font, kCaptionPoints, x1, y1 - 14, caption, kInk);
}

// The examined item's name and ammo lines, two text lines written from (215,400), and its
// description below them from (214,427): the lines' field reaches down to the description's
// frame, which it shares, so that the second line's lowest letters are written on it.
void ItemScreensArt::ExaminedItemWells(Canvas& canvas) const {
    Well(canvas, 210, 396, 588, 426, "");
    Well(canvas, 214, 427, 584, 548, "");
}

bool ItemScreensArt::WriteWindow(const WindowLayout& layout, Canvas& canvas) const {
    WindowArt art(m_paths.GetInterfaceDir(), m_font);
    canvas.Frame(0, 0, canvas.Width(), canvas.Height(), kGold);
    canvas.Frame(3, 3, canvas.Width() - 6, canvas.Height() - 6, kBronze);
    return art.SaveBackground(layout, canvas) && art.WriteWidgets(layout, kBronze);
}

bool ItemScreensArt::WriteInventory() const {
    Canvas canvas(800, 600, kPlate);
    canvas.Text(m_font, 14, 330, 30, "INVENTORY", kGold);
    Well(canvas, 63, 106, 113, 492, "Pack", true);
    // One window serves the ground within reach, an opened chest and a searched body alike.
    Well(canvas, 682, 106, 732, 492, "Nearby", true);
    for (const auto& slot : kSlots)
        Well(canvas, slot.x, slot.y, slot.x + 50, slot.y + 43, slot.caption, true);
    Well(canvas, 270, 86, 560, 190, "");
    ExaminedItemWells(canvas);
    return WriteWindow(PlayerInvPanel::Layout(), canvas);
}

// The sheet's text goes on the left, the skills' buttons beside their values ("+" over "-");
// the two description panels below.
bool ItemScreensArt::WriteCharacterSheet() const {
    Canvas canvas(800, 600, kPlate);
    canvas.Text(m_font, 14, 300, 30, "CHARACTER", kGold);
    Well(canvas, 66, 68, 740, 290, "");
    Well(canvas, 77, 298, 389, 527, "");
    Well(canvas, 422, 298, 734, 527, "");
    if (!WriteWindow(CharacterPanel::Layout(), canvas))
        return false;
    WindowArt art(m_paths.GetInterfaceDir(), m_font);
    for (const WidgetEntry& button : CharacterPanel::SkillButtons()) {
        const bool up = button.id % 2 == 0;
        WidgetEntry drawn = button;
        drawn.label = up ? "+" : "-";
        if (!art.WriteButton(drawn, kGold))
            return false;
        drawn.image = up ? "button_skill_up_unpress.tga" : "button_skill_dwn_unpress.tga";
        if (!art.WriteButton(drawn, kBronze))
            return false;
    }
    return true;
}

// What the other side says above, the player's responses below, and trade at the foot.
bool ItemScreensArt::WriteDialogue() const {
    Canvas canvas(800, 600, kPlate);
    canvas.Text(m_font, 14, 330, 30, "CONVERSATION", kGold);
    Well(canvas, 175, 109, 627, 284, "");
    Well(canvas, 175, 319, 627, 492, "");
    return WriteWindow(DialoguePanel::Layout(), canvas);
}

// The two backpacks at the sides, the offers between them with their prices below.
bool ItemScreensArt::WriteTrade() const {
    Canvas canvas(800, 600, kPlate);
    canvas.Text(m_font, 14, 370, 30, "TRADE", kGold);
    Well(canvas, 63, 60, 113, 536, "", true);
    Well(canvas, 331, 60, 381, 372, "", true);
    Well(canvas, 411, 60, 461, 372, "", true);
    Well(canvas, 682, 60, 732, 526, "", true);
    ExaminedItemWells(canvas);
    return WriteWindow(TradePanel::Layout(), canvas);
}

// The quantity box: a box's plate that asks.
bool ItemScreensArt::WriteBoxes() const {
    Canvas box(200, 140, kPlate);
    box.Frame(0, 0, 200, 140, kGold);
    box.Frame(3, 3, 194, 134, kBronze);
    box.Text(m_font, kCaptionPoints, 25, 4, "How many?", kInk);
    return box.SaveTga(Interface("msg_box_enter_qty.tga"));
}
