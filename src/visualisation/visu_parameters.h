#pragma once
// The parameter dialog's rules: checks of the lift grid's cells, and "Ansicht" taking the
// dialog's values into the record.
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "project/grafik_record.h"

namespace ovis {

inline constexpr const char* kVisuNotANumber = "Nur Zahlenwerte eingeben !";
inline constexpr const char* kVisuParameterChangesQuestion = "Änderungen speichern ?";

struct LiftCellCheck {
    int value = 0;                       // the value the cell holds afterwards
    std::optional<std::string> message;  // the warning, when the entry was refused
};

// A cell of the lift grid (column 0 "Halte" .. 5 "Störmel."): a whole number within the column's
// range is taken; anything else gives "Nur Zahlenwerte eingeben !" or "Erlaubte Werte : LOW..HIGH !"
// and resets the cell to the range's lower bound.
LiftCellCheck CheckLiftCell(int column, std::string_view text);

// The dialog's values as code page 1252 bytes (the window converts from the screen).
struct VisInitValues {
    std::string objektbezeichnung;
    std::string gruppeneinteilung;
    std::array<std::array<int, kVisuLiftParameters>, kVisuLifts> lifts{};
    std::array<std::string, kVisuTextLines> status;
    std::array<std::string, kVisuTextLines> faults;
    std::array<std::string, kVisuStops> stops;
};

// The values the dialog shows for a record (texts in code page 1252).
VisInitValues VisInitValuesOf(const TGrafikRecord& record);
// "Ansicht": titles cut to 80 characters, texts to 16, stop designations to 2, lift values clamped
// to their ranges; texts stored in code page 437.
void ApplyVisInitValues(TGrafikRecord& record, const VisInitValues& values);

}  // namespace ovis
