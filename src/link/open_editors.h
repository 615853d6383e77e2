#pragma once
// The editors whose unsaved input keeps "Neukonfiguration" from starting.
#include <array>
#include <string>

#include "platform/dialogs.h"

namespace ovis {

enum class EditorKind { Io, Groups, Led, Counters, Timers, Programs };

// The order in which "Neukonfiguration" checks the editors.
inline constexpr std::array<EditorKind, 6> kReconfigurationCheckOrder = {
    EditorKind::Io, EditorKind::Groups, EditorKind::Led, EditorKind::Counters, EditorKind::Timers, EditorKind::Programs};

// "Bevor Sie das Interface konfigurieren können, müssen Ihre Eingaben im Fenster I/O abgespeichert
// werden!" with the editor's window word ("I/O", "Gruppe", "LED", "Counter", "Timer", "Programm").
std::string UnsavedInputText(EditorKind editor);

class OpenEditors {
public:
    virtual ~OpenEditors() = default;
    virtual bool IsOpen(EditorKind editor) const = 0;
    // The editor's close query on behalf of "Neukonfiguration": asks nothing, marks the editor
    // unsaved when its table differs from the copy saved last, and tells whether it is marked.
    virtual bool MarkUnsavedForReconfiguration(EditorKind editor) = 0;
    virtual void Focus(EditorKind editor) = 0;
};

// No editor is open (until the editors are wired in, and in ovisctl).
class NoOpenEditors final : public OpenEditors {
public:
    bool IsOpen(EditorKind) const override { return false; }
    bool MarkUnsavedForReconfiguration(EditorKind) override { return false; }
    void Focus(EditorKind) override {}
};

// Runs the close queries of the open editors in order. At the first editor with unsaved input it
// shows the information, focuses the editor and returns false.
bool CheckUnsavedInput(OpenEditors& editors, Dialogs& dialogs);

}  // namespace ovis
