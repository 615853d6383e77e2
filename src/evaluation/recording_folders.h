#pragma once
// Which messages belong to a folder of the folder table, and the folder of a recording.
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "project/parameter_record.h"
#include "project/message_numbering.h"
#include "project/io_records.h"
#include "project/message_tables.h"

namespace ovis {

// The message numbers of folder `folder` (0-14), in the folder's order; a number's position is
// its index in the folder's selection record. Recordings carry the I/O and LED messages of the
// project's numbering; `io` are the I/O rows it numbers.
// - 0: every I/O message, then every LED message.
// - 14: the I/O messages of the output kinds ("Relais", "LED", "Opto", "Trans"), then every LED message.
// - 1..13: the members (among the first Anzahl) of the groups whose SpeicherOrdner is the folder's
//   name, each once, ascending; members that name no message are left out.
// Any other index, and an acquisition folder without a name, has no messages.
std::vector<int> FolderMessages(int folder, const MessageNumbering& numbering, std::span<const TIoRecord> io,
                                const GroupTable& groups, const TParameterRecord& parameters);

// The name of a recorded message number: an I/O or LED message of the numbering; empty for any
// other number.
std::string RecordedMessageName(const MessageNumbering& numbering, int number);

// The index of the folder named `name` in the folder table; 0 when no folder has that name.
int FolderIndexOf(const TParameterRecord& parameters, std::string_view name);

}  // namespace ovis
