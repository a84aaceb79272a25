#pragma once
// Why an editor's last file step failed: said on standard error and shown on the editor's
// screen, in white on a black band, until it is cleared.

#include "Library/core/stringc.h"

class Screen;

class EditorFailure {
public:
    void Show(const Stringc& text);
    void Clear() { m_text.Clear(); }
    const Stringc& GetText() const { return m_text; }
    void Draw(Screen& screen, int x, int y) const; // the band to the screen's right edge

private:
    Stringc m_text;
};
