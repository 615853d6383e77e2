// Writes the seed inputs of the fuzz targets into OUTDIR/<target>/: the files of the demo
// project and of a new project, the conversations of the serial pass tests, and relay files
// as a Server creates them and with requests and telegrams waiting, and recording files.
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "evaluation/recording_events.h"
#include "fuzz/project_files.h"
#include "link/frame_code.h"
#include "link/relay_record.h"
#include "project/statistics_file.h"
#include "project/grafik_file.h"
#include "records/io_error.h"
#include "shell/demo_project.h"
#include "support/scripted_dialogs.h"
#include "support/temp_dir.h"
#include "tables/group_fixture.h"
#include "visualisation/visu_scene.h"

namespace ovis::fuzz {
namespace {

namespace fs = std::filesystem;
namespace ls = link_state;

class SeedFolder {
public:
    SeedFolder(const fs::path& root, const std::string& target) : dir_(root / target) { fs::create_directories(dir_); }

    void Add(const Bytes& input) { WriteFileAtomically(dir_ / ("seed-" + std::to_string(++count_)), input); }

private:
    fs::path dir_;
    int count_ = 0;
};

Bytes operator+(Bytes a, const Bytes& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

Bytes TextBytes(const std::string& text) { return Bytes(text.begin(), text.end()); }

Bytes FileSeed(FuzzedFile file, const Bytes& content) { return Bytes{std::uint8_t(file)} + content; }

void AddProjectFiles(SeedFolder& seeds, const fs::path& base, const fs::path& projectDir) {
    for (std::size_t i = 0; i < kFuzzedFileCount; ++i) {
        const auto bytes = ReadFileWithRetries(FuzzedFilePath(FuzzedFile(i), base, projectDir), {1, {}});
        seeds.Add(FileSeed(FuzzedFile(i), bytes.value_or(Bytes{})));
    }
}

template <typename Record>
Bytes ZeroRecords(std::size_t count) {
    return Bytes(count * sizeof(Record), 0);
}

// Whole records for the tables the demo leaves empty, so that their rows are reached.
void AddRecordSeeds(SeedFolder& seeds) {
    const std::vector<TGruppeRecord> groups{test::GroupRow("Gruppe 1", {1, 2}), test::GroupRow("Gruppe 2", {3}, "Alle")};
    seeds.Add(FileSeed(FuzzedFile::Groups, EncodeRecords(groups.data(), groups.size())));
    seeds.Add(FileSeed(FuzzedFile::Counters, ZeroRecords<TCounterRecord>(2)));
    seeds.Add(FileSeed(FuzzedFile::Timers, ZeroRecords<TTimerRecord>(2)));
    seeds.Add(FileSeed(FuzzedFile::MainProgram, ZeroRecords<TProgrammLine>(2)));
    seeds.Add(FileSeed(FuzzedFile::Selection, Bytes(kFolderCount * sizeof(TAuswahlRecord), 1)));
}

void WriteProjectSeeds(const fs::path& root) {
    SeedFolder seeds(root, "project_files_fuzzer");
    test::TempDir base;
    CreateDemoBase(base.path());
    AddProjectFiles(seeds, base.path(), base.path() / kProjectsFolder / kDemoProjectName);

    auto tables = std::make_unique<ProjectTables>();
    test::ScriptedDialogs dialogs;
    ProjectStore store(*tables, dialogs, base.path());
    store.CreateProjectFiles("Neu");
    AddProjectFiles(seeds, base.path(), store.ProjectRoot() / "Neu");
    AddRecordSeeds(seeds);
}

// The line target's input: state, telegram, then the Interface's characters.
Bytes LineInput(std::uint8_t state, std::vector<std::uint8_t> telegram, const std::string& characters) {
    Bytes input{state, telegram[0], telegram[1], std::uint8_t(telegram.size() - 2)};
    input.insert(input.end(), telegram.begin() + 2, telegram.end());
    return input + TextBytes(characters);
}

std::string FrameText(std::vector<std::uint8_t> telegram) { return EncodeFrame(telegram).Text(); }

void WriteLineSeeds(const fs::path& root) {
    SeedFolder seeds(root, "line_fuzzer");
    const std::string reset = FrameText({1, 3});
    seeds.Add(LineInput(ls::kSendRequest, {1, 3}, reset + "*,"));
    seeds.Add(LineInput(ls::kSendRequest, {1, 16}, FrameText({1, 16}) + "*,"));
    seeds.Add(LineInput(ls::kSendRequest, {1, 3}, "&124" + reset + "*,"));
    seeds.Add(LineInput(ls::kSendRequest, {1, 3}, reset + "C*,"));
    seeds.Add(LineInput(ls::kSendRequest, {1, 5, 0x12, 0x34, 0x56}, FrameText({1, 5, 0x12, 0x34, 0x56}) + "*,"));
    seeds.Add(LineInput(ls::kDone, {1, 3}, "#" + FrameText({1, 0xFE})));
    seeds.Add(LineInput(ls::kIdle, {1, 3}, "%,"));
    seeds.Add(LineInput(ls::kIdle, {1, 3}, FrameText({1, 0x45}) + "*"));
    seeds.Add(LineInput(ls::kAcknowledging, {1, 3}, FrameText({4, 8}) + "*\n%,"));
    seeds.Add(LineInput(0x81, {1, 3}, FrameText({1, 0x45}) + "*%,\n" + reset + "*,"));
    seeds.Add(LineInput(ls::kResyncRequest, {1, 3}, "%,"));
    std::vector<std::uint8_t> full(kTelegramCapacity, 0x5A);
    for (std::uint8_t command : {4, 16}) {
        full[1] = command;
        seeds.Add(LineInput(ls::kSendRequest, full, FrameText(full) + "*,"));
    }
}

Bytes Records(std::vector<TRelayRecord> records) { return EncodeRecords(records.data(), records.size()); }

TRelayRecord RelayRecord(std::uint8_t marker, std::vector<std::uint8_t> telegram) {
    TRelayRecord record{};
    record.Marker = marker;
    record.Length = std::uint8_t(telegram.size());
    std::copy(telegram.begin(), telegram.end(), record.Bytes);
    return record;
}

// The relay target's input: steps, COMTD.DAT with its length, COMRD.DAT.
Bytes RelayInput(const Bytes& steps, const Bytes& sendFile, const Bytes& receiveFile) {
    const Bytes length{std::uint8_t(sendFile.size() & 0xFF), std::uint8_t(sendFile.size() >> 8)};
    return Bytes{std::uint8_t(steps.size())} + steps + length + sendFile + receiveFile;
}

void WriteRelaySeeds(const fs::path& root) {
    SeedFolder seeds(root, "relay_files_fuzzer");
    // Steps: 0 Client receive, 1 Client synchronise, 2 Client send, 3 Server pick-up, 4 Server
    // forward, 5 reset; the bits above bit 2 give a telegram length.
    const Bytes steps{1, 0, 3, 4 | 2 << 3, 0, 2 | 1 << 3, 3, 0};
    std::vector<TRelayRecord> ring(kRelayReceiveRecords, TRelayRecord{});
    seeds.Add(RelayInput(steps, Records({TRelayRecord{}}), Records(ring)));

    ring[0] = RelayRecord(2, {});
    ring[1] = RelayRecord(1, {1, 0x45});
    ring[2] = RelayRecord(2, {1, 5, 0x12, 0x34, 0x56});
    seeds.Add(RelayInput(steps, Records({RelayRecord(1, {1, 3})}), Records(ring)));
    seeds.Add(RelayInput(Bytes{0, 0, 0, 5, 1, 0}, Records({RelayRecord(1, {1, 16, 0})}),
                         Records({ring.begin(), ring.begin() + 3})));
}

}  // namespace
}  // namespace ovis::fuzz

namespace ovis::fuzz {
namespace {

// Recording files: the marker pair alone, a created day, one with events and one with a prefix.
void WriteRecordingSeeds(const fs::path& root) {
    SeedFolder seeds(root, "recording_file_fuzzer");
    const auto day = test::CreatedDayFile(3);
    seeds.Add(EncodeRecords(day.data(), 2));
    seeds.Add(EncodeRecords(day.data(), day.size()));
    auto events = day;
    events.insert(events.begin() + 5, {test::MakeEvent(2, true, {3, 1, 8, 15, 30250, 7}),
                                       test::MakeEvent(1, true, {3, 1, 8, 15, 30250, 7}),
                                       test::MakeEvent(3, false, {2, 29, 12})});
    seeds.Add(EncodeRecords(events.data(), events.size()));
    std::vector<TRecordingEvent> prefixed(kRecordingPrefixRecords, test::MakeEvent(9, true, {}));
    prefixed.insert(prefixed.end(), day.begin(), day.end());
    seeds.Add(EncodeRecords(prefixed.data(), prefixed.size()));

    // The analyser: a left-edge text, then a recording.
    SeedFolder analyser(root, "analyser_fuzzer");
    const std::string left = "01.03.2008 08:15:30,25007";
    Bytes input(left.begin(), left.end());
    const Bytes file = EncodeRecords(events.data(), events.size());
    input.insert(input.end(), file.begin(), file.end());
    analyser.Add(input);

    // The statistics: the defaults with entries on every tab, then the recording.
    SeedFolder statistics(root, "statistics_fuzzer");
    TStatistikRecord settings = DefaultStatistikRecord("01.03.2008");
    settings.Zeile[0].Von[1] = "01.03.2008", settings.Zeile[0].Bis[1] = "02.03.2008";
    settings.Zeile[0].Von[2] = "08:00:00", settings.Zeile[0].Bis[2] = "12:00:00";
    settings.Zeile[0].Von[3] = "0", settings.Zeile[0].Bis[3] = "10";
    statistics.Add(EncodeRecords(&settings, 1) + file);

    // The export: four message names of 12 bytes, then a recording.
    SeedFolder exports(root, "recording_export_fuzzer");
    Bytes names(4 * 12, 0);
    const char* const shown[] = {"Pumpe 1", "Pumpe-1", "\xD6l $end", "=A;\"B\""};
    for (std::size_t m = 0; m < 4; ++m) std::memcpy(names.data() + m * 12, shown[m], std::strlen(shown[m]));
    names.insert(names.end(), file.begin(), file.end());
    exports.Add(names);
}

// What the Interface sends for the evaluation window: a directory of three units, replies with
// date and event items of several time classes; and an events file of the simulated memory card.
void WriteReadoutSeeds(const fs::path& root) {
    SeedFolder readout(root, "readout_fuzzer");
    readout.Add(Bytes{0, 30, 10, 5, 1, 0xD9, 0x07, 15, 8, 20, 12, 0, 0, 3, 3});
    const Bytes date{0x80, 59, 59, 23, 28, 2, 0xD8, 0x07};
    const Bytes events{0x14, 5, 0x05, 0xDC, 0x00, 6, 0x04, 0xD2, 0x20, 7, 0x30, 0x0A, 0x50, 1, 0x0B, 0x40};
    readout.Add(Bytes{1, std::uint8_t(date.size() + events.size())} + date + events + Bytes{4, 0x10, 9, 0, 1});
    SeedFolder card(root, "events_file_fuzzer");
    card.Add(TextBytes("# Ereignisse\n"
                       "0\t28.02.2008 23:59:59,50001\t12\tHigh\n"
                       "0\t29.02.2008 00:00:00,00010\t12\tLow\n"
                       "3\t01.03.2008 07:30:00,00000\t700\tHigh\n"));
}

// N, then a received online telegram: the levels of all messages, changes, reports.
void WriteOnlineSeeds(const fs::path& root) {
    SeedFolder online(root, "online_fuzzer");
    online.Add(Bytes{0, 10, 1, 7, 0xA0, 0x40});
    online.Add(Bytes{0, 10, 1, 20, 0xFF});
    online.Add(Bytes{1, 0x90, 1, 6, 0x05, 0x2C, 0, 0, 0x01, 0x2C, 0, 0});
    online.Add(Bytes{0, 4, 1, 12, 0x04, 0x02, 0, 0x00, 0x03});
}

// "Grafik.ofd": the defaults, and an object of three lifts with texts and a hidden element.
void WriteGrafikSeeds(const fs::path& root) {
    SeedFolder seeds(root, "grafik_file_fuzzer");
    TGrafikRecord record = DefaultGrafikRecord();
    seeds.Add(EncodeRecords(&record, 1));
    const std::uint8_t lifts[3][kVisuLiftParameters] = {{10, 1, 1, 2, 5, 3}, {8, 3, 1, 1, 0, 0}, {12, 1, 2, 1, 25, 25}};
    for (int lift = 0; lift < 3; ++lift)
        for (int c = 0; c < kVisuLiftParameters; ++c) record.Aufzug[lift][c] = lifts[lift][c];
    record.Statusmeldung[0].assign("T\x81r offen");
    VisuScene scene(record);
    record.Elemente[2][3].X = std::int16_t(-record.Elemente[2][3].X.get());
    seeds.Add(EncodeRecords(&record, 1));
}

}  // namespace
}  // namespace ovis::fuzz

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "Aufruf: %s AUSGABEVERZEICHNIS\n", argv[0]);
        return 2;
    }
    try {
        const std::filesystem::path root = argv[1];
        ovis::fuzz::WriteProjectSeeds(root);
        ovis::fuzz::WriteLineSeeds(root);
        ovis::fuzz::WriteOnlineSeeds(root);
        ovis::fuzz::WriteRelaySeeds(root);
        ovis::fuzz::WriteRecordingSeeds(root);
        ovis::fuzz::WriteReadoutSeeds(root);
        ovis::fuzz::WriteGrafikSeeds(root);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "Fehler: %s\n", e.what());
        return 1;
    }
    return 0;
}
