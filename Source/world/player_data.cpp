#include "Source/world/player_data.h"

#include "Library/core/stream.h"
#include "Library/files/stored_name.h"
#include "Library/scripts/global_mgr.h"
#include "Library/scripts/global_timer_table.h"
#include "Source/world/game_clock.h"
#include "Source/world/log_mgr.h"
#include "Source/world/offscreen_game.h"
#include "Source/world/party_mgr.h"
#include "Source/world/story_page_view.h"

namespace {

enum TutorialByte : uint8_t { kNoTutorial = 0, kTutorial = 1, kTutorialPanelPutAway = 2 };

bool WriteFlag(Stream& stream, bool flag) {
    const uint8_t byte = flag ? 1 : 0;
    return stream.Write(&byte, 1) == kStreamOk;
}

bool ReadFlag(Stream& stream, bool& flag) {
    uint8_t byte = 0;
    if (stream.Read(&byte, 1) != kStreamOk)
        return false;
    flag = byte != 0;
    return true;
}

bool WriteTutorial(Stream& stream, const PlayerData::Place& place) {
    uint8_t byte = kNoTutorial;
    if (place.tutorial)
        byte = place.tutorialPanelPutAway ? kTutorialPanelPutAway : kTutorial;
    return stream.Write(&byte, 1) == kStreamOk;
}

bool ReadTutorial(Stream& stream, PlayerData::Place& place) {
    uint8_t byte = 0;
    if (stream.Read(&byte, 1) != kStreamOk)
        return false;
    place.tutorial = byte != kNoTutorial;
    place.tutorialPanelPutAway = byte == kTutorialPanelPutAway;
    return true;
}

} // namespace

bool PlayerData::Write(Stream& stream, const Place& place, const Keepers& keepers) {
    const auto picture = static_cast<uint8_t>(place.pagePicture);
    return place.description.Write(stream) && place.mapName.Write(stream) &&
           place.workingMapName.Write(stream) && place.pageName.Write(stream) &&
           place.view.Write(stream) && WriteFlag(stream, place.inTemporaryMap) &&
           WriteTutorial(stream, place) && place.scriptState.Write(stream) &&
           keepers.party.Save(stream) && keepers.globals.Save(stream) &&
           keepers.gameTimers.WriteCounter(stream) && keepers.realTimers.WriteCounter(stream) &&
           keepers.journal.Save(stream) && keepers.clock.Save(stream) &&
           stream.Write(&picture, 1) == kStreamOk;
}

bool PlayerData::ReadNames(Stream& stream, Place& place) {
    return place.description.Read(stream) && place.mapName.Read(stream) &&
           StoredName::Check(place.mapName) && place.workingMapName.Read(stream) &&
           StoredName::Check(place.workingMapName);
}

bool PlayerData::ReadRestOfPlace(Stream& stream, Place& place) {
    return place.pageName.Read(stream) && StoredName::Check(place.pageName) &&
           place.view.Read(stream) && ReadFlag(stream, place.inTemporaryMap) &&
           ReadTutorial(stream, place) && place.scriptState.Read(stream);
}

bool PlayerData::ReadGame(Stream& stream, const Keepers& keepers) {
    return keepers.globals.Load(stream) && keepers.gameTimers.ReadCounter(stream) &&
           keepers.realTimers.ReadCounter(stream) && keepers.journal.Load(stream) &&
           keepers.clock.Load(stream);
}

void PlayerData::ReadPagePicture(Stream& stream, Place& place) {
    uint8_t picture = 0;
    const bool read = stream.Read(&picture, 1) == kStreamOk;
    place.pagePicture = read && picture <= StoryPageView::kSmallSplashes ? picture : 0;
}

// The party is made in an entity manager of its own, released with it.
bool PlayerData::Check(Stream& stream, Place& place) {
    OffscreenGame scratch;
    if (!ReadNames(stream, place) || !ReadRestOfPlace(stream, place) ||
        !scratch.Party().Load(stream) || !ReadGame(stream, scratch.Keepers()))
        return false;
    ReadPagePicture(stream, place);
    return true;
}
