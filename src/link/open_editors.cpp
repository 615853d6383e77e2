#include "link/open_editors.h"

namespace ovis {
namespace {

const char* WindowWord(EditorKind editor) {
    switch (editor) {
        case EditorKind::Io: return "I/O";
        case EditorKind::Groups: return "Gruppe";
        case EditorKind::Led: return "LED";
        case EditorKind::Counters: return "Counter";
        case EditorKind::Timers: return "Timer";
        case EditorKind::Programs: return "Programm";
    }
    return "";
}

}  // namespace

std::string UnsavedInputText(EditorKind editor) {
    return std::string("Bevor Sie das Interface konfigurieren können, müssen Ihre Eingaben im Fenster ") +
           WindowWord(editor) + " abgespeichert werden!";
}

bool CheckUnsavedInput(OpenEditors& editors, Dialogs& dialogs) {
    for (EditorKind editor : kReconfigurationCheckOrder) {
        if (!editors.IsOpen(editor) || !editors.MarkUnsavedForReconfiguration(editor)) continue;
        dialogs.Information(UnsavedInputText(editor));
        editors.Focus(editor);
        return false;
    }
    return true;
}

}  // namespace ovis
