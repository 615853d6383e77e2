#pragma once
// The checks before a configuration: every operand of the program lines exists, no two lines
// share a name, every "GOTO" names a program line; the LED fields lie in their ranges; and the
// whole fits the memory.
#include <cstddef>
#include <optional>
#include <span>
#include <string>

#include "project/message_numbering.h"
#include "programs/program_set.h"
#include "project/led_record.h"

namespace ovis {

// The message of the first failed check; nothing when every check passes.
std::optional<std::string> CheckProgramSet(const ProgramSet& set, const MessageNumbering& numbering);

// The LED parameters' module count and every field of the LED rows that the image encodes,
// against their ranges: the message for the first one outside; nothing when all are sound.
std::optional<std::string> CheckLedFields(int ledModules, std::span<const TLedRecord> rows);

// The LED index lies between 0x8800 and the message records: more LED messages than it has
// entries for would overwrite those records. The refusal, or nothing when they fit.
std::optional<std::string> CheckLedIndexRoom(std::size_t ledMessages);

// The refusal of a configuration that needs `excessBytes` more than the Interface's memory holds.
std::string OversizedConfigurationMessage(int excessBytes);

}  // namespace ovis
