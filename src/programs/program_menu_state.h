#pragma once
// The menu state of the program editor by page: the file commands and, on the program page, the
// grid's commands with the operand cells' name commands.
#include "tables/editor_menu_state.h"

namespace ovis {

enum class ProgramPage { Program, Selection, Io, Groups, Led, Counters, Timers, OutputData };

struct ProgramMenuState {
    bool open = false;    // "Öffnen..."
    bool save = false;    // "Speichern"
    bool saveAs = false;  // "Speichern unter..."
    bool remove = false;  // "Löschen..."
    bool print = false;   // "Drucken...": the report of the open program
    EditorMenuState edit;
    // Choosers and the delay editor may be shown (program page only).
    bool editors = false;

    bool operator==(const ProgramMenuState&) const = default;
};

struct ProgramMenuInputs {
    ProgramPage page = ProgramPage::Program;
    EditorMenuState grid;           // the program grid's state
    bool mainProgramExists = false;  // "Programme/Main.pgm"
    bool selectedProgramIsOpen = false;  // the program selected on the "Auswahl" page
};

ProgramMenuState ComputeProgramMenuState(const ProgramMenuInputs& in);

// The grid's state with the operand cells: a single selected cell of column 2, 4 or 8 enables
// "Ausschneiden", "Kopieren", "Löschen", and "Einfügen" when names are on the clipboard.
EditorMenuState WithOperandCellCommands(EditorMenuState grid, int cursorRow, std::size_t rowCount,
                                        const CellRect& selection, bool nameClipboardFilled);

}  // namespace ovis
