#include "Source/screens/load_save_panel.h"

#include "Library/graphics/screen.h"
#include "Library/interface/edit_box.h"
#include "Library/interface/interface.h"
#include "Library/interface/interface_object.h"
#include "Library/interface/message_box.h"
#include "Library/interface/mouse_position.h"
#include "Library/world/game_mode.h"
#include "Source/screens/dialog_boxes.h"
#include "Source/world/load_save_mgr.h"

namespace {

constexpr int kScreenWidth = 800;
constexpr int kLinesPerSlot = 3; // title, description and a blank

const WidgetEntry kButtons[] = {
    {LoadSavePanel::kOk, kWidgetButton, 621, 537, 64, 14, "button_ok.tga", "ok"},
    {LoadSavePanel::kCancel, kWidgetButton, 691, 537, 64, 14, "button_cancel.tga", "cancel"},
};

} // namespace

WindowLayout LoadSavePanel::PanelLayout() {
    return MakeLayout(WindowEntry{"menu_load_save_game.tga", "", 0, 0, 800, 600}, kButtons);
}

LoadSavePanel::LoadSavePanel(const Services& services, int mode)
    : m_services(services), m_state(mode), m_window(nullptr),
      m_descriptionBox(MakeDescriptionBox()), m_refusalBox(MakeNoticeBox()),
      m_background(services.graphics) {
    FillSlots();
    m_window = BuildWindow(PanelLayout());
}

LoadSavePanel::~LoadSavePanel() = default;

void LoadSavePanel::FillSlots() {
    const char* format = m_state == kChoosingToLoad ? "Load Slot %02d:" : "Save Slot %02d:";
    for (int index = 0; index < kSlots; ++index) {
        const int slot = index + 1;
        m_titles[index].Format(format, slot);
        m_descriptions[index] = m_services.loadSave.SlotExists(slot)
                                    ? m_services.loadSave.GetSlotDescription(slot)
                                    : Stringc(kEmptyText);
    }
}

void LoadSavePanel::Update(Screen&) {
    if (m_state == kTyping)
        UpdateTyping();
    else if (m_state == kRefusalShown)
        UpdateRefusal();
    else
        UpdateChoosing();
}

// The load asked for ran before this update: its refusal is told here, where the player is,
// the title's load screen included.
void LoadSavePanel::UpdateChoosing() {
    if (m_state == kChoosingToLoad) {
        const Stringc refusal = m_services.loadSave.TakeLoadRefusal();
        if (refusal.Length() > 0) {
            m_refusalBox->SetText(refusal.c_str());
            m_state = kRefusalShown;
            return;
        }
    }
    g_interface->SetActive(m_window);
    const InterfaceObject* clicked = m_window->GetClickedChild();
    if (!clicked)
        return;
    if (clicked->GetId() == kCancel) {
        GoBack();
        return;
    }
    if (clicked->GetId() != kOk || m_selected < 0)
        return;
    const int slot = m_selected + 1;
    if (m_state == kChoosingToLoad) {
        // The screen stays until the load changes the mode.
        if (m_services.loadSave.SlotExists(slot))
            m_services.loadSave.RequestLoadGame(slot);
        return;
    }
    if (m_services.loadSave.SlotExists(slot))
        m_descriptionBox->SetText(m_descriptions[m_selected].c_str());
    m_state = kTyping;
}

void LoadSavePanel::UpdateTyping() {
    const bool accepted = m_descriptionBox->TakeAccepted();
    const bool cancelled = m_descriptionBox->TakeCancelled();
    if (accepted)
        m_services.loadSave.RequestSaveGame(m_selected + 1, m_descriptionBox->GetText());
    if (accepted || cancelled) {
        m_descriptionBox->SetText("");
        m_state = kChoosingToSave;
        m_redraw = true;
    }
    m_descriptionBox->Poll();
}

void LoadSavePanel::UpdateRefusal() {
    m_refusalBox->Poll();
    if (!m_refusalBox->TakeFirstButton())
        return;
    m_state = kChoosingToLoad;
    m_redraw = true;
}

void LoadSavePanel::GoBack() {
    g_gameMode->SetMode(g_gameMode->IsInGame() ? kModeGameMenu : kModeTitleMenu);
}

void LoadSavePanel::HandleEvent(const SDL_Event& event) {
    if (m_state == kTyping) {
        m_descriptionBox->HandleKey(event);
        return;
    }
    if (event.type != SDL_MOUSEBUTTONDOWN || m_state == kRefusalShown)
        return;
    const int slot = SlotAt(g_mouseX, g_mouseY);
    if (slot >= 0)
        m_selected = slot;
    m_redraw = true;
}

LoadSavePanel::SlotLines LoadSavePanel::LinesOf(int index) const {
    int top = kFirstLineY;
    for (int before = 0; before < index; ++before) {
        g_screen->SetFont(FontOf(before));
        top += kLinesPerSlot * g_screen->FontHeight();
    }
    g_screen->SetFont(FontOf(index));
    return SlotLines{top, g_screen->FontHeight()};
}

Rect LoadSavePanel::CentredLine(const Stringc& text, int top, int height, int font) const {
    g_screen->SetFont(font);
    const int width = g_screen->TextWidth(text.c_str());
    const int x = (kScreenWidth - width) / 2;
    return Rect::Make(x, top, x + width, top + height);
}

// The slot keeps the whole description: the save box offers it to edit.
Stringc LoadSavePanel::ShownDescription(int index) const {
    const Stringc& whole = m_descriptions[index];
    g_screen->SetFont(FontOf(index));
    if (g_screen->TextWidth(whole.c_str()) <= kLineWidth)
        return whole;
    Stringc lines;
    g_screen->WrapTextByChar(whole, kLineWidth, lines);
    return Stringc(lines.c_str());
}

Rect LoadSavePanel::TitleRect(int index) const {
    const SlotLines lines = LinesOf(index);
    return CentredLine(m_titles[index], lines.top, lines.height, FontOf(index));
}

Rect LoadSavePanel::DescriptionRect(int index) const {
    const SlotLines lines = LinesOf(index);
    return CentredLine(ShownDescription(index), lines.top + lines.height, lines.height,
                       FontOf(index));
}

// Bounds included.
int LoadSavePanel::SlotAt(int x, int y) const {
    if (!g_screen)
        return -1;
    for (int index = 0; index < kSlots; ++index)
        for (const Rect& line : {TitleRect(index), DescriptionRect(index)})
            if (x >= line.x1 && x <= line.x2 && y >= line.y1 && y <= line.y2)
                return index;
    return -1;
}

void LoadSavePanel::Draw(Screen& screen) {
    if (m_background.DrawWith(screen, m_redraw, *m_window)) {
        for (int index = 0; index < kSlots; ++index) {
            const Rect title = TitleRect(index);
            const Rect description = DescriptionRect(index);
            screen.SetFont(FontOf(index));
            screen.DrawText(title.x1, title.y1, m_titles[index]);
            screen.DrawText(description.x1, description.y1, ShownDescription(index));
        }
    }
    if (m_state == kTyping)
        m_descriptionBox->Draw(screen);
    if (m_state == kRefusalShown)
        m_refusalBox->Draw(screen);
}
