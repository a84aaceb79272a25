#include "Source/world/game_soldier_factory.h"

#include "Source/world/soldier_text_bubble.h"

std::unique_ptr<SpeechBubble> GameSoldierFactory::CreateBubble(SoldierEntity& soldier) const {
    return std::make_unique<SoldierTextBubble>(soldier);
}
