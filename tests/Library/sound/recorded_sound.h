#pragma once
// A sound manager on a recording layer, held in a slot as the game holds g_soundMgr, with
// its layer's log; the manager's start-up report is kept off the output.

#include "Library/core/struct.h"
#include "Library/core/tracked_new.h"
#include "Library/sound/sound_mgr.h"
#include "recording_sound_layer.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

class RecordedSound {
public:
    RecordedSound() {
        ::testing::internal::CaptureStdout();
        slot = NEW SoundMgr(32, std::make_unique<RecordingSoundLayer>(log));
        ::testing::internal::GetCapturedStdout();
    }
    ~RecordedSound() { ReleaseObject(slot); }
    RecordedSound(const RecordedSound&) = delete;
    RecordedSound& operator=(const RecordedSound&) = delete;

    long Count(const std::string& prefix) const { return CountCalls(log, prefix); }

    std::vector<std::string> log;
    SoundMgr* slot = nullptr;
};
