#include "programs/program_check.h"

#include "programs/program_columns.h"
#include "programs/program_texts.h"
#include "project/output_file_table.h"
#include "project/project_tables.h"

namespace ovis {
namespace {

constexpr char kCr = '\r';

std::string LineNumber(std::size_t index) { return std::to_string(index + 1); }

}  // namespace

std::optional<CheckFailure> CheckProgramLogic(std::span<const TProgrammLine> lines) {
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const TProgrammLine& line = lines[i];
        const bool valid = TakesOneOperand(line.Logik.view()) ? !line.MeldungA.empty() && line.MeldungB.empty()
                                                              : !line.MeldungA.empty() && !line.MeldungB.empty();
        if (valid) continue;
        return CheckFailure{"Die Zeile Nr. " + LineNumber(i) + " enthält einen logischen Fehler!" + kCr + kCr +
                                " Überprüfen Sie bitte die aktuellen Angaben.",
                            i + 1, program_column::kLogic};
    }
    return std::nullopt;
}

std::optional<CheckFailure> CheckProgramOrders(std::span<const TProgrammLine> lines) {
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const TProgrammLine& line = lines[i];
        if ((line.Order.view() == kNoOrder) == line.MeldungC.empty()) continue;
        return CheckFailure{"Die Zeile Nr. " + LineNumber(i) + " enthält im Bereich Order / Meldung C einen Fehler!" +
                                kCr + kCr + "              Überprüfen Sie bitte die aktuellen Angaben.",
                            i + 1, program_column::kOrder};
    }
    return std::nullopt;
}

std::optional<CheckFailure> CheckProgramLinesForSave(std::span<TProgrammLine> lines, const MessageNames& others) {
    const auto names = RecordNames(lines);
    TrimNames(names);
    if (auto failure = CheckProgramLogic(lines)) return failure;
    if (auto failure = CheckProgramOrders(lines)) return failure;
    return FindNameInOtherTables(MessageTableKind::Program, names, others);
}

std::vector<std::string> OutputDataNames(const std::filesystem::path& projectDir, const ProjectTables& tables) {
    std::vector<std::string> names;
    for (const OutputFile& file : BuildOutputFileTable(projectDir, tables.parameters.Record())) names.push_back(file.name);
    return names;
}

std::optional<CheckFailure> CheckProgramForSave(ProjectTables& tables, const std::filesystem::path& projectDir) {
    MessageNames others = CollectMessageNames(tables);
    const std::vector<std::string> outputData = OutputDataNames(projectDir, tables);
    others.outputData.assign(outputData.begin(), outputData.end());
    return CheckProgramLinesForSave(tables.program.lines.Rows(), others);
}

}  // namespace ovis
