#include "link/configuration_image_checks.h"

#include <unordered_map>
#include <unordered_set>

#include "link/configuration_image.h"
#include "link/configuration_image_records.h"
#include "project/led_field_ranges.h"
#include "records/terminal_text.h"
#include "tables/name_check.h"

namespace ovis {

namespace {

std::string QuotedProgram(const ProgramSet& set, std::size_t line) {
    return "\"" + EscapeControlCharacters(set.ProgramOf(line).fileName) + "\"";
}

std::string LineNumber(const ProgramSet& set, std::size_t line) { return std::to_string(set.LineNumber(line)); }

std::optional<std::string> CheckOperands(const ProgramSet& set, const MessageNumbering& numbering) {
    for (std::size_t i = 0; i < set.Size(); ++i) {
        // A header line repeats the operands of the line before it, which were checked there.
        if (set.IsHeaderLine(i)) continue;
        const TProgrammLine& line = set.lines[i];
        for (const auto* operand : {&line.MeldungA, &line.MeldungB, &line.MeldungC}) {
            if (operand != &line.MeldungA && operand->empty()) continue;
            if (numbering.Number(operand->view()) != 0) continue;
            return "Die Meldung  " + QuotedMessageName(operand->view()) + "  aus der Programmzeile " +
                   LineNumber(set, i) + " existiert nicht im Programm  " + QuotedProgram(set, i) + "  !!!";
        }
    }
    return std::nullopt;
}

std::optional<std::string> CheckDuplicates(const ProgramSet& set) {
    struct Occurrences {
        std::size_t first;
        std::size_t second = 0;
        bool repeated = false;
    };
    std::unordered_map<std::string_view, Occurrences> byName;
    byName.reserve(set.Size());
    for (std::size_t i = 0; i < set.Size(); ++i) {
        const std::string_view name = set.lines[i].Bezeichnung.view();
        if (name.empty()) continue;
        auto [entry, inserted] = byName.try_emplace(name, Occurrences{i});
        if (!inserted && !entry->second.repeated) {
            entry->second.second = i;
            entry->second.repeated = true;
        }
    }
    for (std::size_t i = 0; i < set.Size(); ++i) {
        const std::string_view name = set.lines[i].Bezeichnung.view();
        if (name.empty()) continue;
        const Occurrences& found = byName.at(name);
        if (found.first != i || !found.repeated) continue;
        const std::size_t other = found.second;
        return "Die Meldung  " + QuotedMessageName(name) + "  (Zeile " + LineNumber(set, i) + ")  im Programm  " +
               QuotedProgram(set, i) + "  existiert bereits\rin der Programmzeile " + LineNumber(set, other) +
               " im Programm  " + QuotedProgram(set, other) + "  !!!";
    }
    return std::nullopt;
}

std::optional<std::string> CheckGotoTargets(const ProgramSet& set) {
    std::unordered_set<std::string_view> lineNames;
    lineNames.reserve(set.Size());
    for (const auto& line : set.lines) lineNames.insert(line.Bezeichnung.view());
    for (std::size_t i = 0; i < set.Size(); ++i) {
        const TProgrammLine& line = set.lines[i];
        if (!(line.Order == "GOTO") || line.MeldungC.empty()) continue;
        if (lineNames.contains(line.MeldungC.view())) continue;
        return "Die Meldung  " + QuotedMessageName(line.MeldungC.view()) + "  (Zeile " + LineNumber(set, i) +
               ")  im Programm  " + QuotedProgram(set, i) +
               "  darf nicht \rin Verbindung mit dem Order-Befehl \"GOTO\" verwendet werden !!!";
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::string> CheckProgramSet(const ProgramSet& set, const MessageNumbering& numbering) {
    if (auto failure = CheckOperands(set, numbering)) return failure;
    if (auto failure = CheckDuplicates(set)) return failure;
    return CheckGotoTargets(set);
}

std::optional<std::string> CheckLedFields(int ledModules, std::span<const TLedRecord> rows) {
    if (auto fault = LedModuleCountFault(ledModules)) return fault;
    for (std::size_t i = 0; i < rows.size(); ++i)
        if (auto fault = LedRecordFault(rows[i], i + 1)) return fault;
    return std::nullopt;
}

std::optional<std::string> CheckLedIndexRoom(std::size_t ledMessages) {
    constexpr std::size_t kRoom = (kMessageRecordsAddress - kLedIndexAddress) / sizeof(TLedIndexEntry);
    if (ledMessages <= kRoom) return std::nullopt;
    return "Die LED-Tabelle enthält " + std::to_string(ledMessages) + " Meldungen; das Interface fasst höchstens " +
           std::to_string(kRoom) + " LED-Meldungen.\r\rVerkleinern Sie bitte die LED-Tabelle.";
}

std::string OversizedConfigurationMessage(int excessBytes) {
    return "Die Konfiguration ist um " + std::to_string(excessBytes) +
           " Bytes zu groß für den Speicher des Interfaces!\r\rVerkleinern Sie bitte die LED-Tabelle oder die Programme.";
}

}  // namespace ovis
