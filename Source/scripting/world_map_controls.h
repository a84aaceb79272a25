#pragma once
// The world map screen as the scripts of its areas set it up. The world map screen serves
// it while it exists.

class Stringc;
class Vector;

class WorldMapControls {
public:
    virtual ~WorldMapControls() = default;

    virtual void AddHotSpot(const Stringc& name, const Vector& position, const Stringc& map,
                            const Stringc& entryPoint) = 0;
    virtual void SetAreaScript(const Stringc& name, bool encounters) = 0;
    virtual void SetConfirmText(const Stringc& text) = 0;
    virtual void SetEncounterMapName(const Stringc& name) = 0;
    virtual void SetEncounterScriptName(const Stringc& name) = 0;
};

extern WorldMapControls* g_worldMapControls; // not owned; null: no world map screen
