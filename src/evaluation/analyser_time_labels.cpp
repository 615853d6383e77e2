#include "evaluation/analyser_time_labels.h"

#include <cstdio>

#include "project/recording_time.h"

namespace ovis {
namespace {

// The digits of text[from, from + count) as a number; nothing when one is not a digit.
std::optional<int> Digits(std::string_view text, std::size_t from, std::size_t count) {
    int value = 0;
    for (std::size_t i = from; i < from + count; ++i) {
        if (text[i] < '0' || text[i] > '9') return std::nullopt;
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

}  // namespace

std::string DateLabel(const TTimeStamp& t) {
    char text[32];
    std::snprintf(text, sizeof text, "%02d.%02d.%04d", t.Tag, t.Monat, t.Jahr + 1900);
    return text;
}

std::string TimeLabel(const TTimeStamp& t) {
    char text[48];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d,%03d%02d", t.Std, t.Min, t.Sek, t.MSek, t.Misek);
    return text;
}

std::optional<TTimeStamp> ParseStampText(std::string_view text) {
    constexpr std::string_view kShape = "dd.mm.yyyy hh:mm:ss,fffff";
    if (text.size() != kShape.size()) return std::nullopt;
    for (std::size_t i = 0; i < kShape.size(); ++i) {
        const bool separator = kShape[i] == '.' || kShape[i] == ' ' || kShape[i] == ':' || kShape[i] == ',';
        if (separator && text[i] != kShape[i]) return std::nullopt;
    }
    const auto day = Digits(text, 0, 2), month = Digits(text, 3, 2), year = Digits(text, 6, 4);
    const auto hour = Digits(text, 11, 2), minute = Digits(text, 14, 2), second = Digits(text, 17, 2);
    const auto milli = Digits(text, 20, 3), micro = Digits(text, 23, 2);
    if (!day || !month || !year || !hour || !minute || !second || !milli || !micro) return std::nullopt;
    if (*month < 1 || *month > 12 || *day < 1 || *day > DaysInMonth(*month) || *year < 1900 || *year > 2155 ||
        *hour > 23 || *minute > 59 || *second > 59)
        return std::nullopt;
    return TTimeStamp{*year - 1900, *month, *day, *hour, *minute, *second, *milli, *micro};
}

}  // namespace ovis
