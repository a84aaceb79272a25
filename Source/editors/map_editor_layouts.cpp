// The map editor's windows as data: the editor builds them and the demo world draws their
// art from the same tables.
#include "Source/editors/map_editor.h"

#include "Library/graphics/rect.h"
#include "Library/interface/directory_panel.h"
#include "Library/interface/interface_object.h"

namespace {

constexpr int kScreenWidth = 800;
constexpr int kScreenHeight = 600;
constexpr int kToolbarWidth = 505;
constexpr int kDirectoryWidth = 295;
constexpr int kPanelWidth = 300;
constexpr int kFieldX = 120;
constexpr int kFieldWidth = 170;
constexpr int kRow = 22;
constexpr int kFirstRow = 30;

constexpr int Row(int index) {
    return kFirstRow + index * kRow;
}

using W = MapEditor;

const WidgetEntry kToolbarWidgets[] = {
    {W::kNew, kWidgetButton, 4, 2, 58, 20, "button_new.tga", "New"},
    {W::kLoad, kWidgetButton, 64, 2, 58, 20, "button_load.tga", "Load"},
    {W::kSave, kWidgetButton, 124, 2, 184, 22, "button_save.tga", "Save"},
    {W::kExit, kWidgetButton, 310, 2, 64, 20, "button_exit_4.tga", "Exit"},
    {W::kPickerLabel, kWidgetTextEdit, 380, 3, 40, 18, "", ""},
    {W::kPickerLeft, kWidgetButton, 424, 2, 20, 20, "button_left_2.tga", "<"},
    {W::kPickerRight, kWidgetButton, 446, 2, 20, 20, "button_right_2.tga", ">"},
    {W::kEntityButton, kWidgetButton, 4, 26, 78, 18, "button_entity.tga", "Entity"},
    {W::kAmbientSndButton, kWidgetButton, 86, 26, 78, 18, "button_amb.tga", "Amb Snd"},
    {W::kClipButton, kWidgetButton, 168, 26, 78, 18, "button_clip.tga", "Clip"},
    {W::kContainerButton, kWidgetButton, 250, 26, 78, 18, "button_container.tga", "Contain"},
    {W::kDoorButton, kWidgetButton, 332, 26, 78, 18, "button_door.tga", "Door"},
    {W::kMiniMapButton, kWidgetButton, 414, 26, 78, 18, "button_m_map.tga", "Mini Map"},
    {W::kSearchMapButton, kWidgetButton, 4, 48, 58, 18, "button_s_map.tga", "S Map"},
    {W::kSearchColourButton, kWidgetButton, 64, 48, 18, 18, "button_color.tga", "C"},
    {W::kLightMapButton, kWidgetButton, 86, 48, 58, 18, "button_l_map.tga", "L Map"},
    {W::kLightColourButton, kWidgetButton, 146, 48, 18, 18, "button_color.tga", "C"},
    {W::kHeightMapButton, kWidgetButton, 168, 48, 58, 18, "button_h_map.tga", "H Map"},
    {W::kHeightColourButton, kWidgetButton, 228, 48, 18, 18, "button_color.tga", "C"},
    {W::kEntryPtButton, kWidgetButton, 250, 48, 78, 18, "button_entry_pt.tga", "Entry Pt"},
    {W::kTriggerPtButton, kWidgetButton, 332, 48, 78, 18, "button_trigg_pt.tga", "Trigger Pt"},
    {W::kChanceRain, kWidgetTextEdit, 34, 70, 34, 18, "", "0"},
    {W::kChanceSnow, kWidgetTextEdit, 104, 70, 34, 18, "", "0"},
    {W::kChanceStorm, kWidgetTextEdit, 180, 70, 34, 18, "", "0"},
    {W::kWeatherOn, kWidgetToggle, 218, 70, 18, 18, "button_tick.tga", "", "Wthr"},
    {W::kTintOn, kWidgetToggle, 272, 70, 18, 18, "button_tick.tga", "", "Tint"},
    {W::kShowTravel, kWidgetToggle, 320, 70, 18, 18, "button_tick.tga", "", "Travel"},
    {W::kShowTrap, kWidgetToggle, 390, 70, 18, 18, "button_tick.tga", "", "Trap"},
    {W::kShowInfo, kWidgetToggle, 446, 70, 18, 18, "button_tick.tga", "", "Info"},
};

// The graphic offset editor's picture window, whose art it shares.
const WidgetEntry kPickerWidgets[] = {
    {W::kPickerUp, kWidgetButton, 188, 4, 18, 18, "button_up.tga", "^"},
    {W::kPickerDown, kWidgetButton, 188, 418, 18, 18, "button_dwn.tga", "v"},
};

const WidgetEntry kSearchColourWidgets[] = {
    {31, kWidgetRadio, 20, 40, 30, 30, "radio_color_selected.tga", ""},
    {32, kWidgetRadio, 60, 40, 30, 30, "radio_color_selected.tga", ""},
    {33, kWidgetRadio, 100, 40, 30, 30, "radio_color_selected.tga", ""},
    {34, kWidgetRadio, 140, 40, 30, 30, "radio_color_selected.tga", ""},
    {35, kWidgetRadio, 180, 40, 30, 30, "radio_color_selected.tga", ""},
    {36, kWidgetRadio, 220, 40, 30, 30, "radio_color_selected.tga", ""},
    {37, kWidgetRadio, 20, 80, 30, 30, "radio_color_selected.tga", ""},
    {38, kWidgetRadio, 60, 80, 30, 30, "radio_color_selected.tga", ""},
    {39, kWidgetRadio, 100, 80, 30, 30, "radio_color_selected.tga", ""},
    {40, kWidgetRadio, 140, 80, 30, 30, "radio_color_selected.tga", ""},
    {41, kWidgetRadio, 180, 80, 30, 30, "radio_color_selected.tga", ""},
    {42, kWidgetRadio, 220, 80, 30, 30, "radio_color_selected.tga", ""},
    {W::kDone, kWidgetButton, 95, 124, 64, 20, "button_done.tga", "Done"},
};

// The two colour panels share their picture, so each writes its own caption over it.
const WidgetEntry kLightColourWidgets[] = {
    {W::kDone, kWidgetButton, 95, 124, 64, 20, "button_done.tga", "Done"},
    {W::kPanelCaption, kWidgetLabel, 10, 6, 280, 16, "", "Light map colour"},
};

const WidgetEntry kHeightColourWidgets[] = {
    {W::kDone, kWidgetButton, 95, 124, 64, 20, "button_done.tga", "Done"},
    {W::kPanelCaption, kWidgetLabel, 10, 6, 280, 16, "", "Height map colour"},
};

const WidgetEntry kOkCancelWidgets[] = {
    {W::kOk, kWidgetButton, 40, 0, 80, 20, "button_ok.tga", "OK"},
    {W::kCancel, kWidgetButton, 180, 0, 80, 20, "button_cancel.tga", "Cancel"},
};

const WidgetEntry kEntryPtWidgets[] = {
    {W::kEntryName, kWidgetTextEdit, kFieldX, Row(0), kFieldWidth, 16, "", "", "Name"},
    {W::kEntryX, kWidgetTextEdit, kFieldX, Row(1), kFieldWidth, 16, "", "", "X"},
    {W::kEntryY, kWidgetTextEdit, kFieldX, Row(2), kFieldWidth, 16, "", "", "Y"},
    {W::kEntryValue, kWidgetTextEdit, kFieldX, Row(3), kFieldWidth, 16, "", "", "Facing 0-7"},
    {W::kOk, kWidgetButton, 40, Row(5), 80, 20, "button_ok.tga", "OK"},
    {W::kCancel, kWidgetButton, 180, Row(5), 80, 20, "button_cancel.tga", "Cancel"},
};

const WidgetEntry kTriggerPtWidgets[] = {
    {W::kTravelRadio, kWidgetRadio, 20, Row(0), 18, 18, "button_tick.tga", "", "Travel"},
    {W::kInfoRadio, kWidgetRadio, 110, Row(0), 18, 18, "button_tick.tga", "", "Info"},
    {W::kTrapRadio, kWidgetRadio, 200, Row(0), 18, 18, "button_tick.tga", "", "Trap"},
    {W::kObjectName, kWidgetTextEdit, kFieldX, Row(1), kFieldWidth, 16, "", "", "Name"},
    {W::kTriggerValue, kWidgetTextEdit, kFieldX, Row(2), kFieldWidth, 16, "", "", "Value"},
    {W::kObjectString, kWidgetTextEdit, kFieldX, Row(3), kFieldWidth, 16, "", "", "Entry name"},
    {W::kTriggerZone, kWidgetButton, 20, Row(5), 120, 20, "button_trig_zone.tga", "Zone"},
    {W::kTriggerApply, kWidgetButton, 160, Row(5), 120, 20, "button_d.tga", "Travel..."},
    {W::kOk, kWidgetButton, 40, Row(7), 80, 20, "button_ok.tga", "OK"},
    {W::kCancel, kWidgetButton, 180, Row(7), 80, 20, "button_cancel.tga", "Cancel"},
};

const WidgetEntry kTravelWidgets[] = {
    {W::kTargetMap, kWidgetTextEdit, kFieldX, Row(0), kFieldWidth, 16, "", "To Area Edit",
     "Target map"},
    {W::kTargetEntry, kWidgetTextEdit, kFieldX, Row(1), kFieldWidth, 16, "", "Entry Pt",
     "Entry point"},
    {56, kWidgetToggle, 20, Row(2), 18, 18, "button_tick.tga", "", "Flag 0x02"},
    {57, kWidgetToggle, 20, Row(3), 18, 18, "button_tick.tga", "", "Release the trigger after travel"},
    {58, kWidgetToggle, 20, Row(4), 18, 18, "button_tick.tga", "", "Symbol, visited when used"},
    {59, kWidgetToggle, 20, Row(5), 18, 18, "button_tick.tga", "", "To the world map"},
    {60, kWidgetToggle, 20, Row(6), 18, 18, "button_tick.tga", "", "To a story page"},
    {61, kWidgetToggle, 20, Row(7), 18, 18, "button_tick.tga", "", "From a temporary map"},
    {W::kDone, kWidgetButton, 110, Row(9), 64, 20, "button_done.tga", "Done"},
};

const WidgetEntry kMapDataWidgets[] = {
    {62, kWidgetTextEdit, kFieldX, Row(0), kFieldWidth, 16, "", "", "Region script"},
    {63, kWidgetTextEdit, kFieldX, Row(1), kFieldWidth, 16, "", "", "Table A"},
    {64, kWidgetTextEdit, kFieldX, Row(2), kFieldWidth, 16, "", "", "Text"},
    {65, kWidgetTextEdit, kFieldX, Row(3), kFieldWidth, 16, "", "", "Table B"},
    {W::kOk, kWidgetButton, 40, Row(5), 80, 20, "button_ok.tga", "OK"},
    {W::kCancel, kWidgetButton, 180, Row(5), 80, 20, "button_cancel.tga", "Cancel"},
};

const WidgetEntry kContainerWidgets[] = {
    {W::kObjectName, kWidgetTextEdit, kFieldX, Row(0), kFieldWidth, 16, "", "", "Name"},
    {W::kOpenTick, kWidgetToggle, 20, Row(1), 18, 18, "button_tick.tga", "", "Open"},
    {W::kContainerOutline, kWidgetButton, kFieldX, Row(2), 120, 20, "button_outline.tga",
     "Outline"},
    {W::kObjectString, kWidgetTextEdit, kFieldX, Row(3), kFieldWidth, 16, "", "", "Entry name"},
    {W::kDone, kWidgetButton, 110, Row(5), 64, 20, "button_done.tga", "Done"},
};

const WidgetEntry kDoorWidgets[] = {
    {W::kObjectName, kWidgetTextEdit, kFieldX, Row(0), kFieldWidth, 16, "", "", "Name"},
    {W::kPatchX, kWidgetTextEdit, kFieldX, Row(1), kFieldWidth, 16, "", "", "Patch x"},
    {W::kPatchY, kWidgetTextEdit, kFieldX, Row(2), kFieldWidth, 16, "", "", "Patch y"},
    {W::kPatchClosed, kWidgetTextEdit, kFieldX, Row(3), kFieldWidth, 16, "", "", "Closed image"},
    {W::kPatchOpen, kWidgetTextEdit, kFieldX, Row(4), kFieldWidth, 16, "", "", "Open image"},
    {W::kOpenTick, kWidgetToggle, 20, Row(5), 18, 18, "button_tick.tga", "", "Open"},
    {W::kDoorOutline, kWidgetButton, 20, Row(6), 120, 20, "button_outline.tga", "Outline"},
    {W::kDoorCells, kWidgetButton, 160, Row(6), 120, 20, "button_blocked_tl.tga", "Cells"},
    {W::kObjectString, kWidgetTextEdit, kFieldX, Row(7), kFieldWidth, 16, "", "", "Entry name"},
    {W::kDone, kWidgetButton, 110, Row(9), 64, 20, "button_done.tga", "Done"},
};

const WidgetEntry kAmbientSndWidgets[] = {
    {W::kSoundName, kWidgetTextEdit, kFieldX, Row(0), kFieldWidth, 16, "", "", "Name"},
    {W::kSoundX, kWidgetTextEdit, kFieldX, Row(1), kFieldWidth, 16, "", "", "X"},
    {W::kSoundY, kWidgetTextEdit, kFieldX, Row(2), kFieldWidth, 16, "", "", "Y"},
    {W::kSoundMinDistance, kWidgetTextEdit, kFieldX, Row(3), kFieldWidth, 16, "", "",
     "Min distance"},
    {W::kSoundRadius, kWidgetTextEdit, kFieldX, Row(4), kFieldWidth, 16, "", "", "Radius"},
    {W::kSoundVolume, kWidgetTextEdit, kFieldX, Row(5), kFieldWidth, 16, "", "", "Volume %"},
    {W::kSoundPeriod, kWidgetTextEdit, kFieldX, Row(6), kFieldWidth, 16, "", "", "Period ms"},
    {W::kSoundChance, kWidgetTextEdit, kFieldX, Row(7), kFieldWidth, 16, "", "", "Chance %"},
    {W::kSoundContinuous, kWidgetToggle, 20, Row(8), 18, 18, "button_tick.tga", "", "Continuous"},
    {W::kSoundList, kWidgetButton, 160, Row(8), 120, 20, "button_snd_list.tga", "Sounds..."},
    {W::kOk, kWidgetButton, 40, Row(10), 80, 20, "button_ok.tga", "OK"},
    {W::kCancel, kWidgetButton, 180, Row(10), 80, 20, "button_cancel.tga", "Cancel"},
};

const WidgetEntry kAmbientSndListWidgets[] = {
    {76, kWidgetTextEdit, kFieldX, Row(0), kFieldWidth, 16, "", "", "Sound 1"},
    {77, kWidgetTextEdit, kFieldX, Row(1), kFieldWidth, 16, "", "", "Sound 2"},
    {78, kWidgetTextEdit, kFieldX, Row(2), kFieldWidth, 16, "", "", "Sound 3"},
    {79, kWidgetTextEdit, kFieldX, Row(3), kFieldWidth, 16, "", "", "Sound 4"},
    {80, kWidgetTextEdit, kFieldX, Row(4), kFieldWidth, 16, "", "", "Sound 5"},
    {81, kWidgetTextEdit, kFieldX, Row(5), kFieldWidth, 16, "", "", "Sound 6"},
    {82, kWidgetTextEdit, kFieldX, Row(6), kFieldWidth, 16, "", "", "Sound 7"},
    {83, kWidgetTextEdit, kFieldX, Row(7), kFieldWidth, 16, "", "", "Sound 8"},
    {84, kWidgetTextEdit, kFieldX, Row(8), kFieldWidth, 16, "", "", "Sound 9"},
    {85, kWidgetTextEdit, kFieldX, Row(9), kFieldWidth, 16, "", "", "Sound 10"},
    {W::kDone, kWidgetButton, 110, Row(11), 64, 20, "button_done.tga", "Done"},
};

// The list's scroll moves its lines: the lower arrow lifts them to show the lines below.
const WidgetEntry kDirectoryButtonsWidgets[] = {
    {DirectoryPanel::kScrollDown, kWidgetButton, 272, 4, 18, 18, "button_up.tga", "^"},
    {DirectoryPanel::kScrollUp, kWidgetButton, 272, 70, 18, 18, "button_dwn.tga", "v"},
};

const WidgetEntry kMapDirectoryButtonsWidgets[] = {
    {DirectoryPanel::kScrollDown, kWidgetButton, 272, 4, 18, 18, "button_up.tga", "^"},
    {DirectoryPanel::kScrollUp, kWidgetButton, 272, 70, 18, 18, "button_dwn.tga", "v"},
    {DirectoryPanel::kCancel, kWidgetButton, 300, 36, 90, 22, "button_cancel_2.tga", "Cancel"},
};

const WidgetEntry kSaveBoxWidgets[] = {
    {0, kWidgetButton, 113, 29, 80, 20, "button_ok.tga", "OK"}, // the edit box's ids
    {1, kWidgetButton, 113, 107, 80, 20, "button_cancel.tga", "Cancel"},
};

// Centred on the screen, its height from its last row of buttons.
constexpr WindowEntry CentredPanel(const char* image, const char* title, int height) {
    return WindowEntry{image, title, (kScreenWidth - kPanelWidth) / 2, (kScreenHeight - height) / 2,
                       kPanelWidth, height};
}

} // namespace

WindowLayout MapEditor::Layout(Window window) {
    switch (window) {
    case kToolbarWindow:
        return MakeLayout(WindowEntry{"menu_map_editor.tga", "", 0, kScreenHeight - kToolbarHeight,
                                      kToolbarWidth, kToolbarHeight},
                          kToolbarWidgets);
    case kPickerWindow:
        return MakeLayout(WindowEntry{"menu_graphic_panel.tga", "", 0, 0, 210, 440},
                          kPickerWidgets);
    case kSearchColourWindow:
        return MakeLayout(CentredPanel("menu_search_map_color_select.tga", "Search map colour", 156),
                          kSearchColourWidgets);
    case kLightColourWindow:
        return MakeLayout(CentredPanel("menu_light_map_color_select.tga", "", 156),
                          kLightColourWidgets);
    case kHeightColourWindow:
        return MakeLayout(CentredPanel("menu_light_map_color_select.tga", "", 156),
                          kHeightColourWidgets);
    case kEntryPtWindow:
        return MakeLayout(CentredPanel("panel_entry_pt.tga", "Entry point", Row(6) + 4), kEntryPtWidgets);
    case kTriggerPtWindow:
        return MakeLayout(CentredPanel("panel_trigger_pt.tga", "Trigger point", Row(8) + 4),
                          kTriggerPtWidgets);
    case kTravelWindow:
        return MakeLayout(CentredPanel("panel_travel.tga", "Travel", Row(10) + 4), kTravelWidgets);
    case kMapDataWindow:
        return MakeLayout(CentredPanel("panel_map_data.tga", "Map data", Row(6) + 4), kMapDataWidgets);
    case kContainerWindow:
        return MakeLayout(CentredPanel("panel_container.tga", "Container", Row(6) + 4), kContainerWidgets);
    case kDoorWindow:
        return MakeLayout(CentredPanel("panel_door.tga", "Door", Row(10) + 4), kDoorWidgets);
    case kAmbientSndWindow:
        return MakeLayout(CentredPanel("panel_amb_snd.tga", "Ambient sound", Row(11) + 4), kAmbientSndWidgets);
    case kAmbientSndListWindow:
        return MakeLayout(CentredPanel("panel_amb_snd_list.tga", "Ambient sounds", Row(12) + 4),
                          kAmbientSndListWidgets);
    case kWindowCount:
        break;
    }
    return MakeLayout(WindowEntry{"", "", 0, 0, 0, 0}, kOkCancelWidgets);
}

WindowLayout MapEditor::EntityDirectoryLayout() {
    return MakeLayout(WindowEntry{"directory_box_1.tga", "", kScreenWidth - kDirectoryWidth,
                                  kScreenHeight - kToolbarHeight, kDirectoryWidth,
                                  kToolbarHeight},
                      kDirectoryButtonsWidgets);
}

WindowLayout MapEditor::MapDirectoryLayout() {
    return MakeLayout(
        WindowEntry{"directory_box_2.tga", "", 0, kScreenHeight - kToolbarHeight, 400,
                    kToolbarHeight},
        kMapDirectoryButtonsWidgets);
}

WindowLayout MapEditor::SaveBoxLayout() {
    return MakeLayout(WindowEntry{"msg_box_save.tga", "Save as", 300, 230, 200, 140},
                      kSaveBoxWidgets);
}

Rect MapEditor::DirectoryListRect() {
    return Rect::Make(6, 4, 266, 88);
}
