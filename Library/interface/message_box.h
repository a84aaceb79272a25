#pragma once
// A window of wrapped text with a first (OK, yes) and a second (cancel, no) button.

#include "Library/interface/button_box.h"

class MessageBox : public ButtonBox {
public:
    MessageBox(const char* image, int x, int y) : ButtonBox(image, x, y) {}

    void AddButton(const char* image, int x, int y) { ButtonBox::AddButton(0, image, x, y); }
    void AddSecondButton(const char* image, int x, int y) { ButtonBox::AddButton(1, image, x, y); }
    void SetText(const char* text); // wrapped by words
    bool TakeFirstButton() { return TakeButton(0); }
    bool TakeSecondButton() { return TakeButton(1); }
};
