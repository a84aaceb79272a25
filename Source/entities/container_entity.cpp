#include "Source/entities/container_entity.h"

#include "Library/core/game_mode_id.h"
#include "Library/core/stream.h"
#include "Library/world/game_mode.h"
#include "Source/entities/entity_mgr.h"
#include "Source/entities/item_entity.h"

#include <algorithm>
#include <cstdio>

namespace {

// No stored item takes fewer bytes than its type code and the placed object's record.
constexpr long kMinItemBytes = 4 + 36;

} // namespace

ContainerEntity::ContainerEntity() {
    SetType(kTypeContainer);
}

ContainerEntity::~ContainerEntity() = default;

void ContainerEntity::Init() {
    BinaryEntity::Init();
    RemoveFlags(kFlagShown);
    ReleaseHeld();
    m_ownWeight = 0.0f;
    m_ownValue = 0;
    m_selection = 0;
    m_spare = 0;
}

EntityMgr* ContainerEntity::ItemManager() const {
    if (GetManager() != nullptr)
        return GetManager();
    return m_owner ? m_owner->GetManager() : nullptr;
}

void ContainerEntity::ReleaseHeld() {
    EntityMgr* manager = ItemManager();
    std::vector<ItemEntity*> held;
    held.swap(m_items);
    for (ItemEntity* item : held) {
        if (manager != nullptr && manager->IsItemLive(item) && item->GetContainer() == this) {
            item->SetContainer(nullptr);
            item->Release();
        }
    }
}

bool ContainerEntity::Load(Stream& stream) {
    ReleaseHeld();
    uint32_t count = 0;
    if (!BinaryEntity::Load(stream) || !stream.ReadValue(m_ownWeight) ||
        !stream.ReadValue(m_ownValue) || !stream.ReadValue(count))
        return false;
    if (count > static_cast<uint32_t>(stream.Remaining() / kMinItemBytes)) {
        std::fprintf(stderr, "Container %s: %u items cannot lie in the %ld bytes left\n",
                     GetTemplateName().c_str(), count, stream.Remaining());
        return false;
    }
    EntityMgr* manager = ItemManager();
    uint32_t loaded = 0;
    for (; loaded < count; ++loaded) {
        uint32_t type = 0;
        if (!stream.ReadValue(type))
            break;
        if (type != kTypeItem) {
            std::fprintf(stderr, "Container %s: entry %u is an entity of type %u, not an item\n",
                         GetTemplateName().c_str(), loaded, type);
            break;
        }
        Entity* made = manager ? manager->CreateEntity(0.0f, 0.0f, 0.0f, kTypeItem) : nullptr;
        if (made == nullptr) {
            std::fprintf(stderr, "Container %s: no entity manager makes its items\n",
                         GetTemplateName().c_str());
            break;
        }
        auto* item = static_cast<ItemEntity*>(made);
        m_items.push_back(item);
        item->SetContainer(this);
        if (!item->Load(stream))
            break;
        Hold(*item);
    }
    if (loaded != count) {
        ReleaseHeld();
        return false;
    }
    SetOwner(m_owner);
    return true;
}

bool ContainerEntity::Save(Stream& stream) const {
    if (!BinaryEntity::Save(stream) || !stream.WriteValue(m_ownWeight) ||
        !stream.WriteValue(m_ownValue) || !stream.WriteValue(static_cast<uint32_t>(m_items.size())))
        return false;
    for (const ItemEntity* item : m_items) {
        if (!stream.WriteValue(static_cast<uint32_t>(item->GetType())) || !item->Save(stream))
            return false;
    }
    return true;
}

float ContainerEntity::GetWeight() const {
    float weight = m_ownWeight;
    for (const ItemEntity* item : m_items)
        weight += item->GetTotalWeight();
    return weight;
}

uint32_t ContainerEntity::GetValue() const {
    uint32_t value = m_ownValue;
    for (const ItemEntity* item : m_items)
        value += item->GetTotalValue();
    return value;
}

bool ContainerEntity::Update(uint32_t frameMs) {
    BinaryEntity::Update(frameMs);
    if (HasAnyFlag(kFlagChanging) && IsOpen() && g_gameMode != nullptr)
        g_gameMode->SetMode(kModeChosenInventory, ModeRecord::ToArg(GetUser()),
                            ModeRecord::ToArg(this));
    return true;
}

void ContainerEntity::SetOwner(Entity* owner) {
    m_owner = owner;
    for (ItemEntity* item : m_items)
        item->SetOwner(owner);
}

ItemEntity* ContainerEntity::GetItemAt(int index) const {
    return index >= 0 && index < CountHeld() ? m_items[static_cast<size_t>(index)] : nullptr;
}

int ContainerEntity::IndexOf(const ItemEntity* item) const {
    const auto found = std::find(m_items.begin(), m_items.end(), item);
    return found == m_items.end() ? -1 : static_cast<int>(found - m_items.begin());
}

ItemEntity* ContainerEntity::FindItemByName(const Stringc& name) const {
    Stringc wanted(name);
    wanted.StripExtension();
    for (ItemEntity* item : m_items)
        if (item->GetTemplateName() == wanted)
            return item;
    return nullptr;
}

uint32_t ContainerEntity::CountItems() const {
    uint32_t money = 0;
    for (const ItemEntity* item : m_items)
        if (item->GetItemClass() == ItemEntity::kClassMoney)
            money += item->GetStackSize();
    return money;
}

ItemEntity* ContainerEntity::ItemAtScreenPoint(int x, int y) const {
    for (ItemEntity* item : m_items)
        if (item->ContainsPoint(x, y))
            return item;
    return nullptr;
}

bool ContainerEntity::AddAllFrom(std::vector<ItemEntity*>& list) const {
    for (ItemEntity* item : m_items)
        if (std::find(list.begin(), list.end(), item) == list.end())
            list.push_back(item);
    return !list.empty();
}

void ContainerEntity::LoadItemIcons(int flag) {
    for (ItemEntity* item : m_items) {
        if (flag == 1)
            item->LoadIcon();
        else
            item->LoadIcon2();
    }
}

void ContainerEntity::UpdateItems() {
    for (ItemEntity* item : m_items)
        item->ResetAbilityState();
}

void ContainerEntity::ForNamedItems(const Stringc& name, int n) {
    for (ItemEntity* item : m_items)
        if (item->GetTemplateName() == name)
            item->ForListEntries(n);
}

bool ContainerEntity::RefreshNamedItem(const Stringc& name) {
    bool found = false;
    for (ItemEntity* item : m_items) {
        if (item->GetTemplateName() == name) {
            item->RefreshName(1);
            found = true;
        }
    }
    return found;
}

bool ContainerEntity::StackByKind(const ItemEntity* item) const {
    if (item == nullptr)
        return false;
    return item->GetKind() < 1 || FindAmmunitionFor(*item) != nullptr;
}

ItemEntity* ContainerEntity::FindAmmunitionFor(const ItemEntity& weapon) const {
    const auto found = std::find_if(m_items.begin(), m_items.end(), [&](const ItemEntity* held) {
        return weapon.AcceptsAmmunition(*held);
    });
    return found != m_items.end() ? *found : nullptr;
}

void ContainerEntity::SelectPrevious() {
    m_selection = std::max(m_selection - 1, 0);
}

void ContainerEntity::SelectNext() {
    const int shown =
        static_cast<int>(std::count_if(m_items.begin(), m_items.end(), [](const ItemEntity* item) {
            return item->HasAnyFlag(kFlagShown);
        }));
    m_selection = m_items.empty() ? -1 : std::min(m_selection + 1, shown - 1);
}
