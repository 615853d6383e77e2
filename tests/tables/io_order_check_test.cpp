#include "tables/io_order_check.h"

#include <gtest/gtest.h>

#include "io_fixture.h"

namespace ovis {
namespace {

using test::IoRow;

const std::string kFirstLine = " ist möglicherweise falsch eingeordnet!\r\r";

std::string Misplaced(const std::string& name, int row, const std::string& hint) {
    return "Die Meldung \"" + name + "\" in Zeile Nr. " + std::to_string(row) + kFirstLine + hint;
}

TEST(IoOrderCheck, CasesAndTheirMessages) {
    const std::string kind = "            Bitte überprüfen Sie die Angaben des Typs.";
    const std::string module = "            Bitte überprüfen Sie die Angaben in der Spalte Modul.";
    const std::string terminal = "            Bitte überprüfen Sie die Angaben in der Spalte Klemme.";
    const std::string outputs = "            Bitte überprüfen Sie die Angaben unter Modul bzw. Klemme.";
    const char* U = kUpperRow;
    const char* L = kLowerRow;
    struct Case {
        const char* what;
        std::vector<TIoRecord> rows;
        std::optional<CheckFailure> expected;
    };
    const Case cases[] = {
        {"one row never fails", {IoRow("a", 9, L, "LED")}, std::nullopt},
        {"ordered inputs and outputs",
         {IoRow("a", 1, U, "AC"), IoRow("b", 1, L, "DC"), IoRow("c", 2, U, "Taste"), IoRow("d", 1, U, "Relais"),
          IoRow("e", 1, L, "LED"), IoRow("f", 3, U, "Trans")},
         std::nullopt},
        {"AC on module 2 before DC on module 1",
         {IoRow("a", 2, U, "AC"), IoRow("b", 1, U, "DC")},
         CheckFailure{Misplaced("b", 2, module), 2, 2}},
        {"lower before upper row of one module",
         {IoRow("a", 1, L, "DC"), IoRow("b", 1, U, "DC")},
         CheckFailure{Misplaced("a", 1, terminal), 1, 3}},
        {"lower before upper row of different modules is fine",
         {IoRow("a", 1, L, "DC"), IoRow("b", 2, U, "DC")},
         std::nullopt},
        {"an output before an input names the output",
         {IoRow("a", 1, U, "DC"), IoRow("b", 1, U, "LED"), IoRow("c", 1, U, "DC")},
         CheckFailure{Misplaced("b", 2, kind), 2, 5}},
        {"the first input after any output",
         {IoRow("a", 1, U, "Opto"), IoRow("b", 1, U, "Trans"), IoRow("c", 1, U, "AC"), IoRow("d", 1, U, "DC")},
         CheckFailure{Misplaced("b", 2, kind), 2, 5}},
        {"outputs out of module order name the earlier row",
         {IoRow("a", 1, U, "DC"), IoRow("b", 3, U, "Relais"), IoRow("c", 2, U, "Relais")},
         CheckFailure{Misplaced("b", 2, outputs), 2, 2}},
        {"outputs lower before upper",
         {IoRow("b", 4, L, "Relais"), IoRow("c", 4, U, "Opto")},
         CheckFailure{Misplaced("b", 1, outputs), 1, 2}},
        {"module order is checked before the row order",
         {IoRow("a", 2, L, "DC"), IoRow("b", 1, U, "DC")},
         CheckFailure{Misplaced("b", 2, module), 2, 2}},
        {"the first failing pair counts",
         {IoRow("a", 1, L, "DC"), IoRow("b", 1, U, "DC"), IoRow("c", 0, U, "DC")},
         CheckFailure{Misplaced("a", 1, terminal), 1, 3}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(CheckIoOrder(c.rows), c.expected);
    }
}

}  // namespace
}  // namespace ovis
