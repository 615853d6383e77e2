#include "evaluation/day_file.h"

#include <string>
#include <vector>

#include "project/io_tables.h"

namespace ovis {

std::size_t CreateDayFile(std::span<const TIoRecord> io, std::size_t ledRows, const LocalDateTime& today,
                          std::span<TRecordingEvent> buffer) {
    std::vector<int> messages;
    for (std::size_t i = 0; i < io.size(); ++i)
        if (IsOutputRow(io[i])) messages.push_back(int(i + 1));
    for (std::size_t k = 1; k <= ledRows; ++k) messages.push_back(int(io.size() + k));
    const std::size_t count = 2 + 2 * messages.size();
    if (messages.empty() || count > buffer.size()) return 0;

    TRecordingEvent date{};
    date.Jahr = std::uint8_t(((today.year - 1900) % 256 + 256) % 256);
    date.Monat = std::uint8_t(today.month);
    date.Tag = std::uint8_t(today.day);
    buffer[0] = TRecordingEvent{};
    buffer[1] = date;
    std::size_t at = 2;
    for (int message : messages) {
        TRecordingEvent record = date;
        record.Meldung = std::uint16_t(message);
        buffer[at++] = record;
    }
    for (int message : messages) {
        TRecordingEvent record = date;
        record.Meldung = std::uint16_t(message);
        record.Std = 23;
        record.Min = 59;
        record.SekMSek = std::uint16_t(59000);
        buffer[at++] = record;
    }
    return count;
}

std::string NoOutputMessagesText(const std::string& folderName) {
    return "Es sind keine " + folderName + " - Meldungen definiert !";
}

}  // namespace ovis
