#pragma once
// Where a soldier's creature, its behaviour and its speech bubble come from. The plain
// factory makes neither of the first two and a bubble that shows nothing;
// the creatures install theirs at set-up, tests install fakes.

#include <memory>

class CreatureCommands;
class CreatureParts;
class SpeechBubble;
class SoldierEntity;

class SoldierPartsFactory {
public:
    virtual ~SoldierPartsFactory() = default;
    // Each time the soldier is handed out, with its manager set.
    virtual std::unique_ptr<CreatureParts> CreateCreature(SoldierEntity& soldier) const;
    virtual std::unique_ptr<CreatureCommands> CreateBehaviour(SoldierEntity& soldier) const;
    virtual std::unique_ptr<SpeechBubble> CreateBubble(SoldierEntity& soldier) const; // never null
};

// Never null: the plain factory unless another was installed.
const SoldierPartsFactory& GetSoldierPartsFactory();
void SetSoldierPartsFactory(const SoldierPartsFactory* factory); // null: the plain one again
