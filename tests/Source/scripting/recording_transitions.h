#pragma once
// The load-and-save manager as scripts reach it, installed for its lifetime: each request
// is written down under the name of the transition kind the manager stores for it, with
// its names ("MAP_TO_MAP demo gate"; "; " between requests). The world-to-map request
// stores none.

#include "Source/scripting/transition_requests.h"

#include <string>

namespace testsupport {

class RecordingTransitions : public TransitionRequests {
public:
    RecordingTransitions() { g_transitionRequests = this; }
    ~RecordingTransitions() override { g_transitionRequests = nullptr; }
    RecordingTransitions(const RecordingTransitions&) = delete;
    RecordingTransitions& operator=(const RecordingTransitions&) = delete;

    void RequestInitGame(const Stringc& script) override { Note("INIT_GAME", {script}); }
    void RequestPageToMap(const Stringc& map, const Stringc& entry) override {
        Note("PAGE_TO_MAP", {map, entry});
    }
    void RequestPageToTempMap(const Stringc& map, const Stringc& script,
                              const Stringc& entry) override {
        Note("PAGE_TO_TEMP_MAP", {map, script, entry});
    }
    void RequestPageToWorld(const Stringc& map, const Stringc& entry) override {
        Note("PAGE_TO_WORLD", {map, entry});
    }
    void RequestMapToPage(const Stringc& page) override { Note("MAP_TO_PAGE", {page}); }
    void RequestMapToMap(const Stringc& map, const Stringc& entry) override {
        Note("MAP_TO_MAP", {map, entry});
    }
    void RequestMapToWorld(const Stringc& map, const Stringc& entry) override {
        Note("MAP_TO_WORLD", {map, entry});
    }
    void RequestWorldToMap(const Stringc&, const Stringc&) override {}
    void RequestTempMapToWorld(const Stringc& map, const Stringc& entry) override {
        Note("TEMP_MAP_TO_WORLD", {map, entry});
    }

    std::string requests;

private:
    void Note(const char* kind, std::initializer_list<Stringc> names) {
        requests += (requests.empty() ? "" : "; ") + std::string(kind);
        for (const Stringc& name : names)
            requests += std::string(" ") + name.c_str();
    }
};

} // namespace testsupport
