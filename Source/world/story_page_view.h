#pragma once
// What the story page asks of the screen that shows it (the play screen on the story
// page): a message in its box, and a picture beside the text.

class StoryPageView {
public:
    static constexpr int kSmallSplashes = 5; // the pictures "small_splash1.bmp" to 5

    virtual ~StoryPageView() = default;
    virtual bool ShowMessage(const char* text) = 0;
    virtual int LoadRandomSmallSplash() = 0; // the number of the picture drawn
    virtual void LoadSmallSplash(int number) = 0;
};
