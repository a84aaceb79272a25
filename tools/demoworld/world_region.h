#pragma once
// The demo world's world map, "world": fields of 64 x 48 cells crossed by a road from the
// west, where the party arrives from the meadow's east road ("east road"), to the town of
// Thornford, which starts unfound and is found by anyone who comes near; at its gate a
// travel point leads back to the meadow. Its script "world_map" answers the party looking
// round off the road with an encounter: the area script "world_area" notes the smoke, and
// the player is asked whether to enter the temporary map "camp", whose script "camp_enc"
// is the encounter's. The camp is a clearing of 50 x 41 cells with a way back west to the
// world map.

#include "Library/core/stringc.h"

class DataPaths;

class WorldRegion {
public:
    static constexpr const char* kName = "world";
    static constexpr const char* kCampName = "camp";
    static constexpr const char* kTownName = "thornford";
    static constexpr const char* kEncounterScript = "camp_enc";
    static constexpr const char* kAreaScript = "world_area";
    static constexpr const char* kQuestion = "Smoke rises from a camp by the road. Go closer?";
    static constexpr const char* kAreaText = "Wood smoke drifts across the road.";
    static constexpr const char* kCampText = "The camp is deserted; its fire still smoulders.";
    static constexpr int kColumns = 64;
    static constexpr int kRows = 48;
    static constexpr int kRoadRow = 20;
    static constexpr int kCampColumns = 50;
    static constexpr int kCampRows = 41;
    // Far below any search skill: the first roll finds the town.
    static constexpr int kTownDifficulty = -100;
    static constexpr float kArrivalX = 8.5f;
    static constexpr float kTownX = 22.5f;
    static constexpr float kRoadY = 20.5f;

    explicit WorldRegion(const DataPaths& paths) : m_paths(paths) {}

    // The maps, the town's template, the scripts and both regions; false, with a message, at
    // the first file that cannot be written.
    bool Write() const;

    static int TypeAt(int column, int row);
    static int CampTypeAt(int column, int row);

private:
    bool WriteMaps() const;
    bool WriteScripts() const;
    bool WriteWorld() const;
    bool WriteCamp() const;

    const DataPaths& m_paths;
};
