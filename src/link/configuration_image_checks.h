#pragma once
// The checks over all program lines before a configuration: every operand exists, no two lines
// share a name, every "GOTO" names a program line.
#include <optional>
#include <string>

#include "programs/message_numbering.h"
#include "programs/program_set.h"

namespace ovis {

// The message of the first failed check; nothing when every check passes.
std::optional<std::string> CheckProgramSet(const ProgramSet& set, const MessageNumbering& numbering);

}  // namespace ovis
