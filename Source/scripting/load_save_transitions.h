#pragma once
// The changes of place and the new games scripts ask for, stored by the load-and-save
// manager itself.

#include "Source/scripting/transition_requests.h"

class LoadSaveMgr;

class LoadSaveTransitions : public TransitionRequests {
public:
    explicit LoadSaveTransitions(LoadSaveMgr& manager) : m_manager(manager) {} // outlives it

    void RequestMapToWorld(const Stringc& map, const Stringc& entryPoint) override;
    void RequestMapToPage(const Stringc& page) override;
    void RequestTempMapToWorld(const Stringc& map, const Stringc& entryPoint) override;
    void RequestMapToMap(const Stringc& map, const Stringc& entryPoint) override;
    void RequestInitGame(const Stringc& startScript) override;
    void RequestPageToMap(const Stringc& map, const Stringc& entryPoint) override;
    void RequestPageToTempMap(const Stringc& map, const Stringc& regionScript,
                              const Stringc& entryPoint) override;
    void RequestPageToWorld(const Stringc& map, const Stringc& entryPoint) override;
    void RequestWorldToMap(const Stringc& map, const Stringc& entryPoint) override;

private:
    LoadSaveMgr& m_manager;
};
