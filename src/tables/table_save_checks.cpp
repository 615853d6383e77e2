#include "tables/table_save_checks.h"

#include "project/project_tables.h"
#include "tables/counter_check.h"
#include "tables/group_check.h"
#include "tables/io_order_check.h"

namespace ovis {
std::optional<CheckFailure> CheckIoTableForSave(ProjectTables& tables) {
    const MessageNames others = CollectMessageNames(tables);
    auto rows = tables.io.Rows();
    return CheckRecordNamesForSave(
        MessageTableKind::Io, rows, [&] { return CheckIoOrder(rows); }, others);
}

std::optional<CheckFailure> CheckGroupTableForSave(ProjectTables& tables) {
    const MessageNames others = CollectMessageNames(tables);
    auto rows = tables.groups.Rows();
    const auto folders = AcquisitionFolderNames(tables.parameters);
    return CheckRecordNamesForSave(
        MessageTableKind::Groups, rows, [&] { return CheckGroupRows(rows, folders); }, others);
}

std::optional<CheckFailure> CheckCounterTableForSave(ProjectTables& tables) {
    const MessageNames others = CollectMessageNames(tables);
    auto rows = tables.counters.Rows();
    return CheckRecordNamesForSave(
        MessageTableKind::Counters, rows, [&] { return CheckCounterRows(rows); }, others);
}

std::optional<CheckFailure> CheckTimerTableForSave(ProjectTables& tables) {
    const MessageNames others = CollectMessageNames(tables);
    return CheckRecordNamesForSave(MessageTableKind::Timers, tables.timers.Rows(), {}, others);
}

}  // namespace ovis
