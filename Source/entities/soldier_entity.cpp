#include "Source/entities/soldier_entity.h"

#include "Source/entities/script_machine.h"
#include "Source/entities/script_machine_factory.h"

SoldierEntity::SoldierEntity() {
    SetType(kTypeSoldier);
    for (std::unique_ptr<ScriptMachine>& script : m_scripts)
        script = GetScriptMachineFactory().Create(this);
}

SoldierEntity::~SoldierEntity() = default;
