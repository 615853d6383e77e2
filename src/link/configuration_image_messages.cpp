#include "link/configuration_image_messages.h"

#include <algorithm>
#include <cstring>

#include "config/module_types.h"
#include "project/io_tables.h"
#include "tables/io_terminals.h"

namespace ovis {

namespace {

template <typename Record>
Record Zeroed() {
    Record record;
    std::memset(&record, 0, sizeof record);
    return record;
}

bool MinuteUnit(std::string_view unit) { return unit == "Min" || unit == "Std"; }

// A delay with unit "Min" or "Std" first sets the F2 flag; the coded delay then sets its pair.
std::uint8_t WithDelay(std::uint8_t flags, const CodedDelay& coded, std::string_view unit, DelayFlags pair) {
    if (MinuteUnit(unit)) flags |= pair.f2;
    return WithDelayFlags(flags, coded.format, pair);
}

}  // namespace

TIoMessageRecord IoMessageRecord(const TIoRecord& row, const TParameterRecord& params, const RingOffsets& ring) {
    auto record = Zeroed<TIoMessageRecord>();
    const bool ac = row.Typ == "AC";
    const std::string_view unit = row.Einheit.view();
    const int module = row.Modul;

    std::uint8_t flags = ac ? 0x01 : 0x00;
    std::uint8_t used = 0;
    std::uint8_t high = 0;
    for (int k = 1; k <= kLevelEntries; ++k) {
        const auto& level = row.Pegel[k - 1];
        if (!(level == kLevelUnused)) used |= std::uint8_t(1 << (k - 1));
        if (level == "High") high |= std::uint8_t(1 << (k - 1));
    }
    if (high) flags |= 0x02;

    const int code = ModuleCodeAt(params, module);
    const auto type = ModuleTypeOf(code);
    const bool output = IsOutputRow(row);
    int ringByte = output ? ring.Out(module) : ring.In(module);
    const bool lower = row.Klemmreihe == kLowerRow;
    if (lower && type && (type->EingangsBytes == 2 || type->AusgangsBytes == 2)) ++ringByte;
    if (lower && code == int(ModuleType::OptoRel)) {
        used >>= 1;
        high >>= 1;
    }

    // "Min" and "Std" start both delays in minute format; each delay then sets its own pair.
    if (MinuteUnit(unit)) flags |= 0x50;
    CodedDelay off = EncodeDelay(row.AusVerzoegerung, unit);
    CodedDelay on = EncodeDelay(row.EinVerzoegerung, unit);
    flags = WithDelayFlags(flags, off.format, kOffDelayFlags);
    flags = WithDelayFlags(flags, on.format, kDelayFlags);
    if (ac) {
        // AC inputs need at least 6 ms.
        for (auto* coded : {&off, &on}) {
            const std::int32_t value = coded == &off ? row.AusVerzoegerung : row.EinVerzoegerung;
            if (value == 0 || (unit == "Milli" && value < 6)) coded->field = std::uint16_t((coded->field & 0xFF00) | 6);
        }
    }
    if (!row.Erfassung) flags |= 0x80;

    record.Flags = flags;
    record.RingByte = std::uint8_t(ringByte);
    record.Used = used;
    record.High = high;
    record.AusVerzoegerung.set(off.field);
    record.EinVerzoegerung.set(on.field);
    return record;
}

std::array<std::uint8_t, 64> InputCountBlock(std::span<const TIoRecord> rows, std::span<const TIoMessageRecord> records) {
    std::array<std::uint8_t, 64> counts{};
    for (std::size_t i = 0; i < rows.size() && i < records.size(); ++i) {
        const std::uint8_t ringByte = records[i].RingByte;
        if (IsInputRow(rows[i]) && ringByte < counts.size()) ++counts[ringByte];
    }
    return counts;
}

namespace {

int ModuleCount(const TLedRecord& row) { return std::clamp<int>(row.Modulzahl, 1, kLedModulePositions); }
int LastColumn(const TLedRecord& row) { return std::clamp<int>(row.LetzteSpalte, 0, kLedColumns); }
bool Vertical(const TLedRecord& row) { return row.Richtung >= 5 && row.Richtung <= 8 && row.Umbruch > 0; }
int LineWidth(const TLedRecord& row) { return 5 * std::min<int>(row.Umbruch, kLedColumns); }

constexpr std::uint8_t kDirectionFlags[9] = {0x00, 0x00, 0x10, 0x08, 0x18, 0x04, 0x14, 0x0C, 0x1C};
constexpr std::uint8_t kBrightnessCodes[12] = {0, 0, 1, 2, 3, 4, 7, 8, 15, 16, 31, 0};

}  // namespace

LedLayout LedLayoutOf(const TLedRecord& row) {
    LedLayout layout;
    const int modules = ModuleCount(row);
    for (int j = 1; j < modules; ++j)
        if (row.ModulListe[j] != row.ModulListe[j - 1] + 1) layout.consecutive = false;
    const int last = LastColumn(row);
    if (Vertical(row)) {
        const int width = LineWidth(row);
        layout.pad = (width - last % width) % width;
    }
    layout.columns = last + layout.pad;
    return layout;
}

TLedMessageRecord LedMessageRecord(const TLedRecord& row) {
    auto record = Zeroed<TLedMessageRecord>();
    const LedLayout layout = LedLayoutOf(row);
    const int modules = ModuleCount(row);
    const std::string_view unit = row.Einheit.view();

    std::uint8_t flags = row.Richtung >= 0 && row.Richtung <= 8 ? kDirectionFlags[row.Richtung] : 0;
    if (!layout.consecutive) flags |= 0x01;
    if (row.Status) flags |= 0x02;
    if (!row.SpeichernEingang) flags |= 0x80;
    CodedDelay delay;
    if (unit == "Ext") {
        flags |= 0x60;
        delay.field = 1000;
    } else {
        delay = EncodeDelay(row.Verzoegerung, unit);
        flags = WithDelay(flags, delay, unit, kDelayFlags);
    }

    const int a = (row.X0 - 1) % 5 + 1;
    const int b = (row.X1 - 1) % 5 + 1;
    const int window = modules == 1 ? (b - a + 1) * 16 + a : ((6 - a + b) * 16) % 256 + a;

    const long long distance = row.Distanz;
    long long dataLength = LastColumn(row) + distance;
    if (Vertical(row)) dataLength = layout.columns + distance * LineWidth(row);

    record.Flags = flags;
    record.Window = std::uint8_t(window);
    record.Modulzahl = std::uint8_t(row.Modulzahl);
    record.One[0] = 1;
    record.One[1] = 1;
    record.Dx = std::uint8_t(row.Dx);
    record.Verzoegerung.set(delay.field);
    record.Umbruch = row.Umbruch == 0 ? 255 : std::uint8_t(row.Umbruch);
    record.DataLength.set(std::uint16_t(dataLength));
    return record;
}

std::vector<std::uint8_t> LedData(const TLedRecord& row) {
    const LedLayout layout = LedLayoutOf(row);
    const int modules = ModuleCount(row);
    const int brightnessParts = std::min<int>(row.AnzahlHelligkeiten, std::size(row.Helligkeit));
    const int colourParts = std::min<int>(row.AnzahlFarben, std::size(row.Farbe));
    std::vector<std::uint8_t> data;
    data.reserve(std::size_t(layout.columns + brightnessParts + colourParts + modules + 2));
    for (int column = 0; column < layout.columns; ++column)
        data.push_back(column < kLedColumns ? row.Spalten[column] : 0);
    data.push_back(std::uint8_t(brightnessParts));
    for (int i = 0; i < brightnessParts; ++i) {
        const int level = row.Helligkeit[i];
        data.push_back(level >= 1 && level <= 11 ? kBrightnessCodes[level] : 0);
    }
    data.push_back(std::uint8_t(colourParts));
    const bool uncoloured = row.Helligkeit[0] == 11;
    for (int i = 0; i < colourParts; ++i) data.push_back(uncoloured ? 255 : row.Farbe[i]);
    const int listed = layout.consecutive ? 1 : modules;
    for (int i = 0; i < listed; ++i) data.push_back(row.ModulListe[i]);
    return data;
}

TCounterMessageRecord CounterMessageRecord(const TCounterRecord& row, const MessageNumbering& numbering) {
    auto record = Zeroed<TCounterMessageRecord>();
    const std::string_view status = row.Status.view();
    const bool display = !(row.Anzeige == "keine Anzeige");
    std::uint8_t flags = 0;
    if (status == "DISABLE") flags |= 0x02;
    if (!(row.Zaehlart == "Ereignis")) flags |= 0x04;
    if (row.AutoDis) flags |= 0x10;
    if (status == "DIS+RST" || status == "EN+RST") flags |= 0x20;
    if (display) flags |= 0x40;
    if (row.DxNegativ) flags |= 0x80;
    record.Flags = flags;
    record.Zaehlung.set(std::uint16_t(numbering.Number(row.Zaehlung.view())));
    if (display) record.Anzeige.set(std::uint16_t(numbering.Number(row.Anzeige.view())));
    record.Ende.set(std::uint32_t(row.Ende.get()));
    record.Stand.set(std::uint32_t(row.Stand.get()));
    return record;
}

namespace {

// Two digits at `position` (1-based) of `text`; 255 when the mask hides them with "xx".
std::uint8_t MaskedNumber(std::string_view text, std::string_view mask, std::size_t position) {
    const std::size_t i = position - 1;
    if (mask.substr(std::min(i, mask.size()), 2) == "xx") return 255;
    int value = 0;
    for (std::size_t k = i; k < i + 2; ++k) {
        if (k >= text.size() || text[k] < '0' || text[k] > '9') continue;
        value = value * 10 + (text[k] - '0');
    }
    return std::uint8_t(value);
}

constexpr std::string_view kWeekdays[] = {"Sonntag",    "Montag",  "Dienstag", "Mittwoch",
                                          "Donnerstag", "Freitag", "Samstag"};

}  // namespace

TTimerMessageRecord TimerMessageRecord(const TTimerRecord& row) {
    auto record = Zeroed<TTimerMessageRecord>();
    const std::string_view time = row.Uhrzeit.view();
    const std::string_view timeMask = row.ZeitMaske.view();
    const std::string_view date = row.Datum.view();
    const std::string_view dateMask = row.DatumMaske.view();
    record.Flags = row.Wochentag.empty() ? 0x00 : 0x01;
    record.Second = MaskedNumber(time, timeMask, 7);
    record.Minute = MaskedNumber(time, timeMask, 4);
    record.Hour = MaskedNumber(time, timeMask, 1);
    record.Day = MaskedNumber(date, dateMask, 1);
    record.Month = MaskedNumber(date, dateMask, 4);
    for (std::size_t day = 0; day < std::size(kWeekdays); ++day)
        if (row.Wochentag == kWeekdays[day]) record.Weekday = std::uint8_t(day);
    return record;
}

TOutputFileMessageRecord OutputFileMessageRecord(const OutputFile& file) {
    auto record = Zeroed<TOutputFileMessageRecord>();
    record.StartBank = std::uint8_t(file.memoryCode);
    record.Start.set(file.start);
    record.EndBank = std::uint8_t(file.memoryCode);
    record.End.set(file.end);
    return record;
}

int GroupMemberCount(const TGruppeRecord& row) { return std::clamp<int>(row.Anzahl, 0, kMaxGroupMembers); }

TGroupMessageRecord GroupMessageRecord(const TGruppeRecord& row, std::uint16_t firstMember,
                                       const TParameterRecord& params) {
    auto record = Zeroed<TGroupMessageRecord>();
    const std::string_view trigger = row.Trigger.view();
    const std::string_view unit = row.Einheit.view();
    std::uint8_t flags = 0;
    if (trigger == "aktiv") flags |= 0x04;
    if (trigger == "inaktiv") flags |= 0x08;
    if (trigger == "beliebig") flags |= 0x0C;
    if (row.Scan == "einmal") flags |= 0x10;
    const CodedDelay delay = EncodeDelay(row.Verzoegerung, unit);
    flags = WithDelay(flags, delay, unit, kDelayFlags);
    if (row.SpeicherOrdner.empty()) flags |= 0x80;
    record.Flags = flags;
    record.FirstMember.set(firstMember);
    record.LastMember.set(std::uint16_t(firstMember + 2 * GroupMemberCount(row) - 2));
    record.Verzoegerung.set(delay.field);
    if (!row.SpeicherOrdner.empty()) {
        for (int k = 1; k <= kMaxAcquisitionFolders; ++k)
            if (params.Ordner[k].view() == row.SpeicherOrdner.view()) {
                record.Folder = std::uint8_t(k);
                break;
            }
    }
    return record;
}

namespace {

std::uint8_t OperatorCode(std::string_view logik) {
    if (logik == "FALSE" || logik == "NOR") return 1;
    if (logik == "OR") return 2;
    if (logik == "AND" || logik == "TRUE") return 4;
    if (logik == "AND NOT") return 8;
    if (logik == "XOR") return 16;
    return 0;
}

std::uint8_t OrderCode(std::string_view order) {
    constexpr std::string_view kOrders[] = {"SET", "RESET", "INVERT", "ENABLE", "DISABLE", "GOTO"};
    for (std::size_t i = 0; i < std::size(kOrders); ++i)
        if (order == kOrders[i]) return std::uint8_t(i + 1);
    return 0;
}

}  // namespace

TProgramMessageRecord ProgramMessageRecord(const TProgrammLine& line, const MessageNumbering& numbering) {
    auto record = Zeroed<TProgramMessageRecord>();
    const std::string_view unit = line.Einheit.view();
    const std::string_view logik = line.Logik.view();
    if (unit == kSubProgramUnit) {
        record.Flags = 0x04;
        record.Wert.set(std::uint16_t(line.Wert.get()));
    } else {
        const CodedDelay delay = EncodeDelay(line.Wert, unit);
        record.Flags = WithDelay(0, delay, unit, kDelayFlags);
        record.Wert.set(delay.field);
    }
    record.Operator = OperatorCode(logik);
    const auto a = std::uint16_t(numbering.Number(line.MeldungA.view()));
    record.MeldungA.set(a);
    const bool single = logik == "TRUE" || logik == "FALSE";
    record.MeldungB.set(single ? a : std::uint16_t(numbering.Number(line.MeldungB.view())));
    record.Order = OrderCode(line.Order.view());
    if (!(line.Order == "NONE")) record.MeldungC.set(std::uint16_t(numbering.Number(line.MeldungC.view())));
    return record;
}

}  // namespace ovis
