#pragma once
// The demo world's plain entities (type 0): a barrel and a signpost, each a template with a
// still picture drawn here, under the graphic directory's "Item" folder.

class DemoEntities {
public:
    bool Write() const; // false, with a message, at the first piece that cannot be written
};
