#pragma once
// The blank output-data file of "Datei erstellen": one day of the output folder's messages, all
// "Low", from 00:00:00 to 23:59:59.
#include <cstddef>
#include <span>
#include <string>

#include "platform/clock.h"
#include "project/io_records.h"
#include "project/recording_event.h"

namespace ovis {

// Writes the records into `buffer`: the marker pair with the date of `today`, one record per
// output I/O row ("Relais", "LED", "Opto", "Trans"; its 1-based row number) and per LED row
// (n_IO + k) at 00:00:00,000, then the same messages at 23:59:59,000. Returns the number of
// records, 2 + 2M; 0 when there is no output message (no file is to be written) or when the
// buffer cannot hold them.
std::size_t CreateDayFile(std::span<const TIoRecord> io, std::size_t ledRows, const LocalDateTime& today,
                          std::span<TRecordingEvent> buffer);

// "Es sind keine " + folder name + " - Meldungen definiert !"
std::string NoOutputMessagesText(const std::string& folderName);

}  // namespace ovis
