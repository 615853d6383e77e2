#include "project/led_field_ranges.h"

#include "project/led_parameters.h"
#include "project/led_table.h"

namespace ovis {

namespace {

std::string Range(long long low, long long high) {
    return "erlaubt sind " + std::to_string(low) + " bis " + std::to_string(high);
}

std::string Damaged(const std::string& fileName, const std::string& where, const std::string& field, long long value,
                    const std::string& allowed) {
    const std::string clause = where.empty() ? "Das Feld " + field + " hat" : where + "hat das Feld " + field;
    return "Die Datei \"" + fileName + "\" ist beschädigt: " + clause + " den Wert " + std::to_string(value) + ", " +
           allowed + ". Das Interface wird nicht konfiguriert.";
}

}  // namespace

bool IsLedColourCode(int code) {
    const int red = code / 16;
    const int green = code % 16;
    return code >= 0 && red + green <= 6;
}

std::optional<std::string> LedModuleCountFault(int anzahlModule) {
    if (anzahlModule >= 0 && anzahlModule <= kMaxLedModules) return std::nullopt;
    return Damaged(kLedParameterFileName, "", "AnzahlModule", anzahlModule, Range(0, kMaxLedModules));
}

std::optional<std::string> LedRecordFault(const TLedRecord& row, std::size_t rowNumber) {
    const std::string where = "In Zeile " + std::to_string(rowNumber) + " ";
    auto fault = [&](const std::string& field, long long value, const std::string& allowed) {
        return Damaged(kLedFileName, where, field, value, allowed);
    };
    struct Bounded {
        const char* field;
        long long value;
        long long low;
        long long high;
    };
    const long long x0 = row.X0.get();
    const bool hours = row.Einheit.view() == "Std";
    const Bounded fields[] = {
        {"X0", x0, 1, kLedColumns},
        {"X1", row.X1.get(), x0 >= 1 && x0 <= kLedColumns ? x0 : 1, kLedColumns},
        {"LetzteSpalte", row.LetzteSpalte.get(), 0, kLedColumns},
        {"Umbruch", row.Umbruch.get(), 0, kLedColumns},
        {"Richtung", row.Richtung.get(), 0, 8},
        {"Dx", row.Dx.get(), 0, kLedColumns},
        {"Distanz", row.Distanz.get(), 0, kLedColumns},
        {"Verzoegerung", row.Verzoegerung.get(), 0, hours ? kMaxLedDelayHours : kMaxLedDelay},
        {"Modulzahl", row.Modulzahl.get(), 1, kLedModulePositions},
        {"AnzahlFarben", row.AnzahlFarben, 1, kMaxLedColourParts},
        {"AnzahlHelligkeiten", row.AnzahlHelligkeiten, 1, kMaxLedBrightnessParts},
    };
    for (const Bounded& f : fields)
        if (f.value < f.low || f.value > f.high) return fault(f.field, f.value, Range(f.low, f.high));
    for (int i = 0; i < row.AnzahlFarben; ++i) {
        if (!IsLedColourCode(row.Farbe[i]))
            return fault("Farbe[" + std::to_string(i + 1) + "]", row.Farbe[i], "erlaubt sind nur Farbcodes der Palette");
    }
    for (int i = 0; i < row.AnzahlHelligkeiten; ++i) {
        const int level = row.Helligkeit[i];
        if (level < 1 || level > kMaxLedBrightnessLevel)
            return fault("Helligkeit[" + std::to_string(i + 1) + "]", level, Range(1, kMaxLedBrightnessLevel));
    }
    return std::nullopt;
}

}  // namespace ovis
