#pragma once
// A creature behaviour and a speech bubble that record what they are given, and the
// factories that give them to the real creatures they make.

#include "Source/creatures/creature_factory.h"
#include "Source/entities/creature_commands.h"
#include "Source/entities/entity.h"
#include "Source/entities/speech_bubble.h"

#include <memory>
#include <string>
#include <vector>

namespace testsupport {

// "command <id>" and its entity's name for each command given, "clear" for each clearing.
class FakeBehaviour : public CreatureCommands {
public:
    void SetCommand(int id, const CommandArg& a, const CommandArg&, const CommandArg&,
                    int) override {
        std::string note = "command " + std::to_string(id);
        if (a.AsEntity() != nullptr)
            note += std::string(" ") + a.AsEntity()->GetRef().GetName().c_str();
        log.push_back(note);
    }
    void ClearCommand() override { log.push_back("clear"); }
    void Update() override {}
    uint8_t GetStatus() const override { return status; }
    void Describe(int, int, Screen&) const override {}

    std::vector<std::string> log;
    uint8_t status = 1;
};

// Each line said, after its style: "say" in the bubble, "alt" in the plain box.
class FakeBubble : public SpeechBubble {
public:
    void Say(const Stringc& text) override { said.push_back(std::string("say ") + text.c_str()); }
    void SayAlt(const Stringc& text) override {
        said.push_back(std::string("alt ") + text.c_str());
    }

    std::vector<std::string> said;
};

// Real creatures and behaviour with recording bubbles.
class SpeakingCreatureFactory : public CreatureFactory {
public:
    std::unique_ptr<SpeechBubble> CreateBubble(SoldierEntity&) const override {
        return std::make_unique<FakeBubble>();
    }
};

// And a recording behaviour.
class ScriptCreatureFactory : public SpeakingCreatureFactory {
public:
    std::unique_ptr<CreatureCommands> CreateBehaviour(SoldierEntity&) const override {
        return std::make_unique<FakeBehaviour>();
    }
};

} // namespace testsupport
