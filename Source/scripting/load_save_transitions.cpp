#include "Source/scripting/load_save_transitions.h"

#include "Source/world/load_save_mgr.h"

void LoadSaveTransitions::RequestMapToWorld(const Stringc& map, const Stringc& entryPoint) {
    m_manager.RequestMapToWorld(map, entryPoint);
}

void LoadSaveTransitions::RequestMapToPage(const Stringc& page) {
    m_manager.RequestMapToPage(page);
}

void LoadSaveTransitions::RequestTempMapToWorld(const Stringc& map, const Stringc& entryPoint) {
    m_manager.RequestTempMapToWorld(map, entryPoint);
}

void LoadSaveTransitions::RequestMapToMap(const Stringc& map, const Stringc& entryPoint) {
    m_manager.RequestMapToMap(map, entryPoint);
}

void LoadSaveTransitions::RequestInitGame(const Stringc& startScript) {
    m_manager.RequestInitGame(startScript);
}

void LoadSaveTransitions::RequestPageToMap(const Stringc& map, const Stringc& entryPoint) {
    m_manager.RequestPageToMap(map, entryPoint);
}

void LoadSaveTransitions::RequestPageToTempMap(const Stringc& map, const Stringc& regionScript,
                                               const Stringc& entryPoint) {
    m_manager.RequestPageToTempMap(map, regionScript, entryPoint);
}

void LoadSaveTransitions::RequestPageToWorld(const Stringc& map, const Stringc& entryPoint) {
    m_manager.RequestPageToWorld(map, entryPoint);
}

void LoadSaveTransitions::RequestWorldToMap(const Stringc& map, const Stringc& entryPoint) {
    m_manager.RequestWorldToMap(map, entryPoint);
}
