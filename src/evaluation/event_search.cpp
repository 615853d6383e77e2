#include "evaluation/event_search.h"

#include <cstdio>
#include <vector>

#include "evaluation/analyser_time_labels.h"
#include "evaluation/column_states.h"

namespace ovis {
namespace {

std::string Padded(const char* format, const std::string& text) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, format, text.c_str());
    return buffer;
}

}  // namespace

void SearchConditions::Set(int message, SearchCondition condition) {
    conditions_[std::size_t(message) & kMessageNumberMask] = condition;
}

SearchCondition ConditionOfCell(const std::string& text) {
    if (text == "High") return SearchCondition::High;
    if (text == "Low") return SearchCondition::Low;
    return SearchCondition::DontCare;
}

SearchHit SearchEvents(std::span<const TRecordingEvent> records, const SearchConditions& conditions,
                       std::size_t continueFrom) {
    SearchHit hit;
    std::array<bool, kMessageNumberMask + 1> high{};
    // Messages whose level differs from their condition; every level starts Low.
    int unmet = 0;
    for (int m = 1; m <= int(kMessageNumberMask); ++m) unmet += conditions.At(m) == SearchCondition::High;
    const auto apply = [&](const TRecordingEvent& e) {
        if (IsMarker(e)) return;
        const int m = MessageNumber(e);
        const SearchCondition c = conditions.At(m);
        const bool level = IsLevelHigh(e);
        if (c != SearchCondition::DontCare && level != high[std::size_t(m)])
            unmet += (level == (c == SearchCondition::High)) ? -1 : 1;
        high[std::size_t(m)] = level;
    };
    std::size_t k = 3;
    for (; k <= records.size(); ++k) {
        apply(records[k - 1]);
        if (unmet == 0 && k >= continueFrom) break;
    }
    if (k > records.size()) return hit;
    hit.r = k;
    for (++k; k <= records.size(); ++k) {
        apply(records[k - 1]);
        if (unmet != 0) {
            hit.s = k;
            return hit;
        }
    }
    hit.fileEnd = true;
    std::size_t last = records.size();
    while (last > 1 && EventSteps(records[last - 1]) <= 0) --last;
    hit.s = last;
    return hit;
}

std::size_t ContinuationAfter(const SearchHit& hit) { return hit.r == 0 || hit.fileEnd ? 0 : hit.s; }

std::string SearchFoundText(const TTimeStamp& r, const TTimeStamp& s, bool fileEnd) {
    std::string text = "Die Suchbedingung ist erfüllt...\r\rvom" + Padded("%15s", DateLabel(r)) +
                       Padded("%20s", TimeLabel(r)) + "\rbis" + Padded("%17s", DateLabel(s)) + Padded("%20s", TimeLabel(s));
    if (fileEnd) {
        text += "\r\r" + std::string(26, ' ') +
                "Achtung!!!\rBei der Suche wurde das Dateiende erreicht.\rMöglicherweise setzt sich dieses Ereignis in"
                "\reiner neuen Datei fort.";
    } else {
        text += "\r\rWollen Sie weitersuchen?";
    }
    return text;
}

std::string SearchNothingFoundText() { return "Das Dateiende ist erreicht. Es konnte kein Eintrag gefunden werden."; }

}  // namespace ovis
