// ovis-sim: an Interface simulator on a pseudo-terminal or a serial device.
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <memory>
#include <thread>

#include "link/termios_serial_port.h"
#include "sim/command_line.h"
#include "sim/memory_card.h"
#include "sim/memory_dump.h"
#include "sim/online_plant.h"
#include "sim/pseudo_terminal.h"
#include "sim/simulator_runner.h"

namespace {

std::atomic<bool> stopRequested{false};
std::atomic<bool> dumpRequested{false};

extern "C" void OnSignal(int) { stopRequested = true; }
extern "C" void OnDumpSignal(int) { dumpRequested = true; }

// Writes the memory dump; a failure is reported and the simulator goes on.
bool Dump(ovis::sim::SimulatorRunner& runner, const std::string& prefix) {
    try {
        runner.With([&](ovis::sim::InterfaceSimulator& s) { ovis::sim::WriteMemoryDump(s.Memory(), prefix); });
        std::cout << "memory-dump " << prefix << std::endl;
        return true;
    } catch (const std::exception& e) {
        std::cerr << "ovis-sim: " << e.what() << '\n';
        return false;
    }
}

}  // namespace

int main(int argc, char** argv) {
    // A write past the file-size limit then fails with an error that is reported instead of ending the process.
    std::signal(SIGXFSZ, SIG_IGN);
    using namespace ovis::sim;
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (std::find(args.begin(), args.end(), "--help") != args.end()) {
        std::cout << kUsage;
        return 0;
    }
    SimCommandLine line;
    try {
        line = ParseSimCommandLine(args);
    } catch (const std::invalid_argument& e) {
        std::cerr << "ovis-sim: " << e.what() << '\n' << kUsage;
        return 2;
    }

    std::shared_ptr<const MemoryCard> card;
    OnlineOptions online{.plantRate = line.plantRate, .seed = line.options.seed, .reply12Every = line.reply12Every,
                         .events = {}};
    if (!line.noCard) {
        try {
            if (line.events) online.events = LoadEventsFile(*line.events);
            card = std::make_shared<const MemoryCard>(online.events);
        } catch (const std::invalid_argument& e) {
            std::cerr << "ovis-sim: " << e.what() << '\n';
            return 2;
        }
    }

    struct sigaction action {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    for (int signal : {SIGINT, SIGTERM, SIGHUP}) sigaction(signal, &action, nullptr);
    if (line.dumpPrefix) {
        // Installed before the device line is printed, so that a signal right after it is a dump.
        struct sigaction dump {};
        dump.sa_handler = OnDumpSignal;
        sigemptyset(&dump.sa_mask);
        sigaction(SIGUSR1, &dump, nullptr);
    }
    std::signal(SIGPIPE, SIG_IGN);

    std::unique_ptr<PseudoTerminal> terminal;
    int fd = -1;
    int paceBaud = 0;
    try {
        if (line.device) {
            fd = ::open(line.device->c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
            if (fd < 0 || !ovis::ConfigureLine(fd, line.baud ? line.baud : 9600)) {
                std::cerr << "ovis-sim: " << *line.device << " kann nicht als serielle Schnittstelle geöffnet werden\n";
                return 1;
            }
            std::cout << *line.device << std::endl;
        } else {
            terminal = std::make_unique<PseudoTerminal>();
            fd = terminal->MasterFd();
            paceBaud = line.baud;
            if (line.link) {
                std::error_code ec;
                std::filesystem::remove(*line.link, ec);
                std::filesystem::create_symlink(terminal->SlavePath(), *line.link);
            }
            std::cout << terminal->SlavePath() << std::endl;
        }
    } catch (const std::exception& e) {
        std::cerr << "ovis-sim: " << e.what() << '\n';
        return 1;
    }

    InterfaceSimulator simulator(line.options);
    InstallStandardHandlers(simulator);
    if (card)
        InstallMemoryCard(simulator, card);
    else
        InstallNoCard(simulator);
    OnlinePlant plant(std::move(online));
    plant.Install(simulator);
    SimulatorRunner runner(simulator, fd, paceBaud,
                           [](const ReceivedTelegram& received) { std::cout << TelegramLine(received) << std::endl; });
    runner.SetIdleWork([&plant](InterfaceSimulator& s, Micros now) { plant.Advance(s, now); });
    int exitCode = 0;
    if (line.dumpPrefix) {
        std::atomic<bool> runnerStop{false};
        std::thread running([&] { runner.Run(runnerStop); });
        while (!stopRequested) {
            if (dumpRequested.exchange(false)) Dump(runner, *line.dumpPrefix);
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        runnerStop = true;
        running.join();
        if (!Dump(runner, *line.dumpPrefix)) exitCode = 1;
    } else {
        runner.Run(stopRequested);
    }

    if (terminal && line.link) {
        std::error_code ec;
        std::filesystem::remove(*line.link, ec);
    }
    if (!terminal) ::close(fd);
    return exitCode;
}
