// Fuzz target: the typed files of a project and its base directory. The first byte picks the
// file, the rest is its content; every other file is that of the demo project. The project is
// loaded as opening it loads it, a file that loaded is saved again and must come back byte for
// byte, the editors show every cell and terminal line and the save checks run.
#include <array>
#include <cstdint>
#include <memory>

#include "fuzz/fuzz_check.h"
#include "fuzz/project_files.h"
#include "records/io_error.h"
#include "shell/demo_project.h"
#include "support/scripted_dialogs.h"
#include "support/temp_dir.h"
#include "tables/group_editor.h"
#include "tables/io_editor.h"
#include "led/table_save_check_list.h"

namespace ovis::fuzz {
namespace {

namespace fs = std::filesystem;

// The demo base directory, the project's tables and the editors over them, made once: the
// tables are assigned fresh contents at every input, which keeps their storage (allocating the
// tables and the editors' undo levels anew at every input takes most of the time).
struct Session {
    test::TempDir base;
    fs::path projectDir;
    std::array<Bytes, kFuzzedFileCount> originals;
    const std::unique_ptr<const ProjectTables> fresh = std::make_unique<ProjectTables>();
    const std::unique_ptr<ProjectTables> tables = std::make_unique<ProjectTables>();
    test::ScriptedDialogs dialogs;
    ProjectStore store{*tables, dialogs, base.path()};
    IoEditor io{store, dialogs};
    GroupEditor groups{store, dialogs};

    Session() {
        CreateDemoBase(base.path());
        projectDir = base.path() / kProjectsFolder / kDemoProjectName;
        // A file the demo lacks starts empty, which loads as a missing one does without the
        // pauses between the attempts to open it.
        for (std::size_t i = 0; i < kFuzzedFileCount; ++i) {
            const fs::path path = PathOf(FuzzedFile(i));
            if (auto bytes = ReadFileWithRetries(path, {1, {}})) {
                originals[i] = std::move(*bytes);
            } else {
                fs::create_directories(path.parent_path());
                WriteEmptyFile(path);
            }
        }
        store.SetCurrentProjectName(kDemoProjectName);
    }

    fs::path PathOf(FuzzedFile file) const { return FuzzedFilePath(file, base.path(), projectDir); }

    void Restore(FuzzedFile file) const { WriteFileAtomically(PathOf(file), originals[std::size_t(file)]); }
};

Session& TheSession() {
    static Session session;
    return session;
}

// Whether saving the loaded tables writes the file back unchanged: every record was kept.
bool KeepsEveryByte(FuzzedFile file, std::size_t size) {
    auto wholeTable = [size](std::size_t recordSize) {
        return size % recordSize == 0 && size / recordSize <= kMaxTableRows;
    };
    switch (file) {
        case FuzzedFile::Io: return wholeTable(sizeof(TIoRecord));
        case FuzzedFile::Signals: return size == sizeof(TIoSignalRecord) * kSignalModules;
        case FuzzedFile::Groups: return wholeTable(sizeof(TGruppeRecord));
        case FuzzedFile::Counters: return wholeTable(sizeof(TCounterRecord));
        case FuzzedFile::Timers: return wholeTable(sizeof(TTimerRecord));
        case FuzzedFile::Led: return wholeTable(sizeof(TLedRecord));
        case FuzzedFile::MainProgram: return wholeTable(sizeof(TProgrammLine));
        case FuzzedFile::Parameters: return size == sizeof(TParameterRecord);
        case FuzzedFile::LedParameters: return size == sizeof(TLedParameterRecord);
        case FuzzedFile::Selection: return size == sizeof(TAuswahlRecord) * kFolderCount;
        case FuzzedFile::Settings:
        case FuzzedFile::Firmware: return false;
    }
    return false;
}

void SaveAgain(FuzzedFile file, ProjectTables& tables, const fs::path& projectDir) {
    switch (file) {
        case FuzzedFile::Io: SaveIoTable(tables.io, projectDir); break;
        case FuzzedFile::Signals: tables.signalNames.Save(projectDir); break;
        case FuzzedFile::Groups: tables.groups.Save(projectDir / kGroupFileName); break;
        case FuzzedFile::Counters: tables.counters.Save(projectDir / kCounterFileName); break;
        case FuzzedFile::Timers: tables.timers.Save(projectDir / kTimerFileName); break;
        case FuzzedFile::Led: tables.led.Save(projectDir / kLedFileName); break;
        case FuzzedFile::MainProgram: tables.program.Save(projectDir); break;
        case FuzzedFile::Parameters: tables.parameters.Save(projectDir); break;
        case FuzzedFile::LedParameters: tables.ledParameters.Save(projectDir); break;
        case FuzzedFile::Selection: tables.selection.Save(projectDir); break;
        case FuzzedFile::Settings:
        case FuzzedFile::Firmware: break;
    }
}

template <typename Editor>
void ShowEveryCell(Editor& editor) {
    editor.Opened();
    for (std::size_t row = 0; row < editor.RowCount(); ++row)
        for (int column = 0; column < editor.ColumnCount(); ++column) (void)editor.CellText(int(row), column);
}

void ShowIoEditor(IoEditor& io) {
    ShowEveryCell(io.Table());
    for (std::size_t row = 0; row < io.Table().RowCount(); ++row) {
        io.Table().MoveCursor(int(row), 0, false);
        if (const TIoRecord* current = io.CurrentRow()) io.Panel().ShowModuleOf(*current);
        (void)io.Panel().ModuleLabel();
        (void)io.Panel().TypeLabel();
        for (int line = 1; line <= 18; ++line) (void)io.Panel().LineAt(line, io.CurrentRow());
    }
    for (int position = 1; position <= kSignalModules + 1; ++position) io.ScrollPanelTo(position);
}

void ReadBaseFiles(ProjectStore& store) {
    try {
        (void)store.ReadStartView();
    } catch (const IoError&) {
    }
    try {
        if (auto image = LoadFirmwareImage(FirmwareFileIn(store.BaseDirectory())))
            for (int k = 0; k < kFirmwareBlockCount; ++k) (void)FirmwareBlock(*image, k);
    } catch (const IoError&) {
    }
}

}  // namespace
}  // namespace ovis::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace ovis;
    using namespace ovis::fuzz;
    if (size == 0) return 0;
    Session& session = TheSession();
    const FuzzedFile file = FuzzedFileOf(data[0]);
    const Bytes content(data + 1, data + size);
    WriteFileAtomically(session.PathOf(file), content);

    ProjectTables& tables = *session.tables;
    tables = *session.fresh;
    bool loaded = true;
    try {
        session.store.LoadAllTables();
    } catch (const IoError&) {
        loaded = false;
    }
    ReadBaseFiles(session.store);

    if (loaded && KeepsEveryByte(file, content.size())) {
        SaveAgain(file, tables, session.projectDir);
        FUZZ_CHECK(ReadFileOrThrow(session.PathOf(file)) == content, "a loaded file is not saved back byte for byte");
    }

    ShowIoEditor(session.io);
    ShowEveryCell(session.groups.Table());
    for (const TableSaveCheck& check : TableSaveChecks()) (void)check.run(tables);

    session.dialogs.boxes.clear();
    session.Restore(file);
    return 0;
}
