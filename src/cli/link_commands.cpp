// ovisctl commands that talk to an Interface: reset, software update, the relay server, and the
// test firmware for the simulator.
#include <atomic>
#include <chrono>
#include <csignal>
#include <filesystem>
#include <iostream>

#include "cli/arguments.h"
#include "cli/command_registry.h"
#include "cli/link_session.h"
#include "link/firmware_image.h"
#include "link/relay.h"
#include "records/terminal_text.h"
#include "records/typed_file.h"

namespace {

using namespace ovis;
using namespace ovis::cli;

std::vector<std::string> With(std::vector<std::string> list, const std::vector<std::string>& more) {
    list.insert(list.end(), more.begin(), more.end());
    return list;
}

// Connects and runs one action as the connection timer does; 0 when it ran to its end.
int RunAction(LinkSession& session, ActionTag tag) {
    if (!session.OpenPort()) return 1;
    session.actions().StartAction(tag);
    session.actions().Timer1Timer();
    return session.actions().LastActionCompleted() ? 0 : 1;
}

CommandRegistration reset{"reset", std::string("reset ") + kLinkUsage, [](const std::vector<std::string>& args) {
                               Arguments arguments(args, kLinkValueOptions, kLinkFlags, 0);
                               LinkSession session(arguments);
                               return RunAction(session, ActionTag::Reset);
                           }};

CommandRegistration update{
    "update", std::string("update ") + kLinkUsage + " --firmware FILE", [](const std::vector<std::string>& args) {
        Arguments arguments(args, With(kLinkValueOptions, {"firmware"}), kLinkFlags, 0);
        auto firmware = arguments.Option("firmware");
        if (!firmware) throw UsageError("--firmware fehlt");
        if (!LoadFirmwareImage(*firmware)) {
            std::cerr << "Die Firmware-Datei \"" << EscapeControlCharacters(*firmware)
                      << "\" kann nicht geöffnet werden.\n";
            return 1;
        }
        LinkSession session(arguments);
        session.actions().SetFirmwareFile(*firmware);
        return RunAction(session, ActionTag::SoftwareUpdate);
    }};

CommandRegistration makeTestFirmware{"make-test-firmware", "make-test-firmware FILE",
                                     [](const std::vector<std::string>& args) {
                                         Arguments arguments(args, {}, {}, 1);
                                         const auto image = MakeTestFirmwareImage();
                                         WriteFileAtomically(arguments.Required(0, "FILE"), {image.begin(), image.end()});
                                         return 0;
                                     }};

std::atomic<bool> serverStop{false};
extern "C" void OnServerStop(int) { serverStop = true; }

// Keeps the line in conversation as a relay Server, so that a Client PC can reach the
// Interface through the relay files (COMTD.DAT in the base directory, COMRD.DAT in the server
// directory), until SIGTERM or the given time has passed.
CommandRegistration relayServer{
    "relay-server", std::string("relay-server ") + kLinkUsage + " --base DIR [--server-dir DIR] [--seconds S]",
    [](const std::vector<std::string>& args) {
        Arguments arguments(args, With(kLinkValueOptions, {"base", "server-dir", "seconds"}), kLinkFlags, 0);
        auto base = arguments.Option("base");
        if (!base) throw UsageError("--base fehlt");
        const double seconds = arguments.DecimalOption("seconds", 0, 1e7).value_or(0);
        LinkSession session(arguments, RelayMode::Server, *base, arguments.Option("server-dir").value_or(*base));
        if (!CreateRelayFiles(*base, session.delay())) {
            std::cerr << "Die Relais-Dateien in \"" << EscapeControlCharacters(*base)
                      << "\" können nicht angelegt werden.\n";
            return 1;
        }
        if (!session.OpenPort()) return 1;
        std::signal(SIGTERM, OnServerStop);
        std::cout << "relay-server bereit" << std::endl;
        Link& link = session.link();
        const auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
        while (!serverStop && !link.AbortRequested() && (seconds <= 0 || std::chrono::steady_clock::now() < end)) {
            link.Exchange();
            if (link.Result() == LinkResult::TimedOut) link.SetState(link_state::kIdle);
            link.Data().ClearTelegramReceived();
        }
        return 0;
    }};

}  // namespace
