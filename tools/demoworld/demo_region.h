#pragma once
// The demo map's region, "Data/Region/demo.reg": the region script "demo_map", which
// opens a journal topic whenever the region is entered; the party's default arrival south
// of the gate, the entry point "gate" just below it and "road" at the foot of the map,
// where the road from the second map arrives; a brook heard all the while by the pond and
// birds now and then in the wood; and rain, with thunder, at three chances in four; and
// the demo map's entities (DemoMapEntities). Its sounds are written on their own, before the
// first-run converter's stand-ins, which keep them; the rain's stream is the converter's to
// make from the shipped media. The second map's
// region, "demo2.reg", with its script "demo2_map", which also files two notes under the
// meadow's topic and opens and closes a topic of its own, its entry "road" below its
// northern edge and the road back north.

class DataPaths;
class PlacedEntityList;
class RegionMgr;

// The region as the map editor saves it, "<region directory>/<map>.reg".
bool WriteRegionFile(const DataPaths& paths, const char* map, RegionMgr& region,
                     const PlacedEntityList& placed);

class DemoRegion {
public:
    static constexpr const char* kMapName = "demo";
    static constexpr const char* kMeadowTopic = "The meadow";
    static constexpr const char* kMeadowNotes[] = {"The gate in the wall stands open.",
                                                   "A road runs south from the meadow."};
    static constexpr const char* kLostPathTopic = "The lost path";

    explicit DemoRegion(const DataPaths& paths) : m_paths(paths) {}

    bool Write() const; // false, with a message, at the first file that cannot be written
    bool WriteSounds() const;

private:
    bool WriteScripts() const;
    bool WriteRegion() const;
    bool WriteSecondRegion() const;

    const DataPaths& m_paths;
};
