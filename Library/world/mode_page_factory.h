#pragma once
// What the game gives the game mode to carry out a mode change: its page objects and the
// per-map objects that the editors rebuild.

class ModeRecord;

class ModePageFactory {
public:
    virtual ~ModePageFactory() = default;
    virtual void DeleteModePages() = 0;
    virtual void CreateModePages(const ModeRecord& mode) = 0; // none for a mode without one
    virtual void DeleteSessionObjects() = 0;
    virtual void CreateSessionObjects() = 0;
};
