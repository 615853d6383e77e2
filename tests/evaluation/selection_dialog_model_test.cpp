#include "evaluation/selection_dialog_model.h"

#include <gtest/gtest.h>

#include "support/scripted_dialogs.h"

namespace ovis {
namespace {

// I/O rows: 1 DC, 2 Relais, 3 AC, 4 Taste, 5 LED.
IoTable MixedIoTable() {
    IoTable io;
    ResetIoRows(io);
    const char* kinds[] = {"DC", "Relais", "AC", "Taste", "LED"};
    for (int i = 0; i < 5; ++i) io.Row(i).Typ = kinds[i];
    io.SetCount(5);
    return io;
}

TEST(SelectionDialog, GroupModeOffersInputsAndTranslatesRowNumbers) {
    IoTable io = MixedIoTable();
    EXPECT_EQ(GroupMemberCandidates(io), (std::vector<int>{1, 3, 4}));

    TGruppeRecord group{};
    group.Anzahl = 2;
    group.Mitglied[0] = 4;
    group.Mitglied[1] = 1;
    auto model = SelectionDialogModel::ForGroup(io, group);
    ASSERT_EQ(model.Count(), 3u);
    EXPECT_EQ(model.Name(1), "Meldung 3");
    EXPECT_TRUE(model.Ticked(0));
    EXPECT_FALSE(model.Ticked(1));
    EXPECT_TRUE(model.Ticked(2));
    EXPECT_EQ(model.Current(), 2u) << "the first member is the current entry";

    model.SetTicked(0, false);
    model.SetTicked(1, true);
    test::ScriptedDialogs dialogs;
    EXPECT_EQ(model.AcceptMembers(dialogs), (std::vector<std::uint16_t>{3, 4})) << "row numbers in list order";
}

TEST(SelectionDialog, MembersBeyondTheAnzahlAreNotTicked) {
    IoTable io = MixedIoTable();
    TGruppeRecord group{};
    group.Anzahl = 0;
    group.Mitglied[0] = 1;
    auto model = SelectionDialogModel::ForGroup(io, group);
    EXPECT_FALSE(model.Ticked(0));
    EXPECT_EQ(model.Current(), 0u);
}

TEST(SelectionDialog, MoreThanAHundredMembersAreRefused) {
    IoTable io;
    for (int i = 0; i < 101; ++i) {
        TIoRecord r{};
        r.Typ = "DC";
        io.Append(r);
    }
    auto model = SelectionDialogModel::ForGroup(io, TGruppeRecord{});
    model.AllOrNone();
    test::ScriptedDialogs dialogs;
    EXPECT_FALSE(model.AcceptMembers(dialogs).has_value());
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_NE(dialogs.boxes[0].text.find("höchstens 100"), std::string::npos);
    model.SetTicked(0, false);
    EXPECT_EQ(model.AcceptMembers(dialogs)->size(), 100u);
}

TEST(SelectionDialog, AllOrNoneFollowsTheFirstItem) {
    TAuswahlRecord selection{};
    struct Case {
        std::vector<std::uint8_t> before;
        bool expected;
    };
    const Case cases[] = {{{1, 0, 1}, false}, {{0, 1, 1}, true}, {{0, 0, 0}, true}};
    for (const auto& c : cases) {
        std::copy(c.before.begin(), c.before.end(), selection.Shown);
        auto model = SelectionDialogModel::ForFolder(SelectionCaller::Analyser, {"a", "b", "c"}, selection);
        model.AllOrNone();
        for (std::size_t i = 0; i < 3; ++i) EXPECT_EQ(model.Ticked(i), c.expected);
    }
}

TEST(SelectionDialog, FolderModeTicksFromTheRecordAndWritesItBack) {
    TAuswahlRecord selection{};
    selection.Shown[0] = 1;
    selection.Shown[2] = 1;
    selection.Shown[3] = 1;  // beyond the folder's messages: untouched
    auto model = SelectionDialogModel::ForFolder(SelectionCaller::Statistik, {"a", "b", "c"}, selection);
    EXPECT_TRUE(model.Ticked(0));
    EXPECT_FALSE(model.Ticked(1));
    EXPECT_TRUE(model.Ticked(2));
    model.SetCurrent(1);
    model.ToggleCurrent();
    model.AcceptInto(selection);
    EXPECT_EQ(selection.Shown[1], 1);
    EXPECT_EQ(selection.Shown[3], 1);
}

}  // namespace
}  // namespace ovis
