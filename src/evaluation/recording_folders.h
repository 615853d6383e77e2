#pragma once
// Which messages belong to a folder of the folder table, and the folder of a recording.
#include <cstddef>
#include <string_view>
#include <vector>

#include "config/parameter_record.h"
#include "tables/io_tables.h"
#include "tables/message_tables.h"

namespace ovis {

// The message numbers of folder `folder` (0-14), in the folder's order; a number's position is
// its index in the folder's selection record. Messages 1..nIO are the I/O rows, the next `ledCount`
// numbers the LED rows.
// - 0: every I/O message, then every LED message.
// - 14: the I/O messages of the output kinds ("Relais", "LED", "Opto", "Trans"), then every LED message.
// - 1..13: the members (among the first Anzahl) of the groups whose SpeicherOrdner is the folder's
//   name, each once, ascending; members that name no message are left out.
// Any other index, and an acquisition folder without a name, has no messages.
std::vector<int> FolderMessages(int folder, const IoTable& io, std::size_t ledCount, const GroupTable& groups,
                                const TParameterRecord& parameters);

// The index of the folder named `name` in the folder table; 0 when no folder has that name.
int FolderIndexOf(const TParameterRecord& parameters, std::string_view name);

}  // namespace ovis
