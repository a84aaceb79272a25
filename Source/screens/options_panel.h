#pragma once
// The options screen (game mode 7): three sliders for the effects, music and master
// levels, each playing a test sound while it is dragged, and four radio buttons for the
// size of the map view. Every change takes effect at once; "Done" writes the options file
// and goes back.

#include "Library/core/stringc.h"
#include "Library/world/mode_page.h"
#include "Source/screens/screen_backdrop.h"
#include "Source/screens/window_layout.h"

#include <cstdint>

class GameConfig;
class GraphicMgr;
class InterfaceObject;
class SoundMgr;

class OptionsPanel : public ModePage {
public:
    enum WidgetId : uint32_t {
        kEffectsSlider = 0,
        kMusicSlider = 1,
        kMasterSlider = 2,
        kSmall = 3, // to kHumungous: 3 + the view size
        kMedium = 4,
        kLarge = 5,
        kHumungous = 6,
        kDone = 8,
    };
    static constexpr int kLevelRange = 255;
    // Where along the slider window a level of 0 and one of 255 lie.
    static constexpr int kTrackStart = 447 + 33;
    static constexpr int kTrackEnd = 685 - 33;
    static constexpr const char* kEffectsTest = "uzi_burst.wav";
    static constexpr const char* kMusicTest = "rain1.wav";

    struct Services {
        GraphicMgr& graphics;
        GameConfig& config;
        SoundMgr* sound; // null: no test sounds
    };

    explicit OptionsPanel(const Services& services);
    ~OptionsPanel() override = default;

    void Update(Screen& screen) override;
    void Draw(Screen& screen) override;

    static WindowLayout MainLayout();
    static WindowLayout SliderLayout();
    static WindowLayout SizeLayout();
    const InterfaceObject& GetSliderWindow() const { return *m_sliderWindow; }
    const InterfaceObject& GetSizeWindow() const { return *m_sizeWindow; }

private:
    void SetControls();
    void ActivateUnderPointer();
    void UpdateSliders();
    void UpdateSize();
    void PlayEffectsTest(int volume);
    void PlayMusicTest(int volume);
    bool IsPlaying(int channel) const;

    Services m_services;
    InterfaceObject* m_mainWindow = nullptr; // the interface's
    InterfaceObject* m_sliderWindow = nullptr;
    InterfaceObject* m_sizeWindow = nullptr;
    Stringc m_effectsTest;
    Stringc m_musicTest;
    int m_effectsChannel = -1;
    int m_musicChannel = -1;
    ScreenBackdrop m_background;
    bool m_redraw = true;
};
