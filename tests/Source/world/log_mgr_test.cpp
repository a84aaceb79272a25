#include "Source/world/log_mgr.h"

#include "Library/core/test_stream_support.h"
#include "Library/interface/info_panel.h"
#include "Library/interface/interface_fixture.h"
#include "Library/interface/text_block.h"

#include <gtest/gtest.h>

namespace {

// Showing "Vault"; topics "Vault" (open, "Find it.") and "Map" (closed, no text); one open
// note "Gate" under "vault".
const Bytes kJournal = {
    0x06, 0x00, 'V',  'a',  'u', 'l',  't',  0x00,                  // current topic
    0x02, 0x00, 0x00, 0x00,                                         // topic count
    0x06, 0x00, 'V',  'a',  'u', 'l',  't',  0x00,                  // first
    0x09, 0x00, 'F',  'i',  'n', 'd',  ' ',  'i',  't',  '.', 0x00, // second
    0x01,                                                           // active
    0x04, 0x00, 'M',  'a',  'p', 0x00, 0x00, 0x00, 0x00,            // "Map", "", closed
    0x01, 0x00, 0x00, 0x00,                                         // note count
    0x06, 0x00, 'v',  'a',  'u', 'l',  't',  0x00,                  //
    0x05, 0x00, 'G',  'a',  't', 'e',  0x00, 0x01,                  //
};

void FillJournal(LogMgr& journal) {
    journal.AddEntry("Vault", "Find it.");
    journal.AddEntry("Map", "");
    journal.ClearEntry("Map");
    journal.AddPairEntry("vault", "Gate");
    journal.SetText("Vault");
}

TEST(LogMgr, TheJournalIsStoredAsLaidOutAndEveryCutOrForgedCopyChangesNothing) {
    LogMgr journal;
    FillJournal(journal);
    ASSERT_EQ(SavedForm(journal), kJournal);

    LogMgr read;
    ExpectLoadRoundTripAndCutsFail(kJournal, read);
    for (const int32_t forged : {-1, 3, 0x7FFFFFFF}) {
        Bytes bytes = kJournal;
        PutFieldAt(bytes.data(), 8, forged); // the topic count
        EXPECT_FALSE(LoadFrom(read, bytes)) << forged;
        EXPECT_EQ(SavedForm(read), kJournal) << forged;
    }
}

TEST(LogMgr, KeysIgnoreCaseAnEntryAddedAgainKeepsItsTextAndTheListGrowsByFifty) {
    LogMgr journal;
    FillJournal(journal);
    journal.AddEntry("VAULT", "Something else.");
    journal.AddEntry("map", "Now with text.");
    journal.AddPairEntry("VAULT", "gate");
    EXPECT_EQ(SavedForm(journal), kJournal);
    EXPECT_FALSE(journal.ClearEntry("Cellar"));
    EXPECT_TRUE(journal.ClearPairEntry("Vault", "GATE"));
    EXPECT_EQ(journal.FindPair("vault", "Gate")->active, 0);

    for (int i = 0; i < 49; ++i)
        journal.AddEntry(Stringc(i), "");
    EXPECT_EQ(journal.CountTopics(), 51); // the fifty-first grew the list
}

class LogPanels : public InterfaceTest {
protected:
    InfoPanel MakePanel() const { return InfoPanel(Rect{0, 0, 300, 300}, 1, 30, 1, 1); }
    static int LineCount(const InfoPanel& panel) { return panel.GetWindow().GetBlockCount(); }
    static bool IsHighlighted(const InfoPanel& panel, int line) {
        return panel.GetWindow().GetBlock(line).IsHighlighted();
    }
};

TEST_F(LogPanels, TheLogFillsTopicsTextAndNotesWithClosedEntriesHighlighted) {
    LogMgr journal;
    InfoPanel topics = MakePanel(), text = MakePanel(), notes = MakePanel();
    text.AddText("kept");
    EXPECT_FALSE(journal.FillPanelByKey(topics, text, notes));
    EXPECT_EQ(LineCount(text), 1); // untouched without topics

    FillJournal(journal);
    journal.ClearPairEntry("vault", "Gate");
    ASSERT_TRUE(journal.FillPanelByKey(topics, text, notes));
    ASSERT_EQ(LineCount(topics), 2);
    EXPECT_FALSE(IsHighlighted(topics, 0));
    EXPECT_TRUE(IsHighlighted(topics, 1)); // "Map" is closed
    ASSERT_EQ(LineCount(text), 1);
    EXPECT_STREQ(text.GetWindow().GetBlock(0).GetText().c_str(), "Find it.");
    ASSERT_EQ(LineCount(notes), 1);
    EXPECT_TRUE(IsHighlighted(notes, 0));
    EXPECT_FALSE(journal.FillList(notes, "Map"));
    EXPECT_EQ(LineCount(notes), 0);
}

} // namespace
