#include "Source/entities/item_rules.h"

namespace {

const ItemRules* g_itemRules = nullptr;

} // namespace

const ItemRules* GetItemRules() {
    return g_itemRules;
}

void SetItemRules(const ItemRules* rules) {
    g_itemRules = rules;
}
