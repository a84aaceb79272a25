#pragma once
// A crowd on the demo map, for the programs that measure and trace the game at scale: the
// player's member at the pond, made to outlast any fight, and creatures placed on random
// cells, hostile and neutral in turn or all neutral. Each frame the idle ones are given
// work: a hostile one attacks the neutral one made after it (while fights are wanted and it
// lives), the others wander.

#include <vector>

class SoldierEntity;

class DemoCrowd {
public:
    enum class Mix { kHostileAndNeutral, kNeutral };

    // On the loaded demo map, drawing the cells from the game's random generator; false
    // when the member cannot be made or joined to the party.
    bool Place(int count, Mix mix = Mix::kHostileAndNeutral);
    int GiveWork(bool fights) const; // the commands given
    int GetCount() const; // the creatures made, the member left out

private:
    struct Pair {
        SoldierEntity* hunter; // neutral too in a neutral crowd, where it never attacks
        SoldierEntity* prey;
    };
    std::vector<Pair> m_pairs;
    Mix m_mix = Mix::kHostileAndNeutral;
};
