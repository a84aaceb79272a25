#pragma once
// A creature's line of speech, shown above it for a few seconds: a framed bubble (style 0)
// or a plain box (style 1). Only the saved flag is stored with the creature, so a loaded
// creature shows no bubble.

#include "Library/core/vector.h"
#include "Library/interface/text_block.h"
#include "Source/entities/speech_bubble.h"

#include <cstdint>

class MapView;
class Screen;
struct Rect;

class TextBubbleMgr : public SpeechBubble {
public:
    // Where the creature stands and how tall it is, in world units.
    class Speaker {
    public:
        virtual ~Speaker() = default;
        virtual const Vector& GetPosition() const = 0;
        virtual float GetHeight() const = 0;
    };

    static constexpr int kWrapWidth = 160; // pixels

    explicit TextBubbleMgr(const Speaker& owner); // the owner outlives its bubble
    TextBubbleMgr(const TextBubbleMgr&) = delete;
    TextBubbleMgr& operator=(const TextBubbleMgr&) = delete;
    ~TextBubbleMgr() override = default;

    // Seconds a line shows, shared by every bubble.
    static void SetDisplayTime(int seconds) { s_displayTime = seconds; }
    static int GetDisplayTime() { return s_displayTime; }

    void Say(const Stringc& text) override;    // the framed bubble; "" changes nothing
    void SayAlt(const Stringc& text) override; // the plain box; "" changes nothing
    void Hide() { m_remaining = 0.0f; }
    bool IsShowing() const { return m_remaining > 0.0f; }
    const TextBlock& GetText() const { return m_text; }
    int GetStyle() const { return m_style; }

    void Update(double frameSeconds) override; // with the creature's own update
    // Above the owner's head, within the view rectangle, while it shows.
    void Draw(Screen& screen, const MapView& view, const Rect& viewRect);
    using SpeechBubble::Draw;

private:
    enum Style : uint8_t { kBubble, kBox };

    void Show(const Stringc& text, Style style);

    static inline int s_displayTime = 5;

    float m_remaining = 0.0f; // first: every creature's bubble ages each frame
    uint8_t m_style = kBubble;
    const Speaker& m_owner;
    TextBlock m_text;
    const Screen* m_wrappedOn = nullptr; // whose fonts wrapped m_text; none before a line
};
