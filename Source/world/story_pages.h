#pragma once
// What the load/save manager asks of the story page: the page shown and its picture, to save
// a game on it, and turning to a page, when a game saved on one is loaded or the party
// leaves a map.

#include "Library/core/stringc.h"

class StoryPages {
public:
    virtual ~StoryPages() = default;
    virtual const Stringc& GetCurrentPage() const = 0;
    virtual int GetPicture() const = 0;             // the small splash shown; 0: none yet
    virtual bool GoToPage(const Stringc& name) = 0; // false when the page cannot be shown
    // The page asked for starts with this picture instead of one drawn: a loaded game's.
    virtual void KeepPicture(int number) = 0;
};

// The story page, once made; null: none.
extern StoryPages* g_storyPages;
