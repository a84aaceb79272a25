#pragma once
// The starter pictures of a map the author builds in the map editor, "field": a field of
// 50 x 41 cells, as large as the largest view so that no view is clamped off a saved place,
// with a pond (its deep water in the water key), a stone wall with a gap and a rise in the
// ground, drawn as the map image "field.tga" with its clip, type, height, light and minimap
// images. No map is built from them: the editor's New does that.

class DataPaths;

class FieldImages {
public:
    static constexpr const char* kName = "field";
    static constexpr int kColumns = 50;
    static constexpr int kRows = 41;

    explicit FieldImages(const DataPaths& paths) : m_paths(paths) {}

    bool Write() const; // false, with a message, at the first file that cannot be written

    static int TypeAt(int column, int row);

private:
    const DataPaths& m_paths;
};
