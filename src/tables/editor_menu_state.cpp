#include "tables/editor_menu_state.h"

namespace ovis {

PrintItemState ComputePrintItem(bool tablePrintsReport) { return {tablePrintsReport, tablePrintsReport}; }

EditorMenuState ComputeMenuState(const MenuStateInputs& in) {
    EditorMenuState state;
    state.undo = in.canUndo;
    // "Meldung einfügen" is never disabled again once records were copied.
    state.pasteMessages = in.messageClipboardFilled;
    if (in.rowCount == 0) state.newMessage = true;
    if (in.currentRow >= 0 && std::size_t(in.currentRow) < in.rowCount) {
        if (in.selection.Width() == 1 && in.selection.left == kNameColumn) {
            state.cutNames = state.copyNames = state.eraseNames = true;
            state.copyMessages = state.deleteMessages = true;
            state.pasteNames = in.nameClipboardFilled;
        }
        if (in.selection.Height() > 1) return state;
    }
    state.newMessage = true;
    return state;
}

}  // namespace ovis
