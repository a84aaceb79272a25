#pragma once
// The top-level modes of the program; the game makes one page object for the current one.

enum GameModeId : int {
    kModeInvalid = -1, // forces the next request to rebuild the page, even of the same mode
    kModeNone = 0,     // no page: the fatal error box of a failed transition shows
    kModeTitleMenu = 1,
    kModeNoPage = 2,
    kModeEditorMenu = 3,
    kModeNewGame = 4,
    kModeLoadGame = 5,
    kModeSaveGame = 6,
    kModeOptions = 7,
    kModeCredits = 8,
    kModeGameMenu = 9,
    kModeChosenInventory = 10, // a character's inventory beside a creature or a container
    kModeTrade = 11,
    kModeCharacterSheet = 12,
    kModeInventory = 13,
    kModeQuestLog = 14,
    kModeMapPicture = 15,
    kModeWorldMapPicture = 16,
    kModeRest = 17,
    kModePlayerScript = 18,
    kModeStoryPage = 19,
    kModeAreaMap = 20,
    kModeDialogue = 21,
    kModeWorldMap = 22,
    kModeGameOver = 23,
    kModeAnimationEditor = 24,
    kModeGraphicOffsetEditor = 25,
    kModeMapEditor = 26,
    kModeCount = 27, // ids 0-26
};
