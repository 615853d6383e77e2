#include "led/led_changes.h"

#include <algorithm>
#include <cstring>

namespace ovis {
namespace {

constexpr int kComparedModuleListEntries = 100;

template <typename T, std::size_t N>
bool ArraysDiffer(const T (&a)[N], const T (&b)[N], std::size_t count = N) {
    return std::memcmp(a, b, sizeof(T) * std::min(count, N)) != 0;
}

}  // namespace

bool LedRowsDiffer(const TLedRecord& a, const TLedRecord& b) {
    return a.Bezeichnung.view() != b.Bezeichnung.view() || a.Text.view() != b.Text.view() ||
           a.LetzteSpalte != b.LetzteSpalte || a.X0 != b.X0 || a.X1 != b.X1 || a.Umbruch != b.Umbruch ||
           a.Richtung != b.Richtung || a.Dx != b.Dx || a.Distanz != b.Distanz || a.Verzoegerung != b.Verzoegerung ||
           a.Einheit.view() != b.Einheit.view() || bool(a.SpeichernEingang) != bool(b.SpeichernEingang) ||
           bool(a.Status) != bool(b.Status) || a.Modulzahl != b.Modulzahl || a.AnzahlFarben != b.AnzahlFarben ||
           a.AnzahlHelligkeiten != b.AnzahlHelligkeiten || ArraysDiffer(a.Farbe, b.Farbe) ||
           ArraysDiffer(a.Helligkeit, b.Helligkeit) || ArraysDiffer(a.Spalten, b.Spalten) ||
           ArraysDiffer(a.ModulListe, b.ModulListe, kComparedModuleListEntries) ||
           a.Schriftart.view() != b.Schriftart.view() || a.Schriftgroesse != b.Schriftgroesse ||
           a.Schriftstil != b.Schriftstil;
}

bool LedParametersDiffer(const TLedParameterRecord& live, const TLedParameterRecord& saved) {
    if (live.AnzahlModule != saved.AnzahlModule || live.UrsprungX != saved.UrsprungX ||
        live.UrsprungY != saved.UrsprungY || live.RasterX != saved.RasterX || live.RasterY != saved.RasterY ||
        live.AbstandX != saved.AbstandX || live.AbstandY != saved.AbstandY)
        return true;
    if (ArraysDiffer(live.ModuleFarbe, saved.ModuleFarbe) || ArraysDiffer(live.ModulHelligkeit, saved.ModulHelligkeit))
        return true;
    const auto inUse = std::size_t(std::clamp<int>(live.AnzahlModule, 0, kMaxLedModules));
    return ArraysDiffer(live.Position, saved.Position, inUse);
}

bool LedDisplayChanged(const LedTable& table, const LedParameters& parameters) {
    if (table.Count() != table.SavedCount()) return true;
    for (std::size_t i = 0; i < table.Count(); ++i)
        if (LedRowsDiffer(table.Row(i), table.SavedRow(i))) return true;
    return LedParametersDiffer(parameters.Record(), parameters.SavedImage());
}

}  // namespace ovis
