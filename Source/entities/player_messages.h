#pragma once
// Where the messages for the player that map objects give go: the play screen's message
// lines. The game installs them at set-up; without them the messages are not shown.

class PlayerMessages {
public:
    virtual ~PlayerMessages() = default;
    virtual void Add(const char* text) = 0;
};

extern PlayerMessages* g_playerMessages; // not owned; null: none
