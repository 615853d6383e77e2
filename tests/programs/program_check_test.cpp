// The check of a program before it is saved: its order, exact messages and selected cells.
#include <gtest/gtest.h>

#include "program_fixture.h"
#include "programs/program_check.h"
#include "project/output_file_table.h"

namespace ovis {
namespace {

using test::Line;

const std::string kOtherTableEnd = "!\r\rGeben Sie bitte eine andere Bezeichnung für diese Meldung an.";

std::string InOtherTable(const std::string& name, int line, int row, const std::string& word) {
    return "Die Meldung \"" + name + "\" in Zeile Nr. " + std::to_string(line) + " existiert bereits in\r" +
           "                       Zeile Nr. " + std::to_string(row) + " von " + word + kOtherTableEnd;
}

std::string LogicError(int line) {
    return "Die Zeile Nr. " + std::to_string(line) +
           " enthält einen logischen Fehler!\r\r Überprüfen Sie bitte die aktuellen Angaben.";
}

std::string OrderError(int line) {
    return "Die Zeile Nr. " + std::to_string(line) +
           " enthält im Bereich Order / Meldung C einen Fehler!\r\r"
           "              Überprüfen Sie bitte die aktuellen Angaben.";
}

struct CheckProject : test::ProgramProject {
    CheckProject() {
        // Output data "Kurve" as the only file of the output folder.
        const auto folder = OutputFolderPath(Dir(), tables->parameters.Record());
        std::filesystem::create_directories(folder);
        const std::array<std::uint8_t, 20> records{};
        WriteFileAtomically(folder / "Kurve.ofa", Bytes(records.begin(), records.end()));
    }
};

TEST(ProgramCheck, StopsAtTheFirstFailureWithItsMessageAndCell) {
    struct Case {
        const char* what;
        std::vector<TProgrammLine> lines;
        std::optional<CheckFailure> failure;
    };
    const Case cases[] = {
        {"valid lines", {Line("A"), Line("B", "Netz", "AND", "Tor", "GOTO", "A"), Line("C", "A", ">", "B")}, {}},
        {"a new line unchanged", {NewProgramLine(0)}, CheckFailure{LogicError(1), 1, 3}},
        {"TRUE with a second operand", {Line("A"), Line("B", "Netz", "TRUE", "Tor")}, CheckFailure{LogicError(2), 2, 3}},
        {"FALSE without operand", {Line("A", "", "FALSE")}, CheckFailure{LogicError(1), 1, 3}},
        {"AND without a second operand", {Line("A", "Netz", "AND")}, CheckFailure{LogicError(1), 1, 3}},
        {"a file's operator needs both operands", {Line("A", "Netz", ">=")}, CheckFailure{LogicError(1), 1, 3}},
        {"GOTO without target", {Line("A", "Netz", "TRUE", "", "GOTO")}, CheckFailure{OrderError(1), 1, 7}},
        {"NONE with a target", {Line("A"), Line("B", "Netz", "TRUE", "", "NONE", "A")}, CheckFailure{OrderError(2), 2, 7}},
        {"logic before order", {Line("A", "Netz", "TRUE", "", "GOTO"), Line("B", "")}, CheckFailure{LogicError(2), 2, 3}},
        {"an I/O name in other letter case", {Line("A"), Line("tor")}, CheckFailure{InOtherTable("tor", 2, 4, "I / O"), 2, 1}},
        {"a group's name", {Line("ALARM")}, CheckFailure{InOtherTable("ALARM", 1, 1, "Gruppen"), 1, 1}},
        {"a counter's name", {Line("Zaehler")}, CheckFailure{InOtherTable("Zaehler", 1, 1, "Counter"), 1, 1}},
        {"a timer's name", {Line("Uhr")}, CheckFailure{InOtherTable("Uhr", 1, 1, "Timer"), 1, 1}},
        {"an LED name", {Line("Laufschrift")}, CheckFailure{InOtherTable("Laufschrift", 1, 2, "LED"), 1, 1}},
        {"an output-data name", {Line("kurve")}, CheckFailure{InOtherTable("kurve", 1, 1, "Datenausgabe"), 1, 1}},
        {"I/O searched before groups", {Line("Alarm"), Line("Netz")},
         CheckFailure{InOtherTable("Netz", 2, 3, "I / O"), 2, 1}},
        {"empty and duplicate names are not refused", {Line(""), Line("X"), Line("x")}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        CheckProject project;
        project.Lines().Assign(c.lines);
        EXPECT_EQ(CheckProgramForSave(*project.tables, project.Dir()), c.failure);
    }
}

TEST(ProgramCheck, TrimsNamesEvenWhenALaterStepFails) {
    CheckProject project;
    project.Lines().Assign(std::vector{Line("  A "), Line(" B", "")});
    const auto failure = CheckProgramForSave(*project.tables, project.Dir());
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->message, LogicError(2));
    EXPECT_EQ(project.Names(), (std::vector<std::string>{"A", "B"}));
}

}  // namespace
}  // namespace ovis
