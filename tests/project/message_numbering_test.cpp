#include "project/message_numbering.h"

#include <gtest/gtest.h>

#include "programs/program_lines.h"

namespace ovis {
namespace {

template <typename Record>
std::vector<Record> Named(std::initializer_list<const char*> names) {
    std::vector<Record> rows;
    for (const char* name : names) {
        Record row{};
        row.Bezeichnung = name;
        rows.push_back(row);
    }
    return rows;
}

struct NumberingFixture : ::testing::Test {
    std::vector<TIoRecord> io = Named<TIoRecord>({"E1", "A1"});
    std::vector<TLedRecord> led = Named<TLedRecord>({"Text"});
    std::vector<TCounterRecord> counters = Named<TCounterRecord>({"Zaehler", "E1"});
    std::vector<TTimerRecord> timers = Named<TTimerRecord>({"Morgens"});
    std::vector<std::string> outputFiles = {"Ablauf"};
    std::vector<TGruppeRecord> groups = Named<TGruppeRecord>({"Gruppe1"});
    std::vector<TProgrammLine> lines = {test::Line("P1", "E1"), test::Line("P2", "E2")};

    MessageNumbering Numbering() const {
        return MessageNumbering({io, led, counters, timers, outputFiles, groups, lines});
    }
};

TEST_F(NumberingFixture, NumbersEveryTableInTheFixedOrder) {
    MessageNumbering numbering = Numbering();
    std::vector<std::pair<int, std::string>> got;
    for (const auto& m : numbering.Messages()) got.emplace_back(m.number, std::string(MessageKindName(m.kind)) + ":" + m.name);
    EXPECT_EQ(got, (std::vector<std::pair<int, std::string>>{{1, "IO:E1"},
                                                              {2, "IO:A1"},
                                                              {3, "LED:Text"},
                                                              {4, "Counter:Zaehler"},
                                                              {5, "Counter:E1"},
                                                              {6, "Timer:Morgens"},
                                                              {7, "Ausgabe:Ablauf"},
                                                              {8, "Gruppe:Gruppe1"},
                                                              {9, "Programm:P1"},
                                                              {10, "Programm:P2"}}));
    EXPECT_EQ(numbering.Count(MessageKind::Counter), 2u);
    EXPECT_EQ(numbering.FirstNumber(MessageKind::Counter), 4);
    EXPECT_EQ(numbering.FirstNumber(MessageKind::ProgramLine), 9);
}

TEST_F(NumberingFixture, LookupIsExactAndFindsTheFirstRow) {
    MessageNumbering numbering = Numbering();
    struct Case {
        const char* name;
        int number;
    };
    for (const auto& c : std::vector<Case>{{"E1", 1},       // also a counter: the I/O row comes first
                                           {"Ablauf", 7},
                                           {"P2", 10},
                                           {"e1", 0},        // case-sensitive
                                           {"E1 ", 0},
                                           {"Unbekannt", 0},
                                           {"", 0}}) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(numbering.Number(c.name), c.number);
    }
}

TEST(MessageNumbering, EmptyTablesKeepTheNumbersOfTheFollowingOnes) {
    std::vector<TGruppeRecord> groups = Named<TGruppeRecord>({"G"});
    MessageNumbering numbering({{}, {}, {}, {}, {}, groups, {}});
    EXPECT_EQ(numbering.Number("G"), 1);
    EXPECT_EQ(numbering.FirstNumber(MessageKind::Group), 1);
    EXPECT_EQ(numbering.FirstNumber(MessageKind::ProgramLine), 2);
    EXPECT_EQ(numbering.Total(), 1u);
}

}  // namespace
}  // namespace ovis
