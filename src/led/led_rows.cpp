#include "led/led_rows.h"

#include <algorithm>
#include <cstring>

#include "led/led_colours.h"
#include "led/led_font.h"

namespace ovis {
namespace {

constexpr std::uint8_t kGreenCode = 6;
constexpr int kLinksFromX0 = 1;

std::uint8_t ModuleNumber(int number) { return static_cast<std::uint8_t>(std::clamp(number, 0, 255)); }

}  // namespace

TLedRecord NewLedRow(const TLedRecord* currentRow) {
    TLedRecord row;
    std::memset(&row, 0, sizeof row);
    row.Bezeichnung = kNewLedRowName;
    for (int p = 0; p < kLedModulePositions; ++p) row.ModulListe[p] = ModuleNumber(p + 1);
    row.LetzteSpalte = 1;
    row.X0 = 1;
    row.X1 = 5;
    row.Umbruch = 1;
    std::fill(std::begin(row.Farbe), std::end(row.Farbe), kNoColour);
    row.Farbe[0] = kGreenCode;
    row.AnzahlFarben = 1;
    row.Helligkeit[0] = 1;
    row.AnzahlHelligkeiten = 1;
    row.Dx = 1;
    row.Status = true;
    row.Schriftart = kStandardFontName;
    row.Schriftgroesse = 7;
    row.Modulzahl = 1;
    if (currentRow) {
        row.Richtung = currentRow->Richtung;
        row.Einheit = currentRow->Einheit;
        row.SpeichernEingang = currentRow->SpeichernEingang;
    } else {
        row.Richtung = kLinksFromX0;
        row.Einheit = "Milli";
        row.SpeichernEingang = true;
    }
    return row;
}

int ModulePositionOfColumn(int column) { return (column + 4) / 5; }

int ModuleCountOf(int x0, int x1) { return ModulePositionOfColumn(x1) - ModulePositionOfColumn(x0) + 1; }

bool HasStandardModuleList(const TLedRecord& row) {
    const int first = ModulePositionOfColumn(row.X0);
    const int count = std::clamp<int>(row.Modulzahl, 0, kLedModulePositions);
    for (int p = 0; p < count; ++p)
        if (row.ModulListe[p] != ModuleNumber(first + p)) return false;
    return true;
}

void SetStandardModuleList(TLedRecord& row) {
    const int first = ModulePositionOfColumn(row.X0);
    const int count = std::clamp<int>(row.Modulzahl, 0, kLedModulePositions);
    for (int p = 0; p < count; ++p) row.ModulListe[p] = ModuleNumber(first + p);
}

bool SetWindow(TLedRecord& row, int x0, int x1) {
    const bool standard = HasStandardModuleList(row);
    const int before = row.Modulzahl;
    row.X0 = std::min(x0, x1);
    row.X1 = std::max(x0, x1);
    const int after = ModuleCountOf(row.X0, row.X1);
    if (after == before) return false;
    row.Modulzahl = after;
    if (standard) {
        SetStandardModuleList(row);
    } else if (after > before) {
        for (int p = std::max(before, 0); p < std::min(after, kLedModulePositions); ++p) row.ModulListe[p] = ModuleNumber(p + 1);
    } else {
        for (int p = std::max(after, 0); p < std::min(before, kLedModulePositions); ++p) row.ModulListe[p] = 0;
    }
    return true;
}

void CollapseEqualParts(std::span<std::uint8_t> parts, std::uint8_t& count, std::uint8_t empty) {
    const std::size_t used = std::min<std::size_t>(count, parts.size());
    std::fill(parts.begin() + std::ptrdiff_t(used), parts.end(), empty);
    if (used > 1 && std::all_of(parts.begin(), parts.begin() + std::ptrdiff_t(used), [&](std::uint8_t p) { return p == parts[0]; })) {
        count = 1;
        std::fill(parts.begin() + 1, parts.end(), empty);
    }
}

void CollapseColourParts(TLedRecord& row) { CollapseEqualParts(row.Farbe, row.AnzahlFarben, kNoColour); }

void CollapseBrightnessParts(TLedRecord& row) { CollapseEqualParts(row.Helligkeit, row.AnzahlHelligkeiten, kNoBrightness); }

}  // namespace ovis
