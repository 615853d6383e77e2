#pragma once
// ovisctl's sub-commands. Each command file registers itself with a static CommandRegistration.
#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

namespace ovis::cli {

// Arguments after the command word; returns the process exit code.
using CommandFunction = std::function<int(const std::vector<std::string>& args)>;

struct Command {
    std::string name;
    std::string usage;  // one line: "new-project NAME [--base DIR]"
    CommandFunction run;
};

std::vector<Command>& Commands();

struct CommandRegistration {
    CommandRegistration(std::string name, std::string usage, CommandFunction run);
};

}  // namespace ovis::cli
