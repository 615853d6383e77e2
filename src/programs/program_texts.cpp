#include "programs/program_texts.h"

#include <algorithm>

#include "programs/program_columns.h"

namespace ovis {
namespace {

// Logic and order cells are right-aligned in seven characters. The order texts "ADD", "SUB",
// "LOAD" and "CLEAR" are sometimes quoted one blank shorter ("   ADD"); the seven-character
// rule holds for them too, so every order lines up with the logic column.
constexpr std::size_t kOperatorWidth = 7;

std::string RightAligned(std::string_view text) {
    std::string cell(kOperatorWidth > text.size() ? kOperatorWidth - text.size() : 0, ' ');
    return cell.append(text);
}

}  // namespace

bool TakesOneOperand(std::string_view logic) { return logic == "TRUE" || logic == "FALSE"; }

std::int32_t MaxDelayFor(std::string_view unit) { return unit == kHoursUnit ? kMaxDelayInHours : kMaxDelay; }

void SetDelay(TProgrammLine& line, std::int32_t value) {
    line.Wert = std::clamp(value, 0, MaxDelayFor(line.Einheit.view()));
    if (line.Wert == 0) line.Einheit = kNoDelayUnit;
}

void SetDelayUnit(TProgrammLine& line, std::string_view unit) {
    line.Einheit = unit;
    line.Wert = std::min<std::int32_t>(line.Wert, MaxDelayFor(unit));
    if (line.Wert == 0) line.Einheit = kNoDelayUnit;
}

std::string DelayDigits(std::string_view text) {
    std::string digits;
    for (char c : text)
        if (c >= '0' && c <= '9' && digits.size() < std::size_t(kDelayDigits)) digits += c;
    return digits;
}

std::int32_t TypedDelay(std::string_view text, std::string_view unit) {
    std::int32_t value = 0;
    for (char c : DelayDigits(text)) value = value * 10 + (c - '0');
    return std::min(value, MaxDelayFor(unit));
}

TProgrammLine NewProgramLine(std::size_t position) {
    TProgrammLine line{};
    line.Nr = std::int32_t(position) + 1;
    line.Bezeichnung = kNewProgramLineName;
    line.Logik = kOfferedLogic[0];
    line.Einheit = kNoDelayUnit;
    line.Order = kNoOrder;
    return line;
}

std::string LogicCellText(std::string_view logic) { return RightAligned(logic); }

std::string OrderCellText(std::string_view order) { return order == kNoOrder ? std::string() : RightAligned(order); }

std::string UnitCellText(const TProgrammLine& line) { return line.Wert == 0 ? std::string() : line.Einheit.str(); }

std::string ProgramCellText(const TProgrammLine& line, int column) {
    namespace col = program_column;
    switch (column) {
        case col::kName: return line.Bezeichnung.str();
        case col::kOperandA: return line.MeldungA.str();
        case col::kLogic: return LogicCellText(line.Logik.view());
        case col::kOperandB: return line.MeldungB.str();
        case col::kDelay: return std::to_string(line.Wert);
        case col::kUnit: return UnitCellText(line);
        case col::kOrder: return OrderCellText(line.Order.view());
        case col::kTarget: return line.MeldungC.str();
        default: return {};
    }
}

bool ProgramLinesEqual(const TProgrammLine& a, const TProgrammLine& b) {
    return a.Bezeichnung.view() == b.Bezeichnung.view() && a.MeldungA.view() == b.MeldungA.view() &&
           a.Logik.view() == b.Logik.view() && a.MeldungB.view() == b.MeldungB.view() && a.Wert == b.Wert &&
           a.Einheit.view() == b.Einheit.view() && a.Order.view() == b.Order.view() &&
           a.MeldungC.view() == b.MeldungC.view();
}

}  // namespace ovis
