#include "Source/screens/dialog_boxes.h"

#include "Library/interface/edit_box.h"
#include "Library/interface/message_box.h"

namespace {

constexpr int kBoxX = 300;
constexpr int kBoxY = 235;
constexpr int kTextX = 25;
constexpr int kTextY = 20;
constexpr int kTextFont = 5;
constexpr int kWrapWidth = 155;
constexpr int kButtonY = 113;
constexpr int kFirstOfTwoX = 29;
constexpr int kSecondOfTwoX = 107;
constexpr int kOnlyButtonX = 71;

template <class Box> std::unique_ptr<Box> MakeBox(const char* image) {
    auto box = std::make_unique<Box>(image, kBoxX, kBoxY);
    box->SetTextLayout(kTextX, kTextY, kTextFont, kWrapWidth);
    return box;
}

} // namespace

std::unique_ptr<MessageBox> MakeNoticeBox() {
    auto box = MakeBox<MessageBox>("msg_box_3.tga");
    box->AddButton("button_ok2.tga", kOnlyButtonX, kButtonY);
    return box;
}

std::unique_ptr<MessageBox> MakeQuestionBox() {
    auto box = MakeBox<MessageBox>("msg_box_4.tga");
    box->AddButton("button_yes2.tga", kFirstOfTwoX, kButtonY);
    box->AddSecondButton("button_no2.tga", kSecondOfTwoX, kButtonY);
    return box;
}

std::unique_ptr<EditBox> MakeDescriptionBox() {
    auto box = MakeBox<EditBox>("msg_box_save.tga");
    box->AddOkButton("button_ok2.tga", kFirstOfTwoX, kButtonY);
    box->AddCancelButton("button_cancel2.tga", kSecondOfTwoX, kButtonY);
    return box;
}
