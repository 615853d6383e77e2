#pragma once
// The checks over all program lines before a configuration: every operand exists, no two lines
// share a name, every "GOTO" names a program line; and the check that the whole fits the memory.
#include <optional>
#include <string>

#include "project/message_numbering.h"
#include "programs/program_set.h"

namespace ovis {

// The message of the first failed check; nothing when every check passes.
std::optional<std::string> CheckProgramSet(const ProgramSet& set, const MessageNumbering& numbering);

// The refusal of a configuration that needs `excessBytes` more than the Interface's memory holds.
std::string OversizedConfigurationMessage(int excessBytes);

}  // namespace ovis
