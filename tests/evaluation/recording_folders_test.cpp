#include "evaluation/recording_folders.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "project/io_tables.h"

namespace ovis {
namespace {

using Numbers = std::vector<int>;

// I/O rows 1..6: AC, Relais, DC, LED, Opto, Trans; three LED rows (7..9), two counters (10, 11); folders "Türen" (1),
// "Motor" (2), "Leer" (3, no group), and 4 without a name.
class FolderMessagesTest : public testing::Test {
protected:
    std::unique_ptr<IoTable> io = std::make_unique<IoTable>();
    std::unique_ptr<GroupTable> groups = std::make_unique<GroupTable>();
    TParameterRecord parameters{};
    std::vector<TLedRecord> led = std::vector<TLedRecord>(3, TLedRecord{});
    std::vector<TCounterRecord> counters = std::vector<TCounterRecord>(2, TCounterRecord{});

    FolderMessagesTest() {
        const char* kinds[] = {"AC", "Relais", "DC", "LED", "Opto", "Trans"};
        for (const char* kind : kinds) {
            TIoRecord row{};
            row.Typ = kind;
            row.Bezeichnung = std::string("E/A ") + kind;
            io->Append(row);
        }
        for (std::size_t i = 0; i < led.size(); ++i) led[i].Bezeichnung = "Text " + std::to_string(i + 1);
        const char* folders[] = {"Alle Meldungen", "T\xFCren", "Motor", "Leer"};
        for (int f = 0; f < 4; ++f) parameters.Ordner[f] = folders[f];
        parameters.Ordner[kOutputFolder] = "Ausgangsdaten";
        AddGroup("T\xFCren", {5, 1, 3});
        AddGroup("Motor", {2, 8});
        AddGroup("T\xFCren", {3, 6, 0, 10, 4});  // 0 and 10 name no message
        AddGroup("t\xFCren", {2});                // another folder name
        AddGroup("", {1, 2, 3});                  // not recorded
    }

    void AddGroup(const char* folder, Numbers members) {
        TGruppeRecord group{};
        group.SpeicherOrdner = folder;
        for (std::size_t m = 0; m < members.size(); ++m) group.Mitglied[m] = std::uint16_t(members[m]);
        group.Mitglied[members.size()] = 9;  // beyond Anzahl: not a member
        group.Anzahl = int(members.size());
        groups->Append(group);
    }

    MessageNumbering Numbering() const {
        MessageSources sources{};
        sources.io = io->Rows();
        sources.led = led;
        sources.counters = counters;
        sources.groups = groups->Rows();
        return MessageNumbering(sources);
    }

    Numbers Folder(int folder) const { return FolderMessages(folder, Numbering(), io->Rows(), *groups, parameters); }
};

TEST_F(FolderMessagesTest, MessagesOfEachKindOfFolder) {
    EXPECT_EQ(Folder(0), (Numbers{1, 2, 3, 4, 5, 6, 7, 8, 9})) << "every I/O message, then every LED message";
    EXPECT_EQ(Folder(kOutputFolder), (Numbers{2, 4, 5, 6, 7, 8, 9})) << "output kinds, then every LED message";
    EXPECT_EQ(Folder(1), (Numbers{1, 3, 4, 5, 6})) << "members of its groups, each once, ascending";
    EXPECT_EQ(Folder(2), (Numbers{2, 8}));
    EXPECT_EQ(Folder(3), Numbers{}) << "no group records into it";
    EXPECT_EQ(Folder(4), Numbers{}) << "a folder without a name does not take the unrecorded groups";
    EXPECT_EQ(Folder(-1), Numbers{});
    EXPECT_EQ(Folder(kFolderCount), Numbers{});
}

TEST_F(FolderMessagesTest, MembersBeyondTheGroupsCountAreLeftOut) {
    groups->Row(1).Anzahl = 1;
    EXPECT_EQ(Folder(2), (Numbers{2}));
    groups->Row(1).Anzahl = 1000;  // damaged: at most 100 members count
    EXPECT_EQ(Folder(2), (Numbers{2, 8, 9}));
}

TEST_F(FolderMessagesTest, RecordedNumbersNameIoAndLedMessagesOnly) {
    const MessageNumbering numbering = Numbering();
    EXPECT_EQ(RecordedMessageName(numbering, 1), "E/A AC");
    EXPECT_EQ(RecordedMessageName(numbering, 6), "E/A Trans");
    EXPECT_EQ(RecordedMessageName(numbering, 7), "Text 1");
    EXPECT_EQ(RecordedMessageName(numbering, 9), "Text 3");
    EXPECT_EQ(RecordedMessageName(numbering, 10), "") << "a counter is not recorded";
    EXPECT_EQ(RecordedMessageName(numbering, 0), "");
}

TEST_F(FolderMessagesTest, FolderIndexOfItsName) {
    EXPECT_EQ(FolderIndexOf(parameters, "Motor"), 2);
    EXPECT_EQ(FolderIndexOf(parameters, "Ausgangsdaten"), kOutputFolder);
    EXPECT_EQ(FolderIndexOf(parameters, "Unbekannt"), 0);
}

}  // namespace
}  // namespace ovis
