#pragma once
// The group table's own checks before saving: every group needs a member, and a folder it
// records into must be one of the acquisition folders of the system configuration.
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "project/group_record.h"
#include "tables/name_check.h"

namespace ovis {

class SystemParameters;

// The names of acquisition folders 1..n of the system configuration (record bytes), in order.
std::vector<std::string> AcquisitionFolderNames(const SystemParameters& parameters);

// The first row, top to bottom, that has no member or names a folder that is not in `folders`
// (compared exactly, case included).
std::optional<CheckFailure> CheckGroupRows(std::span<const TGruppeRecord> rows, const std::vector<std::string>& folders);

}  // namespace ovis
