#pragma once
// The message shown when a report could not be prepared or printed.
namespace ovis {

inline constexpr const char* kReportFailed = "Fehler !!!";

}  // namespace ovis
