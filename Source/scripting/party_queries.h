#pragma once
// What scripts ask of the player's party. The party manager serves it once the game has
// one; until then, and in tools and tests that install none, the party is empty.

class Stringc;

class PartyQueries {
public:
    virtual ~PartyQueries() = default;

    virtual int GetCount() const = 0;
    virtual bool FindByName(const Stringc& name) const = 0; // a member's, extension dropped
    // The leader's money: the counts of the money items (class 115) in its backpack.
    virtual int QueryLeaderStats() const = 0;
    virtual bool AnyMemberHasItem(const Stringc& name) const = 0;
    virtual bool AnyMemberHasIdentifiedItem(const Stringc& name) const = 0;
};

// Never null: the empty party unless another was installed.
const PartyQueries& GetPartyQueries();
void SetPartyQueries(const PartyQueries* party); // null: the empty party again
