#pragma once
// The animation editor (game mode 24). It works on animation sets: directories under
// "/art/anim" holding one ".ani" per animation and, for building, one folder of 8-bit
// bitmaps per animation. It builds a set from its bitmaps or loads it, steps through its
// animations, directions and frames, edits each frame's offsets, duration and flag and the
// two trigger frames, lines frames up against other loaded sets, and saves every loaded
// animation. The animations live in the shared animation pool.

#include "Library/core/mem_mgr.h"
#include "Library/core/sorted_list.h"
#include "Library/core/vector.h"
#include "Library/graphics/animation_mgr.h"
#include "Library/world/mode_page.h"
#include "Source/editors/editor_failure.h"
#include "Source/screens/window_layout.h"

#include <cstdint>
#include <memory>

class Animation;
class DirectoryPanel;
class InterfaceObject;
class UniAnimationMgr;

class AnimationEditor : public ModePage {
public:
    enum WidgetId : uint32_t {
        kNew = 0, // the main window's
        kEdit = 1,
        kExit = 2,
        kDirectionTypeField = 3,
        kNextDirectionType = 4,
        kFirstColourKey = 5, // radios 5-10
        kLastColourKey = 10,
        kAnimationField = 11, // the edit window's
        kNextAnimation = 12,
        kPreviousAnimation = 13,
        kFrameField = 14,
        kNextFrame = 15,
        kPreviousFrame = 16,
        kSequenceField = 17,
        kNextDirection = 18,
        kPreviousDirection = 19,
        kPlay = 20,
        kStop = 21,
        kEditExit = 22,
        kSave = 23,
        kOffsetXField = 24,
        kOffsetYField = 25,
        kFillOffsets = 26,
        kDurationField = 27,
        kFillDuration = 28,
        kFlagField = 29,
        kFillFlagInSequence = 30,
        kFillFlagInDirections = 31,
        kTriggerAField = 32,
        kSetTriggerA = 33,
        kTriggerBField = 34,
        kSetTriggerB = 35,
        kReference = 36,
        kTransparent = 37,
        kComparisonSet = 38,
    };
    enum State : uint32_t {
        kMainWindow = 0,
        kEditWindow = 1,
        kChooseSet = 2,
        kChooseComparison = 3
    };
    static constexpr int kPixelsPerUnitX = 16;
    static constexpr int kPixelsPerUnitY = 12;

    explicit AnimationEditor(UniAnimationMgr& pool); // the pool must outlive the editor
    ~AnimationEditor() override;

    void Update(Screen& screen) override;
    void Draw(Screen& screen) override;
    void HandleEvent(const SDL_Event& event) override;

    static WindowLayout MainLayout();
    static WindowLayout EditLayout();
    static int ColourKeyOfRadio(uint32_t id); // the numbered colour a radio picks; -1 for none

    State GetState() const { return m_state; }
    const AnimationMgr& GetPlayer() const { return m_player; }
    int GetDirectionType() const { return m_directionType; }
    int GetColourKey() const { return m_colourKey; }
    const Vector& GetOffset() const { return m_offset; }
    bool IsPlaying() const { return m_playing; }
    bool IsDragging() const { return m_dragging; }
    bool IsTransparent() const { return m_transparent; }
    bool HoldsReference() const;
    int GetExportWidth() const { return m_exportWidth; }
    int GetExportHeight() const { return m_exportHeight; }
    int CountComparisons() const { return m_comparisons.CountUsed(); }
    const DirectoryPanel& GetDirectoryBox() const { return *m_directoryBox; }
    // Why the last open or save of a set failed, shown until the state changes; empty when none.
    const Stringc& GetFailure() const { return m_failure.GetText(); }

private:
    // animation_editor.cpp: windows, input and the frame's work
    void Enter(State state);
    void LeaveForMainWindow();
    void UpdateMainWindow();
    void UpdateEditWindow();
    void UpdateDirectoryBox();
    void ActOnMain(uint32_t id);
    void ActOnEdit(uint32_t id);
    void HandleEditEvent(const SDL_Event& event);
    void HandleEditKey(SDLKey key);
    void TakeTypedValues();
    void MoveOffset(float dx, float dy); // in screen pixels
    void StoreOffset();
    void PointDirectoryBox();
    void SetDirectionType(int type);
    void ToggleTransparency();
    void ToggleReference();
    void Save();

    // animation_editor_sets.cpp: stepping, sets and comparison players
    void NextFrame();
    void PreviousFrame();
    void StepDirection(int step);
    void StepAnimation(int step);
    void ShowAnimation(const Animation& animation);
    bool OpenSet(const Stringc& directory);
    bool OpenComparisonSet(const Stringc& directory);
    void DropComparisons();
    void BringComparisonsAlong();
    void FillFields();
    Stringc SetNameOf(const Stringc& directory) const; // "" outside the animation directory
    Stringc SetDirectory(const Stringc& setName) const;

    // animation_editor_draw.cpp
    void DrawEditWindow(Screen& screen);
    void DrawAnchor(Screen& screen) const;
    void DrawPlayers(Screen& screen);
    void DrawPlayer(Screen& screen, AnimationMgr& player, const Vector& offset);
    void DrawReference(Screen& screen);

    UniAnimationMgr& m_pool;
    AnimationMgr m_player;         // its set name is the set's path under the animation directory
    InterfaceObject* m_mainWindow; // the interface's
    std::unique_ptr<DirectoryPanel> m_directoryBox;
    InterfaceObject* m_editWindow; // the interface's
    bool m_new = false;
    bool m_playing = false;
    bool m_dragging = false;
    bool m_transparent = false;
    AnimationMgr m_reference; // the reference frame's animation, when one is held
    int m_referenceX = 0;
    int m_referenceY = 0;
    int m_referenceFrame = 0;
    int m_exportWidth = 30;
    int m_exportHeight = 50;
    bool m_redraw = true;
    int m_directionType = 8;
    MemMgr<AnimationMgr> m_comparisons; // freed slots keep their player for reuse
    SortedList<AnimationMgr> m_drawOrder;
    int m_colourKey = 6;
    State m_state = kMainWindow;
    EditorFailure m_failure;
    Vector m_anchor;
    Vector m_offset;
    int m_drawnX = 0; // where the player was last drawn
    int m_drawnY = 0;
};
