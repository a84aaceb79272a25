#pragma once
// Makes every soldier's creature and behaviour. The game installs one at set-up; tools and
// tests that handle soldiers install their own for as long as they need it.

#include "Source/entities/soldier_parts_factory.h"

class CreatureFactory : public SoldierPartsFactory {
public:
    std::unique_ptr<CreatureParts> CreateCreature(SoldierEntity& soldier) const override;
    std::unique_ptr<CreatureCommands> CreateBehaviour(SoldierEntity& soldier) const override;
};

// Installed for its lifetime, the one before it installed again afterwards.
class ScopedCreatureFactory {
public:
    ScopedCreatureFactory();
    ~ScopedCreatureFactory();
    ScopedCreatureFactory(const ScopedCreatureFactory&) = delete;
    ScopedCreatureFactory& operator=(const ScopedCreatureFactory&) = delete;

private:
    CreatureFactory m_factory;
    const SoldierPartsFactory* m_previous;
};
