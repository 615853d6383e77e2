#include "programs/program_menu_state.h"

#include "programs/program_columns.h"

namespace ovis {

EditorMenuState WithOperandCellCommands(EditorMenuState grid, int cursorRow, std::size_t rowCount,
                                        const CellRect& selection, bool nameClipboardFilled) {
    const bool insideTable = cursorRow >= 0 && std::size_t(cursorRow) < rowCount;
    const bool singleCell = selection.Width() == 1 && selection.Height() == 1;
    if (insideTable && singleCell && program_column::IsOperandColumn(selection.left)) {
        grid.cutNames = grid.copyNames = grid.eraseNames = true;
        grid.pasteNames = nameClipboardFilled;
    }
    return grid;
}

ProgramMenuState ComputeProgramMenuState(const ProgramMenuInputs& in) {
    ProgramMenuState state;
    switch (in.page) {
        case ProgramPage::Program:
            state.save = true;
            state.print = true;
            state.saveAs = in.mainProgramExists;
            state.edit = in.grid;
            state.editors = true;
            return state;
        case ProgramPage::Selection:
            state.open = true;
            state.remove = !in.selectedProgramIsOpen;
            break;
        default: break;
    }
    state.edit.copyNames = true;
    return state;
}

}  // namespace ovis
