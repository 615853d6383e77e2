#pragma once
// Which commands of a table editor's menus are enabled, recomputed after every click, key and
// command.
#include <cstddef>

#include "tables/grid_selection.h"

namespace ovis {

struct EditorMenuState {
    // Name clipboard: "Ausschneiden", "Kopieren", "Einfügen", "Löschen".
    bool cutNames = false, copyNames = false, pasteNames = false, eraseNames = false;
    bool copyMessages = false;    // "Meldung kopieren"
    bool pasteMessages = false;   // "Meldung einfügen"
    bool deleteMessages = false;  // "Meldung löschen"
    bool newMessage = false;      // "Neue Meldung"
    bool undo = false;            // "Rückgängig"

    bool operator==(const EditorMenuState&) const = default;
};

struct MenuStateInputs {
    std::size_t rowCount = 0;
    int currentRow = 0;
    CellRect selection;
    bool nameClipboardFilled = false;
    bool messageClipboardFilled = false;
    bool canUndo = false;
};

EditorMenuState ComputeMenuState(const MenuStateInputs& in);

// "Drucken..." in the "&Datei" menu. The shared editor pattern keeps it hidden and disabled; an
// editor whose table prints a report shows and enables it.
struct PrintItemState {
    bool visible = false;
    bool enabled = false;

    bool operator==(const PrintItemState&) const = default;
};

PrintItemState ComputePrintItem(bool tablePrintsReport);

}  // namespace ovis
