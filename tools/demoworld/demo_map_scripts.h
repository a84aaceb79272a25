#pragma once
// The demo map's map-object scripts. The gate's and the chest's name and describe them when
// the map is first entered; the gate's also puts the tutorial panel away, once, when the
// party first walks off from the gate; the chest's fills it then and tells when its trap
// springs; the pond sign's opens its dialogue with whoever comes to talk. The regions'
// scripts keep the panel away after a journey.

#include "Library/core/stringc.h"

class ScriptBuilder;

class DemoMapScripts {
public:
    static constexpr const char* kGate = "gate";
    static constexpr const char* kChest = "chest";
    static constexpr const char* kPondSignTalk = "pond_sign_talk";
    static constexpr const char* kGateName = "Gate";
    static constexpr const char* kGateDescription =
        "A gate of planks in the wall, the one way north.";
    // The global the tutorial's start script sets to kPanelShown while its panel shows; the
    // gate's script sets it to kPanelPutAway when it hides the panel.
    static constexpr const char* kTutorialScope = "tutorial";
    static constexpr const char* kPanelVariable = "panel";
    static constexpr int kPanelShown = 1;
    static constexpr int kPanelPutAway = 2;
    static constexpr float kStartAreaReach = 8.0f; // cells beyond the gate's and member's radii
    static constexpr const char* kTrapSprung = "A needle springs from the chest's lock!";

    explicit DemoMapScripts(const Stringc& directory) : m_directory(directory) {}

    // For a region's script: each journey in the tutorial shows the panel again as it reads
    // the party back, so once put away it goes again when the party is placed.
    static void KeepPanelAway(ScriptBuilder& script);

    bool Write() const; // false, with a message, at the first that cannot be written

private:
    Stringc m_directory;
};
