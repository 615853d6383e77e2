#include "evaluation/analyser_rows.h"

namespace ovis {

AnalyserRows AnalyserRows::Build(std::span<const int> folderMessages, const TAuswahlRecord& selection,
                                 const std::function<std::string(int)>& nameOf) {
    AnalyserRows rows;
    for (std::size_t k = 0; k < folderMessages.size() && k < std::size(selection.Shown); ++k) {
        const int number = folderMessages[k];
        if (selection.Shown[k] != 1 || number < 1 || number >= kRecordedNumberRange) continue;
        if (rows.Count() == kAnalyserRowCapacity) break;
        if (rows.rowOf_[std::size_t(number)] != 0) continue;  // a message has one row
        rows.messages_.push_back(number);
        rows.names_.push_back(nameOf(number));
        rows.rowOf_[std::size_t(number)] = std::uint16_t(rows.Count());
    }
    return rows;
}

int AnalyserRows::Message(int row) const { return row >= 1 && row <= Count() ? messages_[std::size_t(row - 1)] : 0; }

const std::string& AnalyserRows::Name(int row) const {
    static const std::string kEmpty;
    return row >= 1 && row <= Count() ? names_[std::size_t(row - 1)] : kEmpty;
}

}  // namespace ovis
