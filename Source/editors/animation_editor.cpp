#include "Source/editors/animation_editor.h"

#include "Library/files/data_paths.h"
#include "Library/geometry/map_view.h"
#include "Library/graphics/animation.h"
#include "Library/graphics/colour.h"
#include "Library/graphics/screen.h"
#include "Library/graphics/uni_animation_mgr.h"
#include "Library/interface/directory_panel.h"
#include "Library/interface/interface.h"
#include "Library/interface/interface_object.h"
#include "Library/interface/mouse_position.h"
#include "Library/world/game_mode.h"
#include "Source/editors/editor_directory_box.h"

#include <algorithm>

namespace {

constexpr int kComparisonSlots = 5;
constexpr int kMaxFlag = 255;

// Radio id less kFirstColourKey gives the numbered colour it keys.
constexpr int kRadioColourKeys[] = {6, 3, 11, 5, 8, 7};

const WidgetEntry kMainWidgets[] = {
    {AnimationEditor::kNew, kWidgetButton, 10, 30, 75, 22, "button_new_2.tga", "New"},
    {AnimationEditor::kEdit, kWidgetButton, 92, 30, 75, 22, "button_edit.tga", "Edit"},
    {AnimationEditor::kExit, kWidgetButton, 174, 30, 75, 22, "button_exit_2.tga", "Exit"},
    {AnimationEditor::kDirectionTypeField, kWidgetTextEdit, 10, 62, 110, 20, "", ""},
    {AnimationEditor::kNextDirectionType, kWidgetButton, 128, 62, 122, 20,
     "button_direction_type++.tga", "Direction Type"},
    {5, kWidgetRadio, 10, 110, 30, 30, "radio_color_selected.tga", ""},
    {6, kWidgetRadio, 50, 110, 30, 30, "radio_color_selected.tga", ""},
    {7, kWidgetRadio, 90, 110, 30, 30, "radio_color_selected.tga", ""},
    {8, kWidgetRadio, 130, 110, 30, 30, "radio_color_selected.tga", ""},
    {9, kWidgetRadio, 170, 110, 30, 30, "radio_color_selected.tga", ""},
    {10, kWidgetRadio, 210, 110, 30, 30, "radio_color_selected.tga", ""},
};

const WidgetEntry kEditWidgets[] = {
    {AnimationEditor::kAnimationField, kWidgetTextEdit, 62, 28, 84, 20, "", "Walk", "Anim"},
    {AnimationEditor::kPreviousAnimation, kWidgetButton, 150, 28, 20, 20, "button_left_2.tga", "<"},
    {AnimationEditor::kNextAnimation, kWidgetButton, 172, 28, 20, 20, "button_right_2.tga", ">"},
    {AnimationEditor::kFrameField, kWidgetTextEdit, 62, 52, 84, 20, "", "0", "Frame"},
    {AnimationEditor::kPreviousFrame, kWidgetButton, 150, 52, 20, 20, "button_left_2.tga", "<"},
    {AnimationEditor::kNextFrame, kWidgetButton, 172, 52, 20, 20, "button_right_2.tga", ">"},
    {AnimationEditor::kSequenceField, kWidgetTextEdit, 62, 76, 84, 20, "", "0", "Dir"},
    {AnimationEditor::kPreviousDirection, kWidgetButton, 150, 76, 20, 20, "button_left_2.tga", "<"},
    {AnimationEditor::kNextDirection, kWidgetButton, 172, 76, 20, 20, "button_right_2.tga", ">"},
    {AnimationEditor::kOffsetXField, kWidgetTextEdit, 62, 108, 84, 20, "", "0", "Off X"},
    {AnimationEditor::kOffsetYField, kWidgetTextEdit, 62, 132, 84, 20, "", "0", "Off Y"},
    {AnimationEditor::kFillOffsets, kWidgetButton, 150, 120, 42, 20, "button_fill.tga", "Fill"},
    {AnimationEditor::kDurationField, kWidgetTextEdit, 62, 164, 84, 20, "", "0", "Time"},
    {AnimationEditor::kFillDuration, kWidgetButton, 150, 164, 42, 20, "button_fill.tga", "Fill"},
    {AnimationEditor::kFlagField, kWidgetTextEdit, 62, 188, 84, 20, "", "0", "Flag"},
    {AnimationEditor::kFillFlagInSequence, kWidgetButton, 150, 188, 42, 20, "button_fill.tga",
     "Fill"},
    {AnimationEditor::kFillFlagInDirections, kWidgetButton, 62, 212, 130, 20,
     "button_fill_all_dir.tga", "Fill All Dir"},
    {AnimationEditor::kTriggerAField, kWidgetTextEdit, 62, 244, 84, 20, "", "0", "Trig A"},
    {AnimationEditor::kSetTriggerA, kWidgetButton, 150, 244, 42, 20, "button_set.tga", "Set"},
    {AnimationEditor::kTriggerBField, kWidgetTextEdit, 62, 268, 84, 20, "", "0", "Trig B"},
    {AnimationEditor::kSetTriggerB, kWidgetButton, 150, 268, 42, 20, "button_set.tga", "Set"},
    {AnimationEditor::kReference, kWidgetButton, 8, 300, 184, 20, "button_comparison_anim.tga",
     "Comparison Frame"},
    {AnimationEditor::kTransparent, kWidgetButton, 8, 324, 60, 22, "button_transp.tga", "transp"},
    {AnimationEditor::kComparisonSet, kWidgetButton, 74, 324, 118, 22, "button_anchor_anim.tga",
     "Anchor Anim"},
    {AnimationEditor::kPlay, kWidgetButton, 8, 356, 56, 20, "button_play.tga", "Play"},
    {AnimationEditor::kStop, kWidgetButton, 68, 356, 56, 20, "button_stop.tga", "Stop"},
    {AnimationEditor::kEditExit, kWidgetButton, 128, 356, 64, 20, "button_exit_4.tga", "Exit"},
    {AnimationEditor::kSave, kWidgetButton, 8, 388, 184, 22, "button_save.tga", "Save"},
};

const char* DirectionTypeWord(int type) {
    switch (type) {
    case 1:
        return "ONE";
    case 8:
        return "EIGHT";
    case 16:
        return "SIXTEEN";
    }
    return nullptr;
}

bool TakesTyping(uint32_t id) {
    return id == AnimationEditor::kOffsetXField || id == AnimationEditor::kOffsetYField ||
           id == AnimationEditor::kDurationField || id == AnimationEditor::kFlagField;
}

Stringc FieldText(const InterfaceObject& window, uint32_t id) {
    const InterfaceObject* field = window.FindChild(id);
    return field ? field->GetText() : Stringc();
}

} // namespace

WindowLayout AnimationEditor::MainLayout() {
    return MakeLayout(WindowEntry{"menu_anim_editor_1.tga", "ANIMATION EDITOR", 10, 10, 260, 150},
                      kMainWidgets);
}

WindowLayout AnimationEditor::EditLayout() {
    return MakeLayout(WindowEntry{"menu_anim_editor_2.tga", "Edit Frames", 598, 10, 196, 420},
                      kEditWidgets);
}

int AnimationEditor::ColourKeyOfRadio(uint32_t id) {
    return id >= kFirstColourKey && id <= kLastColourKey ? kRadioColourKeys[id - kFirstColourKey]
                                                         : -1;
}

AnimationEditor::AnimationEditor(UniAnimationMgr& pool)
    : m_pool(pool), m_mainWindow(BuildWindow(MainLayout())),
      m_directoryBox(MakeEditorDirectoryBox()), m_editWindow(BuildWindow(EditLayout())),
      m_comparisons(kComparisonSlots),
      m_anchor(400.0f / kPixelsPerUnitX, 300.0f / kPixelsPerUnitY, 0.0f) {
    SetDirectionType(8);
    if (InterfaceObject* first = m_mainWindow->FindChild(kFirstColourKey))
        first->Select();
    if (g_screen) {
        g_screen->SetDrawColour(Colour(255, 0, 255).Pack16());
        g_screen->Clear();
    }
}

AnimationEditor::~AnimationEditor() = default;

bool AnimationEditor::HoldsReference() const {
    return m_reference.GetAnimation() != nullptr;
}

// A set whose last file has no sequences gives 0: it is taken as one direction.
void AnimationEditor::SetDirectionType(int type) {
    type = std::max(type, 1);
    m_directionType = type;
    if (InterfaceObject* field = m_mainWindow->FindChild(kDirectionTypeField)) {
        const char* word = DirectionTypeWord(type);
        field->SetText(word ? word : Stringc(type).c_str());
    }
}

void AnimationEditor::Update(Screen&) {
    switch (m_state) {
    case kMainWindow:
        UpdateMainWindow();
        break;
    case kEditWindow:
        UpdateEditWindow();
        break;
    case kChooseSet:
    case kChooseComparison:
        UpdateDirectoryBox();
        break;
    }
}

// A failure is shown until the state changes.
void AnimationEditor::Enter(State state) {
    m_state = state;
    m_redraw = true;
    m_failure.Clear();
}

// The frames' window goes from the screen and stops taking the pointer; the main window is
// drawn afresh on the editor's magenta.
void AnimationEditor::LeaveForMainWindow() {
    Enter(kMainWindow);
    g_interface->SetActive(m_mainWindow);
    if (g_screen) {
        g_screen->SetDrawColour(Colour(255, 0, 255).Pack16());
        g_screen->Clear();
    }
}

void AnimationEditor::UpdateMainWindow() {
    if (m_mainWindow->Contains(g_mouseX, g_mouseY))
        g_interface->SetActive(m_mainWindow);
    if (const InterfaceObject* clicked = m_mainWindow->GetClickedChild())
        ActOnMain(clicked->GetId());
}

void AnimationEditor::ActOnMain(uint32_t id) {
    m_redraw = true;
    switch (id) {
    case kNew:
    case kEdit:
        m_new = id == kNew;
        Enter(kChooseSet);
        PointDirectoryBox();
        return;
    case kExit:
        g_gameMode->SetMode(kModeEditorMenu);
        return;
    case kNextDirectionType:
        SetDirectionType(m_directionType == 1 ? 8 : m_directionType == 8 ? 16 : 1);
        return;
    default:
        if (ColourKeyOfRadio(id) >= 0)
            m_colourKey = ColourKeyOfRadio(id);
        return;
    }
}

void AnimationEditor::PointDirectoryBox() {
    m_directoryBox->ClearFilter();
    m_directoryBox->AddFilter("ani");
    if (g_dataPaths)
        m_directoryBox->Enter(g_dataPaths->GetAnimDir().c_str());
    m_directoryBox->SetDirty();
}

void AnimationEditor::UpdateDirectoryBox() {
    m_directoryBox->Update(g_gameMode->GetFrameMs());
    m_directoryBox->TakeChosenName(); // a clicked file chooses nothing here
    const bool cancelled = m_directoryBox->TakeCancelled();
    if (m_directoryBox->TakeChosen()) {
        const Stringc directory = m_directoryBox->GetDirectory();
        const bool opened =
            m_state == kChooseSet ? OpenSet(directory) : OpenComparisonSet(directory);
        if (opened) {
            Enter(kEditWindow);
            FillFields();
            return;
        }
        m_failure.Show(directory + " cannot be opened as an animation set");
    }
    if (cancelled && m_state == kChooseSet)
        LeaveForMainWindow();
    else if (cancelled)
        Enter(kEditWindow);
}

void AnimationEditor::UpdateEditWindow() {
    if (m_editWindow->Contains(g_mouseX, g_mouseY))
        g_interface->SetActive(m_editWindow);
    if (const InterfaceObject* clicked = m_editWindow->GetClickedChild())
        ActOnEdit(clicked->GetId());
    if (m_dragging) {
        m_offset = Vector(static_cast<float>(g_mouseX) / kPixelsPerUnitX,
                          static_cast<float>(g_mouseY) / kPixelsPerUnitY, 0.0f) -
                   m_anchor;
        StoreOffset();
        FillFields();
        m_redraw = true;
    }
    if (m_playing) {
        const int frame = m_player.GetFrame();
        m_player.Advance(true, g_gameMode->GetFrameMs());
        if (m_player.GetFrame() != frame)
            m_redraw = true;
        m_player.Update();
        FillFields();
        BringComparisonsAlong();
    }
}

void AnimationEditor::ActOnEdit(uint32_t id) {
    m_redraw = true;
    switch (id) {
    case kPreviousAnimation:
        StepAnimation(-1);
        break;
    case kNextAnimation:
        StepAnimation(1);
        break;
    case kPreviousFrame:
        PreviousFrame();
        break;
    case kNextFrame:
        NextFrame();
        break;
    case kPreviousDirection:
        StepDirection(-1);
        break;
    case kNextDirection:
        StepDirection(1);
        break;
    case kFillOffsets:
        m_player.CopyFrameInfoToAll();
        break;
    case kFillDuration:
        m_player.CopyDurationToAll();
        break;
    case kFillFlagInSequence:
        m_player.CopyFlagToSequence();
        break;
    case kFillFlagInDirections:
        m_player.CopyFlagToAll();
        break;
    case kSetTriggerA:
        m_player.SetTriggerFrameA(m_player.GetFrame());
        break;
    case kSetTriggerB:
        m_player.SetTriggerFrameB(m_player.GetFrame());
        break;
    case kReference:
        ToggleReference();
        break;
    case kTransparent:
        ToggleTransparency();
        break;
    case kComparisonSet:
        Enter(kChooseComparison);
        PointDirectoryBox();
        break;
    case kPlay:
        m_playing = true;
        break;
    case kStop:
        m_playing = false;
        break;
    case kEditExit:
        m_playing = false;
        LeaveForMainWindow();
        break;
    case kSave:
        m_playing = false;
        Save();
        break;
    }
    FillFields();
}

// A file that cannot be written keeps the editor on its frames, so nothing is left unsaved
// unnoticed; the others are saved all the same.
void AnimationEditor::Save() {
    if (m_pool.SaveAll())
        LeaveForMainWindow();
    else
        m_failure.Show("Not every animation could be saved: the editor stays open");
}

void AnimationEditor::ToggleReference() {
    if (HoldsReference()) {
        m_reference.Release();
        return;
    }
    m_reference.Release();
    const Animation* shown = m_player.GetAnimation();
    m_reference.SetAnimationName(m_player.GetAnimationName());
    if (!shown || !m_reference.SetAnimation(shown->GetFileName().c_str(), m_pool))
        return;
    m_referenceX = m_drawnX;
    m_referenceY = m_drawnY;
    m_referenceFrame = m_player.GetFrame();
}

// Drawing applies the fade to the player every frame while transparency is on.
void AnimationEditor::ToggleTransparency() {
    m_transparent = !m_transparent;
}

void AnimationEditor::HandleEvent(const SDL_Event& event) {
    switch (m_state) {
    case kChooseSet:
    case kChooseComparison:
        m_directoryBox->HandleEvent(event);
        break;
    case kEditWindow:
        HandleEditEvent(event);
        break;
    case kMainWindow:
        break;
    }
}

// A focused field that takes no typing swallows the event.
void AnimationEditor::HandleEditEvent(const SDL_Event& event) {
    if (const InterfaceObject* focused = m_editWindow->GetFocusedChild()) {
        if (TakesTyping(focused->GetId())) {
            m_editWindow->HandleKey(event);
            TakeTypedValues();
        }
        return;
    }
    if (event.type == SDL_KEYUP) {
        m_redraw = true;
        HandleEditKey(event.key.keysym.sym);
    }
}

void AnimationEditor::TakeTypedValues() {
    m_offset.x = static_cast<float>(FieldText(*m_editWindow, kOffsetXField).ToFloat());
    m_offset.y = static_cast<float>(FieldText(*m_editWindow, kOffsetYField).ToFloat());
    const int duration = FieldText(*m_editWindow, kDurationField).ToInt();
    const int flag = FieldText(*m_editWindow, kFlagField).ToInt();
    StoreOffset();
    m_player.SetFrameDuration(static_cast<uint32_t>(std::max(duration, 0)));
    m_player.SetFrameFlag(static_cast<uint8_t>(std::clamp(flag, 0, kMaxFlag)));
}

void AnimationEditor::HandleEditKey(SDLKey key) {
    switch (key) {
    case SDLK_PLUS:
    case SDLK_EQUALS: // the '+' key unshifted
    case SDLK_KP_PLUS:
        NextFrame();
        break;
    case SDLK_MINUS:
    case SDLK_KP_MINUS:
        PreviousFrame();
        break;
    case SDLK_d:
        m_dragging = !m_dragging;
        break;
    case SDLK_UP:
        MoveOffset(0, -1);
        break;
    case SDLK_DOWN:
        MoveOffset(0, 1);
        break;
    case SDLK_RIGHT:
        MoveOffset(1, 0);
        break;
    case SDLK_LEFT:
        MoveOffset(-1, 0);
        break;
    case SDLK_KP2:
        ++m_exportHeight;
        break;
    case SDLK_KP8:
        --m_exportHeight;
        break;
    case SDLK_KP4:
        --m_exportWidth;
        break;
    case SDLK_KP6:
        ++m_exportWidth;
        break;
    case SDLK_x:
        m_player.ExportFrameBmp(RoundToPixel(m_offset.x * kPixelsPerUnitX),
                                RoundToPixel(m_offset.y * kPixelsPerUnitY), m_exportWidth,
                                m_exportHeight);
        break;
    default:
        break;
    }
}

void AnimationEditor::MoveOffset(float dx, float dy) {
    m_offset.x += dx / kPixelsPerUnitX;
    m_offset.y += dy / kPixelsPerUnitY;
    StoreOffset();
    FillFields();
}

void AnimationEditor::StoreOffset() {
    m_player.SetFrameOffsets(m_offset.x, m_offset.y, m_offset.z);
}
