#include "tables/terminal_panel.h"

#include <algorithm>

namespace ovis {

void MoveSignal(TIoSignalRecord& module, int from, int to) {
    if (from < 1 || to < 1 || from > kTerminalLines || to > kTerminalLines || from == to) return;
    auto* first = std::begin(module.Signal);
    if (from < to)
        std::rotate(first + from - 1, first + from, first + to);
    else
        std::rotate(first + to - 1, first + from - 1, first + from);
}

std::optional<ModuleType> TerminalPanel::TypeAt(int position) const {
    const TParameterRecord& record = parameters_.Record();
    return ModuleTypeAt(record.Modulanordnung, std::min(CountModules(record), kPanelModules), position);
}

void TerminalPanel::ShowModuleOf(const TIoRecord& row) {
    shown_ = std::clamp<int>(row.Modul, 1, kPanelModules);
    blinking_ = !TypeAt(row.Modul).has_value();
    blinkShown_ = true;
}

void TerminalPanel::ScrollTo(int position, const TIoRecord* currentRow) {
    position = std::clamp(position, 1, kPanelModules);
    if (TypeAt(position)) {
        shown_ = position;
        blinking_ = false;
        return;
    }
    blinking_ = true;
    blinkShown_ = true;
    if (currentRow) shown_ = std::clamp<int>(currentRow->Modul, 1, kPanelModules);
}

std::string TerminalPanel::ModuleLabel() const {
    std::string text = std::to_string(shown_);
    return text.size() < 2 ? "0" + text : text;
}

std::string TerminalPanel::TypeLabel() const {
    if (blinking_) return blinkShown_ ? kModuleUndefinedText : "";
    auto type = ShownType();
    return type ? std::string(ModulTypen[int(*type)].Name) : "";
}

bool TerminalPanel::ShowsLevelsOf(const TIoRecord* row) const {
    return row && row->Modul == shown_ && ShownType().has_value();
}

TerminalPanel::Line TerminalPanel::LineAt(int line, const TIoRecord* currentRow) const {
    Line result;
    result.designation = signals_.Module(shown_).Signal[line - 1].str();
    auto type = ShownType();
    if (!type) return result;
    result.label = std::string(TerminalLabel(*type, line));
    auto level = LevelLineOf(*type, line);
    if (!level || !ShowsLevelsOf(currentRow)) return result;
    result.levelEditable = true;
    const bool rowLower = IsLowerRow(*currentRow) && *type != ModuleType::Relais6;
    if (level->lower == rowLower) result.level = currentRow->Pegel[level->entry - 1].str();
    return result;
}

}  // namespace ovis
