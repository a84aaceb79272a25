#pragma once
// The one widget class of the interface toolkit: a window (a widget without a parent), an
// image, push button, slider knob, toggle, radio button, one-line text edit or label, chosen
// by its type. Siblings form a ring; a parent owns its children and reaches them through
// its first child, the most recently added one. Rectangles are absolute screen coordinates
// and inclusive on all four sides. Hit tests read g_mouseX and g_mouseY.

#include "Library/core/link_obj.h"
#include "Library/core/stringc.h"
#include "Library/graphics/rect.h"

#include <SDL/SDL.h>

#include <cstdint>

class Graphic;
class Screen;

enum WidgetType : uint32_t {
    kWidgetImage = 0, // every window too
    kWidgetButton = 1,
    kWidgetSlider = 2,
    kWidgetToggle = 3,
    kWidgetRadio = 4,
    kWidgetTextEdit = 5,
    kWidgetLabel = 6,
};

enum WidgetFlags : uint32_t {
    kWidgetPressed = 0x1,
    kWidgetClicked = 0x2, // lives for one frame
    kWidgetEnabled = 0x4,
    kWidgetDirty = 0x8,
    kWidgetVisible = 0x10,
    kWidgetHasChildren = 0x20,
    kWidgetFontMask = 0x1C0,      // normal font slot, bits 6-8
    kWidgetHighFontMask = 0xE00,  // highlight font slot, bits 9-11
    kWidgetUseHighFont = 0x1000,  // set together with focus
    kWidgetSelected = 0x2000,     // radio button
    kWidgetFocus = 0x4000,        // text edit receives keys
    kWidgetOn = 0x8000,           // toggle
    kWidgetCursorShown = 0x10000, // the display text ends with the cursor
    kWidgetDigitsOnly = 0x20000,
};

class InterfaceObject : public LinkObject {
public:
    static constexpr const char* kCursor = "|";
    static constexpr const char* kDefaultPressIn = "Button_press_in.wav";
    static constexpr const char* kDefaultPressOut = "Button_press_out.wav";
    static constexpr int kDefaultHighlightFont = 5;

    InterfaceObject();           // in its reset state
    ~InterfaceObject() override; // deletes every child

    // Back to a lone, enabled and visible image widget with no text, images or sounds,
    // fonts 0 and 5; its children are deleted and it leaves its parent. The rectangle,
    // id and slider track stay.
    virtual void Reset();

    // rect is relative to the parent when there is one.
    void Setup(uint32_t type, const Rect& rect, const char* text, InterfaceObject* parent);
    InterfaceObject* AddChild(uint32_t type, const Rect& rect, const char* text);
    // A push button at x, y relative to this object, sized by the image it shows whether
    // pressed or not.
    InterfaceObject* AddImageButton(uint32_t id, const char* image, int x, int y);

    // From the interface image directory; the rectangle takes the image's size.
    void SetImage(const char* name);
    void SetImage2(const char* name);
    void SetText(const char* text);
    Stringc GetText() const { return m_text; }
    const Stringc& GetDisplayText() const { return m_displayText; }
    void SetRect(const Rect& rect);
    const Rect& GetRect() const { return m_rect; }
    bool Contains(int x, int y) const;
    void Move(int dx, int dy); // this ring, then down the first-child line
    void SetPressInSound(const char* name);
    void SetPressOutSound(const char* name);

    uint32_t GetType() const { return m_type; }
    uint32_t GetId() const { return m_id; }
    void SetId(uint32_t id) { m_id = id; }
    uint32_t GetFlags() const { return m_flags; }
    InterfaceObject* GetParent() const { return m_parent; }
    InterfaceObject* GetFirstChild() const { return m_firstChild; }
    InterfaceObject* GetNextSibling() const; // null for a lone object
    const Graphic* GetImage() const { return m_image; }
    const Graphic* GetImage2() const { return m_image2; }

    void SetEnabled(bool on) { SetFlag(kWidgetEnabled, on); }
    void SetVisible(bool on) { SetFlag(kWidgetVisible, on); }
    void SetDigitsOnly(bool on) { SetFlag(kWidgetDigitsOnly, on); }
    void SetFonts(int normal, int highlight); // Screen font slots 0-6
    int GetFont() const;                      // the slot text is drawn in now
    void SetDirty(bool on) { SetFlag(kWidgetDirty, on); }
    bool IsDirty() const { return Has(kWidgetDirty); }

    // Direct children only; the first one met from the first child, or null.
    InterfaceObject* FindChild(uint32_t id) const;
    InterfaceObject* GetClickedChild() const;
    InterfaceObject* GetFocusedChild() const;
    InterfaceObject* GetSelectedChild() const;
    InterfaceObject* ChildAt(int x, int y) const; // visible children
    InterfaceObject* GetCapturedChild() const;    // pressed or radio-selected

    void Press(); // enabled, visible and not yet pressed: plays the press-out sound
    void Unpress();
    void SetClicked();
    void ClearClicked() { SetFlag(kWidgetClicked, false); }
    bool IsPressed() const { return Has(kWidgetPressed); }
    bool IsClicked() const { return Has(kWidgetClicked); }
    void SetFocus() { m_flags |= kWidgetFocus | kWidgetUseHighFont; }
    void ClearFocus() { m_flags &= ~(kWidgetFocus | kWidgetUseHighFont); }
    bool HasFocus() const { return Has(kWidgetFocus); }
    void Select() { SetFlag(kWidgetSelected, true); }
    void Deselect() { SetFlag(kWidgetSelected, false); }
    bool IsSelected() const { return Has(kWidgetSelected); }
    void SetOn() { SetFlag(kWidgetOn, true); }
    void SetOff() { SetFlag(kWidgetOn, false); }
    bool IsOn() const { return Has(kWidgetOn); }
    void ClearPressed();    // pressed and clicked, this ring and down the first-child line
    void ClearInputState(); // also radio-selected and focus

    // Slider knob: the track runs from start to end along x; the end stands for the range.
    void SetTrack(int start, int end);
    void SetSliderValue(int value, int range);
    int GetSliderValue(int pointX); // moves the knob under the point

    // Mouse button presses and releases, on the direct children of this window.
    void HandleEvent(const SDL_Event& event);
    // True when a focused text edit, here or down the focused windows, took the event.
    bool HandleKey(const SDL_Event& event);
    void Update(bool blink); // blink: the game mode's 450 ms flag that shows the text cursor
    void Draw(Screen& screen);

private:
    bool Has(uint32_t flag) const { return (m_flags & flag) != 0; }
    void SetFlag(uint32_t flag, bool on) { m_flags = on ? m_flags | flag : m_flags & ~flag; }
    bool IsLive() const { return Has(kWidgetEnabled) && Has(kWidgetVisible); }
    void DeleteChildren();
    void LeaveParent();
    Graphic* LoadImage(const char* name); // resizes the rectangle when found
    template <class Visit> void ForEachChild(Visit visit) const {
        InterfaceObject* child = m_firstChild;
        do {
            if (child == nullptr)
                return;
            visit(*child);
            child = child->GetNextSibling();
        } while (child != m_firstChild);
    }
    template <class Visit> void ForEachOnFirstChildLine(Visit visit);
    template <class Test> InterfaceObject* FirstChild(Test test) const;
    bool PressChildren(const InterfaceObject* captured);
    bool ReleaseChildren();
    void Release(const InterfaceObject* hit, bool endsPress);
    void ShowCursor(bool shown);
    int KnobWidth() const;
    int TrackLength() const;
    void PlaceKnob(int x1);
    void DrawOwn(Screen& screen) const;
    void DrawTextEdit(Screen& screen) const;

    uint32_t m_type = kWidgetImage;
    uint32_t m_id = 0;
    Rect m_rect;
    Stringc m_text;
    Stringc m_displayText;
    Graphic* m_image = nullptr;
    Graphic* m_image2 = nullptr;
    Stringc m_pressInSound;  // preloaded, never played
    Stringc m_pressOutSound; // played on every press
    uint32_t m_flags = 0;
    int16_t m_trackStart = 0;
    int16_t m_trackEnd = 0;
    uint32_t m_range = 0;
    InterfaceObject* m_parent = nullptr;
    InterfaceObject* m_firstChild = nullptr;
};
