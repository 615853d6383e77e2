// ovisctl: the command-line tool on the Ovis core.
#include <csignal>
#include <iostream>
#include <string>
#include <vector>

#include "cli/arguments.h"
#include "cli/command_registry.h"
#include "records/io_error.h"
#include "records/terminal_text.h"

namespace {

void PrintUsage(std::ostream& out) {
    out << "Aufruf: ovisctl BEFEHL [ARGUMENTE]\n\nBefehle:\n";
    for (const auto& command : ovis::cli::Commands()) out << "  ovisctl " << command.usage << '\n';
}

}  // namespace

int main(int argc, char** argv) {
    // A write past the file-size limit then fails with an error that is reported instead of ending the process.
    std::signal(SIGXFSZ, SIG_IGN);
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty() || args[0] == "--help" || args[0] == "help") {
        PrintUsage(args.empty() ? std::cerr : std::cout);
        return args.empty() ? 2 : 0;
    }
    for (const auto& command : ovis::cli::Commands()) {
        if (command.name != args[0]) continue;
        try {
            return command.run({args.begin() + 1, args.end()});
        } catch (const ovis::cli::UsageError& e) {
            std::cerr << "ovisctl " << command.name << ": " << ovis::TerminalLines(e.what())
                      << "\nAufruf: ovisctl " << command.usage << '\n';
            return 2;
        } catch (const ovis::IoError& e) {
            std::cerr << ovis::TerminalLines(e.what()) << '\n';
            return 1;
        } catch (const std::exception& e) {
            std::cerr << "Fehler: " << ovis::TerminalLines(e.what()) << '\n';
            return 1;
        }
    }
    std::cerr << "Unbekannter Befehl: " << ovis::EscapeControlCharacters(args[0]) << "\n\n";
    PrintUsage(std::cerr);
    return 2;
}
