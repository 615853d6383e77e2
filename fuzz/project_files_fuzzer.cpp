// Fuzz target: the typed files of a project and its base directory. The first byte picks the
// file, the rest is its content; every other file is that of the demo project. The project is
// loaded as opening it loads it, a file that loaded is saved again and must come back byte for
// byte, the save checks run and the editors show every cell and terminal line.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>

#include "fuzz/fuzz_check.h"
#include "fuzz/project_files.h"
#include "records/io_error.h"
#include "shell/demo_project.h"
#include "support/scripted_dialogs.h"
#include "support/temp_dir.h"
#include "tables/group_editor.h"
#include "tables/io_editor.h"
#include "tables/table_save_checks.h"

namespace ovis::fuzz {
namespace {

namespace fs = std::filesystem;

struct DemoBase {
    test::TempDir base;
    fs::path projectDir;
    std::array<std::optional<Bytes>, kFuzzedFileCount> originals;

    DemoBase() {
        CreateDemoBase(base.path());
        projectDir = base.path() / kProjectsFolder / kDemoProjectName;
        for (std::size_t i = 0; i < kFuzzedFileCount; ++i) originals[i] = ReadFileWithRetries(PathOf(FuzzedFile(i)), {1, {}});
    }

    fs::path PathOf(FuzzedFile file) const { return FuzzedFilePath(file, base.path(), projectDir); }

    void Restore(FuzzedFile file) const {
        const auto& original = originals[std::size_t(file)];
        std::error_code ignored;
        if (original)
            WriteFileAtomically(PathOf(file), *original);
        else
            fs::remove(PathOf(file), ignored);
    }
};

DemoBase& Demo() {
    static DemoBase demo;
    return demo;
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

void ShowIoEditor(ProjectStore& store, Dialogs& dialogs) {
    IoEditor io(store, dialogs);
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
    DemoBase& demo = Demo();
    const FuzzedFile file = FuzzedFileOf(data[0]);
    const Bytes content(data + 1, data + size);
    WriteFileAtomically(demo.PathOf(file), content);

    auto tables = std::make_unique<ProjectTables>();
    test::ScriptedDialogs dialogs;
    ProjectStore store(*tables, dialogs, demo.base.path());
    store.SetCurrentProjectName(kDemoProjectName);
    bool loaded = true;
    try {
        store.LoadAllTables();
    } catch (const IoError&) {
        loaded = false;
    }
    ReadBaseFiles(store);

    if (loaded && KeepsEveryByte(file, content.size())) {
        SaveAgain(file, *tables, demo.projectDir);
        FUZZ_CHECK(ReadFileOrThrow(demo.PathOf(file)) == content, "a loaded file is not saved back byte for byte");
    }

    ShowIoEditor(store, dialogs);
    GroupEditor groups(store, dialogs);
    ShowEveryCell(groups.Table());
    for (const TableSaveCheck& check : TableSaveChecks()) (void)check.run(*tables);

    demo.Restore(file);
    return 0;
}
