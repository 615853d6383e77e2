#include "tables/name_check.h"

#include <gtest/gtest.h>

#include "io_fixture.h"
#include "records/codepage.h"
#include "tables/table_save_checks.h"

namespace ovis {
namespace {

using test::IoProject;
using test::IoRow;

TEST(NamesEqual, FoldsOnlyTheLettersAToZ) {
    struct Case {
        const char* a;
        const char* b;
        bool equal;
    };
    const Case cases[] = {
        {"Tür auf", "TüR AUF", true},
        {"Pumpe 1", "pumpe 1", true},
        {"\xe4", "\xc4", false},  // ä and Ä in code page 1252
        {"Tor  zu", "Tor zu", false},
        {"Tor zu ", "Tor zu", false},
        {"[a]", "{A}", false},
        {"", "", true},
    };
    for (const auto& c : cases) EXPECT_EQ(NamesEqual(c.a, c.b), c.equal) << c.a << " / " << c.b;
}

TEST(SearchOrder, EachTableSearchesTheOthersInItsOrder) {
    using K = MessageTableKind;
    struct Case {
        K saving;
        std::vector<std::string> words;
    };
    const Case cases[] = {
        {K::Io, {"Programm", "Gruppen", "Counter", "Timer", "LED"}},
        {K::Groups, {"I / O", "Programm", "Counter", "Timer", "LED"}},
        {K::Counters, {"I / O", "Gruppe", "Programm", "Timer", "LED"}},
        {K::Timers, {"I / O", "Programm", "Gruppen", "Counter", "LED"}},
        {K::Led, {"I / O", "Programm", "Counter", "Timer", "Gruppen"}},
        {K::Program, {"I / O", "Gruppen", "Counter", "Timer", "LED", "Datenausgabe"}},
    };
    for (const auto& c : cases) {
        std::vector<std::string> words;
        for (const auto& other : SearchOrder(c.saving)) {
            words.push_back(other.word);
            EXPECT_NE(other.kind, c.saving) << "a table is not searched as its own other table";
        }
        EXPECT_EQ(words, c.words);
    }
}

// The I/O table's save check against the other tables of a project.
struct IoNameCheck : IoProject {
    template <typename Table>
    void AddNamed(Table& table, const std::string& name) {
        typename std::remove_reference_t<decltype(table.Row(0))> row{};
        row.Bezeichnung = name;
        table.Append(row);
    }
    std::optional<CheckFailure> Check() { return CheckIoTableForSave(*tables); }
};

TEST(IoNameCheck, MessagesAndCursorOfTheNameRules) {
    struct Case {
        const char* what;
        std::vector<std::string> ioNames;
        std::function<void(IoNameCheck&)> otherTables;
        std::optional<CheckFailure> expected;
    };
    const Case cases[] = {
        {"empty table", {}, [](IoNameCheck& f) { f.AddNamed(f.tables->timers, "A"); }, std::nullopt},
        {"missing name",
         {"A", "   ", "B"},
         {},
         CheckFailure{"Die Bezeichnung der Meldung in Zeile Nr. 2 fehlt!\r\r        Geben Sie bitte eine Bezeichnung an.",
                      2, 1}},
        {"three equal names name the second",
         {"Tor", "X", "tor", "TOR"},
         {},
         CheckFailure{"Die Meldung \"tor\" in Zeile Nr. 3 existiert bereits!\r\rGeben Sie bitte eine andere "
                      "Bezeichnung für diese Meldung an.",
                      3, 1}},
        {"same name in capitals in the timers",
         {"A", "Licht an"},
         [](IoNameCheck& f) {
             f.AddNamed(f.tables->timers, "x");
             f.AddNamed(f.tables->timers, "y");
             f.AddNamed(f.tables->timers, "LICHT AN");
         },
         CheckFailure{"Die Meldung \"Licht an\" in Zeile Nr. 2 existiert bereits in\r                       Zeile Nr. 3 "
                      "von Timer!\r\rGeben Sie bitte eine andere Bezeichnung für diese Meldung an.",
                      2, 1}},
        {"groups are searched before timers",
         {"A"},
         [](IoNameCheck& f) {
             f.AddNamed(f.tables->timers, "a");
             f.AddNamed(f.tables->groups, "a");
         },
         CheckFailure{"Die Meldung \"A\" in Zeile Nr. 1 existiert bereits in\r                       Zeile Nr. 1 von "
                      "Gruppen!\r\rGeben Sie bitte eine andere Bezeichnung für diese Meldung an.",
                      1, 1}},
        {"program lines come first",
         {"A", "B"},
         [](IoNameCheck& f) {
             f.AddNamed(f.tables->led, "a");
             f.AddNamed(f.tables->program.lines, "b");
         },
         CheckFailure{"Die Meldung \"B\" in Zeile Nr. 2 existiert bereits in\r                       Zeile Nr. 1 von "
                      "Programm!\r\rGeben Sie bitte eine andere Bezeichnung für diese Meldung an.",
                      2, 1}},
        {"umlaut and inner blanks differ", {"T\xfcr", "Tor  zu"},
         [](IoNameCheck& f) {
             f.AddNamed(f.tables->counters, "T\xdcr");
             f.AddNamed(f.tables->counters, "Tor zu");
         },
         std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        IoNameCheck f;
        for (const auto& name : c.ioNames) f.tables->io.Append(IoRow(name));
        if (c.otherTables) c.otherTables(f);
        EXPECT_EQ(f.Check(), c.expected);
    }
}

TEST(IoNameCheck, TrimmedNamesAreKeptEvenWhenALaterStepFails) {
    IoNameCheck f;
    f.tables->io.Append(IoRow("  Pumpe  "));
    f.tables->io.Append(IoRow(" Tor"));
    f.tables->io.Append(IoRow(""));
    auto failure = f.Check();
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->row, 3u);
    EXPECT_EQ(f.tables->io.Row(0).Bezeichnung.str(), "Pumpe");
    EXPECT_EQ(f.tables->io.Row(1).Bezeichnung.str(), "Tor");
}

TEST(IoNameCheck, NameChecksComeBeforeTheOrderChecksAndTheOrderChecksBeforeOtherTables) {
    IoNameCheck f;
    f.tables->io.Append(IoRow("A", 1, kUpperRow, "LED"));
    f.tables->io.Append(IoRow("B", 1, kUpperRow, "DC"));
    f.AddNamed(f.tables->groups, "A");
    auto failure = f.Check();
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->column, 5) << "the kind order is reported before the group name";

    f.tables->io.Row(1).Bezeichnung = "a";
    failure = f.Check();
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->column, 1) << "the duplicate comes first";
}

}  // namespace
}  // namespace ovis
