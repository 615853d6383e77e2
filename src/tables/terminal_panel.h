#pragma once
// The terminal panel of the I/O editor: which module it shows, the blinking warning for a module
// position beyond the module list, and the 18 lines with labels, designations and the current
// row's levels.
#include <optional>
#include <string>

#include "project/system_parameters.h"
#include "project/io_tables.h"
#include "tables/io_terminals.h"

namespace ovis {

inline constexpr int kPanelModules = 20;
inline constexpr const char* kModuleUndefinedText = "Modul nicht definiert !";

// The designation at line `from` (1..18) moves to line `to`; the lines between shift by one
// toward `from`.
void MoveSignal(TIoSignalRecord& module, int from, int to);

class TerminalPanel {
public:
    TerminalPanel(const SystemParameters& parameters, const SignalTable& signalNames)
        : parameters_(parameters), signals_(signalNames) {}

    int ShownModule() const { return shown_; }
    // The module type at a position; nothing beyond the module list.
    std::optional<ModuleType> TypeAt(int position) const;
    std::optional<ModuleType> ShownType() const { return TypeAt(shown_); }

    // Shows the module of a row (after a click on it).
    void ShowModuleOf(const TIoRecord& row);
    // The scroll bar chose a position; one beyond the module list starts the blinking and
    // returns to the module of the current row, when there is one.
    void ScrollTo(int position, const TIoRecord* currentRow);
    // The 500-ms tick of the blinking label.
    void BlinkTick() { blinkShown_ = !blinkShown_; }
    bool Blinking() const { return blinking_; }

    std::string ModuleLabel() const;  // "01" to "20"
    std::string TypeLabel() const;    // type name, or the blinking warning

    struct Line {
        std::string label;        // terminal label
        std::string designation;  // record bytes
        std::string level;        // the current row's level on this line, "" for none
        bool levelEditable = false;
    };
    // Line 1..18; `currentRow` is the row whose levels show (nothing outside the table).
    Line LineAt(int line, const TIoRecord* currentRow) const;
    // Whether the levels of a row are shown and can be set here: its module is the one shown.
    bool ShowsLevelsOf(const TIoRecord* row) const;

private:
    const SystemParameters& parameters_;
    const SignalTable& signals_;
    int shown_ = 1;
    bool blinking_ = false;
    bool blinkShown_ = true;
};

}  // namespace ovis
