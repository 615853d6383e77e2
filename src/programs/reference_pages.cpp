#include "programs/reference_pages.h"

#include "project/program_files.h"
#include "project/output_file_table.h"
#include "project/recording_begin.h"
#include "project/project_store.h"

namespace ovis {
namespace {

std::string OutputCellText(const auto& file, int column) {
    switch (column) {
        case 1: return file.name;
        case 2: return file.date;
        case 3: return file.size;
        case 4: return file.begin;
        default: return {};
    }
}

}  // namespace

ReferencePages::ReferencePages(ProjectStore& store)
    : store_(store),
      panel_(store.Tables().parameters, store.Tables().signalNames),
      io_(store, panel_),
      groups_(store),
      led_(store, ledPictures_),
      counters_(store),
      timers_(store, clock_),
      ioTable_(ReadOnlyTable::Of(io_)),
      groupTable_(ReadOnlyTable::Of(groups_)),
      ledTable_(ReadOnlyTable::Of(led_)),
      counterTable_(ReadOnlyTable::Of(counters_)),
      timerTable_(ReadOnlyTable::Of(timers_)),
      outputTable_(
          kOutputDataPageColumns, [this] { return outputFiles_.size(); },
          [this](std::size_t row, int column) { return OutputCellText(outputFiles_.at(row), column); }) {
    ReadOutputFiles();
}

ReadOnlyTable* ReferencePages::Table(ProgramPage page) {
    switch (page) {
        case ProgramPage::Io: return &ioTable_;
        case ProgramPage::Groups: return &groupTable_;
        case ProgramPage::Led: return &ledTable_;
        case ProgramPage::Counters: return &counterTable_;
        case ProgramPage::Timers: return &timerTable_;
        case ProgramPage::OutputData: return &outputTable_;
        case ProgramPage::Program:
        case ProgramPage::Selection: break;
    }
    return nullptr;
}

std::optional<std::string> ReferencePages::CurrentName(ProgramPage page) {
    ReadOnlyTable* table = Table(page);
    return table ? table->CurrentName() : std::nullopt;
}

void ReferencePages::ReadOutputFiles() {
    outputFiles_.clear();
    for (const OutputFile& file : BuildOutputFileTable(store_.ProjectDirectory(), store_.Tables().parameters.Record())) {
        std::error_code sizeError, timeError;
        const auto size = std::filesystem::file_size(file.path, sizeError);
        const auto time = std::filesystem::last_write_time(file.path, timeError);
        outputFiles_.push_back({file.name, timeError ? std::string() : FileDateText(time),
                                sizeError ? std::string() : FileSizeText(size), " " + FileBeginText(file.path)});
    }
}

const TIoRecord* ReferencePages::CurrentIoRow() const {
    const int row = ioTable_.CursorRow();
    const IoTable& io = store_.Tables().io;
    return row >= 0 && std::size_t(row) < io.Count() ? &io.Row(std::size_t(row)) : nullptr;
}

std::optional<ReferencePages::IoModule> ReferencePages::CurrentIoModule() {
    const TIoRecord* row = CurrentIoRow();
    if (!row) return std::nullopt;
    panel_.ShowModuleOf(*row);
    IoModule module;
    module.position = panel_.ModuleLabel();
    module.type = IoPageTypeText(panel_);
    for (int line = 1; line <= kTerminalLines; ++line) module.lines[std::size_t(line - 1)] = panel_.LineAt(line, row);
    return module;
}

}  // namespace ovis
