#pragma once
// The demo world's rule tables as an author writes them: text tables in the uncompiled
// data directory's "2DArray" folder, compiled by the game's table compiler into
// "Data/2DArray". "LevelProgression.2DA" needs 1000 x (n - 1) x n / 2 experience for
// level n up to 21, then 22000 more per level; "LightToHitMod.2DA" holds a modifier per
// light level.

class DataPaths;

class RuleTables {
public:
    static constexpr int kLevelStep = 1000;
    static constexpr int kLaterLevelStep = 22000;

    explicit RuleTables(const DataPaths& paths) : m_paths(paths) {}

    bool Write() const; // false, with a message, when a table cannot be written or compiled

private:
    bool WriteText(const char* name, const char* text) const;

    const DataPaths& m_paths;
};
