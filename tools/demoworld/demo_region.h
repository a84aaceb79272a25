#pragma once
// The demo map's region, "Data/Region/demo.reg": the region script "demo_region", which
// opens a journal topic whenever the region is entered; the party's default arrival south
// of the gate and the entry point "gate" just below it; a brook heard all the while by the
// pond and birds now and then in the wood; and rain, with thunder, at three chances in
// four; and the demo map's entities (DemoMapEntities). Its sounds are written beside it,
// but for the rain's stream, which the first run converts from the shipped media.

class DataPaths;

class DemoRegion {
public:
    explicit DemoRegion(const DataPaths& paths) : m_paths(paths) {}

    bool Write() const; // false, with a message, at the first file that cannot be written

private:
    bool WriteSounds() const;
    bool WriteScript() const;
    bool WriteRegion() const;

    const DataPaths& m_paths;
};
