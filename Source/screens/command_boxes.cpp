#include "Source/screens/command_boxes.h"

#include "Library/graphics/rect.h"
#include "Library/interface/mouse_position.h"
#include "Library/interface/popup_window.h"
#include "Source/entities/container_map_entity.h"
#include "Source/entities/door_entity.h"
#include "Source/entities/entity.h"
#include "Source/entities/item_entity.h"
#include "Source/entities/map_object.h"
#include "Source/entities/trigger_entity.h"

#include <initializer_list>

namespace {

constexpr int kButtonSpacing = 0;
constexpr uint32_t kFirstItemKind = 100;
constexpr uint32_t kWeaponKind = ItemEntity::kClassWeapon;
constexpr uint32_t kLastItemKind = ItemEntity::kClassMoney;
constexpr uint32_t kNoBoxKind = 114; // items of this kind offer no commands

constexpr CommandBoxLayout::Button kExamine{kCommandExamine, "button_examine.tga"};
constexpr CommandBoxLayout::Button kUse{kCommandUse, "button_use.tga"};
constexpr CommandBoxLayout::Button kUnload{kCommandUnload, "button_unload.tga"};
constexpr CommandBoxLayout::Button kAttack{kCommandAttack, "button_attack.tga"};
constexpr CommandBoxLayout::Button kTalk{kCommandTalk, "button_talk.tga"};
constexpr CommandBoxLayout::Button kCollect{kCommandCollect, "button_collect.tga"};
constexpr CommandBoxLayout::Button kSearch{kCommandOpen, "button_search.tga"};
constexpr CommandBoxLayout::Button kOpen{kCommandOpen, "button_open.tga"};
constexpr CommandBoxLayout::Button kPickLock{kCommandPickLock, "button_pick_lock.tga"};
constexpr CommandBoxLayout::Button kDisarmTrap{kCommandDisarmTrap, "button_diarm_trap.tga"};

CommandBoxLayout Layout(const char* image,
                        std::initializer_list<CommandBoxLayout::Button> buttons) {
    CommandBoxLayout layout;
    layout.image = image;
    for (const CommandBoxLayout::Button& button : buttons)
        layout.buttons[layout.count++] = button;
    return layout;
}

// Doors and chests on the map, and triggers, own the map object whose text offers talk.
const MapObject* MapObjectOf(Entity& entity) {
    DoorEntity* door = nullptr;
    ContainerMapEntity* chest = nullptr;
    TriggerEntity* trigger = nullptr;
    if (Entity::AsDoor(&entity, &door))
        return &door->GetMapObject();
    if (Entity::AsContainerMap(&entity, &chest))
        return &chest->GetMapObject();
    if (Entity::AsTrigger(&entity, &trigger))
        return &trigger->GetMapObject();
    return nullptr;
}

bool HasTalkText(const MapObject& object) {
    return object.GetSettings().text.Length() > 0;
}

CommandBoxLayout CreatureCommands(const Entity& creature, const Entity* activeMember) {
    if (&creature == activeMember)
        return Layout("cmd_box_7.tga", {kExamine});
    if (creature.HasAnyFlag(Entity::kFlagAlive))
        return Layout("cmd_box_1b.tga", {kExamine, kTalk, kAttack});
    return Layout("cmd_box_2.tga", {kExamine, kSearch});
}

CommandBoxLayout TriggerCommands(const MapObject& object) {
    switch (object.GetKind()) {
    case kMapObjectInfo:
        if (HasTalkText(object))
            return Layout("cmd_box_11.tga", {kExamine, kTalk});
        return Layout("cmd_box_7.tga", {kExamine});
    case kMapObjectTrap:
        return Layout("cmd_box_4.tga", {kExamine, kDisarmTrap});
    default:
        return {};
    }
}

void Build(const CommandBoxLayout& layout, const Rect& bounds, std::unique_ptr<PopupWindow>& box) {
    box = std::make_unique<PopupWindow>(layout.image, kButtonSpacing);
    for (int button = 0; button < layout.count; ++button)
        box->AddButton(layout.buttons[button].image,
                       static_cast<uint32_t>(layout.buttons[button].id));
    box->SetBounds(bounds);
    box->MoveTo(g_mouseX, g_mouseY);
}

} // namespace

CommandBoxLayout ItemCommands(const ItemEntity& item) {
    const uint32_t kind = item.GetItemClass();
    if (kind == kWeaponKind && item.HasLoadableMagazine())
        return Layout("cmd_box_9.tga", {kExamine, kUnload});
    if (kind == 109 || kind == 111)
        return Layout("cmd_box_8.tga", {kExamine, kUse});
    if (kind >= kFirstItemKind && kind <= kLastItemKind && kind != kNoBoxKind)
        return Layout("cmd_box_7.tga", {kExamine});
    return {};
}

CommandBoxLayout ObjectCommands(Entity& entity, const Entity* activeMember) {
    switch (entity.GetType()) {
    case Entity::kTypeItem:
        return Layout("cmd_box_3.tga", {kExamine, kCollect});
    case Entity::kTypeSoldier:
        return CreatureCommands(entity, activeMember);
    case Entity::kTypeDoor:
    case Entity::kTypeContainerMap:
        if (HasTalkText(*MapObjectOf(entity)))
            return Layout("cmd_box_10.tga", {kExamine, kOpen, kPickLock, kDisarmTrap, kTalk});
        return Layout("cmd_box_5.tga", {kExamine, kOpen, kPickLock, kDisarmTrap});
    case Entity::kTypeTrigger:
        return TriggerCommands(*MapObjectOf(entity));
    default:
        return {};
    }
}

bool ShowItemCommandBox(const ItemEntity* item, std::unique_ptr<PopupWindow>& box) {
    box.reset();
    const CommandBoxLayout layout = item ? ItemCommands(*item) : CommandBoxLayout();
    if (!layout.IsShown())
        return false;
    Build(layout, Rect{0, 0, 800, 600}, box);
    return true;
}

bool ShowObjectCommandBox(Entity* entity, const Entity* activeMember, const Rect& bounds,
                          std::unique_ptr<PopupWindow>& box) {
    box.reset();
    const CommandBoxLayout layout =
        entity ? ObjectCommands(*entity, activeMember) : CommandBoxLayout();
    if (!layout.IsShown())
        return false;
    Build(layout, bounds, box);
    return true;
}
