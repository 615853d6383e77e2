// ovisctl new-project, params and demo.
#include <cstdlib>
#include <iostream>
#include <memory>

#include "cli/arguments.h"
#include "cli/command_registry.h"
#include "cli/stderr_dialogs.h"
#include "cli/parameter_listing.h"
#include "records/terminal_text.h"
#include "records/codepage.h"
#include "shell/demo_events.h"
#include "shell/demo_project.h"
#include "records/typed_file.h"
#include "project/project_names.h"
#include "project/project_store.h"

namespace ovis::cli {
namespace {

std::optional<std::string> Environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? std::optional<std::string>(value) : std::nullopt;
}

int NewProjectCommand(const std::vector<std::string>& args) {
    Arguments a(args, {"base"}, {}, 1);
    const std::string& entered = a.Required(0, "NAME");
    std::filesystem::path base = a.Option("base") ? std::filesystem::path(*a.Option("base"))
                                                  : ResolveBaseDirectory(Environment("OVIS_BASE"), std::nullopt,
                                                                         Environment("HOME"));
    auto tables = std::make_unique<ProjectTables>();
    StderrDialogs dialogs;
    ProjectStore store(*tables, dialogs, base);
    // The new project inherits the start view's parameters: when they cannot be loaded, nothing is created.
    if (std::filesystem::exists(store.SettingsFile()) && !store.LoadStartView()) return 1;

    NameCheck check = CheckProjectName(entered, [&](const std::string& n) { return store.ProjectExists(n); });
    if (check.verdict == NameVerdict::Empty) {
        std::cerr << "Der Projektname ist leer.\n";
        return 1;
    }
    if (check.verdict != NameVerdict::Accepted) {
        std::cerr << TerminalLines(check.message) << '\n';
        return 1;
    }
    store.CreateProjectFiles(check.name);
    store.SetCurrentProjectName(check.name);
    if (!store.OpenCurrentProject()) return 1;
    std::cout << EscapeControlCharacters(store.ProjectDirectory().string()) << '\n';
    return 0;
}

int ParamsCommand(const std::vector<std::string>& args) {
    Arguments a(args, {}, {}, 1);
    const std::filesystem::path projectDir = a.Required(0, "PROJEKTVERZEICHNIS");
    SystemParameters parameters;
    parameters.Load(projectDir);
    LedParameters ledParameters;
    ledParameters.Load(projectDir);
    std::cout << ParameterListing(parameters.Record()) << LedParameterListing(ledParameters.Record());
    return 0;
}

int DemoCommand(const std::vector<std::string>& args) {
    Arguments a(args, {}, {}, 1);
    std::filesystem::path base = a.Required(0, "BASISVERZEICHNIS");
    bool created = CreateDemoBase(base);
    // The simulator's memory card: three days of events up to today (scripts/run-demo passes it).
    const auto events = base / kDemoEventsFileName;
    if (!std::filesystem::exists(events)) {
        const std::string text = DemoEventsText(SystemClock().Now());
        WriteFileAtomically(events, Bytes(text.begin(), text.end()));
    }
    std::cout << EscapeControlCharacters((base / kProjectsFolder / kDemoProjectName).string())
              << (created ? "" : " (vorhanden)") << '\n';
    return 0;
}

CommandRegistration newProject{"new-project", "new-project NAME [--base DIR]", NewProjectCommand};
CommandRegistration params{"params", "params PROJEKTVERZEICHNIS", ParamsCommand};
CommandRegistration demo{"demo", "demo BASISVERZEICHNIS", DemoCommand};

}  // namespace
}  // namespace ovis::cli
