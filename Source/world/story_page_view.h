#pragma once
// What the story page asks of the screen that shows it (the play screen on the story
// page): a message in its box, and a new picture beside the text.

class StoryPageView {
public:
    virtual ~StoryPageView() = default;
    virtual bool ShowMessage(const char* text) = 0;
    virtual void LoadRandomSmallSplash() = 0;
};
