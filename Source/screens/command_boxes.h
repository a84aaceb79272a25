#pragma once
// The command boxes the screens open: one for an item in an inventory view, one for an
// object on the map, each a popup of one button per command the thing allows. The box's
// holder owns it; building a new box first deletes the one it held.

#include <cstdint>
#include <memory>

class Entity;
class ItemEntity;
class PopupWindow;
struct Rect;

// The ids of the commands, shared by both boxes.
enum CommandId : int {
    kCommandExamine = 0,
    kCommandUse = 1,
    kCommandUnload = 2,
    kCommandAttack = 3,
    kCommandTalk = 4,
    kCommandCollect = 5,
    kCommandOpen = 6, // search, on a dead creature
    kCommandPickLock = 7,
    kCommandDisarmTrap = 8,
};

// A box's picture and its buttons top to bottom; no picture: no box.
struct CommandBoxLayout {
    static constexpr int kMaxButtons = 5;
    struct Button {
        int id;
        const char* image;
    };

    const char* image = nullptr;
    Button buttons[kMaxButtons] = {};
    int count = 0;

    bool IsShown() const { return image != nullptr; }
};

CommandBoxLayout ItemCommands(const ItemEntity& item);
// activeMember: the party's member the player acts through, who may only be examined.
CommandBoxLayout ObjectCommands(Entity& entity, const Entity* activeMember);

// The box built at the pointer, kept inside the screen; false, and no box, for an item
// without commands.
bool ShowItemCommandBox(const ItemEntity* item, std::unique_ptr<PopupWindow>& box);
// The box built at the pointer, kept inside the bounds (the map's view); false, and no box,
// for an object without commands.
bool ShowObjectCommandBox(Entity* entity, const Entity* activeMember, const Rect& bounds,
                          std::unique_ptr<PopupWindow>& box);
