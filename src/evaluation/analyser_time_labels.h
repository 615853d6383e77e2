#pragma once
// The analyser's time texts: dates as dd.mm.yyyy and times as hh:mm:ss,mmmuu (milliseconds and
// 10-microsecond steps after the comma), and the reading of such a text back into a stamp.
#include <optional>
#include <string>
#include <string_view>

#include "evaluation/recording_division.h"

namespace ovis {

std::string DateLabel(const TTimeStamp& stamp);
std::string TimeLabel(const TTimeStamp& stamp);

// "dd.mm.yyyy hh:mm:ss,fffff" with every field in its range (years 1900-2155, days of the month
// without 29 February); nothing for any other text.
std::optional<TTimeStamp> ParseStampText(std::string_view text);

}  // namespace ovis
