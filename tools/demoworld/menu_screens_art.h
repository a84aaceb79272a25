#pragma once
// The art of the screens around a game: the in-game menu, the load and save screen, the
// options, the new game screen's held Cancel, the credits,
// game over, the player script choice, the quest log and the spell book; each picture
// leaves the splash showing where the screen shows nothing of its own.

#include "Library/core/stringc.h"
#include "tools/demoworld/canvas.h"

class DataPaths;
class LabelFont;
struct WindowLayout;

// A gold-edged frame round the 800 x 600 screen, open inside so the splash shows.
Canvas OpenScreenFrame();

class MenuScreensArt {
public:
    MenuScreensArt(const DataPaths& paths, LabelFont& font);

    bool Write() const; // false, with a message, at the first picture that cannot be written

private:
    bool WriteGameMenu() const;
    bool WriteLoadSave() const;
    bool WriteOptions() const;
    bool WriteNewGame() const;
    bool WriteCredits() const;
    bool WriteGameOver() const;
    bool WritePlayerScript() const;
    bool WriteQuestLog() const;
    bool WriteSpellBook() const;
    // The screen's picture as its window's background, and its widgets' own pictures.
    bool Save(const WindowLayout& layout, const Canvas& screen) const;
    Stringc Interface(const char* name) const;

    const DataPaths& m_paths;
    LabelFont& m_font;
};
