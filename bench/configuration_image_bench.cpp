// The configuration image: the build of a maximal project (every table with as many rows as the
// Interface's memory holds, LED pictures of 1275 columns, groups of 100 members; target below
// 10 ms), and "Neukonfiguration" of a project of the same kind with pictures of 100 columns
// against the simulator in a child process on a pseudo-terminal paced at 115200 baud, reported as
// a ratio to the wire limit plus the mandated pauses (100 ms after command 1, 10 ms after each
// telegram; target at most 1.10). A build or transfer that fails is a benchmark error.
//
//   ./configuration_image_bench --benchmark_filter=Build       the build alone
//   ./configuration_image_bench --benchmark_filter=Configure   the transfer (about 10 s)
#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>

#include "bench_smoke.h"
#include "link/configuration_image.h"
#include "link/configuration_image_sources.h"
#include "link/configuration_image_transfer.h"
#include "link_bench_support.h"
#include "project/project_tables.h"
#include "tables/io_terminals.h"

namespace {

using namespace ovis;
using namespace ovis::bench;

template <typename Record>
Record Zeroed() {
    Record record;
    std::memset(&record, 0, sizeof record);
    return record;
}

std::string Name(const char* prefix, std::size_t i) { return prefix + std::to_string(i + 1); }

// Fills the tables with `rows` rows each and returns the program lines.
std::vector<TProgrammLine> FillTables(ProjectTables& tables, std::size_t rows, int ledColumns) {
    auto& params = tables.parameters.Record();
    for (int p = 0; p < 40; ++p) params.Modulanordnung[p] = std::uint8_t(p % 7 + 1);
    tables.ledParameters.Record().AnzahlModule = 100;
    for (std::size_t i = 0; i < rows; ++i) {
        auto io = Zeroed<TIoRecord>();
        io.Bezeichnung = Name("E", i);
        io.Modul = int(i % 40) + 1;
        io.Klemmreihe = i % 2 ? kLowerRow : kUpperRow;
        for (auto& level : io.Pegel) level = kLevelUnused;
        io.Pegel[i % 8] = "High";
        io.Typ = i % 3 ? "DC" : "Relais";
        io.Einheit = "Sek";
        io.EinVerzoegerung = int(i % 200);
        io.Erfassung = true;
        tables.io.Append(io);

        auto led = Zeroed<TLedRecord>();
        led.Bezeichnung = Name("L", i);
        for (int c = 0; c < ledColumns; ++c) led.Spalten[c] = std::uint8_t(c * 7 + i);
        for (int m = 0; m < kLedModulePositions; ++m) led.ModulListe[m] = std::uint8_t(m + 1);
        led.LetzteSpalte = ledColumns;
        led.X0 = 1;
        led.X1 = ledColumns;
        led.Modulzahl = (ledColumns + 4) / 5;
        led.AnzahlFarben = 28;
        led.AnzahlHelligkeiten = 11;
        for (int k = 0; k < 11; ++k) led.Helligkeit[k] = std::uint8_t(k + 1);
        led.Richtung = 1;
        led.Einheit = "Milli";
        tables.led.Append(led);

        auto counter = Zeroed<TCounterRecord>();
        counter.Bezeichnung = Name("C", i);
        counter.Zaehlung = Name("E", i);
        counter.Anzeige = Name("L", i);
        counter.Zaehlart = "Ereignis";
        tables.counters.Append(counter);

        auto timer = Zeroed<TTimerRecord>();
        timer.Bezeichnung = Name("T", i);
        timer.Uhrzeit = "12:30:00";
        timer.Datum = "24.12";
        tables.timers.Append(timer);

        auto group = Zeroed<TGruppeRecord>();
        group.Bezeichnung = Name("G", i);
        group.Anzahl = kMaxGroupMembers;
        for (int m = 0; m < kMaxGroupMembers; ++m) group.Mitglied[m] = std::uint16_t(m + 1);
        group.Trigger = "aktiv";
        group.Einheit = "Min";
        tables.groups.Append(group);
    }
    std::vector<TProgrammLine> lines;
    for (std::size_t i = 0; i < rows; ++i) {
        auto line = Zeroed<TProgrammLine>();
        line.Bezeichnung = Name("P", i);
        line.MeldungA = Name("E", i);
        line.Logik = "AND";
        line.MeldungB = Name("C", i);
        line.Order = "SET";
        line.MeldungC = Name("T", i);
        line.Einheit = "Milli";
        lines.push_back(line);
    }
    return lines;
}

constexpr LocalDateTime kNow{2026, 12, 10, 6, 0, 0, 0};

// The sources of a project whose only program file is Main.pgm with `lines`.
ConfigurationSources MainProgramOnly(const std::vector<TProgrammLine>& lines) {
    ConfigurationSources sources;
    sources.programs = JoinPrograms({"Main.pgm", lines}, {});
    return sources;
}

bool Fits(std::size_t rows, int ledColumns) {
    auto tables = std::make_unique<ProjectTables>();
    const ConfigurationSources sources = MainProgramOnly(FillTables(*tables, rows, ledColumns));
    return !BuildConfigurationImage(sources.Inputs(*tables, kNow, false)).checkFailure;
}

// The most rows per table whose image the Interface's memory holds.
std::size_t LargestFittingRows(int ledColumns) {
    std::size_t fits = 0, fails = kMaxTableRows + 1;
    while (fails - fits > 1) {
        const std::size_t rows = (fits + fails) / 2;
        (Fits(rows, ledColumns) ? fits : fails) = rows;
    }
    return fits;
}

void BM_BuildMaximalImage(benchmark::State& state) {
    const std::size_t rows = LargestFittingRows(kLedColumns);
    auto tables = std::make_unique<ProjectTables>();
    const ConfigurationSources sources = MainProgramOnly(FillTables(*tables, rows, kLedColumns));
    const ConfigurationInputs inputs = sources.Inputs(*tables, kNow, false);
    std::size_t bytes = 0;
    int freeBytes = 0;
    for (auto _ : state) {
        ConfigurationBuild build = BuildConfigurationImage(inputs);
        if (build.checkFailure) state.SkipWithError(build.checkFailure->c_str());
        bytes = 0;
        for (const auto& write : build.image.configuration) bytes += write.data.size();
        freeBytes = build.image.freeBytes;
        benchmark::DoNotOptimize(build);
    }
    state.counters["rows"] = double(rows);
    state.counters["image_bytes"] = double(bytes);
    state.counters["free_bytes"] = double(freeBytes);
}

void BM_ConfigureAgainstSimulator(benchmark::State& state) {
    const int baud = int(state.range(0));
    const auto dir = std::filesystem::temp_directory_path() / ("ovis-bench-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir / "Programme");
    constexpr int kColumns = 100;
    const std::size_t rows = SmokeRun() ? 5 : LargestFittingRows(kColumns);
    auto tables = std::make_unique<ProjectTables>();
    const std::vector<TProgrammLine> lines = FillTables(*tables, rows, kColumns);
    tables->program.lines.Assign(lines);
    tables->program.Save(dir);

    for (auto _ : state) {
        sim::PseudoTerminal terminal;
        SimulatorProcess simulator({}, terminal.MasterFd(), baud);
        Pc pc(terminal, dir);
        pc.parameters.Record().BaudFaktorPC = std::uint8_t(baud / 9600);
        pc.actions.SetTransferConfiguration([&](bool withBackup, ProgressWindow& progress) {
            return ConfigureProject(pc.link, pc.dialogs, progress, dir, *tables, kNow, withBackup);
        });

        const auto start = std::chrono::steady_clock::now();
        pc.actions.StartAction(ActionTag::Configure);
        pc.actions.Timer1Timer();
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        state.SetIterationTime(seconds);

        if (!pc.actions.LastActionCompleted() || pc.dialogs.shown) state.SkipWithError("the configuration failed");
        state.counters["rows"] = double(rows);
        const double pauses = std::chrono::duration<double>(pc.delay.total).count();
        const double wire = double(std::max(pc.port.sent, pc.port.received)) * 10.0 / baud;
        state.counters["wire_s"] = wire;
        state.counters["pauses_s"] = pauses;
        state.counters["ratio"] = seconds / (wire + pauses);
        std::printf("%6d baud: %.2f s, wire limit %.2f s + pauses %.2f s, ratio %.3f\n", baud, seconds, wire, pauses,
                    seconds / (wire + pauses));
    }
    std::filesystem::remove_all(dir);
}

BENCHMARK(BM_BuildMaximalImage)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ConfigureAgainstSimulator)->Arg(115200)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);

}  // namespace

BENCHMARK_MAIN();
