// The program editor model: operand cells, renames, pastes, line moves and the file commands.
#include <gtest/gtest.h>

#include "program_fixture.h"
#include "programs/program_columns.h"
#include "support/file_bytes.h"

namespace ovis {
namespace {

namespace col = program_column;
using test::Line;

struct ProgramEditorTest : ::testing::Test, test::ProgramProject {
    ProgramEditor& E() { return editor; }
    std::vector<std::string> BoxTexts() {
        std::vector<std::string> texts;
        for (const auto& box : dialogs.boxes) texts.push_back(box.text);
        return texts;
    }
    // Selects a cell with a click.
    void Click(int row, int column) {
        E().Press(MouseButton::Left, row, column);
        E().Release(row, column);
    }
    void SelectRows(int top, int bottom) {
        E().MoveCursor(top, col::kName, false);
        E().MoveCursor(bottom, col::kName, true);
    }
    // Renames line `row` by inline editing.
    void Rename(int row, const std::string& name) {
        E().MoveCursor(row, col::kName, false);
        ASSERT_EQ(E().Enter(), CellAction::InlineEditor);
        E().InlineTextEdited(name);
        E().FinishInlineEdit();
    }
};

TEST_F(ProgramEditorTest, RenamingALineRenamesEveryOperandOfTheOldNameInOneUndoLevel) {
    SetLines({Line("A"), Line("B", "X", "AND", "x"), Line("X"), Line("D", "Tor", "TRUE", "", "SET", "X")});
    Rename(2, "Y");
    const auto& rows = Lines();
    EXPECT_EQ(rows.Row(1).MeldungA.view(), "Y");
    EXPECT_EQ(rows.Row(1).MeldungB.view(), "x");  // the rename is case-sensitive
    EXPECT_EQ(rows.Row(3).MeldungC.view(), "Y");
    EXPECT_EQ(E().Table().UndoLevels(), 1);
    E().Undo();
    EXPECT_EQ(rows.Row(2).Bezeichnung.view(), "X");
    EXPECT_EQ(rows.Row(1).MeldungA.view(), "X");
    EXPECT_EQ(rows.Row(3).MeldungC.view(), "X");
}

TEST_F(ProgramEditorTest, NamingANewLineRenamesNoOperand) {
    SetLines({Line("A", "Programm - Meldung")});
    E().NewMessage();
    Rename(1, "B");
    EXPECT_EQ(Lines().Row(0).MeldungA.view(), "Programm - Meldung");
    EXPECT_EQ(Lines().Row(1).Bezeichnung.view(), "B");
}

TEST_F(ProgramEditorTest, NewLineIsRefusedWhileALineKeepsTheDefaultName) {
    SetLines({Line("A"), Line("B")});
    E().MoveCursor(0, col::kName, false);
    E().NewMessage();
    EXPECT_EQ(Names(), (std::vector<std::string>{"A", "Programm - Meldung", "B"}));
    EXPECT_EQ(Lines().Row(1).Nr, 2);
    E().MoveCursor(2, col::kName, false);
    E().NewMessage();
    EXPECT_EQ(Lines().Count(), 3u);
    EXPECT_EQ(E().CursorRow(), 1);
    EXPECT_EQ(BoxTexts(), (std::vector<std::string>{
                              "Bitte geben Sie zuerst der Meldung \"Programm - Meldung\" in Zeile Nr. 2 eine andere "
                              "Bezeichnung!"}));
}

TEST_F(ProgramEditorTest, PastedLinesAreMarkedAsCopies) {
    std::string longName(250, 'n');
    SetLines({Line("A"), Line(longName), Line("C")});
    SelectRows(0, 1);
    E().CopyMessages();
    E().MoveCursor(2, col::kName, false);
    E().PasteMessages();
    EXPECT_EQ(Names(), (std::vector<std::string>{"A", longName, "C", "(Kopie) A", ("(Kopie) " + longName).substr(0, 255)}));
    EXPECT_EQ(E().CursorRow(), 3);
    E().Undo();
    EXPECT_EQ(Names(), (std::vector<std::string>{"A", longName, "C"}));
}

TEST_F(ProgramEditorTest, ClickAfterAnEditedNameReportsTheLaterDuplicateAndEditsIt) {
    SetLines({Line("A"), Line("B"), Line("C")});
    Rename(2, " a ");
    EXPECT_EQ(E().Press(MouseButton::Left, 0, col::kOperandA), CellAction::InlineEditor);
    EXPECT_EQ(BoxTexts(), (std::vector<std::string>{"Die Meldung \"a\" in Zeile Nr. 3 existiert bereits!\r\r"
                                                     "Geben Sie bitte eine andere Bezeichnung für diese Meldung an."}));
    EXPECT_EQ(E().CursorRow(), 2);
    EXPECT_TRUE(E().InlineEditing());
    E().InlineTextEdited("D");
    E().Press(MouseButton::Left, 0, col::kOperandA);
    EXPECT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_FALSE(E().InlineEditing());
    EXPECT_EQ(E().CursorRow(), 0);
}

TEST_F(ProgramEditorTest, OperandCellsTakeTheFirstNameOfTheClipboard) {
    SetLines({Line("A", ""), Line("B"), Line("C")});
    SelectRows(1, 2);
    EXPECT_FALSE(E().Menu().pasteNames);
    E().CopyNames();
    E().MoveCursor(0, col::kOperandA, false);
    const EditorMenuState menu = E().Menu();
    EXPECT_TRUE(menu.copyNames && menu.cutNames && menu.eraseNames && menu.pasteNames);
    EXPECT_FALSE(menu.copyMessages);
    E().PasteNames();
    EXPECT_EQ(Lines().Row(0).MeldungA.view(), "B");
    // Several rows of an operand column: no name commands.
    E().MoveCursor(1, col::kOperandA, true);
    EXPECT_FALSE(E().Menu().copyNames);
    // Cut an operand, paste it into "Meldung C".
    E().MoveCursor(2, col::kOperandA, false);
    E().CutNames();
    EXPECT_TRUE(Lines().Row(2).MeldungA.empty());
    E().MoveCursor(1, col::kTarget, false);
    E().PasteNames();
    EXPECT_EQ(Lines().Row(1).MeldungC.view(), "Netz");
    E().EraseNames();
    EXPECT_TRUE(Lines().Row(1).MeldungC.empty());
    EXPECT_EQ(E().Storage().Entries(), (std::vector<std::string>{"B", "Netz"}));
}

TEST_F(ProgramEditorTest, ANameCopiedOnAnotherPageIsPastedAndListed) {
    SetLines({Line("A", "")});
    E().CopyName("Tor");
    E().CopyName("Lampe");
    EXPECT_EQ(E().Storage().Entries(), (std::vector<std::string>{"Lampe", "Tor"}));
    E().ChooseStorageEntry(1);
    E().MoveCursor(0, col::kOperandA, false);
    E().PasteNames();
    EXPECT_EQ(Lines().Row(0).MeldungA.view(), "Tor");
    E().Closed();
    EXPECT_TRUE(E().Storage().Entries().empty());
    EXPECT_FALSE(E().Names().Filled());
}

TEST_F(ProgramEditorTest, DraggingARowNumberMovesTheLineOrTheSelectedBlock) {
    struct Case {
        const char* what;
        int selectTop, selectBottom, from, to;
        std::string order;  // names after the move
        int top, bottom;    // selected rows afterwards
        bool moved;
    };
    const Case cases[] = {
        {"one line down", 0, 0, 1, 3, "ACDBE", 3, 3, true},
        {"one line up", 0, 0, 3, 0, "DABCE", 0, 0, true},
        {"a block down", 1, 2, 2, 3, "ADBCE", 2, 3, true},
        {"a block up", 2, 3, 3, 0, "CDABE", 0, 1, true},
        {"a block onto itself", 1, 3, 1, 3, "ABCDE", 1, 3, false},
        {"beyond the last line appends", 0, 0, 1, 20, "ACDEB", 4, 4, true},
        {"a block beyond the end", 0, 1, 0, 30, "CDEAB", 3, 4, true},
        {"a line outside the selection moves alone", 0, 1, 4, 2, "ABECD", 2, 2, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        test::ProgramProject project;
        project.SetLines({Line("A"), Line("B"), Line("C"), Line("D"), Line("E")});
        ProgramEditor& e = project.editor;
        e.MoveCursor(c.selectTop, col::kOperandA, false);
        e.MoveCursor(c.selectBottom, col::kOperandA, true);
        EXPECT_EQ(e.MoveLines(c.from, c.to), c.moved);
        std::string order;
        for (const auto& name : project.Names()) order += name;
        EXPECT_EQ(order, c.order);
        if (!c.moved) continue;
        EXPECT_EQ(e.Selection(), (CellRect{col::kName, c.top, col::kName, c.bottom}));
        e.Undo();
        EXPECT_EQ(project.Names(), (std::vector<std::string>{"A", "B", "C", "D", "E"}));
    }
}

TEST_F(ProgramEditorTest, DelayEditorsClipToTheUnitsLimitAndZeroSetsMilli) {
    TProgrammLine hours = Line("A");
    hours.Wert = 5;
    hours.Einheit = "Std";
    TProgrammLine seconds = Line("B");
    seconds.Wert = 5;
    seconds.Einheit = "Sek";
    SetLines({hours, seconds});
    E().MoveCursor(0, col::kDelay, false);
    E().MoveCursor(1, col::kDelay, true);
    ASSERT_TRUE(E().BeginNumberEdit());
    EXPECT_EQ(E().NumberTextEdited("70000"), "60000");
    EXPECT_EQ(E().CellText(0, col::kDelay), "1000");
    EXPECT_EQ(E().CellText(1, col::kDelay), "60000");
    E().FinishNumberEdit();
    EXPECT_EQ(Lines().Row(0).Wert, 1000);
    EXPECT_EQ(Lines().Row(1).Wert, 60000);
    // Inline editing of the value.
    EXPECT_EQ(E().DoubleClick(1, col::kDelay), CellAction::InlineEditor);
    EXPECT_EQ(E().InlineTextEdited("0"), "0");
    E().FinishInlineEdit();
    EXPECT_EQ(Lines().Row(1).Einheit.view(), "Milli");
    EXPECT_EQ(E().CellText(1, col::kUnit), "");
    // The unit chooser.
    E().MoveCursor(1, col::kUnit, false);
    EXPECT_EQ(E().ChooserItems(col::kUnit), (std::vector<std::string>{"  Milli", "  Sek", "  Min", "  Std"}));
    E().ApplyChooser(col::kUnit, 3);
    EXPECT_EQ(Lines().Row(1).Einheit.view(), "Milli");
}

TEST_F(ProgramEditorTest, LeavingTheDelayEditorOverSeveralRowsGivesEveryRowTheValue) {
    TProgrammLine first = Line("A");
    first.Wert = 250;
    first.Einheit = "Sek";
    TProgrammLine second = Line("B");
    second.Wert = 7;
    second.Einheit = "Min";
    TProgrammLine hours = Line("C");
    hours.Wert = 3;
    hours.Einheit = "Std";
    SetLines({first, second, hours});
    const int levels = E().Table().UndoLevels();
    E().MoveCursor(0, col::kDelay, false);  // the editor starts with line 1's value
    E().MoveCursor(2, col::kDelay, true);   // nothing typed
    ASSERT_TRUE(E().BeginNumberEdit());
    E().FinishNumberEdit();
    EXPECT_EQ(Lines().Row(0).Wert, 250);
    EXPECT_EQ(Lines().Row(1).Wert, 250);
    EXPECT_EQ(Lines().Row(2).Wert, 250);
    EXPECT_EQ(E().Table().UndoLevels(), levels + 1);
    E().Undo();
    EXPECT_EQ(Lines().Row(1).Wert, 7);
    EXPECT_EQ(Lines().Row(2).Wert, 3);

    // A single row left unchanged takes no snapshot.
    E().MoveCursor(1, col::kDelay, false);
    ASSERT_TRUE(E().BeginNumberEdit());
    E().FinishNumberEdit();
    EXPECT_EQ(E().Table().UndoLevels(), levels);
}

TEST_F(ProgramEditorTest, ChoosersOfferOnlyTheEditorsVocabulary) {
    SetLines({Line("A", "Netz", ">")});
    E().MoveCursor(0, col::kLogic, false);
    EXPECT_EQ(E().ChooserItems(col::kLogic),
              (std::vector<std::string>{"  TRUE", "  FALSE", "  AND", "  AND NOT", "  OR", "  NOR", "  XOR"}));
    EXPECT_EQ(E().ChooserItems(col::kOrder), (std::vector<std::string>{"  NONE", "  SET", "  RESET", "  INVERT",
                                                                        "  ENABLE", "  DISABLE", "  GOTO"}));
    E().ApplyChooser(col::kOrder, 6);
    EXPECT_EQ(Lines().Row(0).Order.view(), "GOTO");
    EXPECT_EQ(E().CellText(0, col::kOrder), "   GOTO");
    EXPECT_EQ(E().CellText(0, col::kLogic), "      >");
}

TEST_F(ProgramEditorTest, AFilesLinesAreSavedAgainByteForByte) {
    TProgrammLine odd = Line("A", "Netz", ">", "Tor", "ADD", "Lampe");
    odd.Reserve1 = 7;
    odd.Reserve2 = "frei";
    WriteProgram("Main", {odd, Line("B")});
    const auto before = test::ReadBytes(ProgramFilePath(Dir(), "Main"));
    ASSERT_TRUE(E().Open("Main"));
    EXPECT_EQ(E().CellText(0, col::kOrder), "    ADD");
    ASSERT_TRUE(E().Save());
    EXPECT_EQ(test::ReadBytes(ProgramFilePath(Dir(), "Main")), before);
}

TEST_F(ProgramEditorTest, SaveRefusesAnInvalidProgramAndSelectsTheCell) {
    SetLines({Line("A"), Line("B", "Netz", "TRUE", "Tor")});
    EXPECT_FALSE(E().Save());
    EXPECT_EQ(E().CursorRow(), 1);
    EXPECT_EQ(E().CursorColumn(), col::kLogic);
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].kind, BoxKind::Warning);
    EXPECT_FALSE(E().HasUnsavedChanges());
    EXPECT_EQ(std::filesystem::file_size(ProgramFilePath(Dir(), "Main")), 0u);
}

TEST_F(ProgramEditorTest, SaveAsAsksUntilANameIsAccepted) {
    WriteProgram("Sub", {Line("S")});
    SetLines({Line("A")});
    dialogs.inputs = {"  ", "Neu/1", "sub", "Sub", " Neu "};
    // Blanks ask again; "sub" finds "Sub.pgm"; neither spelling overwrites it.
    dialogs.answers = {Answer::No, Answer::No};
    ASSERT_TRUE(E().SaveAs());
    EXPECT_EQ(E().ProgramName(), "Neu");
    EXPECT_EQ(E().Caption(), " Programm :  Neu");
    ASSERT_EQ(dialogs.prompts.size(), 5u);
    EXPECT_EQ(dialogs.prompts[0].caption, "Programm speichern unter...");
    EXPECT_EQ(dialogs.prompts[0].prompt, "Programmname eintragen:");
    EXPECT_EQ(dialogs.prompts[0].initial, "Main");
    EXPECT_EQ(BoxTexts(), (std::vector<std::string>{
                              "Der neue Programmname Neu/1 enthält unerlaubte Zeichen. Bitte geben Sie einen anderen "
                              "Namen ein!\r\rFolgende Zeichen dürfen im Projektnamen nicht enthalten sein: \\ / : * ? "
                              "\" < > | ",
                              "Wollen Sie die bereits existierende Datei \"sub\" überschreiben?",
                              "Wollen Sie die bereits existierende Datei \"Sub\" überschreiben?"}));
    EXPECT_EQ(std::filesystem::file_size(ProgramFilePath(Dir(), "Neu")), sizeof(TProgrammLine));
    EXPECT_EQ(std::filesystem::file_size(ProgramFilePath(Dir(), "Sub")), sizeof(TProgrammLine));
    EXPECT_FALSE(E().HasUnsavedChanges());
}

TEST_F(ProgramEditorTest, SaveAsOfAnInvalidProgramAsksNoName) {
    SetLines({Line("A", "")});
    EXPECT_FALSE(E().SaveAs());
    EXPECT_TRUE(dialogs.prompts.empty());
    EXPECT_EQ(E().CursorColumn(), col::kLogic);
}

TEST_F(ProgramEditorTest, OpenAsksAboutChangesOfTheOpenProgram) {
    WriteProgram("Sub", {Line("S1"), Line("S2")});
    SetLines({Line("A")});
    E().MoveCursor(0, col::kName, false);
    E().DeleteMessages();
    dialogs.answers = {Answer::Cancel, Answer::No};
    EXPECT_FALSE(E().Open("Sub"));
    EXPECT_EQ(E().ProgramName(), "Main");
    ASSERT_TRUE(E().Open("Sub"));
    EXPECT_EQ(BoxTexts(), (std::vector<std::string>(2, "Möchten Sie die Änderungen in \"Main\" speichern?")));
    EXPECT_EQ(E().ProgramName(), "Sub");
    EXPECT_EQ(Names(), (std::vector<std::string>{"S1", "S2"}));
    EXPECT_EQ(E().Table().UndoLevels(), 0);
    EXPECT_FALSE(E().HasUnsavedChanges());
}

TEST_F(ProgramEditorTest, DeleteRefusesMainAndTheOpenProgramAndTrashesOthers) {
    WriteProgram("B", {Line("B")});
    WriteProgram("A", {Line("A")});
    ASSERT_TRUE(E().Open("A"));
    // The list: Main, A, B.
    EXPECT_FALSE(E().Delete(0));
    EXPECT_FALSE(E().Delete(1));
    dialogs.answers = {Answer::No, Answer::Yes};
    EXPECT_FALSE(E().Delete(2));
    EXPECT_TRUE(E().Delete(2));
    ASSERT_EQ(dialogs.boxes.size(), 4u);
    EXPECT_EQ(dialogs.boxes[0].kind, BoxKind::Information);
    EXPECT_EQ(dialogs.boxes[0].text, "Das Main - Programm kann nicht gelöscht werden!!!");
    EXPECT_EQ(dialogs.boxes[1].kind, BoxKind::Warning);
    EXPECT_EQ(dialogs.boxes[1].text, "Die Datei kann nicht gelöscht werden, da sie zur Zeit geöffnet ist!!!");
    EXPECT_EQ(dialogs.boxes[2].text, "Soll die Datei \"B.pgm\" in den Papierkorb verschoben werden?");
    EXPECT_TRUE(std::filesystem::exists(trash.Dir() / "B.pgm"));
    EXPECT_FALSE(ProgramFileExists(Dir(), "B"));
    EXPECT_EQ(ProgramNames(Dir()), (std::vector<std::string>{"Main", "A"}));
    EXPECT_EQ(ProgramEditor::ListSelectionAfterDelete(2, 2), 1u);
}

TEST_F(ProgramEditorTest, CloseQuestionNamesTheProgramAndNoReloadsIt) {
    WriteProgram("Sub", {Line("S1")});
    ASSERT_TRUE(E().Open("Sub"));
    E().MoveCursor(0, col::kName, false);
    E().DeleteMessages();
    EXPECT_EQ(E().CloseQuery(CloseInitiator::Reconfiguration), CloseVerdict::Unsaved);
    EXPECT_TRUE(E().UnsavedForReconfiguration());
    dialogs.answers = {Answer::No};
    EXPECT_EQ(E().CloseQuery(CloseInitiator::User), CloseVerdict::Close);
    EXPECT_EQ(BoxTexts(), (std::vector<std::string>{"Möchten Sie die Änderungen in \"Sub\" speichern?"}));
    EXPECT_EQ(Names(), (std::vector<std::string>{"S1"}));
}

TEST_F(ProgramEditorTest, PageMenusEnableTheFileCommandsByPage) {
    WriteProgram("Sub", {Line("S1")});
    SetLines({Line("A")});
    E().MoveCursor(0, col::kName, false);
    const ProgramMenuState program = E().PageMenu(ProgramPage::Program, "Sub");
    EXPECT_TRUE(program.save && program.saveAs && program.editors && program.print);
    EXPECT_FALSE(program.open || program.remove);
    EXPECT_TRUE(program.edit.copyMessages && program.edit.newMessage);

    ProgramMenuState selection = E().PageMenu(ProgramPage::Selection, "Sub");
    EXPECT_TRUE(selection.open && selection.remove);
    EXPECT_FALSE(selection.save || selection.saveAs || selection.editors || selection.print);
    EXPECT_EQ(selection.edit, (EditorMenuState{.copyNames = true}));
    EXPECT_FALSE(E().PageMenu(ProgramPage::Selection, "Main").remove);

    const ProgramMenuState io = E().PageMenu(ProgramPage::Io, "Sub");
    EXPECT_FALSE(io.open || io.remove || io.save || io.print);
    EXPECT_EQ(io.edit, (EditorMenuState{.copyNames = true}));

    std::filesystem::remove(ProgramFilePath(Dir(), "Main"));
    EXPECT_FALSE(E().PageMenu(ProgramPage::Program, "Sub").saveAs);
}

}  // namespace
}  // namespace ovis
