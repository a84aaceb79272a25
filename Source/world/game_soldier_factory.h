#pragma once
// Makes every soldier's creature and its speech bubble, which shows on the map. The game
// installs one at set-up.

#include "Source/creatures/creature_factory.h"

class GameSoldierFactory : public CreatureFactory {
public:
    std::unique_ptr<SpeechBubble> CreateBubble(SoldierEntity& soldier) const override;
};
