#include "reports/report_date.h"

#include <cstdio>

namespace ovis {

std::string ReportDate(const LocalDateTime& now) {
    char text[32];
    std::snprintf(text, sizeof text, "%02d.%02d.%04d", now.day, now.month, now.year);
    return text;
}

}  // namespace ovis
