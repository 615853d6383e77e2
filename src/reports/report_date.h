#pragma once
// The date in a report's page header.
#include <string>

#include "platform/clock.h"

namespace ovis {

// dd.mm.yyyy
std::string ReportDate(const LocalDateTime& now);

}  // namespace ovis
