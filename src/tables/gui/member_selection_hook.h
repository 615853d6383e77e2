#pragma once
// The group editor chooses members in the message selection dialog, a window of the evaluation
// above it: the shell installs the hook that opens it.
#include <QDialog>
#include <cstdint>
#include <functional>
#include <vector>

#include "project/group_record.h"
#include "project/io_tables.h"

namespace ovis {
class Dialogs;
}

namespace ovis::gui {

struct MemberSelectionRequest {
    const IoTable& io;
    const TGruppeRecord& row;  // the group whose members are chosen
    Dialogs& dialogs;
    QWidget* editor;           // the dialog's parent; it waits for the dialog
    std::function<void(int)> showHelp;
    std::function<void(const std::vector<std::uint16_t>&)> take;  // the members chosen
};

// Opens and shows the dialog; nullptr when none can be opened.
using MemberSelectionHook = std::function<QDialog*(const MemberSelectionRequest&)>;

}  // namespace ovis::gui
