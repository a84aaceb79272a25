#include "Library/interface/message_box.h"

void MessageBox::SetText(const char* text) {
    ShowText(text, true);
}
