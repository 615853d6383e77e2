#include "cli/command_registry.h"

namespace ovis::cli {

std::vector<Command>& Commands() {
    static std::vector<Command> commands;
    return commands;
}

CommandRegistration::CommandRegistration(std::string name, std::string usage, CommandFunction run) {
    Commands().push_back({std::move(name), std::move(usage), std::move(run)});
}

}  // namespace ovis::cli
