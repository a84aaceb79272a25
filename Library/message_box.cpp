#include "Library/message_box.h"

void MessageBox::SetText(const char* text) {
    ShowText(text, true);
}
