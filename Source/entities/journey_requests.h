#pragma once
// The journeys a travel point asks of the load-and-save manager, each run at its next
// update. The game installs its manager at set-up; without one a travel point goes nowhere.

#include "Library/core/stringc.h"

class JourneyRequests {
public:
    virtual ~JourneyRequests() = default;

    virtual void RequestMapToWorld(const Stringc& map, const Stringc& entryPoint) = 0;
    virtual void RequestMapToPage(const Stringc& page) = 0;
    virtual void RequestTempMapToWorld(const Stringc& map, const Stringc& entryPoint) = 0;
    virtual void RequestMapToMap(const Stringc& map, const Stringc& entryPoint) = 0;
};

extern JourneyRequests* g_journeyRequests; // not owned; null: none
