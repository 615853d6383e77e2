#include "visualisation/visu_parameters.h"

#include <algorithm>
#include <charconv>

#include "project/grafik_file.h"
#include "visualisation/visu_layout.h"

namespace ovis {
namespace {

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    return text;
}

template <std::size_t N>
void Store(PString<N>& field, std::string_view cp1252) {
    field.assign(WindowsTextToGrafik(cp1252.substr(0, std::min(cp1252.size(), N))));
}

}  // namespace

LiftCellCheck CheckLiftCell(int column, std::string_view text) {
    const LiftParameterRange range = kLiftParameterRanges[column];
    const std::string_view digits = Trimmed(text);
    long value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (digits.empty() || error == std::errc::invalid_argument || end != digits.data() + digits.size())
        return {range.low, kVisuNotANumber};
    if (error != std::errc() || value < range.low || value > range.high)
        return {range.low, "Erlaubte Werte : " + std::to_string(range.low) + ".." + std::to_string(range.high) + " !"};
    return {int(value), std::nullopt};
}

VisInitValues VisInitValuesOf(const TGrafikRecord& record) {
    VisInitValues v;
    v.objektbezeichnung = GrafikTextToWindows(record.Objektbezeichnung.view());
    v.gruppeneinteilung = GrafikTextToWindows(record.Gruppeneinteilung.view());
    for (int lift = 0; lift < kVisuLifts; ++lift)
        for (int c = 0; c < kVisuLiftParameters; ++c) v.lifts[lift][c] = record.Aufzug[lift][c];
    for (int i = 0; i < kVisuTextLines; ++i) {
        v.status[i] = GrafikTextToWindows(record.Statusmeldung[i].view());
        v.faults[i] = GrafikTextToWindows(record.Stoermeldung[i].view());
    }
    for (int i = 0; i < kVisuStops; ++i) v.stops[i] = GrafikTextToWindows(record.HaltBezeichnung[i].view());
    return v;
}

void ApplyVisInitValues(TGrafikRecord& record, const VisInitValues& values) {
    Store(record.Objektbezeichnung, values.objektbezeichnung);
    Store(record.Gruppeneinteilung, values.gruppeneinteilung);
    for (int lift = 0; lift < kVisuLifts; ++lift)
        for (int c = 0; c < kVisuLiftParameters; ++c)
            record.Aufzug[lift][c] = std::uint8_t(
                std::clamp(values.lifts[lift][c], kLiftParameterRanges[c].low, kLiftParameterRanges[c].high));
    for (int i = 0; i < kVisuTextLines; ++i) {
        Store(record.Statusmeldung[i], values.status[i]);
        Store(record.Stoermeldung[i], values.faults[i]);
    }
    for (int i = 0; i < kVisuStops; ++i) Store(record.HaltBezeichnung[i], values.stops[i]);
}

}  // namespace ovis
