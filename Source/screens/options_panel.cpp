#include "Source/screens/options_panel.h"

#include "Library/interface/interface.h"
#include "Library/interface/interface_object.h"
#include "Library/interface/mouse_position.h"
#include "Library/sound/sound_mgr.h"
#include "Library/world/game_mode.h"
#include "Source/world/game_config.h"

namespace {

constexpr uint8_t kOnce = 1;
constexpr uint8_t kLooping = 2;
constexpr int kFullVolume = 255;

const WidgetEntry kMain[] = {
    {OptionsPanel::kDone, kWidgetButton, 691, 537, 64, 14, "button_done.tga", "Done"},
};
const WidgetEntry kSliders[] = {
    {OptionsPanel::kEffectsSlider, kWidgetSlider, 33, 8, 10, 20, "slider_up.tga", "SFX Vol slider"},
    {OptionsPanel::kMusicSlider, kWidgetSlider, 33, 56, 10, 20, "slider_up.tga",
     "Music Vol slider"},
    {OptionsPanel::kMasterSlider, kWidgetSlider, 33, 104, 10, 20, "slider_up.tga",
     "Master Vol slider"},
};
const WidgetEntry kSizes[] = {
    {OptionsPanel::kSmall, kWidgetRadio, 68, 59, 32, 25, "button_tick.tga", "Small"},
    {OptionsPanel::kMedium, kWidgetRadio, 68, 89, 32, 25, "button_tick.tga", "Medium"},
    {OptionsPanel::kLarge, kWidgetRadio, 68, 119, 32, 25, "button_tick.tga", "Large"},
    {OptionsPanel::kHumungous, kWidgetRadio, 68, 149, 32, 25, "button_tick.tga", "Humungous"},
};

} // namespace

WindowLayout OptionsPanel::MainLayout() {
    return MakeLayout(WindowEntry{"menu_options.tga", "", 0, 0, 800, 600}, kMain);
}

WindowLayout OptionsPanel::SliderLayout() {
    return MakeLayout(WindowEntry{"", "", 447, 275, 685 - 447, 489 - 275}, kSliders);
}

WindowLayout OptionsPanel::SizeLayout() {
    return MakeLayout(WindowEntry{"", "", 112, 221, 350 - 112, 435 - 221}, kSizes);
}

OptionsPanel::OptionsPanel(const Services& services)
    : m_services(services), m_effectsTest(kEffectsTest), m_musicTest(kMusicTest),
      m_background(services.graphics) {
    if (m_services.sound)
        m_services.sound->StopStream();
    m_mainWindow = BuildWindow(MainLayout());
    m_sliderWindow = BuildWindow(SliderLayout());
    m_sizeWindow = BuildWindow(SizeLayout());
    for (const WidgetEntry& slider : kSliders) {
        InterfaceObject* knob = m_sliderWindow->FindChild(slider.id);
        knob->SetImage2("slider_dwn.tga");
        knob->SetTrack(kTrackStart, kTrackEnd);
    }
    SetControls();
}

void OptionsPanel::SetControls() {
    const GameConfig& config = m_services.config;
    m_sliderWindow->FindChild(kEffectsSlider)
        ->SetSliderValue(config.GetSampleVolume(), kLevelRange);
    m_sliderWindow->FindChild(kMusicSlider)->SetSliderValue(config.GetSoundLevel2(), kLevelRange);
    m_sliderWindow->FindChild(kMasterSlider)->SetSliderValue(config.GetMasterVolume(), kLevelRange);
    if (InterfaceObject* size = m_sizeWindow->FindChild(kSmall + config.GetViewSize()))
        size->Select();
}

void OptionsPanel::Update(Screen&) {
    ActivateUnderPointer();
    UpdateSliders();
    UpdateSize();
    const InterfaceObject* clicked = m_mainWindow->GetClickedChild();
    if (!clicked || clicked->GetId() != kDone)
        return;
    m_services.config.Save();
    g_gameMode->SetMode(g_gameMode->IsInGame() ? kModeGameMenu : kModeTitleMenu);
}

void OptionsPanel::ActivateUnderPointer() {
    if (m_sliderWindow->Contains(g_mouseX, g_mouseY))
        g_interface->SetActive(m_sliderWindow);
    else if (m_sizeWindow->Contains(g_mouseX, g_mouseY))
        g_interface->SetActive(m_sizeWindow);
    else
        g_interface->SetActive(m_mainWindow);
}

// The music test sounds only while a slider is held.
void OptionsPanel::UpdateSliders() {
    InterfaceObject* held = m_sliderWindow->GetCapturedChild();
    if (!held) {
        if (m_services.sound)
            m_services.sound->StopStream();
        return;
    }
    m_redraw = true;
    const int value = held->GetSliderValue(g_mouseX);
    if (value == -1)
        return;
    GameConfig& config = m_services.config;
    switch (held->GetId()) {
    case kEffectsSlider:
        config.SetSampleVolume(value);
        PlayEffectsTest(value);
        break;
    case kMusicSlider:
        config.SetSoundLevel2(value);
        PlayMusicTest(value);
        break;
    case kMasterSlider:
        config.SetMasterVolume(value);
        if (!IsPlaying(m_effectsChannel))
            PlayEffectsTest(kFullVolume);
        if (!IsPlaying(m_musicChannel))
            PlayMusicTest(kFullVolume);
        break;
    }
}

bool OptionsPanel::IsPlaying(int channel) const {
    return m_services.sound && m_services.sound->IsPlaying(channel);
}

// A test that still plays follows the slider; one that has ended starts again at full
// volume, the level then applied by the sound manager.
void OptionsPanel::PlayEffectsTest(int volume) {
    SoundMgr* sound = m_services.sound;
    if (!sound)
        return;
    if (IsPlaying(m_effectsChannel))
        sound->SetVolume(m_effectsChannel, volume);
    else
        m_effectsChannel =
            sound->PlaySample(m_effectsTest.c_str(), kOnce, kFullVolume, nullptr, nullptr);
}

void OptionsPanel::PlayMusicTest(int volume) {
    SoundMgr* sound = m_services.sound;
    if (!sound)
        return;
    if (IsPlaying(m_musicChannel))
        sound->SetVolume(m_musicChannel, volume);
    else
        m_musicChannel =
            sound->PlayStream(m_musicTest.c_str(), kLooping, kFullVolume, nullptr, nullptr);
}

void OptionsPanel::UpdateSize() {
    const InterfaceObject* chosen = m_sizeWindow->GetCapturedChild();
    if (!chosen)
        return;
    m_redraw = true;
    const uint32_t id = chosen->GetId();
    if (id >= kSmall && id <= kHumungous)
        m_services.config.SetViewSize(static_cast<int32_t>(id - kSmall));
}

void OptionsPanel::Draw(Screen& screen) {
    if (!m_redraw && !m_sliderWindow->IsDirty())
        return;
    m_redraw = false;
    m_background.Draw(screen);
    for (InterfaceObject* window : {m_mainWindow, m_sliderWindow, m_sizeWindow}) {
        window->SetDirty(true);
        window->Draw(screen);
    }
}
