#pragma once
// Every change of place and every new game a script can ask of the load-and-save manager,
// each stored and run at its next update (a later request replaces an earlier one). The
// manager serves it from set-up; without one the requests go nowhere.

#include "Source/entities/journey_requests.h"

class TransitionRequests : public JourneyRequests {
public:
    virtual void RequestInitGame(const Stringc& startScript) = 0;
    virtual void RequestPageToMap(const Stringc& map, const Stringc& entryPoint) = 0;
    virtual void RequestPageToTempMap(const Stringc& map, const Stringc& regionScript,
                                      const Stringc& entryPoint) = 0;
    virtual void RequestPageToWorld(const Stringc& map, const Stringc& entryPoint) = 0;
    virtual void RequestWorldToMap(const Stringc& map, const Stringc& entryPoint) = 0;
};

extern TransitionRequests* g_transitionRequests; // not owned; null: none
