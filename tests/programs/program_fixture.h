#pragma once
// A project with I/O, group, LED, counter and timer messages, a program editor over its "Main"
// program and a trash directory, and helpers to build program lines.
#include <initializer_list>
#include <string>

#include "programs/program_editor.h"
#include "programs/program_lines.h"
#include "programs/program_texts.h"
#include "support/directory_trash.h"
#include "tables/counter_timer_fixture.h"

namespace ovis::test {

// The counter timer project (I/O "Lampe", "Taster", "Netz", "Tor"; group "Alarm"; LED "Anzeige
// oben", "Laufschrift") with the counter "Zaehler" and the timer "Uhr".
struct ProgramProject : CounterTimerProject {
    TempDir trashDir;
    DirectoryTrash trash{trashDir.path()};
    ProgramEditor editor{store, dialogs, trash};

    ProgramProject() {
        SetCounters({CounterRow("Zaehler")});
        SetTimers({TimerRow("Uhr")});
    }

    ProgramTable& Lines() { return tables->program.lines; }

    // Replaces the open program's lines in memory, as if loaded.
    void SetLines(std::initializer_list<TProgrammLine> lines) {
        Lines().Assign(std::span<const TProgrammLine>(lines.begin(), lines.size()));
        for (std::size_t i = 0; i < lines.size(); ++i) Lines().Row(i).Nr = int(i) + 1;
        Lines().TakeSavedImage();
        editor.Opened();
    }

    std::vector<std::string> Names() {
        std::vector<std::string> names;
        for (const auto& line : Lines().Rows()) names.push_back(line.Bezeichnung.str());
        return names;
    }

    // Writes a program file of the project.
    void WriteProgram(const std::string& name, std::initializer_list<TProgrammLine> lines) {
        WriteRecords(ProgramFilePath(Dir(), name), lines.begin(), lines.size());
    }
};

}  // namespace ovis::test
