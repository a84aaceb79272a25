#pragma once
// The small boxes the screens show in the middle of the screen: a notice with OK, a
// question with yes and no, and the box that takes a saved game's description. The text
// sits 25, 20 from the box's corner in font 5, wrapped at 155 pixels.

#include <memory>

class EditBox;
class MessageBox;

std::unique_ptr<MessageBox> MakeNoticeBox();
std::unique_ptr<MessageBox> MakeQuestionBox();
std::unique_ptr<EditBox> MakeDescriptionBox();
