#pragma once
// Projects on disk for the shell's tests: a complete file set with a chosen number of I/O and
// LED rows.
#include <cstring>
#include <memory>
#include <string>

#include "records/typed_file.h"
#include "project/project_store.h"

namespace ovis::test {

inline void WriteProject(ProjectStore& store, const std::string& name, std::size_t ioRows = 0, std::size_t ledRows = 0) {
    store.CreateProjectFiles(name);
    const auto dir = store.ProjectRoot() / name;
    if (ioRows > 0) {
        auto io = std::make_unique<IoTable>();
        ResetIoRows(*io);
        while (io->Count() < ioRows) io->Append(io->Row(0));
        io->SetCount(ioRows);
        SaveIoTable(*io, dir);
    }
    if (ledRows > 0) {
        auto led = std::make_unique<LedTable>();
        TLedRecord record;
        std::memset(&record, 0, sizeof record);
        for (std::size_t i = 0; i < ledRows; ++i) led->Append(record);
        led->Save(ResolveInDirectory(dir, kLedFileName));
    }
}

}  // namespace ovis::test
